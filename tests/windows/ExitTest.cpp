// Leaving the game: the save question at most once, by the button or the frame, and
// every window closed.
#include "TestApp.h"

#include "core/dictionary/DictionaryStore.h"
#include "windows/game/Common.h"
#include "windows/game/OptionsDialog.h"
#include "windows/shell/Help.h"
#include "windows/shell/HelpBrowser.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kWords = {"cat", "cats", "dog", "tea", "teamsters"};

std::optional<std::string> Stored(TestApp& t, const char* name)
{
    return t.app.settings->cGetRegValue(engine::kSettingsKey, name, 10);
}

bool FileHasWord(TestApp& t, const std::string& word)
{
    engine::Engine reread;
    EXPECT_TRUE(reread.cReadBinaryDictionary(t.folder.filePath("Dictionary.dat").toStdString()).ok());
    return reread.contains(word);
}

TEST(Exit, unchangedDictionaryClosesWithoutAQuestion)
{
    TestApp t(kWords);
    t.startUp();
    t.window->show();
    t.window->Exit->click();
    EXPECT_TRUE(t.desktop.shown.empty());
    EXPECT_FALSE(t.window->isVisible());
    EXPECT_FALSE(Stored(t, "TimeLimit")) << "nothing is stored on a plain exit";
}

TEST(Exit, changedDictionaryIsOfferedOnceAlsoByTheFrame)
{
    TestApp t(kWords);
    t.startUp();
    t.window->show();
    Dictionary::AddDictionaryWord(t.app, "quilt");
    t.desktop.answer(ui::Answer::Yes);
    t.window->close(); // the frame's close box
    ASSERT_EQ(t.desktop.shown.size(), 1u);
    EXPECT_EQ(t.desktop.shown[0].title, "Save dictionary?");
    EXPECT_EQ(t.desktop.shown[0].text, "Dictionary has been updated, do you want to save it?");
    EXPECT_FALSE(t.window->isVisible());
    EXPECT_TRUE(FileHasWord(t, "quilt"));

    // The close that the exit itself causes, or any later one, asks nothing more.
    t.window->close();
    Common::ExitProgram(t.app);
    EXPECT_EQ(t.desktop.shown.size(), 1u);
}

TEST(Exit, noKeepsTheFileAndStoresTheStartUpLargestSize)
{
    TestApp t(kWords);
    t.startUp();
    t.window->show();
    // Lower the largest size in the options, removing "teamsters" from memory.
    t.window->Options->click();
    OptionsDialog& d = *t.app.optionsDialog;
    d.WordSizeCombo->setCurrentIndex(d.WordSizeCombo->findText("8 letters"));
    d.TimeCombo->setCurrentIndex(d.TimeCombo->findText("5:00"));
    t.desktop.answer(ui::Answer::Yes);
    d.OKButton->click();
    ASSERT_EQ(t.app.engine.cMaxWordSize(), 8);
    ASSERT_EQ(Stored(t, "MaxWordSize"), "8");

    t.desktop.answer(ui::Answer::No);
    t.window->Exit->click();
    EXPECT_EQ(t.desktop.shown.back().title, "Save dictionary?");
    EXPECT_EQ(Stored(t, "MaxWordSize"), "16") << "the size the dictionary file still has";
    EXPECT_EQ(Stored(t, "TimeLimit"), "300") << "the other current settings are stored too";
    EXPECT_TRUE(FileHasWord(t, "teamsters")) << "the file is left as it was";
    EXPECT_FALSE(t.window->isVisible());
}

TEST(Exit, duringAGameNothingIsEvaluated)
{
    TestApp t(kWords);
    t.startUp();
    t.window->show();
    t.window->Start->click();
    ASSERT_TRUE(t.window->GameClock->isActive());
    t.window->Exit->click();
    EXPECT_FALSE(t.window->GameClock->isActive());
    EXPECT_EQ(t.app.resultsWindow, nullptr) << "no results for a game left by Exit";
    EXPECT_FALSE(t.window->isVisible());
    EXPECT_TRUE(t.desktop.shown.empty());
}

TEST(Exit, aFailedSaveKeepsTheGameOpen)
{
    TestApp t(kWords);
    t.startUp();
    t.window->show();
    Dictionary::AddDictionaryWord(t.app, "quilt");
    // The dictionary's name is now taken by a folder: the save cannot replace it.
    ASSERT_TRUE(QFile::remove(t.folder.filePath("Dictionary.dat")));
    ASSERT_TRUE(QDir(t.folder.path()).mkdir("Dictionary.dat"));

    t.desktop.answer(ui::Answer::Yes);
    t.desktop.answer(ui::Answer::Ok); // the report of the failure
    t.window->close();
    ASSERT_EQ(t.desktop.shown.size(), 2u);
    EXPECT_TRUE(t.desktop.shown[1].text.contains("Dictionary.dat"));
    EXPECT_TRUE(t.window->isVisible()) << "quitting now would lose the words just added";
    EXPECT_TRUE(t.app.dictionary.DictionaryUpdated);
    EXPECT_FALSE(t.app.exiting);

    // Asked again at the next exit; No then really leaves.
    t.desktop.answer(ui::Answer::No);
    t.window->Exit->click();
    EXPECT_EQ(t.desktop.shown.size(), 3u);
    EXPECT_FALSE(t.window->isVisible());
}

TEST(Exit, closesTheOtherWindows)
{
    TestApp t(kWords);
    t.startUp();
    t.window->show();
    t.window->HelpButton->click();
    ASSERT_NE(t.app.helpBrowser, nullptr);
    ASSERT_TRUE(t.app.helpBrowser->isVisible());
    t.window->Exit->click();
    ASSERT_NE(t.app.helpBrowser, nullptr);
    EXPECT_FALSE(t.app.helpBrowser->isVisible());
    EXPECT_FALSE(t.window->isVisible());
}

} // namespace
