// SPDX-License-Identifier: GPL-3.0-or-later
// The lobby's and the Prompt window's wiring: they show the network state, their controls
// reach the core, and the main window waits while they are in use.
#include "MemoryTransport.h"
#include "TestApp.h"

#include "core/game/Game.h"
#include "core/network/NetworkGame.h"
#include "core/network/NetworkSettings.h"
#include "windows/game/ResultsWindow.h"
#include "windows/network/NetworkDialog.h"
#include "windows/network/PromptWindow.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

void Choose(QComboBox* combo, const QString& text)
{
    combo->setCurrentIndex(combo->findText(text));
    emit combo->activated(combo->currentIndex());
}

class Lobby : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.startUp();
        t.program.transport = std::make_unique<MemoryTransport>();
        t.program.game.GameMode = NetworkHost;
        // No handles: nothing is ever sent.
        t.program.network.Players = {{.Name = "Hana", .Status = "Ready"},
                                     {.Name = "Ann", .Status = "Ready", .Connected = true},
                                     {.Name = "Bob", .Status = "Ready"}};
        LobbyState& w = t.program.network.Window;
        w.Shown = w.TableShown = true;
        w.MainWindowEnabled = false;
    }
    NetworkDialog& sync()
    {
        t.app.syncWindows();
        return *t.find<NetworkDialog>();
    }
    template <class T>
    T* in(const char* name)
    {
        return Control<T>(t.find<NetworkDialog>(), name);
    }
    QTableWidgetItem* cell(int row, int column)
    {
        return in<QTableWidget>("PlayerTable")->item(row, column);
    }

    TestApp t{{"cat", "dog"}};
    LobbyState& w = t.program.network.Window;
};

TEST_F(Lobby, addComputerPlayerStartsABotThatJoinsThisHost)
{
    QStringList started;
    t.app.startComputerPlayer = [&](const QStringList& arguments) { started = arguments; };
    t.program.network.GamePhase = Phase::WaitingForPlayers;
    NetworkDialog& d = sync();
    ASSERT_TRUE(in<QPushButton>("AddComputerPlayer")->isVisibleTo(&d));
    in<QComboBox>("ComputerStrength")->setCurrentIndex(2);
    in<QPushButton>("AddComputerPlayer")->click();
    EXPECT_EQ(started, (QStringList{"join", "--host", "127.0.0.1", "--name", "Computer 3",
                                    "--strength", "90", "--seed", "3"}))
        << "a host that shows no address is on this machine's loopback";
    t.program.network.Players.resize(21);
    EXPECT_FALSE((sync(), in<QPushButton>("AddComputerPlayer"))->isEnabled())
        << "a full table has no room";
    t.program.network.GamePhase = Phase::SendingGameData; // a game under way: nobody joins
    EXPECT_FALSE((sync(), in<QPushButton>("AddComputerPlayer"))->isVisibleTo(&d));
}

