// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game finds its dictionary and help page, in a build folder and installed:
// the user's own copy first, the shipped one when there is none or it is damaged.
#include "core/game/DataFolders.h"
#include "DictionaryProgram.h"

#include <QDir>

namespace {

enum class UserCopy { None, Good, Damaged };

void WriteDictionary(const QString& path, const std::vector<std::string>& words, bool damage)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    engine::Engine e;
    for (const std::string& w : words)
        e.cDictionaryAdd(w);
    ASSERT_TRUE(e.cWriteBinaryDictionary(path.toStdString()).ok());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray bytes = Damaged(file.readAll());
    ASSERT_TRUE(!damage || (file.seek(0) && file.write(bytes) == bytes.size()));
}

TEST(DataFolders, theUsersCopyFirstWhenInstalledAndSavesGoWhereTheUserMayWrite)
{
    const struct {
        const char* name;
        bool installed;
        UserCopy user;
        bool usersWordLoaded;
        int messages;
    } rows[] = {
        {"build folder", false, UserCopy::Good, false, 0}, // a user copy is not looked at
        {"installed, no user copy", true, UserCopy::None, false, 0},
        {"installed, a user copy", true, UserCopy::Good, true, 0},
        {"installed, a damaged user copy", true, UserCopy::Damaged, false, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir root;
        const QString bin = root.filePath("bin"), share = root.filePath("share/lettro"),
                      user = root.filePath("user");
        const QString shipped = (row.installed ? share : bin) + "/Dictionary.dat";
        WriteDictionary(shipped, {"cat", "dog"}, false);
        if (row.user != UserCopy::None)
            WriteDictionary(user + "/Dictionary.dat", {"cat", "dog", "quilt"},
                            row.user == UserCopy::Damaged);
        ScriptedPrompter prompter;
        Program p;
        p.prompter = &prompter;
        const DataFolders::Places places = DataFolders::Choose(
            bin.toStdString(), share.toStdString(), row.installed, user.toStdString());
        p.ProgramFolder = places.programFolder;
        p.UserFolder = places.userFolder;
        EXPECT_EQ(p.ProgramFolder, (row.installed ? share : bin).toStdString());
        // Word files are the user's: an installed game's dialogs start at home.
        EXPECT_EQ(DataFolders::WordFileFolder(places, "/home/u"),
                  row.installed ? "/home/u" : bin.toStdString());
        for (int i = 0; i < row.messages; ++i)
            prompter.answer(core::Answer::Ok);
        Dictionary::ReadDictionary(p);
        EXPECT_EQ(prompter.shown.size(), std::size_t(row.messages));
        EXPECT_TRUE(!row.messages || prompter.texts()[0].startsWith("The dictionary file " + QDir::toNativeSeparators(user + "/Dictionary.dat") + " could not be loaded: "));
        EXPECT_TRUE(p.engine.contains("cat"));
        EXPECT_EQ(p.engine.contains("quilt"), row.usersWordLoaded);

        // A save goes to the user's copy when installed; the installed file is never written.
        Dictionary::AddDictionaryWord(p, "zebra");
        ASSERT_TRUE(Dictionary::WriteDictionary(p));
        for (const QString& file : {shipped, user + "/Dictionary.dat"}) {
            engine::Engine reread;
            const bool written = file == shipped ? !row.installed : row.installed;
            EXPECT_EQ(reread.cReadBinaryDictionary(file.toStdString()).ok() && reread.contains("zebra"), written)
                << file.toStdString();
        }
        EXPECT_EQ(QFileInfo::exists(user + "/Dictionary.dat.unreadable"),
                  row.user == UserCopy::Damaged);
    }
}

} // namespace
