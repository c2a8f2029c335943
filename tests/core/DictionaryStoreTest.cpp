// The dictionary file: changes remembered, the save question at exit, saving and saying
// so when a save fails, keeping a file that could not be read.
#include "DictionaryProgram.h"

#include <QDir>

#include <functional>

namespace {

const std::vector<std::string> kWords = {"cat", "cats", "cod", "dig", "dog", "stag", "tea"};

Words AllWords(engine::Engine& dictionary)
{
    Words words;
    for (int first = 0; first < 26; ++first)
        for (int second = 0; second < 26; ++second)
            if (dictionary.cDictIndex(first, second) >= 0) {
                dictionary.cStartDecodingWords(first, second);
                for (std::string w; !(w = dictionary.cDecodeNextWord()).empty();)
                    words.push_back(w);
            }
    return words;
}

std::string Stored(Program& p, const char* name)
{
    return p.settings->cGetRegValue(engine::kSettingsKey, name, 10).value_or("<absent>");
}

TEST(DictionaryStore, yesSavesAFileThatReadsBackIdentically)
{
    DictionaryProgram t(kWords);
    EXPECT_TRUE(Dictionary::OfferDictionarySave(t.p));
    EXPECT_TRUE(t.prompter.shown.empty()) << "no change, no question";
    EXPECT_EQ(Stored(t.p, "TimeLimit"), "<absent>") << "settings are stored only on No";

    // Adding and removing again still counts as a change.
    Dictionary::AddDictionaryWord(t.p, "cod");
    Dictionary::RemoveDictionaryWord(t.p, "cod");
    Dictionary::AddDictionaryWord(t.p, "quilt");
    t.p.engine.cSetMinWordSize(4);
    const Words inMemory = AllWords(t.p.engine);
    ASSERT_EQ(inMemory, (Words{"cat", "cats", "dig", "dog", "quilt", "stag", "tea"}));
    t.prompter.answer(core::Answer::Yes);
    EXPECT_TRUE(Dictionary::OfferDictionarySave(t.p));
    ASSERT_EQ(t.prompter.shown.size(), 1u);
    EXPECT_EQ(t.prompter.shown[0].text, "Dictionary has been updated, do you want to save it?");
    EXPECT_EQ(t.prompter.shown[0].title, "Save dictionary?");
    EXPECT_EQ(t.prompter.shown[0].buttons, core::Buttons::YesNo);
    EXPECT_TRUE(Dictionary::OfferDictionarySave(t.p)) << "asked once";

    engine::Engine reread;
    ASSERT_TRUE(reread.cReadBinaryDictionary(t.path().toStdString()).ok());
    EXPECT_EQ(AllWords(reread), inMemory);
    EXPECT_EQ(reread.cMinWordSize(), 4);
    EXPECT_EQ(QDir(t.folder.path()).entryList(QDir::Files), QStringList{"Dictionary.dat"});
    t.p.dictionary.DictionaryUpdated = true;
    Dictionary::ReadDictionary(t.p);
    EXPECT_FALSE(t.p.dictionary.DictionaryUpdated) << "a fresh load is unchanged";
    EXPECT_EQ(AllWords(t.p.engine), inMemory);
}

TEST(DictionaryStore, noKeepsTheFileAndStoresTheStartUpWordSize)
{
    DictionaryProgram t(kWords);
    const QByteArray before = FileBytes(t.path());
    const int loadedMax = t.p.options.LoadedMaxWordSize;
    ASSERT_GT(loadedMax, 5);
    t.p.engine.cSetMaxWordSize(5);
    t.p.engine.cReduceWordSize();
    t.p.dictionary.DictionaryUpdated = true;
    t.p.game.TimeLimit = 120;
    t.prompter.answer(core::Answer::No);
    EXPECT_TRUE(Dictionary::OfferDictionarySave(t.p));
    EXPECT_EQ(FileBytes(t.path()), before);
    EXPECT_FALSE(t.p.dictionary.DictionaryUpdated);
    EXPECT_EQ(t.p.engine.cMaxWordSize(), loadedMax);
    EXPECT_EQ(Stored(t.p, "MaxWordSize"), std::to_string(loadedMax));
    EXPECT_EQ(Stored(t.p, "TimeLimit"), "120");
}

TEST(DictionaryStore, aFailedSaveIsReportedAndCanBeDoneOnceThePlaceIsMended)
{
    using Change = std::function<void(DictionaryProgram&)>;
    const auto folderAt = [](const char* name) {
        return [name](DictionaryProgram& t) { t.p.ProgramFolder = t.folder.filePath(name).toStdString(); };
    };
    const std::vector<std::pair<Change, Change>> places = {
        {[](DictionaryProgram& t) { QFile::remove(t.path()), QDir(t.folder.path()).mkdir("Dictionary.dat"); },
         [](DictionaryProgram& t) { QDir(t.folder.path()).rmdir("Dictionary.dat"); }},
        {folderAt("gone"), [](DictionaryProgram& t) { QDir(t.folder.path()).mkdir("gone"); }},
        {folderAt("Dictionary.dat"), folderAt(".")},
    };
    for (const auto& [breakIt, mendIt] : places) {
        DictionaryProgram t(kWords);
        Dictionary::AddDictionaryWord(t.p, "quilt");
        breakIt(t);
        const QString path = QDir::toNativeSeparators(
            QString::fromStdString(Dictionary::DictionaryFilePath(t.p)));
        t.prompter.answer(core::Answer::Yes);
        t.prompter.answer(core::Answer::Ok);
        EXPECT_FALSE(Dictionary::OfferDictionarySave(t.p));
        ASSERT_EQ(t.prompter.shown.size(), 2u);
        EXPECT_TRUE(t.prompter.shown[1].text.startsWith(
            "The dictionary could not be saved to " + path + ": the file could not be written"))
            << t.prompter.shown[1].text.toStdString();
        EXPECT_TRUE(t.p.dictionary.DictionaryUpdated) << "the change is still unsaved";

        mendIt(t);
        t.prompter.answer(core::Answer::Yes);
        EXPECT_TRUE(Dictionary::OfferDictionarySave(t.p));
        engine::Engine reread;
        ASSERT_TRUE(reread.cReadBinaryDictionary(Dictionary::DictionaryFilePath(t.p)).ok());
        EXPECT_TRUE(reread.contains("quilt"));
    }
}

// A file that could not be read at start-up may hold words a mended Lettro can read.
TEST(DictionaryStore, anUnreadableFileIsKeptBeforeTheFirstSave)
{
    DictionaryProgram t(kWords, false);
    QByteArray unreadable = FileBytes(t.path());
    unreadable[unreadable.size() / 2] = static_cast<char>(unreadable[unreadable.size() / 2] ^ 0x40);
    QFile file(t.path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(unreadable) == unreadable.size());
    file.close();
    t.prompter.answer(core::Answer::Ok); // the start-up message
    t.startUp();
    for (const char* word : {"quilt", "quip"}) { // only the file met at start-up is kept
        Dictionary::AddDictionaryWord(t.p, word);
        t.prompter.answer(core::Answer::Yes);
        EXPECT_TRUE(Dictionary::OfferDictionarySave(t.p));
        EXPECT_EQ(FileBytes(t.path() + ".unreadable"), unreadable);
    }
    engine::Engine reread;
    ASSERT_TRUE(reread.cReadBinaryDictionary(t.path().toStdString()).ok());
    EXPECT_EQ(AllWords(reread), (Words{"quilt", "quip"}));
}

} // namespace