TEST_F(Lobby, showsTheStateAndPassesClicksOn)
{
    w.StatusLine = "Listening for players...";
    w.StartGameShown = w.BootPlayerShown = w.StartGameDefault = w.PollTimerOn = true;
    w.QuitEnabled = false;
    w.BootSelectedRow = 2;
    NetworkDialog& d = sync();
    EXPECT_TRUE(d.isVisible() && d.isEnabled() && !t.window->isEnabled());
    EXPECT_FALSE(in<QPushButton>("Connect")->isVisible() || in<QPushButton>("Quit")->isEnabled());
    EXPECT_TRUE(in<QPushButton>("StartGame")->isVisible() && in<QPushButton>("StartGame")->isDefault() && in<QPushButton>("BootPlayer")->isVisible());
    EXPECT_EQ(in<QLabel>("Status")->text(), "Listening for players...");
    EXPECT_TRUE(in<QTimer>("PollTimer")->isActive() && in<QTimer>("PollTimer")->interval() == 200);

    ASSERT_EQ(in<QTableWidget>("PlayerTable")->rowCount(), 4);
    EXPECT_TRUE(cell(0, 1)->text() == "Player" && cell(0, 1)->font().bold());
    EXPECT_EQ(cell(2, 1)->text(), "Ann");
    EXPECT_EQ(cell(1, 0)->background().style(), Qt::NoBrush) << "the host's own entry";
    EXPECT_EQ(cell(2, 0)->background().color(), QColor(0, 255, 0));
    EXPECT_EQ(cell(3, 0)->background().color(), QColor(255, 0, 0));
    const QPalette& palette = in<QTableWidget>("PlayerTable")->palette();
    const auto swapped = [&](int row) {
        return cell(row, 1)->background().color() == palette.color(QPalette::Text) &&
               cell(row, 1)->foreground().color() == palette.color(QPalette::Base);
    };
    EXPECT_TRUE(swapped(3) && !swapped(2));

    const QRect ann = in<QTableWidget>("PlayerTable")->visualItemRect(cell(2, 1));
    QTest::mouseClick(in<QTableWidget>("PlayerTable")->viewport(), Qt::LeftButton, {}, ann.center());
    EXPECT_EQ(w.BootSelectedRow, 1);
    EXPECT_TRUE(swapped(2) && !swapped(3));
    t.desktop.answer(core::Answer::No);
    in<QPushButton>("BootPlayer")->click();
    EXPECT_TRUE(w.BootSelectedRow == -1 && !swapped(2));
    EXPECT_EQ(t.desktop.shown.back().owner, core::Owner::Lobby);

    in<QPushButton>("StartGame")->click();
    EXPECT_FALSE(w.StartGameShown || in<QPushButton>("StartGame")->isVisible());

    // Connect asks for the host's name in the window the Network button opens.
    w.ConnectShown = true;
    (sync(), in<QPushButton>("Connect"))->click();
    EXPECT_TRUE(t.program.network.Prompt.Shown && t.find<PromptWindow>() && t.find<PromptWindow>()->isVisible());

    // Closing the frame leaves; with nobody else to tell, network play ends at once.
    t.program.network.Players.resize(1);
    EXPECT_FALSE(d.close());
    EXPECT_EQ(t.find<NetworkDialog>(), &d);
    EXPECT_FALSE(w.Shown || d.isVisible() || in<QTimer>("PollTimer")->isActive());
    EXPECT_TRUE(t.window->isEnabled());
}

TEST_F(Lobby, settingsControlsShowTheLobbySettingsAndReachTheHandlers)
{
    NetworkSettings::ShowLobbySettings(t.program, true);
    sync();
    auto* gameType = in<QListWidget>("GameType");
    auto* gameTime = in<QListWidget>("GameTime");
    auto* repeatLetters = in<QCheckBox>("RepeatLetters");
    const LobbySettings& s = t.program.network.Lobby;
    EXPECT_EQ(gameType->currentRow(), s.GameTypeIndex);
    EXPECT_EQ(gameTime->currentItem()->text().toStdString(), s.TimeItems.at(s.TimeIndex));
    EXPECT_EQ(in<QComboBox>("MinWordSizeCombo")->currentText().toStdString(),
              s.MinWordSizeItems.at(s.MinWordSizeIndex));
    EXPECT_EQ(in<QComboBox>("NumWordsCombo")->currentText(), "Any");
    EXPECT_TRUE(gameType->isEnabled() && gameTime->isVisible() && !repeatLetters->isChecked());

    gameType->setCurrentRow(Frantic);
    EXPECT_EQ(t.program.game.GameType, Frantic);
    EXPECT_FALSE(gameTime->isVisible());
    gameType->setCurrentRow(Standard);
    gameTime->setCurrentRow(1);
    repeatLetters->click();
    Choose(in<QComboBox>("MinWordSizeCombo"), "5");
    Choose(in<QComboBox>("NumWordsCombo"), ">50");
    EXPECT_EQ(std::tuple(t.program.game.TimeLimit, t.program.options.RepeatLetters,
                         t.program.engine.cMinWordSize(), t.program.options.NumWordsLimit),
              std::tuple(30, true, 5, std::string(">50")));
    Choose(in<QComboBox>("MinWordSizeCombo"), "3"); // the first items
    Choose(in<QComboBox>("NumWordsCombo"), "Any");
    EXPECT_EQ(t.program.options.NumWordsLimit + std::to_string(t.program.engine.cMinWordSize()), "-3");
    EXPECT_EQ(t.program.network.TableVersion, 8) << "every change is a new table";

    EXPECT_EQ(in<QLabel>("BoardLanguage")->text(), "Board language: English");
    t.program.game.GameMode = NetworkPlayer;
    t.program.dictionary.Language = "fr"; // the host's, taken for the game
    NetworkSettings::ShowLobbySettings(t.program, true);
    sync();
    EXPECT_TRUE(repeatLetters->isChecked() && !repeatLetters->isEnabled());
    EXPECT_EQ(in<QLabel>("BoardLanguage")->text(), "Board language: Français");
    NetworkSettings::ShowLobbySettings(t.program, false);
    sync();
    EXPECT_FALSE(gameType->isVisible() || in<QLabel>("NumWordsLabel")->isVisible());
}

