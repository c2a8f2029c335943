// SPDX-License-Identifier: GPL-3.0-or-later
// Where the shipped dictionary and help page are found, and where the dictionary is
// saved: beside the program in a build folder, under share/lettro when installed.
// Pure: the callers look at the disk and pass what they found.
#pragma once

#include <string>

namespace DataFolders {

struct Places {
    std::string programFolder; // the shipped Dictionary.dat and Lettro.htm
    std::string userFolder;    // the user's own Dictionary.dat; empty: programFolder's
};

// binFolder: the program's own; shareFolder: <bin>/../share/lettro and whether it holds
// both files; userDataFolder: the user's writable data folder.
Places Choose(const std::string& binFolder, const std::string& shareFolder, bool shareHoldsData,
              const std::string& userDataFolder);

struct DictionaryFiles {
    std::string read;     // loaded first
    std::string fallback; // loaded when `read` is there but damaged; empty: none
    std::string save;     // written by a save
};

// `name`: the file of the board language in play ("Dictionary-fr.dat").
DictionaryFiles ChooseDictionary(const Places& places, bool userCopyExists,
                                 const std::string& name = "Dictionary.dat");

// Where the dictionary editor's word-file dialogs start: the program folder in a build
// folder, the user's `home` when installed.
std::string WordFileFolder(const Places& places, const std::string& home);

} // namespace DataFolders
