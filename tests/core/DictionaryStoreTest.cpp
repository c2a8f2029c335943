// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary file: changes remembered, the save question at exit, a failed save
// said and the change kept, a file that could not be read kept aside.
#include "DictionaryProgram.h"

#include <QDir>

namespace {

const std::vector<std::string> kWords = {"cat", "cats", "cod", "dig", "dog", "stag", "tea"};

std::string Stored(Program& p, const char* name)
{
    return p.settings->cGetRegValue(engine::kSettingsKey, name, 10).value_or("-");
}

TEST(DictionaryStore, yesSavesAFileThatReadsBackAndNoKeepsItStoringTheStartUpWordSize)
{
    DictionaryProgram t(kWords);
    EXPECT_TRUE(Dictionary::OfferDictionarySave(t.p));
    EXPECT_TRUE(t.prompter.shown.empty() && Stored(t.p, "TimeLimit") == "-")
        << "no change, no question";
    Dictionary::AddDictionaryWord(t.p, "cod"); // adding and removing again is a change too
    Dictionary::RemoveDictionaryWord(t.p, "cod");
    t.p.engine.cSetMinWordSize(4);
    t.prompter.answer(core::Answer::Yes);
    EXPECT_TRUE(Dictionary::OfferDictionarySave(t.p) && Dictionary::OfferDictionarySave(t.p));
    ASSERT_EQ(t.prompter.texts(),
              QStringList{"Dictionary has been updated, do you want to save it?"});
    EXPECT_EQ(std::pair(t.prompter.shown[0].title, t.prompter.shown[0].buttons),
              std::pair(QString("Save dictionary?"), core::Buttons::YesNo));
    engine::Engine reread;
    ASSERT_TRUE(reread.cReadBinaryDictionary(t.path().toStdString()).ok());
    EXPECT_TRUE(reread.cNumberOfWords() == 6 && reread.contains("dig") && !reread.contains("cod") &&
                reread.cMinWordSize() == 4);
    EXPECT_EQ(QDir(t.folder.path()).entryList(QDir::Files), QStringList{"Dictionary.dat"});

    const QByteArray saved = t.bytes();
    const int loadedMax = t.p.options.LoadedMaxWordSize;
    t.p.engine.cSetMaxWordSize(5);
    t.p.engine.cReduceWordSize();
    t.p.dictionary.DictionaryUpdated = true;
    t.p.game.TimeLimit = 120;
    t.prompter.answer(core::Answer::No);
    EXPECT_TRUE(Dictionary::OfferDictionarySave(t.p));
    EXPECT_EQ(t.bytes(), saved);
    EXPECT_TRUE(!t.p.dictionary.DictionaryUpdated && t.p.engine.cMaxWordSize() == loadedMax);
    EXPECT_EQ(Stored(t.p, "MaxWordSize") + Stored(t.p, "TimeLimit"),
              std::to_string(loadedMax) + "120");
}

TEST(DictionaryStore, aFailedSaveIsSaidAndCanBeDoneOnceThePlaceIsMended)
{
    // The file's name taken by a folder.
    DictionaryProgram t(kWords);
    Dictionary::AddDictionaryWord(t.p, "quilt");
    QDir folder(t.folder.path());
    ASSERT_TRUE(QFile::remove(t.path()) && folder.mkdir("Dictionary.dat"));
    t.prompter.answer(core::Answer::Yes);
    t.prompter.answer(core::Answer::Ok);
    EXPECT_FALSE(Dictionary::OfferDictionarySave(t.p));
    EXPECT_TRUE(t.prompter.texts().last().startsWith("The dictionary could not be saved to " +
                                                     QDir::toNativeSeparators(t.path()) +
                                                     ": the file could not be written"));
    EXPECT_TRUE(t.p.dictionary.DictionaryUpdated) << "the change is still unsaved";
    ASSERT_TRUE(folder.rmdir("Dictionary.dat"));
    t.prompter.answer(core::Answer::Yes);
    EXPECT_TRUE(Dictionary::OfferDictionarySave(t.p));
    engine::Engine reread;
    EXPECT_TRUE(reread.cReadBinaryDictionary(t.path().toStdString()).ok() &&
                reread.contains("quilt"));
}

// A file that could not be read at start-up may hold words a mended Lettro can read.
TEST(DictionaryStore, anUnreadableFileIsKeptBeforeTheFirstSave)
{
    DictionaryProgram t(kWords, false);
    const QByteArray unreadable = Damaged(t.bytes());
    t.write("Dictionary.dat", unreadable);
    t.write("Dictionary.dat.unreadable", "stale"); // one kept before is replaced
    t.prompter.answer(core::Answer::Ok); // the start-up message
    Dictionary::ReadDictionary(t.p);
    ASSERT_TRUE(t.prompter.texts().value(0).startsWith(
        "The dictionary file " + QDir::toNativeSeparators(t.path()) + " could not be loaded: "));
    EXPECT_EQ(t.p.engine.cNumberOfWords(), 0) << "an empty dictionary after a damaged file";
    for (const char* word : {"quilt", "quip"}) { // only the file met at start-up is kept
        Dictionary::AddDictionaryWord(t.p, word);
        t.prompter.answer(core::Answer::Yes);
        EXPECT_TRUE(Dictionary::OfferDictionarySave(t.p));
        EXPECT_EQ(t.bytes("Dictionary.dat.unreadable"), unreadable);
    }
    engine::Engine reread;
    ASSERT_TRUE(reread.cReadBinaryDictionary(t.path().toStdString()).ok());
    EXPECT_TRUE(reread.cNumberOfWords() == 2 && reread.contains("quilt") &&
                reread.contains("quip"));
}

} // namespace
