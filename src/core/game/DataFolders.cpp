// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataFolders.h"

namespace DataFolders {

namespace {
std::string DictionaryIn(const std::string& folder, const std::string& name)
{
    return folder + '/' + name;
}
} // namespace

Places Choose(const std::string& binFolder, const std::string& shareFolder, bool shareHoldsData,
              const std::string& userDataFolder)
{
    // An installed program's folders are not the user's to write: saves go to their own.
    if (shareHoldsData)
        return {shareFolder, userDataFolder};
    return {binFolder, {}};
}

DictionaryFiles ChooseDictionary(const Places& places, bool userCopyExists,
                                 const std::string& name)
{
    const std::string shipped = DictionaryIn(places.programFolder, name);
    if (places.userFolder.empty())
        return {shipped, {}, shipped};
    const std::string own = DictionaryIn(places.userFolder, name);
    if (userCopyExists)
        return {own, shipped, own};
    return {shipped, {}, own};
}

std::string WordFileFolder(const Places& places, const std::string& home)
{
    // The installed folder is not the user's to write, and a word file kept in the data
    // folder beside their dictionary would be hard to find again.
    return places.userFolder.empty() ? places.programFolder : home;
}

} // namespace DataFolders
