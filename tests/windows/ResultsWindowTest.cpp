// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's wiring: it shows the core's results (points, found marks, the
// numbered path, the selected word's definition), its controls reach the core, closing it
// gives the main window back, and Game > Last Results shows it again.
#include "TestApp.h"

#include "core/game/Results.h"
#include "windows/board/SmallBoard.h"
#include "windows/dictionary/DictionaryEditor.h"
#include "windows/game/ResultsWindow.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

using Results::Selector;

Words Texts(const QListWidget* list)
{
    Words texts;
    for (int i = 0; i < list->count(); ++i)
        texts.push_back(list->item(i)->text().toStdString());
    return texts;
}

// A control of the results window by name, a list unless said otherwise.
template <class T = QListWidget> T* In(const ResultsWindow& r, const QString& name)
{
    return Control<T>(&r, name);
}

// A table's rows, each as its cells joined by "|".
QStringList Rows(const QTableWidget* table)
{
    QStringList rows;
    for (int i = 0; i < table->rowCount(); ++i) {
        QStringList cells;
        for (int j = 0; j < table->columnCount(); ++j)
            cells << table->item(i, j)->text();
        rows << cells.join('|');
    }
    return rows;
}

// The window shows what the core holds.
void ExpectMirror(const Program& program, const ResultsWindow& r)
{
    QStringList lengths;
    for (const Scoring::LengthRow& row : Results::LengthTable(program))
        lengths
            << QString("%1|%2|%3|%4").arg(row.length).arg(row.found).arg(row.there).arg(row.points);
    EXPECT_EQ(Rows(In<QTableWidget>(r, "LengthTable")), lengths);
    EXPECT_EQ(In<QComboBox>(r, "UserWordsCombo")->currentIndex(),
              Results::ChosenItem(program, Selector::User));
    EXPECT_EQ(In<QComboBox>(r, "DictWordsCombo")->currentIndex(),
              Results::ChosenItem(program, Selector::Dict));
    EXPECT_EQ(Texts(In(r, "UserWords")), Results::ShownList(program, Selector::User));
    EXPECT_EQ(Texts(In(r, "DictWords")), Results::ShownList(program, Selector::Dict));
    EXPECT_EQ(In<QPushButton>(r, "AddToDict")->isVisibleTo(&r), Results::AddToDictShown(program));
}

// The steps shown on the cubes, "" where there are none.
QStringList Steps(const ResultsWindow& r)
{
    QStringList steps;
    for (int i = 0; i < 16; ++i)
        steps.append(BoardView::StepsOn(Control<SmallBoard>(&r, "ResultBoard")->path(), i));
    return steps;
}

// A single-player game over "CATS/ODGE/QINR/TXYZ", its results open.
ResultsWindow& FinishGame(TestApp& t)
{
    t.startUp();
    t.placeBoard(BoardFromText("CATS/ODGE/QINR/TXYZ"));
    t.program.game.PlayerWords = {{"cat", "quit", "dog", "zebra"}};
    t.program.game.GameInProgress = true;
    Game::FinishTurn(t.program);
    t.app.syncWindows();
    EXPECT_TRUE(t.find<ResultsWindow>() && t.find<ResultsWindow>()->isVisible());
    EXPECT_FALSE(t.window->isEnabled());
    // Return reaches OK on every desktop, not a selector that would open.
    EXPECT_EQ(t.find<ResultsWindow>()->focusWidget(),
              In<QPushButton>(*t.find<ResultsWindow>(), "ResultsOK"));
    return *t.find<ResultsWindow>();
}

