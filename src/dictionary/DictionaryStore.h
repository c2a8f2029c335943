// The dictionary file beside the program: loading it, and remembering changes.
#pragma once

#include <string>

struct App;

namespace Dictionary {

// The dictionary file's path: the program's folder and "Dictionary.dat".
std::string DictionaryFilePath(const App& app);

// Loads the dictionary file. When it cannot be used, says so once, naming the file
// and the reason, and the game goes on with an empty dictionary.
void ReadDictionary(App& app);

// One word into or out of the dictionary; either way it now differs from the file.
void AddDictionaryWord(App& app, const std::string& word);
void RemoveDictionaryWord(App& app, const std::string& word);

} // namespace Dictionary
