// SPDX-License-Identifier: GPL-3.0-or-later
// The lobby's and the Prompt window's wiring: they show the network state, their controls
// reach the core, and the main window waits while they are in use.
#include "MemoryTransport.h"
#include "TestApp.h"

#include "core/game/Game.h"
#include "core/network/NetworkSettings.h"
#include "windows/game/ResultsWindow.h"
#include "windows/network/NetworkDialog.h"
#include "windows/network/PromptWindow.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

PlayerEntry Player(const char* name, bool connected)
{
    PlayerEntry e;
    e.Name = name;
    e.Status = "Ready";
    e.Connected = connected; // no handle: nothing is ever sent
    return e;
}

void Choose(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(combo->findText(text));
    emit combo->textActivated(text);
}

class Lobby : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.startUp();
        t.app.transport = std::make_unique<MemoryTransport>();
        t.app.game.GameMode = NetworkHost;
        t.app.network.Players = {Player("Hana", false), Player("Ann", true), Player("Bob", false)};
        LobbyState& w = t.app.network.Window;
        w.Shown = w.TableShown = true;
        w.MainWindowEnabled = false;
    }
    NetworkDialog& sync()
    {
        SyncNetworkWindows(t.app);
        return *t.app.networkDialog;
    }
    QTableWidgetItem* cell(int row, int column)
    {
        return t.app.networkDialog->PlayerTable->item(row, column);
    }

    TestApp t{{"cat", "dog"}};
    LobbyState& w = t.app.network.Window;
};

TEST_F(Lobby, addComputerPlayerStartsABotThatJoinsThisHost)
{
    QStringList started;
    t.app.startComputerPlayer = [&](const QStringList& arguments) { started = arguments; };
    t.app.network.GamePhase = 0;
    NetworkDialog& d = sync();
    ASSERT_TRUE(d.AddComputerPlayer->isVisibleTo(&d));
    d.ComputerStrength->setCurrentIndex(2);
    d.AddComputerPlayer->click();
    EXPECT_EQ(started, (QStringList{"join", "--host", "127.0.0.1", "--name", "Computer 3", "--strength", "90", "--seed", "3"}))
        << "a host that shows no address is on this machine's loopback";
    t.app.network.Players.resize(21);
    started.clear();
    EXPECT_FALSE(sync().AddComputerPlayer->isEnabled()) << "a full table has no room";
    d.AddComputerPlayer->click();
    EXPECT_TRUE(started.isEmpty());
    t.app.network.GamePhase = 1; // a game under way: nobody joins
    EXPECT_FALSE(sync().AddComputerPlayer->isVisibleTo(&d));
}

TEST_F(Lobby, showsTheStateAndPassesClicksOn)
{
    w.StatusLine = "Listening for players...";
    w.StartGameShown = w.BootPlayerShown = w.StartGameDefault = w.PollTimerOn = true;
    w.QuitEnabled = false;
    w.BootSelectedRow = 2;
    NetworkDialog& d = sync();
    EXPECT_TRUE(d.isVisible() && d.isEnabled() && !t.window->isEnabled());
    EXPECT_FALSE(d.Connect->isVisible() || d.Quit->isEnabled());
    EXPECT_TRUE(d.StartGame->isVisible() && d.StartGame->isDefault() && d.BootPlayer->isVisible());
    EXPECT_EQ(d.Status->text(), "Listening for players...");
    EXPECT_TRUE(d.PollTimer->isActive() && d.PollTimer->interval() == 200);

    ASSERT_EQ(d.PlayerTable->rowCount(), 4);
    EXPECT_TRUE(cell(0, 1)->text() == "Player" && cell(0, 1)->font().bold());
    EXPECT_EQ(cell(2, 1)->text(), "Ann");
    EXPECT_EQ(cell(1, 0)->background().style(), Qt::NoBrush) << "the host's own entry";
    EXPECT_EQ(cell(2, 0)->background().color(), QColor(0, 255, 0));
    EXPECT_EQ(cell(3, 0)->background().color(), QColor(255, 0, 0));
    const QPalette& palette = d.PlayerTable->palette();
    const auto swapped = [&](int row) {
        return cell(row, 1)->background().color() == palette.color(QPalette::Text) &&
               cell(row, 1)->foreground().color() == palette.color(QPalette::Base);
    };
    EXPECT_TRUE(swapped(3) && !swapped(2));

    const QRect ann = d.PlayerTable->visualItemRect(cell(2, 1));
    QTest::mouseClick(d.PlayerTable->viewport(), Qt::LeftButton, {}, ann.center());
    EXPECT_EQ(w.BootSelectedRow, 1);
    EXPECT_TRUE(swapped(2) && !swapped(3));
    t.desktop.answer(core::Answer::No);
    d.BootPlayer->click();
    EXPECT_TRUE(w.BootSelectedRow == -1 && !swapped(2));
    EXPECT_EQ(t.desktop.shown.back().owner, core::Owner::Lobby);

    d.StartGame->click();
    EXPECT_FALSE(w.StartGameShown || d.StartGame->isVisible());

    w.ConnectShown = true;
    sync().Connect->click();
    ASSERT_TRUE(t.app.promptWindow && t.app.promptWindow->isVisible());
    t.app.promptWindow->Text->setText("10.0.0.7");
    t.app.promptWindow->OKButton->click();
    EXPECT_FALSE(t.app.network.Prompt.Shown || t.app.promptWindow->isVisible());
    EXPECT_EQ(t.app.network.Prompt.Text, "10.0.0.7");

    // Closing the frame leaves; with nobody else to tell, network play ends at once.
    t.app.network.Players.resize(1);
    EXPECT_FALSE(d.close());
    EXPECT_EQ(t.app.networkDialog, &d);
    EXPECT_FALSE(w.Shown || d.isVisible() || d.PollTimer->isActive());
    EXPECT_TRUE(t.window->isEnabled());
}

