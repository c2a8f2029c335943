// SPDX-License-Identifier: GPL-3.0-or-later
// Playing in a board language: the language a run starts with, switching the dictionary,
// dice and high scores over to another one, and the notice of its word list.
#pragma once

#include <QString>

#include <string>

struct Program;

namespace BoardLanguage {

// The stored value's name; its text is a language code ("fr").
inline constexpr const char* kBoardLanguage = "BoardLanguage";

// Start-up, before the dictionary is loaded: the language asked for on the command line,
// else the stored one, else the desktop's when Lettro has it, else English. Sets the
// chosen language and the one in play.
void ChooseAtStartUp(Program& program);

// Puts `code` in play: its dictionary (the user's own copy when there is one), its dice,
// its high scores. A dictionary with unsaved changes is offered for saving first, as at
// exit. The last results can no longer be shown: they belong to the other dictionary.
// False, and nothing changed, when the code is no language or the wanted save failed.
bool UseLanguage(Program& program, const std::string& code);

// The options' choice: stored at once, and in play from now on (outside network play).
void ChooseLanguage(Program& program, const std::string& code);

// A window's title while `code` is in play: as it is in English, with the language's name
// otherwise ("Lettro High Scores (Deutsch)"), so per-language lists are not taken for
// each other.
QString WindowTitle(const QString& title, const std::string& code);

// The copyright and licence notice of a language's word list, for the About box.
QString WordListNotice(const std::string& code);

} // namespace BoardLanguage
