// SPDX-License-Identifier: GPL-3.0-or-later
// Given boards in the windows: typed letters played through Game > Play a Board, the
// results' code copied and played again with its settings, a typo refused in the dialog,
// the solved board listing the results' "All Words", the board of the day once a day, and
// the Progress window's filters.
#include "TestApp.h"

#include "core/game/GivenBoard.h"
#include "core/game/Progress.h"
#include "core/game/Results.h"
#include "windows/board/SmallBoard.h"
#include "windows/game/GameProgressWindow.h"
#include "windows/game/PlayBoardDialog.h"
#include "windows/game/ResultsWindow.h"
#include "windows/game/SolvedBoardWindow.h"

#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

// Types `text` into Game > Play a Board and presses `button`.
PlayBoardDialog& UseBoard(TestApp& t, const QString& text, const char* button)
{
    t.window->findChild<QAction*>("PlayBoardAction")->trigger();
    PlayBoardDialog& dialog = *t.find<PlayBoardDialog>();
    Control<QLineEdit>(&dialog, "BoardCodeEdit")->setText(text);
    Control<QPushButton>(&dialog, button)->click();
    return dialog;
}

} // namespace

TEST(GivenBoardWindow, typedBoardPlaysItsCodePlaysAgainTyposAreRefusedAndSolvingListsAllWords)
{
    TestApp t({"cat", "cats", "dig", "quit", "stag"});
    t.startUp();
    t.program.game.TimeLimit = 60;
    UseBoard(t, "cats odge qinr txyz", "PlayButton");
    EXPECT_EQ(t.program.board.BoardText, "CATSODGEQINRTXYZ");
    EXPECT_TRUE(t.program.screen.ClockRunning) << "typed letters play with the player's settings";

    t.program.game.PlayerWords = {{"cat", "quit"}};
    Game::FinishTurn(t.program);
    t.app.syncWindows();
    ResultsWindow& r = *t.find<ResultsWindow>();
    ASSERT_TRUE(r.isVisible());
    Control<QPushButton>(&r, "CopyBoardCode")->click();
    const QString code = QGuiApplication::clipboard()->text();
    ASSERT_TRUE(code.startsWith("1EN")) << code.toStdString();
    const Words allWords = Results::ShownList(t.program, Results::Selector::Dict); // as shown
    r.close();

    t.program.game.TimeLimit = 180;
    QString typo = code;
    typo[5] = typo[5] == QChar('A') ? QChar('B') : QChar('A');
    PlayBoardDialog& dialog = UseBoard(t, typo, "PlayButton");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(t.program.game.TimeLimit, 180) << "nothing played";
    EXPECT_FALSE(Control<QLabel>(&dialog, "BoardCodeMessage")->text().isEmpty());

    UseBoard(t, code, "SolveButton");
    SolvedBoardWindow& solved = *t.find<SolvedBoardWindow>();
    EXPECT_TRUE(solved.isVisible() && !dialog.isVisible() && !t.window->isEnabled());
    auto* words = Control<QTreeWidget>(&solved, "SolvedWords");
    Words solvedWords;
    for (int i = 0; i < words->topLevelItemCount(); ++i)
        solvedWords.push_back(words->topLevelItem(i)->text(0).toStdString());
    EXPECT_EQ(solvedWords, allWords);
    solved.close();
    EXPECT_TRUE(t.window->isEnabled());

    UseBoard(t, code, "PlayButton");
    EXPECT_EQ(std::tuple(t.program.board.BoardText, t.program.game.TimeLimit),
              std::tuple(std::string("CATSODGEQINRTXYZ"), 60))
        << "the code plays with its own settings";
}

TEST(GivenBoardWindow, boardOfTheDayPlaysOnceWithItsStreakThenOffersItsWords)
{
    TestApp t({"cat", "cats", "dig", "quit", "stag"});
    t.program.progress.File = t.folder.filePath(Progress::kFileName).toStdString();
    t.startUp();
    const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
    const std::string board = Given::BoardOfTheDay(t.program.options.BoardLanguage, today).Board;
    QAction* daily = t.window->findChild<QAction*>("DailyAction");
    daily->trigger();
    EXPECT_EQ(std::tuple(t.program.board.BoardText, t.program.board.DailyDate),
              std::tuple(board, today));
    Game::FinishTurn(t.program);
    t.app.syncWindows();
    ResultsWindow& r = *t.find<ResultsWindow>();
    EXPECT_TRUE(Control<QLabel>(&r, "DailyLabel")->text().contains("1 day in a row"));
    r.close();

    t.desktop.answer(core::Answer::Yes);
    daily->trigger();
    EXPECT_TRUE(t.desktop.texts().last().contains("played today's board already"));
    EXPECT_TRUE(t.find<SolvedBoardWindow>() && t.find<SolvedBoardWindow>()->isVisible());
    EXPECT_EQ(Control<SmallBoard>(t.find<SolvedBoardWindow>(), "SolvedCubes")->faces()[0],
              board[0] == 'Q' ? QString("Qu") : QString(QChar(board[0])));
    EXPECT_EQ(t.desktop.pending(), 0);
}

TEST(GivenBoardWindow, progressFiltersByLanguageAndSettings)
{
    TestApp t;
    t.program.progress.File = t.folder.filePath(Progress::kFileName).toStdString();
    for (const auto& [language, time] : {std::pair("en", 180), {"fr", 180}, {"en", 120}, {"en", 180}}) {
        Progress::GameRecord game;
        game.Played = "2026-12-01T10:00:00";
        game.Language = language;
        game.TimeLimit = time;
        t.program.progress.Pending.push_back(game);
    }
    ASSERT_TRUE(Progress::Flush(t.program));
    t.startUp();
    t.window->findChild<QAction*>("ProgressAction")->trigger();
    GameProgressWindow& w = *t.find<GameProgressWindow>();
    ASSERT_TRUE(w.isVisible() && !t.window->isEnabled());
    auto* language = Control<QComboBox>(&w, "LanguageFilter");
    auto* settings = Control<QComboBox>(&w, "SettingsFilter");
    const auto summary = [&] { return Control<QLabel>(&w, "ProgressSummary")->text().section(' ', 0, 0); };
    EXPECT_EQ(std::tuple(language->count(), settings->count(), summary()), std::tuple(3, 3, QString("4")));
    language->setCurrentIndex(language->findText("EN"));
    EXPECT_EQ(summary(), "3");
    settings->setCurrentIndex(settings->findText("Standard 2:00", Qt::MatchStartsWith));
    EXPECT_EQ(summary(), "1");
    language->setCurrentIndex(language->findText("FR"));
    EXPECT_EQ(std::tuple(settings->count(), summary()), std::tuple(2, QString("1")));
    w.close();
    EXPECT_TRUE(t.window->isEnabled());
}
