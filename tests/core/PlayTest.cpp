// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games without windows: word entry, the board's looks, the clock, turns and the
// evaluation, driven as the windows drive them. The result lines of the evaluated words are
// compared with a plain computation in ResultsSoakTest.
#include "DictionaryProgram.h"
#include "MemoryTransport.h"

#include "engine/BoardText.h"

#include <functional>
#include <map>

namespace {

using core::Answer;

// C  A  T  S
// O  D  G  E
// B  Qu I  T
// L  X  Y  Z
const char* const kBoard = "CATS/ODGE/BQIT/LXYZ";
// Every draw 0 shakes ETIS/SOYW/OOIV/AATI: its, set, site, soot and toys lie on it.

struct Play : ::testing::Test, DictionaryProgram {
    Play()
        : DictionaryProgram({"cat", "cats", "cod", "coda", "stag", "stage", "quit", "dog", "zebra",
                             "its", "set", "site", "soot", "toys"},
                            false)
    {
        p.random = std::make_unique<ScriptedRandom>(std::vector<float>{0.0f});
        Game::StartUp(p);
    }
    // A running game on a chosen board.
    void start(const char* picture = kBoard)
    {
        Game::PlaceBoard(p, BoardFromText(picture));
        Game::BeginPlay(p);
    }
    // Keys one by one, as the box reports each change.
    void type(const QString& keys)
    {
        for (const QChar key : keys)
            WordEntry::NewWordChanged(p, p.entry.NewWordText + key);
    }
    void enter(const QString& keys)
    {
        type(keys);
        WordEntry::EnterWord(p);
    }
    std::string state() const
    {
        QStringList cubes, words;
        for (int i = 0; i < 16; ++i)
            if (p.view.WantedLooks[static_cast<std::size_t>(i)] == BoardView::Selected)
                cubes << QString::number(i);
        for (const ListedWord& w : p.entry.ListedWords)
            words << w.Word + (w.BoardWord ? "" : "~");
        // Refusals beyond the sounds are silent ones (a short word, sounds off): "+N".
        const int silent = p.entry.Refusals - prompter.sounds;
        const QString sounds = QString::number(prompter.sounds) +
                               (silent ? QStringLiteral(" +%1").arg(silent) : QString()) +
                               (p.entry.Refused ? " red" : "");
        return (p.entry.NewWordText + '|' + cubes.join(' ') + '|' + words.join(',') + '|' + sounds)
            .toStdString();
    }
    // The clock's caption and text, whether it runs and the board is hidden, and beside
    // it whose turn it is and a Frantic bonus when they show.
    std::string clock() const
    {
        QString beside;
        for (const QString& text : {Game::TurnText(p.game), p.screen.BonusText})
            beside += text.isEmpty() ? QString() : ' ' + text;
        return (p.screen.ClockCaption + ' ' + p.screen.ClockText).toStdString() +
               (p.screen.ClockRunning ? " running" : "") + (p.screen.BoardHidden ? " hidden" : "") +
               beside.toStdString();
    }
};

// One move and the state after it: the box, the selected cubes, the list (newest first,
// "~" marking a struck-through word) and the rejection sounds so far, with " +N" for
// silent refusals and " red" while the box shows the last refusal.
struct Move {
    const char* action; // "type KEYS", "paste TEXT", "enter [KEYS]", "clear", "click 0 1", "drag 0 1",
                        // "release 2" (a drag's end), "recall 1", "repeat" (toggles repeat letters), "quiet" (sounds off), "end"
    const char* state;  // "box|cubes|list|sounds"
};

TEST_F(Play, wordEntryMoves)
{
    // clang-format off
    const std::vector<std::vector<Move>> games = {
        {{"type CAt", "cat|0 1 2||0"},          {"type z", "cat|0 1 2||1 red"}, // no Z touches the T
         {"paste catzqy", "cat|0 1 2||4 red"},      {"paste ", "|||4"},
         {"type q", "q|9||4"} /* a lone q */,   {"type uit", "quit|9 10 11||4"},
         {"paste qi", "q|9||5 red"}},
        {{"enter", "|||0"},                     {"enter cat", "||cat|0"},
         {"enter stag", "||stag,cat|0"},        {"enter cat", "||stag,cat|0"}, // a duplicate
         {"enter tac", "||tac~,stag,cat|1 red"},    {"enter ca", "ca|0 1|tac~,stag,cat|1 +1 red"}, // short
         {"paste ", "||tac~,stag,cat|1 +1"},    {"enter", "tac|0 1 2|tac~,stag,cat|1 +1"}, // Last
         {"recall 9", "cat|0 1 2|tac~,stag,cat|1 +1"} /* past the list: the last */, {"repeat", "cat|0 1 2|tac~,stag,cat|1 +1"},
         {"paste tat", "tat|1 2|tac~,stag,cat|1 +1"},  {"repeat", "tat|1 2|tac~,stag,cat|1 +1"},
         {"enter", "||tac~,stag,cat|1 +1"}}, // no longer traced: dropped
        {{"type qui", "qui|9 10||0"},           {"clear", "qu|9||0"},
         {"clear", "|||0"} /* qu as one */,     {"clear", "|||0"},
         {"click 0 1 2", "cat|0 1 2||0"},       {"clear", "ca|0 1||0"}, // unclicks the last cube
         {"click 2", "cat|0 1 2||0"},           {"click 2", "||cat|0"}, // the last cube again
         {"click 9 10 11", "quit|9 10 11|cat|0"}, {"enter", "||quit,cat|0"},
         {"type ca", "ca|0 1|quit,cat|0"},      {"click 2 15", "cat|0 1 2|quit,cat|1 red"},
         {"enter", "||quit,cat|1"},             {"repeat", "||quit,cat|1"},
         {"click 7 7", "ee|7|quit,cat|1"} /* a second click adds */,
         {"click 7 7 7 7 7 7 7 7 7 7 7 7 7 7 7", "eeeeeeeeeeeeeeeee|7|quit,cat|1"},
         {"click 7", "eeeeeeeeeeeeeeeee|7|quit,cat|2 red"}, // the 18th click is refused
         {"enter", "||quit,cat|2"} /* too long */, {"end", "||quit,cat|2"},
         {"click 0", "||quit,cat|2"} /* no game */,
         {"enter cat", "cat|0 1 2|quit,cat|2"}, {"recall 0", "cat|0 1 2|quit,cat|2"}},
        {{"quiet", "|||0"},                     {"enter catz", "||cat|0 +1"}, // silent, but seen
         {"enter tac", "||tac~,cat|0 +2 red"},      {"click 0 15", "c|0|tac~,cat|0 +3 red"},
         {"paste ", "||tac~,cat|0 +3"},         {"repeat", "||tac~,cat|0 +3"},
         {"click 7 7 7 7 7 7 7 7 7 7 7 7 7 7 7 7 7 7", "eeeeeeeeeeeeeeee|7|tac~,cat|0 +5 red"}},
        // A drag takes cubes as clicks do, goes on from the word's last cube, and ends the
        // word where it ends, with repeat letters too.
        {{"drag 0 1", "ca|0 1||0"},             {"release 0", "ca|0 1||0"}, // not its last cube
         {"release 1", "ca|0 1||0 +1 red"} /* short */, {"drag 1 2 15", "cat|0 1 2||1 +1 red"},
         {"release 2", "||cat|1 +1"},           {"type ca", "ca|0 1|cat|1 +1"},
         {"drag 1 2", "cat|0 1 2|cat|1 +1"} /* on from the typed word */,
         {"drag 2 1", "cat|0 1 2|cat|2 +1 red"}, {"repeat", "cat|0 1 2|cat|2 +1 red"},
         {"drag 2 7 7", "cate|0 1 2 7|cat|2 +1"}, {"click 7", "catee|0 1 2 7|cat|2 +1"},
         {"release 7", "||catee~,cat|3 +1 red"}, {"type c", "c|0|catee~,cat|3 +1"}},
    };
    // clang-format on
    for (const auto& moves : games) {
        p.options.RepeatLetters = false;
        p.options.SoundsOn = true;
        prompter.sounds = 0;
        p.entry.Refusals = 0;
        start();
        for (const Move& m : moves) {
            const QString verb = QString(m.action).section(' ', 0, 0);
            const QString arg = QString(m.action).section(' ', 1);
            const std::map<QString, std::function<void()>> act = {
                {"type", [&] { type(arg); }},
                {"paste", [&] { WordEntry::NewWordChanged(p, arg); }},
                {"enter", [&] { enter(arg); }},
                {"clear", [&] { WordEntry::RemoveLastLetter(p); }},
                {"recall", [&] { WordEntry::RecallListedWord(p, arg.toInt()); }},
                {"repeat", [&] { p.options.RepeatLetters = !p.options.RepeatLetters; }},
                {"quiet", [&] { p.options.SoundsOn = false; }},
                {"end", [&] { Game::AbortGame(p); }},
                {"release", [&] { WordEntry::CubeDragReleased(p, arg.toInt()); }},
                {"drag", [&] {
                     for (const QString& i : arg.split(' '))
                         WordEntry::CubeDragged(p, i.toInt());
                 }},
                {"click", [&] {
                     for (const QString& i : arg.split(' '))
                         WordEntry::CubeClicked(p, i.toInt());
                 }}};
            act.at(verb)();
            EXPECT_EQ(state(), m.state) << m.action;
        }
    }
}

// The cubes the word cannot take next are dimmed during play, when the player wants it.
TEST_F(Play, deadCubesAreDimmedDuringPlayOnly)
{
    const auto dimmed = [&] { return std::ranges::count(BoardView::DimmedCubes(p), true); };
    start();
    type("ca");
    EXPECT_EQ(dimmed(), 12) << "C and A used; G, D, O and T touch the A";
    p.options.ShowWhereWordCanGo = false;
    EXPECT_EQ(dimmed(), 0);
    p.options.ShowWhereWordCanGo = true;
    Game::AbortGame(p);
    EXPECT_EQ(dimmed(), 0);
}

// Pause and End without a game, a game dropped by Start, network play. (A game an option
// change aborts: OptionsDialog.changesDuringAGame.)
TEST_F(Play, onlyAFinishedLocalGameIsEvaluated)
{
    prompter.answer(Answer::Ok);
    Game::PauseGame(p);
    Game::EndGameNow(p);
    EXPECT_EQ(clock(), "Time Remaining ") << "End did nothing";
    start();
    enter("cat");
    enter("stage");
    EXPECT_EQ(WordEntry::ScoreSoFarText(p), "Score so far: 3 points (2 words)");
    Game::StartGameClick(p);
    EXPECT_TRUE(p.entry.ListedWords.empty() && p.game.PlayerWords[0].empty())
        << "the dropped game's words are never evaluated";
    EXPECT_EQ(WordEntry::ScoreSoFarText(p), "Score so far: 0 points (0 words)");

    // Network play ignores Start, Pause and the foreground and evaluates nothing: the
    // words wait for the other players'.
    prompter.shown.clear();
    p.transport = std::make_unique<MemoryTransport>();
    p.game.GameMode = NetworkHost;
    p.game.GameInProgress = false;
    Game::StartGameClick(p);
    Game::PauseGame(p);
    EXPECT_FALSE(p.game.GameInProgress || !prompter.shown.empty());
    prompter.answer(Answer::Ok);
    start();
    enter("cat");
    Game::ClockTick(p, false);
    EXPECT_EQ(clock(), "Time Remaining 2:59 running");
    Game::EndGameNow(p);
    EXPECT_TRUE(p.game.PlayerWords[0] == Words{"cat"} && !p.results.Open);
}

// Start shakes a board; the clock counts down in the foreground only.
TEST_F(Play, aWholeSinglePlayerGameToItsResults)
{
    EXPECT_TRUE(prompter.shown.empty() && p.board.BoardFaces[0].empty())
        << "a good dictionary loads silently; blank cubes before the first game";
    Game::StartGameClick(p);
    EXPECT_EQ(p.board.BoardText, "ETISSOYWOOIVAATI");
    EXPECT_EQ(p.board.BoardWords, (Words{"its", "set", "site", "soot", "toys"}));
    EXPECT_TRUE(p.game.GameInProgress && p.entry.NewWordEnabled &&
                p.screen.DefinedWordText == "Lettro found 5 words");
    Game::ClockTick(p, false);
    EXPECT_EQ(clock(), "Time Remaining 3:00 running hidden") << "behind other windows";
    Game::ClockTick(p, true);
    EXPECT_EQ(clock(), "Time Remaining 2:59 running");
    EXPECT_EQ(WordEntry::EnterCaption(p), "Enter") << "nothing to recall yet";
    enter("site");
    EXPECT_EQ(p.screen.PlayerWordText + WordEntry::EnterCaption(p), "1 word enteredLast");
    EXPECT_EQ(WordEntry::ScoreSoFarText(p), "Score so far: 1 point (1 word)");
    enter("toy");                 // no dictionary word
    for (int i : {1, 5, 6, 3, 3}) // t o y s, then s again enters it
        WordEntry::CubeClicked(p, i);
    EXPECT_EQ(p.screen.PlayerWordText, "3 words entered");
    EXPECT_EQ(WordEntry::ScoreSoFarText(p), "Score so far: 2 points (2 words)") << "toy is struck";
    WordEntry::RecallListedWord(p, 1);
    EXPECT_EQ(QString::number(p.entry.SelectedRow) + WordEntry::EnterCaption(p), "1Enter");
    WordEntry::NewWordChanged(p, QString());
    for (int k = 0; k < 29; ++k)
        Game::ClockTick(p, true);
    prompter.answer(Answer::Ok, [&] {
        EXPECT_TRUE(p.game.Paused);
        Game::ClockTick(p, true); // ticks keep coming while the box is up
        EXPECT_EQ(clock(), "Time Remaining 2:30 running hidden");
    });
    Game::PauseGame(p);
    EXPECT_EQ(prompter.shown.back().text + prompter.shown.back().title,
              "Hit OK when ready to resume.Game paused");
    EXPECT_EQ(clock(), "Time Remaining 2:30 running") << "a standard game gives no time";
    Game::EndGameNow(p);
    EXPECT_EQ(p.game.PlayerWords[0], (Words{"toys", "toy", "site"}));
    EXPECT_EQ(WordEntry::ScoreSoFarText(p), "") << "only during play";
    EXPECT_TRUE(p.results.Open && p.eval.UnusedWords == (Words{"its", "set", "soot"}));

    // When no board meets the limit, shaking stops after a hundred boards.
    auto* draws = new ScriptedRandom({0.3f, 0.6f, 0.1f});
    p.random.reset(draws);
    p.options.NumWordsLimit = ">99";
    const std::string board = Game::ShakeBoard(p);
    EXPECT_EQ(draws->draws, 100 * 32);
    EXPECT_EQ(board, p.board.BoardText) << "the last board shaken is played, with its words";
    EXPECT_EQ(p.board.BoardWords, p.engine.definedWords(*engine::boardFromText(board)));
}

TEST_F(Play, aWholeFranticTwoPlayerGameOnOneBoard)
{
    p.game.GameMode = TwoPlayer;
    p.game.GameType = Frantic;
    p.game.LocalPlayerIndex = 1; // as the last game left it
    prompter.answer(Answer::Ok, [&] { EXPECT_EQ(clock(), "Time Remaining  hidden Player 1"); });
    Game::StartGameClick(p);
    EXPECT_EQ(clock(), "Time Remaining 0:15 running Player 1");
    enter("site"); // four letters: 2 * 4 - 4 seconds
    EXPECT_EQ(clock(), "Time Remaining 0:19 running Player 1 +4 s");
    enter("toy");  // no board word: no time
    enter("set");  // three letters: 2
    EXPECT_EQ(clock(), "Time Remaining 0:21 running Player 1 +2 s") << "the latest bonus";
    Game::ClockTick(p, false); // standing still does not use the bonus's time up
    Game::ClockTick(p, true);
    EXPECT_EQ(clock(), "Time Remaining 0:20 running Player 1 +2 s");
    Game::ClockTick(p, true);
    EXPECT_EQ(clock(), "Time Remaining 0:19 running Player 1") << "two ticks later";
    type("so");
    prompter.answer(Answer::Ok, [&] {
        EXPECT_EQ(clock(), "Game Over  hidden Player 2") << "player 2 may not study the board";
        EXPECT_EQ(p.game.LocalPlayerIndex, 1);
    });
    Game::EndGameNow(p);
    EXPECT_EQ(prompter.shown.back().text, "Player 2 - Hit OK when ready to start game.");
    EXPECT_FALSE(p.results.Open) << "nothing is evaluated after player 1";
    EXPECT_EQ(state() + p.screen.PlayerWordText.toStdString(), "|||1");
    EXPECT_TRUE(p.entry.NewWordEnabled && p.entry.ClickedCount == 0);
    EXPECT_EQ(clock(), "Time Remaining 0:15 running Player 2");

    for (const char* w : {"site", "soot", "toys"})
        enter(w);
    for (int k = 0; k < 180; ++k)
        Game::ClockTick(p, true);
    EXPECT_EQ(p.game.PlayerWords,
              (std::vector<Words>{{"set", "toy", "site"}, {"toys", "soot", "site"}}));
    EXPECT_EQ(clock(), "Game Over ") << "no turn and no bonus after the game, ticks past its end";
    EXPECT_FALSE(p.game.TimeRemaining != 0 || p.entry.NewWordEnabled);
    EXPECT_TRUE(p.results.Open) << "evaluated after player 2";
    EXPECT_EQ(prompter.pending(), 0);
}

} // namespace
