// SPDX-License-Identifier: GPL-3.0-or-later
// The options window's wiring: it shows the core's values, OK applies what it shows, Cancel
// changes nothing, and an option change can abort a running game.
#include "TestApp.h"

#include "core/game/Options.h"
#include "windows/game/OptionsDialog.h"

#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

OptionsDialog& OpenDialog(TestApp& t)
{
    t.window->Options->click();
    return *t.app.optionsDialog;
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
    t.app.game.TimeLimit = 1200, t.app.game.GameType = Frantic;
    OptionsDialog& d = OpenDialog(t);
    EXPECT_FALSE(d.TimeCombo->isEnabled());
    Choose(d.GameTypeCombo, "Standard");
    Choose(d.GameModeCombo, "Two Player");
    Choose(d.WordSizeCombo, "16 letters");
    EXPECT_FALSE(d.ComputerStrengthCombo->isEnabled()) << "no opponent, no strength";
    Choose(d.ComputerOpponentsCombo, "2");
    Choose(d.ComputerStrengthCombo, "Hard");
    d.LeftHandDisplay->toggle();
    const int listLeft = t.window->WordList->x();
    d.OKButton->click();
    const auto shown = Common::FillOptionsDialog(static_cast<Program&>(t.app));
    EXPECT_EQ(std::tuple(shown.GameType, shown.GameMode, shown.Time, shown.WordSize,
                         shown.ComputerOpponents, shown.ComputerStrength),
              std::tuple(0, 1, std::string("20:00"), std::string("16 letters"), 2, 2));
    EXPECT_NE(t.window->WordList->x(), listLeft) << "laid out for the left hand";

    Choose(OpenDialog(t).TimeCombo, "0:30");
    d.CancelButton->click();
    EXPECT_TRUE(t.window->isEnabled() && !d.isVisible());
    EXPECT_EQ(t.app.game.TimeLimit, 1200);
}

TEST(OptionsDialog, changesDuringAGame)
{
    TestApp t({"cat"});
    t.startUp();
    t.window->Start->click();
    OptionsDialog& d = OpenDialog(t);
    Choose(d.GameTypeCombo, "Frantic");
    t.desktop.answer(ui::Answer::Yes);
    d.OKButton->click();
    EXPECT_EQ(t.window->TimeRemLabel->text(), "Game Over");
    // An aborted game is still in progress, but End must not evaluate it.
    t.window->End->click();
    EXPECT_EQ(t.app.resultsWindow, nullptr);
}

TEST(OptionsDialog, noToRemovingLongWordsKeepsTheDialogOpenAndTheWords)
{
    TestApp t({"cat", "encyclopaedia"});
    t.startUp();
    OptionsDialog& d = OpenDialog(t);
    const QString before = d.WordSizeCombo->currentText();
    Choose(d.WordSizeCombo, "10 letters");
    t.desktop.answer(ui::Answer::No);
    d.OKButton->click();
    EXPECT_TRUE(t.desktop.shown.back().defaultNo) << "Enter keeps the words";
    EXPECT_TRUE(d.isVisible() && !t.window->isEnabled());
    EXPECT_EQ(d.WordSizeCombo->currentText(), before);
    t.desktop.answer(ui::Answer::Yes);
    Choose(d.WordSizeCombo, "10 letters");
    d.OKButton->click();
    EXPECT_TRUE(!d.isVisible() && t.window->isEnabled());
    EXPECT_FALSE(t.app.engine.contains("encyclopaedia"));
}

} // namespace