TEST(ResultsWindow, mirrorsTheCorePassesClicksOnAndGivesTheMainWindowBack)
{
    TestApp t({"cat", "cats", "dig", "quit", "stag"});
    ResultsWindow& r = FinishGame(t);
    ExpectMirror(t.program, r);
    // All Words: the points beside each word, the player's finds in bold.
    const auto cat = In(r, "DictWords")->item(0), dig = In(r, "DictWords")->item(2);
    EXPECT_EQ(std::tuple(cat->text(), cat->toolTip(), cat->font().bold()),
              std::tuple(QString("cat"), QString("1 point, found"), true));
    EXPECT_EQ(std::tuple(dig->text(), dig->toolTip(), dig->font().bold()),
              std::tuple(QString("dig"), QString("1 point"), false));

    In<QComboBox>(r, "UserWordsCombo")->setCurrentIndex(1);
    In(r, "UserWords")->setCurrentRow(0);
    In<QPushButton>(r, "AddToDict")->click();
    EXPECT_TRUE(t.program.engine.contains("dog"));
    ExpectMirror(t.program, r);

    In(r, "DictWords")->setCurrentRow(1);
    In<QPushButton>(r, "RemoveFromDict")->click();
    EXPECT_FALSE(t.program.engine.contains("cats"));
    ExpectMirror(t.program, r);
    auto* undo = In<QPushButton>(r, "UndoCorrection");
    EXPECT_TRUE(undo->isVisibleTo(&r) && undo->isEnabled() && undo->text() == "Undo");
    r.activateWindow(); // shortcuts reach the active window only
    ASSERT_TRUE(QTest::qWaitForWindowActive(&r));
    QTest::keyClick(&r, Qt::Key_Z,
                    Qt::ControlModifier); // the button's shortcut clicks it soon after
    EXPECT_TRUE(QTest::qWaitFor([&] { return t.program.engine.contains("cats"); }, 2000));
    EXPECT_FALSE(undo->isEnabled()) << "nothing more to undo";
    ExpectMirror(t.program, r);

    const auto quit = In(r, "DictWords")->findItems("quit", Qt::MatchExactly).value(0);
    QTest::mouseClick(In(r, "DictWords")->viewport(), Qt::LeftButton, {},
                      In(r, "DictWords")->visualItemRect(quit).center());
    QStringList quitSteps(16);
    quitSteps[8] = "1", quitSteps[9] = "2", quitSteps[12] = "3";
    EXPECT_EQ(Steps(r), quitSteps) << "Qu, I, T in order";
    In<QComboBox>(r, "DictWordsCombo")->setCurrentIndex(1);
    EXPECT_EQ(Steps(r), QStringList(16)) << "the selection went with the list";

    r.close();
    EXPECT_FALSE(r.isVisible() || t.program.results.Open || t.program.game.GameInProgress);
    EXPECT_TRUE(t.window->isEnabled());
}

// A game of several players: the score table, a player a row, in the place of DictWords.
TEST(ResultsWindow, theScoreTableHasAPlayerARow)
{
    TestApp t({"cat", "cats", "dig", "quit", "stag"});
    ResultsWindow& r = FinishGame(t);
    Program& p = t.program;
    p.game = {.GameMode = NetworkHost,
              .PlayerCount = 2,
              .PlayerWords = {{"cat", "quit", "zzz"}, {"cat", "dig"}},
              .PlayerNames = {"Ann", "Bob"}};
    Scoring::ClassifyWords(p.game, p.board.BoardWords, p.eval);
    Scoring::FindUnusedAndCommon(p.game, p.board.BoardWords, p.eval);
    Results::PrepareResults(p);
    t.app.syncWindows();
    auto* table = In<QTableWidget>(r, "ScoreList");
    EXPECT_TRUE(table->isVisibleTo(&r) && !In(r, "DictWords")->isVisibleTo(&r));
    EXPECT_EQ(table->horizontalHeaderItem(2)->text(), "# of words");
    EXPECT_EQ(Rows(table),
              QStringList({"Ann|1|1|1", "Bob|1|1|0", "COMMON||1|", "UNUSED||2|", "TOTAL||5|"}));
    p.game.GameMode = SinglePlayer; // closed as a single-player game: no lobby to go back to
    r.close();
}

