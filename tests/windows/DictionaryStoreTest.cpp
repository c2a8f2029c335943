// The dictionary file: changes remembered, the save question at exit, saving
// atomically and saying so when a save fails.
#include "TestApp.h"

#include "core/dictionary/DictionaryStore.h"

#include <QDir>
#include <QFile>

#include <functional>

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kWords = {"cat", "cats", "cod", "dig", "dog", "stag", "tea"};

// Every word of a dictionary, in its listing order.
Words AllWords(engine::Engine& dictionary)
{
    Words words;
    for (int first = 0; first < 26; ++first) {
        for (int second = 0; second < 26; ++second) {
            if (dictionary.cDictIndex(first, second) < 0)
                continue;
            dictionary.cStartDecodingWords(first, second);
            for (std::string w = dictionary.cDecodeNextWord(); !w.empty();
                 w = dictionary.cDecodeNextWord())
                words.push_back(w);
        }
    }
    return words;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

std::string Stored(TestApp& t, const char* name)
{
    return t.app.settings->cGetRegValue(engine::kSettingsKey, name, 10).value_or("<absent>");
}

TEST(DictionaryStore, withoutChangesExitAsksNothing)
{
    TestApp t(kWords);
    t.startUp();
    EXPECT_TRUE(Dictionary::OfferDictionarySave(t.app));
    EXPECT_TRUE(t.desktop.shown.empty());
    EXPECT_EQ(Stored(t, "TimeLimit"), "<absent>") << "settings are stored only on No";
}

TEST(DictionaryStore, addingAndRemovingAgainStillCountsAsAChange)
{
    TestApp t(kWords);
    t.startUp();
    Dictionary::AddDictionaryWord(t.app, "quilt");
    Dictionary::RemoveDictionaryWord(t.app, "quilt");
    EXPECT_TRUE(t.app.dictionary.DictionaryUpdated);

    t.desktop.answer(ui::Answer::Yes);
    EXPECT_TRUE(Dictionary::OfferDictionarySave(t.app));
    ASSERT_EQ(t.desktop.shown.size(), 1u);
    EXPECT_EQ(t.desktop.shown[0].text, "Dictionary has been updated, do you want to save it?");
    EXPECT_EQ(t.desktop.shown[0].title, "Save dictionary?");
    EXPECT_EQ(t.desktop.shown[0].buttons, ui::Buttons::YesNo);
    EXPECT_FALSE(t.app.dictionary.DictionaryUpdated);

    EXPECT_TRUE(Dictionary::OfferDictionarySave(t.app));
    EXPECT_EQ(t.desktop.shown.size(), 1u) << "asked once";
}

TEST(DictionaryStore, aSavedDictionaryReadsBackIdentically)
{
    TestApp t(kWords);
    t.startUp();
    Dictionary::AddDictionaryWord(t.app, "quilt");
    Dictionary::AddDictionaryWord(t.app, "zebra");
    Dictionary::RemoveDictionaryWord(t.app, "cod");
    t.app.engine.cSetMinWordSize(4);
    const Words inMemory = AllWords(t.app.engine);
    ASSERT_EQ(inMemory, (Words{"cat", "cats", "dig", "dog", "quilt", "stag", "tea", "zebra"}));

    t.desktop.answer(ui::Answer::Yes);
    EXPECT_TRUE(Dictionary::OfferDictionarySave(t.app));

    engine::Engine reread;
    const auto path = Dictionary::DictionaryFilePath(t.app);
    ASSERT_TRUE(reread.cReadBinaryDictionary(path).ok());
    EXPECT_EQ(AllWords(reread), inMemory);
    EXPECT_EQ(reread.cMinWordSize(), 4);
    EXPECT_EQ(reread.cMaxWordSize(), t.app.engine.cMaxWordSize());
    EXPECT_EQ(QDir(t.folder.path()).entryList(QDir::Files), QStringList{"Dictionary.dat"})
        << "no temporary file is left behind";

    // Loading it again starts unchanged.
    t.app.dictionary.DictionaryUpdated = true;
    Dictionary::ReadDictionary(t.app);
    EXPECT_FALSE(t.app.dictionary.DictionaryUpdated);
    EXPECT_EQ(t.app.dictionary.LetterBase, 97);
    EXPECT_EQ(AllWords(t.app.engine), inMemory);
    EXPECT_EQ(t.desktop.shown.size(), 1u);
}

TEST(DictionaryStore, answeringNoKeepsTheFileAndStoresTheStartUpWordSize)
{
    TestApp t(kWords);
    t.startUp();
    const QString path = QString::fromStdString(Dictionary::DictionaryFilePath(t.app));
    const QByteArray before = FileBytes(path);
    const int loadedMax = t.app.options.LoadedMaxWordSize;
    ASSERT_GT(loadedMax, 5);
    t.app.engine.cSetMaxWordSize(5);
    t.app.engine.cReduceWordSize();
    t.app.dictionary.DictionaryUpdated = true;
    t.app.game.TimeLimit = 120;
    t.app.options.SoundsOn = false;

    t.desktop.answer(ui::Answer::No);
    EXPECT_TRUE(Dictionary::OfferDictionarySave(t.app));
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_FALSE(t.app.dictionary.DictionaryUpdated);
    EXPECT_EQ(t.app.engine.cMaxWordSize(), loadedMax);
    EXPECT_EQ(Stored(t, "MaxWordSize"), std::to_string(loadedMax));
    EXPECT_EQ(Stored(t, "TimeLimit"), "120");
    EXPECT_EQ(Stored(t, "Sounds"), "0");
    EXPECT_EQ(Stored(t, "MinWordSize"), "3");
}

// Each case breaks the place the dictionary is saved to, then mends it.
struct BrokenPlace {
    const char* what;
    std::function<void(TestApp&)> breakIt;
    std::function<void(TestApp&)> mendIt;
};

TEST(DictionaryStore, aFailedSaveIsReportedAndNothingIsLost)
{
    const std::vector<BrokenPlace> cases = {
        {"the file's name is taken by a folder",
         [](TestApp& t) {
             QFile::remove(t.folder.filePath("Dictionary.dat"));
             QDir(t.folder.path()).mkdir("Dictionary.dat");
         },
         [](TestApp& t) { QDir(t.folder.path()).rmdir("Dictionary.dat"); }},
        {"the program folder is gone",
         [](TestApp& t) { t.app.ProgramFolder = t.folder.filePath("gone").toStdString(); },
         [](TestApp& t) { QDir(t.folder.path()).mkdir("gone"); }},
        {"the program folder is a file",
         [](TestApp& t) {
             t.app.ProgramFolder = t.folder.filePath("Dictionary.dat").toStdString();
         },
         [](TestApp& t) { t.app.ProgramFolder = t.folder.path().toStdString(); }},
    };
    for (const BrokenPlace& place : cases) {
        SCOPED_TRACE(place.what);
        TestApp t(kWords);
        t.startUp();
        Dictionary::AddDictionaryWord(t.app, "quilt");
        place.breakIt(t);
        const QString path = QDir::toNativeSeparators(
            QString::fromStdString(Dictionary::DictionaryFilePath(t.app)));

        t.desktop.answer(ui::Answer::Yes);
        t.desktop.answer(ui::Answer::Ok);
        EXPECT_FALSE(Dictionary::OfferDictionarySave(t.app));
        ASSERT_EQ(t.desktop.shown.size(), 2u);
        const auto& report = t.desktop.shown[1];
        EXPECT_TRUE(report.text.contains("could not be saved")) << report.text.toStdString();
        EXPECT_TRUE(report.text.contains(path)) << report.text.toStdString();
        EXPECT_TRUE(report.text.contains("could not be written")) << report.text.toStdString();
        EXPECT_EQ(report.buttons, ui::Buttons::Ok);
        EXPECT_TRUE(t.app.dictionary.DictionaryUpdated) << "the change is still unsaved";
        EXPECT_TRUE(t.app.engine.contains("quilt"));

        // Once the place is usable again the same changes can still be saved.
        place.mendIt(t);
        t.desktop.answer(ui::Answer::Yes);
        EXPECT_TRUE(Dictionary::OfferDictionarySave(t.app));
        EXPECT_EQ(t.desktop.shown.size(), 3u);
        engine::Engine reread;
        ASSERT_TRUE(reread.cReadBinaryDictionary(Dictionary::DictionaryFilePath(t.app)).ok());
        EXPECT_TRUE(reread.contains("quilt"));
        EXPECT_EQ(t.desktop.pending(), 0);
    }
}

// Before, a dictionary file that could not be read at start-up was written over by the
// first save, losing whatever it held.
TEST(DictionaryStore, anUnreadableFileIsKeptBeforeTheFirstSave)
{
    TestApp t(kWords);
    const QString path = t.folder.filePath("Dictionary.dat");
    QByteArray unreadable = FileBytes(path);
    unreadable[unreadable.size() / 2] = static_cast<char>(unreadable[unreadable.size() / 2] ^ 0x40);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(unreadable);
    }
    t.desktop.answer(ui::Answer::Ok); // the start-up message
    t.startUp();
    ASSERT_EQ(t.app.engine.cNumberOfWords(), 0);

    Dictionary::AddDictionaryWord(t.app, "quilt");
    t.desktop.answer(ui::Answer::Yes);
    EXPECT_TRUE(Dictionary::OfferDictionarySave(t.app));
    EXPECT_EQ(FileBytes(path + ".unreadable"), unreadable);
    engine::Engine reread;
    ASSERT_TRUE(reread.cReadBinaryDictionary(path.toStdString()).ok());
    EXPECT_EQ(AllWords(reread), (Words{"quilt"}));

    // Only the file found at start-up is kept; later saves just replace the dictionary.
    Dictionary::AddDictionaryWord(t.app, "quip");
    t.desktop.answer(ui::Answer::Yes);
    EXPECT_TRUE(Dictionary::OfferDictionarySave(t.app));
    EXPECT_EQ(FileBytes(path + ".unreadable"), unreadable);
}

} // namespace