TEST_F(Lobby, settingsControlsShowTheLobbySettingsAndReachTheHandlers)
{
    NetworkSettings::ShowLobbySettings(t.app, true);
    NetworkDialog& d = sync();
    const LobbySettings& s = t.app.network.Lobby;
    EXPECT_EQ(d.GameType->count(), static_cast<int>(s.GameTypeItems.size()));
    EXPECT_EQ(d.GameType->currentRow(), s.GameTypeIndex);
    EXPECT_EQ(d.GameTime->currentItem()->text().toStdString(), s.TimeItems.at(s.TimeIndex));
    EXPECT_EQ(d.MinWordSizeCombo->currentText().toStdString(),
              s.MinWordSizeItems.at(s.MinWordSizeIndex));
    EXPECT_EQ(d.NumWordsCombo->currentText(), "Any");
    EXPECT_TRUE(d.GameType->isEnabled() && d.GameTime->isVisible() && !d.RepeatLetters->isChecked());

    d.GameType->setCurrentRow(Frantic);
    EXPECT_EQ(t.app.game.GameType, Frantic);
    EXPECT_FALSE(d.GameTime->isVisible());
    d.GameType->setCurrentRow(Standard);
    d.GameTime->setCurrentRow(1);
    d.RepeatLetters->click();
    Choose(d.MinWordSizeCombo, "5");
    Choose(d.NumWordsCombo, ">50");
    EXPECT_EQ(std::tuple(t.app.game.TimeLimit, t.app.options.RepeatLetters,
                         t.app.engine.cMinWordSize(), t.app.options.NumWordsLimit),
              std::tuple(30, true, 5, std::string(">50")));

    t.app.game.GameMode = NetworkPlayer;
    NetworkSettings::ShowLobbySettings(t.app, true);
    sync();
    EXPECT_TRUE(d.RepeatLetters->isChecked() && !d.RepeatLetters->isEnabled());
    NetworkSettings::ShowLobbySettings(t.app, false);
    sync();
    EXPECT_FALSE(d.GameType->isVisible() || d.NumWordsLabel->isVisible());
}

TEST_F(Lobby, closingTheResultsOfANetworkGameGoesBackToTheLobby)
{
    t.placeBoard(BoardFromText("CATS/ODGE/QINR/TXYZ"));
    t.app.game.PlayerWords = {{"cat"}};
    t.app.game.GameInProgress = true;
    Game::FinishTurn(t.app);
    t.window->sync();
    ASSERT_TRUE(t.app.resultsWindow && t.app.resultsWindow->isVisible());
    t.app.resultsWindow->close();
    EXPECT_TRUE(w.Shown && t.app.networkDialog->isVisible() && !t.window->isEnabled());
}

TEST(PromptWindow, theNetworkButtonAsksOptionsOkAndCancelReachTheCore)
{
    TestApp t({"cat"});
    t.startUp();
    t.app.transport = std::make_unique<MemoryTransport>();
    const PromptWindowState& prompt = t.app.network.Prompt;
    t.window->NetworkButton->click();
    ASSERT_TRUE(t.app.promptWindow && t.app.promptWindow->isVisible());
    PromptWindow& p = *t.app.promptWindow;
    EXPECT_FALSE(t.window->isEnabled());
    EXPECT_EQ(p.Option2->text().toStdString(), prompt.Option2);
    EXPECT_EQ(p.Option1->isVisible(), prompt.OptionsShown);
    p.Option2->click();
    EXPECT_TRUE(prompt.SelectedOption == 2 && p.Option2->isChecked() && !p.Option1->isChecked());
    p.Text->setText("Hana");
    p.CancelButton->click();
    EXPECT_FALSE(prompt.Shown || p.isVisible());
    EXPECT_TRUE(prompt.Text.empty() && t.window->isEnabled());

    t.window->NetworkButton->click();
    // From the keyboard: Tab from the name reaches the options, Space chooses.
    QApplication::setActiveWindow(&p);
    p.Text->setFocus();
    QTest::keyClick(p.Text, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), p.Option2);
    QTest::keyClick(p.Option2, Qt::Key_Space);
    p.Text->setText("Hana");
    p.OKButton->click();
    EXPECT_EQ(prompt.Text, "Hana");
    ASSERT_TRUE(t.app.networkDialog && t.app.networkDialog->isVisible());
    EXPECT_FALSE(p.isVisible() || t.window->isEnabled());
    // The next tick ends a leave that has run its course.
    t.app.network.LeaveCountdown = 1;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !t.app.networkDialog->isVisible(); }, 5000));
    EXPECT_TRUE(t.window->isEnabled());
}

} // namespace
