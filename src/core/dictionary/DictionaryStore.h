// The dictionary file beside the program: loading it, and remembering changes.
#pragma once

#include <string>

struct Program;

namespace Dictionary {

// The dictionary file's path: the program's folder and "Dictionary.dat".
std::string DictionaryFilePath(const Program& app);

// Loads the dictionary file. When it cannot be used, says so once, naming the file
// and the reason, and the game goes on with an empty dictionary.
void ReadDictionary(Program& app);

// Saves the dictionary file atomically. A failed save is reported in a message box
// naming the file and the reason, and leaves the old file as it was. True when saved.
bool WriteDictionary(Program& app);

// At exit: when the dictionary changed, asks whether to save it. No puts back the
// largest word size of start-up and stores the settings. False only when the user
// wanted the dictionary saved and it could not be; it then stays marked as changed.
bool OfferDictionarySave(Program& app);

// One word into or out of the dictionary; either way it now differs from the file.
void AddDictionaryWord(Program& app, const std::string& word);
void RemoveDictionaryWord(Program& app, const std::string& word);

} // namespace Dictionary