// The "Hit OK" box came while the lobby was still up and the main window disabled. The
// game's results give the main window back to the lobby.
TEST_F(Lobby, networkPlayStartsWithTheLobbyGoneAndItsResultsGoBackToIt)
{
    NetworkDialog& d = sync();
    t.desktop.answer(core::Answer::Ok, [&] {
        EXPECT_FALSE(d.isVisible());
        EXPECT_TRUE(t.window->isVisible() && t.window->isEnabled());
    });
    t.app.run([this] { Network::StartNetworkGame(t.program); });
    EXPECT_EQ(t.desktop.texts().value(0), "Hit OK when ready to start game.");

    t.placeBoard(BoardFromText("CATS/ODGE/QINR/TXYZ"));
    t.program.game.PlayerWords = {{"cat"}};
    t.program.game.GameInProgress = true;
    Game::FinishTurn(t.program);
    t.app.syncWindows();
    ASSERT_TRUE(t.find<ResultsWindow>() && t.find<ResultsWindow>()->isVisible());
    t.find<ResultsWindow>()->close();
    EXPECT_TRUE(w.Shown && d.isVisible() && !t.window->isEnabled());
}

TEST(PromptWindow, theNetworkButtonAsksOptionsOkAndCancelReachTheCore)
{
    TestApp t({"cat"});
    t.startUp();
    t.program.transport = std::make_unique<MemoryTransport>();
    const PromptWindowState& prompt = t.program.network.Prompt;
    t.control<QToolButton>("NetworkButton")->click();
    ASSERT_TRUE(t.find<PromptWindow>() && t.find<PromptWindow>()->isVisible());
    PromptWindow& p = *t.find<PromptWindow>();
    auto* option1 = Control<QRadioButton>(&p, "Option1");
    auto* option2 = Control<QRadioButton>(&p, "Option2");
    auto* text = Control<QLineEdit>(&p, "Text");
    EXPECT_FALSE(t.window->isEnabled());
    EXPECT_EQ(option2->text().toStdString(), prompt.Option2);
    EXPECT_EQ(option1->isVisible(), prompt.OptionsShown);
    option2->click();
    EXPECT_TRUE(prompt.SelectedOption == 2 && option2->isChecked() && !option1->isChecked());
    text->setText("Hana");
    Control<QPushButton>(&p, "CancelButton")->click();
    EXPECT_FALSE(prompt.Shown || p.isVisible());
    EXPECT_TRUE(prompt.Text.empty() && t.window->isEnabled());

    t.control<QToolButton>("NetworkButton")->click();
    // From the keyboard: Tab from the name reaches the options, Space chooses.
    QApplication::setActiveWindow(&p);
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), option2);
    QTest::keyClick(option2, Qt::Key_Space);
    text->setText("Hana");
    Control<QPushButton>(&p, "OKButton")->click();
    EXPECT_EQ(prompt.Text, "Hana");
    ASSERT_TRUE(t.find<NetworkDialog>() && t.find<NetworkDialog>()->isVisible());
    EXPECT_FALSE(p.isVisible() || t.window->isEnabled());
    // The next tick ends a leave that has run its course.
    t.program.network.LeaveCountdown = 1;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !t.find<NetworkDialog>()->isVisible(); }, 5000));
    EXPECT_TRUE(t.window->isEnabled());
}

} // namespace
