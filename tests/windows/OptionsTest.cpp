// The options window's wiring: it shows the core's values, OK applies what it shows, Cancel,
// Escape and the frame change nothing, and the left-handed layout of the main window.
#include "TestApp.h"

#include "core/game/Options.h"
#include "windows/board/CubeFrame.h"
#include "windows/game/OptionsDialog.h"

#include <QtWidgets>

#include <gtest/gtest.h>

#include <map>

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
    t.app.options.RepeatLetters = t.app.options.ShowUnusedWords = true;
    t.app.options.NumWordsLimit = "<50", t.app.options.LeftHandedDisplay = false;
    t.app.engine.cSetMinWordSize(2);
    OptionsDialog& d = OpenDialog(t);
    EXPECT_FALSE(t.window->isEnabled()) << "the main window waits while the dialog is up";
    EXPECT_FALSE(d.TimeCombo->isEnabled());
    Choose(d.GameTypeCombo, "Standard");
    EXPECT_TRUE(d.TimeCombo->isEnabled());
    Choose(d.GameModeCombo, "Two Player");
    Choose(d.WordSizeCombo, "16 letters");
    for (QCheckBox* box :
         {d.SoundsOption, d.ShowUnusedWordsOption, d.RepeatLettersOption, d.LeftHandDisplay})
        box->toggle();
    const int listLeft = t.window->WordList->x();
    d.OKButton->click();
    EXPECT_EQ(Common::FillOptionsDialog(static_cast<Program&>(t.app)),
              (Common::OptionsValues{0, 1, "20:00", "", "16 letters", "Less than 50", false, false,
                                     false, true, true}));
    EXPECT_NE(t.window->WordList->x(), listLeft) << "laid out for the left hand";

    // Escape takes the frame's way (reject).
    for (bool byFrame : {false, true}) {
        Choose(OpenDialog(t).TimeCombo, "0:30");
        byFrame ? (void)d.close() : d.CancelButton->click();
        EXPECT_TRUE(t.window->isEnabled() && !d.isVisible()) << byFrame;
        EXPECT_EQ(t.app.game.TimeLimit, 1200) << byFrame;
    }
}

TEST(OptionsDialog, changesDuringAGame)
{
    TestApp t({"cat"});
    t.startUp();
    t.window->Start->click();
    OptionsDialog& d = OpenDialog(t);
    Choose(d.GameModeCombo, "Two Player");
    Choose(d.TimeCombo, "5:00");
    t.desktop.answer(ui::Answer::No);
    d.OKButton->click();
    EXPECT_EQ(d.TimeCombo->currentText() + d.GameModeCombo->currentText(), "3:00Single Player");
    EXPECT_TRUE(t.window->GameClock->isActive());

    Choose(OpenDialog(t).GameTypeCombo, "Frantic");
    t.desktop.answer(ui::Answer::Yes);
    d.OKButton->click();
    EXPECT_EQ(t.window->TimeRemLabel->text(), "Game Over");
    EXPECT_FALSE(t.window->GameClock->isActive() || t.window->NewWord->isEnabled());
    EXPECT_TRUE(t.window->isEnabled() && !d.isVisible());
    // An aborted game is still in progress, but End must not evaluate it.
    t.window->End->click();
    EXPECT_EQ(t.app.resultsWindow, nullptr);

    t.window->Start->click();
    t.desktop.answer(ui::Answer::Yes);
    t.window->NetworkButton->click();
    EXPECT_FALSE(t.window->GameClock->isActive()) << "the network button aborted the game";
    t.app.game.GameMode = NetworkPlayer;
    t.window->Options->click();
    EXPECT_FALSE(d.isVisible()) << "no options during network play";
}

TEST(LeftHandedLayout, boardAndWordListChangeSidesWithTheirGroups)
{
    TestApp t({"cat"});
    MainWindow& w = *t.window;
    // As laid out the window is the left-handed layout.
    const int CL = w.cubeFrame->x(), CW = w.cubeFrame->width();
    const int WL = w.WordList->x(), WW = w.WordList->width();
    std::map<QWidget*, QPoint> before;
    for (QWidget* widget : w.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        before[widget] = widget->pos();
    t.startUp(); // nothing stored: right-handed
    const int right = WL + WW - CW - CL, left = CL - WL;
    std::map<QWidget*, int> shift = {
        {w.cubeFrame, right},   {w.Clear, right},           {w.Enter, right},
        {w.NewWord, right},     {w.WordList, left},         {w.TimeLeft, left},
        {w.TimeRemLabel, left}, {w.DefinedWordCount, left}, {w.PlayerWordLabel, left}};
    for (const auto& [widget, pos] : before) // the named controls move, no other
        EXPECT_EQ(widget->pos(), pos + QPoint(shift[widget], 0))
            << widget->objectName().toStdString();
    w.LayOutForHand(false); // the layout already shown: nothing moves
    EXPECT_EQ(w.cubeFrame->x(), WL + WW - CW);
    w.LayOutForHand(true);
    for (const auto& [widget, pos] : before)
        EXPECT_EQ(widget->pos(), pos) << widget->objectName().toStdString();
}

} // namespace
