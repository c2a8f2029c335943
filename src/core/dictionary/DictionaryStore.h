// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary file: the user's own copy, else the shipped one; loading it, and
// remembering changes.
#pragma once

#include <string>

struct Program;

namespace Dictionary {

// Where a save writes: the user's folder when there is one, else the program's; the file
// of the board language in play.
std::string DictionaryFilePath(const Program& program);

// Loads the dictionary file. When it cannot be used, says so once, naming the file
// and the reason; the game goes on with the shipped dictionary when it was the user's
// copy that failed, else with an empty one.
void ReadDictionary(Program& program);

// Saves the dictionary file atomically. A failed save is reported in a message box
// naming the file and the reason, and leaves the old file as it was. True when saved.
bool WriteDictionary(Program& program);

// At exit, or before another language's dictionary is loaded: when the dictionary
// changed, asks whether to save it. No at exit puts back the largest word size of
// start-up and stores the settings. False only when the user wanted the dictionary saved
// and it could not be; it then stays marked as changed.
bool OfferDictionarySave(Program& program, bool atExit = true);

// One word into or out of the dictionary; either way it now differs from the file.
void AddDictionaryWord(Program& program, const std::string& word);
void RemoveDictionaryWord(Program& program, const std::string& word);

} // namespace Dictionary
