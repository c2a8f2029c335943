// SPDX-License-Identifier: GPL-3.0-or-later
// The options window's wiring: it shows the core's values, OK applies what it shows, Cancel
// changes nothing, and a No to a question keeps the dialog open. Which changes abort a
// running game is the options rules' to test.
#include "TestApp.h"

#include "core/game/BoardLanguage.h"
#include "core/game/Options.h"
#include "windows/game/HighScoresWindow.h"
#include "windows/game/OptionsDialog.h"
#include "windows/game/ResultsWindow.h"

#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

OptionsDialog& OpenDialog(TestApp& t)
{
    t.control<QToolButton>("Options")->click();
    return *t.find<OptionsDialog>();
}

QComboBox* Combo(const OptionsDialog& d, const char* name)
{
    return Control<QComboBox>(&d, name);
}

void Choose(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(combo->findText(text));
    emit combo->activated(combo->currentIndex());
}

TEST(OptionsDialog, showsTheStateOkAppliesWhatItShowsCancelChangesNothing)
{
    TestApp t({"cat"});
    t.startUp();
    t.program.game.TimeLimit = 1200, t.program.game.GameType = Frantic;
    OptionsDialog& d = OpenDialog(t);
    EXPECT_FALSE(Combo(d, "TimeCombo")->isEnabled());
    Choose(Combo(d, "GameTypeCombo"), "Standard");
    Choose(Combo(d, "GameModeCombo"), "Two Player");
    Choose(Combo(d, "WordSizeCombo"), "16 letters");
    EXPECT_FALSE(Combo(d, "ComputerStrengthCombo")->isEnabled()) << "no opponent, no strength";
    Choose(Combo(d, "ComputerOpponentsCombo"), "2");
    Choose(Combo(d, "ComputerStrengthCombo"), "Hard");
    Control<QCheckBox>(&d, "LeftHandDisplay")->toggle();
    Control<QCheckBox>(&d, "ShowWhereWordCanGoOption")->toggle();
    const int listLeft = t.control<QTableWidget>("WordList")->x();
    Control<QPushButton>(&d, "OKButton")->click();
    EXPECT_TRUE(t.window->isEnabled() && !d.isVisible());
    const auto shown = Common::FillOptionsDialog(t.program);
    EXPECT_EQ(std::tuple(shown.GameType, shown.GameMode, shown.Time, shown.WordSize,
                         shown.ComputerOpponents, shown.ComputerStrength, shown.ShowWhereWordCanGo),
              std::tuple(0, 1, std::string("20:00"), std::string("16 letters"), 2, 2, false));
    EXPECT_NE(t.control<QTableWidget>("WordList")->x(), listLeft) << "laid out for the left hand";

    Choose(Combo(OpenDialog(t), "TimeCombo"), "0:30");
    Control<QPushButton>(&d, "CancelButton")->click();
    EXPECT_TRUE(t.window->isEnabled() && !d.isVisible());
    EXPECT_EQ(t.program.game.TimeLimit, 1200);
    EXPECT_EQ(Combo(OpenDialog(t), "TimeCombo")->currentText(), "20:00") << "not the cancelled 0:30";
}

// A new board language is stored and put in play: the windows name it, the last results
// (of the other dictionary) cannot come back, and About shows its word list's notice.
TEST(OptionsDialog, boardLanguageIsStoredAndTheWindowsFollowIt)
{
    TestApp t({"cat"});
    engine::Engine german;
    german.cDictionaryAdd("katze");
    ASSERT_TRUE(
        german.cWriteBinaryDictionary(t.folder.filePath("Dictionary-de.dat").toStdString()).ok());
    t.startUp();
    t.control<QToolButton>("Start")->click();
    t.control<QToolButton>("End")->click();
    t.find<ResultsWindow>()->close();
    QAction* last = t.window->findChild<QAction*>("LastResultsAction");
    EXPECT_TRUE(last->isEnabled());

    OptionsDialog& d = OpenDialog(t);
    EXPECT_EQ(Combo(d, "BoardLanguageCombo")->currentText(), "English");
    Choose(Combo(d, "BoardLanguageCombo"), "Deutsch");
    Control<QPushButton>(&d, "OKButton")->click();
    EXPECT_EQ(t.program.settings->cGetRegValue(engine::kSettingsKey, "BoardLanguage", 8), "de");
    EXPECT_TRUE(t.program.engine.contains("katze"));
    EXPECT_FALSE(last->isEnabled()) << "the results of the English dictionary";
    EXPECT_EQ(t.window->windowTitle(), "Lettro (Deutsch)");
    t.window->findChild<QAction*>("HighScoresAction")->trigger();
    EXPECT_EQ(t.find<HighScoresWindow>()->windowTitle(), "Lettro High Scores (Deutsch)");
    t.find<HighScoresWindow>()->close();

    t.desktop.answer(ui::Answer::Ok);
    t.window->findChild<QAction*>("AboutAction")->trigger();
    EXPECT_TRUE(t.desktop.shown.back().text.contains("Deutsch"));
    EXPECT_EQ(t.desktop.shown.back().details, BoardLanguage::WordListNotice("de"));
}

TEST(OptionsDialog, noToRemovingLongWordsKeepsTheDialogOpenAndTheWords)
{
    TestApp t({"cat", "encyclopaedia"});
    t.startUp();
    OptionsDialog& d = OpenDialog(t);
    const QString before = Combo(d, "WordSizeCombo")->currentText();
    Choose(Combo(d, "WordSizeCombo"), "10 letters");
    t.desktop.answer(ui::Answer::No);
    Control<QPushButton>(&d, "OKButton")->click();
    EXPECT_TRUE(t.desktop.shown.back().defaultNo) << "Enter keeps the words";
    EXPECT_TRUE(d.isVisible() && !t.window->isEnabled());
    EXPECT_EQ(Combo(d, "WordSizeCombo")->currentText(), before);
    EXPECT_TRUE(t.program.engine.contains("encyclopaedia")); // Yes is the core's to test
}

} // namespace
