// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog's rules: what it shows, what OK changes, and the way into network
// play. The window reads its controls into OptionsValues and shows what comes back.
#pragma once

#include <string>
#include <vector>

struct Program;

namespace Common {

// What the options dialog holds: the chosen index of the game type and mode lists (-1:
// nothing chosen), the chosen text of the other lists ("" when nothing is chosen), the
// check boxes, and whether the time list is enabled.
struct OptionsValues {
    int GameType = -1;
    int GameMode = -1;
    std::string Time;        // "3:00"
    std::string MinWordSize; // "4 letters"
    std::string WordSize;
    std::string NumWords; // "More than 50"
    bool Sounds = false;
    bool ShowUnusedWords = false;
    bool RepeatLetters = false;
    bool LeftHandDisplay = false;
    bool ShowWhereWordCanGo = true;
    bool TimeEnabled = true;
    int BoardLanguage = -1; // into OptionsItems::BoardLanguage
    int ComputerOpponents = -1; // into OptionsItems::ComputerOpponents
    int ComputerStrength = -1;  // into OptionsItems::ComputerStrength
    bool operator==(const OptionsValues&) const = default;
};

// The items of the dialog's lists, in order.
struct OptionsItems {
    std::vector<std::string> GameType, GameMode, Time, WordSize, NumWords;
    std::vector<std::string> BoardLanguage; // each language's own name, English first
    std::vector<std::string> ComputerOpponents; // "None", "1", "2", "3"
    std::vector<std::string> ComputerStrength;  // the computer levels, weakest first
};
const OptionsItems& OptionsDialogItems();

// The dialog's values for the current settings. A value the lists do not offer (a stored
// smallest size of 2, a network game mode) shows as no selection.
OptionsValues FillOptionsDialog(const Program& program);

// Whether the time list is enabled while the game type list shows `shownType`.
bool GameTypeChanged(int shownType);

// What the window does after OK.
struct OptionsOutcome {
    // The game type or mode was changed during a game and the user agreed: the game was
    // aborted; nothing else of the dialog was applied or saved.
    bool abortGame = false;
    // A question was declined: the dialog is to show the current settings again.
    bool refill = false;
};
// Applies the dialog's values step by step, asking before a change that ends a running
// game or shrinks the dictionary, and saves the settings. A new board language is put in
// play last, so the other steps work on the dictionary the dialog showed.
OptionsOutcome ApplyOptions(Program& program, const OptionsValues& dialog);

enum class NetworkEntry {
    Stay,          // network play is already on, or the user kept the running game
    Enter,         // the settings are kept aside; network play opens
    AbortAndEnter, // the same, the running game aborted
};
// The network button: asks before abandoning a running game, then keeps the six game
// settings that network play overrides in savedForNetwork.
NetworkEntry EnterNetworkGame(Program& program);

} // namespace Common