TEST(ResultsWindow, lastResultsShowsTheClosedResultsAgainUntilTheNextGame)
{
    TestApp t({"cat", "cats", "quit"});
    QAction* last = t.window->findChild<QAction*>("LastResultsAction");
    ASSERT_TRUE(last && last->text().contains('&'));
    EXPECT_FALSE(last->isEnabled()) << "no game yet";
    ResultsWindow& r = FinishGame(t);
    EXPECT_FALSE(last->isEnabled()) << "they are open";
    const Words user = Texts(In(r, "UserWords")), dict = Texts(In(r, "DictWords"));
    const QString score = Control<QLabel>(&r, "ScoreLabel")->text();
    r.close();
    emit t.window->findChild<QMenu*>("GameMenu")->aboutToShow();
    EXPECT_TRUE(last->isEnabled());
    last->trigger();
    EXPECT_TRUE(r.isVisible() && !t.window->isEnabled() && !last->isEnabled());
    EXPECT_EQ(std::tuple(Texts(In(r, "UserWords")), Texts(In(r, "DictWords")),
                         Control<QLabel>(&r, "ScoreLabel")->text()),
              std::tuple(user, dict, score));
    r.close();
    EXPECT_TRUE(t.window->isEnabled() && !t.program.game.GameInProgress);
    t.control<QToolButton>("Start")->click();
    EXPECT_FALSE(last->isEnabled()) << "a new game started";
}

// The definition panels: the results' follows the selected word of either list, the
// editor's its selected word; neither shows one while a game is played. The definitions
// come from the installed WordNet.
TEST(ResultsWindow, definitionsFollowTheSelectionOutsidePlay)
{
    TestApp t({"cat", "cats", "dig", "quit", "sgat", "stag"});
    ResultsWindow& r = FinishGame(t);
    auto* panel = Control<QTextBrowser>(&r, "Definition");
    // The panel's first line once its lookup has run.
    const auto shown = [](QTextBrowser* p) {
        static_cast<void>(QTest::qWaitFor([p] { return !p->toPlainText().isEmpty(); }, 1000));
        return p->toPlainText().section(QLatin1Char('\n'), 0, 0).toStdString();
    };
    const QString link = "https://en.wiktionary.org/wiki/sgat#English";
    for (const auto& [listName, word, firstLine] : {std::tuple("DictWords", "cats", "cat (noun)"),
                                                    {"UserWords", "quit", "quit (verb)"},
                                                    {"DictWords", "sgat", "No definition here"},
                                                    {"UserWords", "cat", "cat (noun)"}}) {
        QListWidget* list = In(r, listName);
        list->setCurrentItem(list->findItems(word, Qt::MatchExactly).value(0));
        EXPECT_EQ(shown(panel), firstLine) << word;
        if (QString(word) == "sgat") {
            EXPECT_TRUE(panel->toHtml().contains(link));
            EXPECT_TRUE(t.desktop.openedUrls.empty()) << "nothing opens the browser but a click";
            emit panel->anchorClicked(QUrl(link));
            EXPECT_EQ(t.desktop.openedUrls, std::vector<QUrl>{QUrl(link)});
        }
    }
    EXPECT_TRUE(panel->toPlainText().contains(QRegularExpression("\\band \\d+ more\\b")));
    emit panel->anchorClicked(QUrl("lettro:more"));
    EXPECT_TRUE(panel->toPlainText().contains("\n8. ")) << "all eight senses of the noun";
    r.close();

    // The editor: its selected word, but not while a game is played.
    for (const bool playing : {false, true}) {
        if (playing)
            t.control<QToolButton>("Start")->click();
        t.control<QToolButton>("Dictionary")->click();
        auto* editor = t.find<DictionaryEditor>();
        QTest::keyClicks(Control<QLineEdit>(editor, "FindWord"), "dig");
        auto* definition = Control<QTextBrowser>(editor, "Definition");
        EXPECT_EQ(shown(definition), playing ? "" : "dig (noun)");
        Control<QAction>(editor, "Exit")->trigger();
    }
}

} // namespace
