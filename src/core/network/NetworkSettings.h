// SPDX-License-Identifier: GPL-3.0-or-later
// The five game settings a network game plays with: the text they travel as, applying
// a received one, the lobby's settings controls, and the user's own settings kept aside
// while network play overrides them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct Program;

namespace NetworkSettings {

// A settings text read item by item, before any range check.
struct SettingsValues {
    std::string GameType; // "Standard", "Frantic", or another word that changes nothing
    bool RepeatLetters = false;
    std::int32_t TimeLimit = 0;
    std::int32_t MinWordSize = 0;
    std::string NumWordsLimit;
    std::string Language = "en"; // the sixth item: there only when the game is not English
};

// "Standard,NoRepeatLetters,180,3,-" from the current settings; a game in another board
// language than English adds it: "Standard,NoRepeatLetters,180,3,-,fr".
std::string EncodeSettings(const Program& program);

// The five comma-separated items (and the language, when there is a sixth), the two
// numbers in their ranges (16 and 32 bits); nothing when the text is not a settings text.
std::optional<SettingsValues> ParseSettings(std::string_view text);

// Plays with a received settings text, each value brought into the range the options
// allow (an unknown game type or language keeps the current one), and shows it in the
// lobby.
// Nothing is stored. False, and nothing changed, when the text is not a settings text.
bool ApplySettings(Program& program, std::string_view text);

// Shows the lobby's settings controls loaded with the current values (editable only on
// the host), or hides them.
void ShowLobbySettings(Program& program, bool show);

// The host's lobby controls. Each change is published to the players at once.
void GameTypeClick(Program& program, int index);
void GameTimeClick(Program& program, const std::string& item); // "2:00"
void RepeatLettersClick(Program& program, bool checked);
void MinWordSizeClick(Program& program, const std::string& item); // "4"
void NumWordsClick(Program& program, const std::string& item);    // "Any", ">25", ...

// Puts back the settings kept aside when network play was entered, the board language
// in play among them.
void RestoreSavedSettings(Program& program);

} // namespace NetworkSettings
