// SPDX-License-Identifier: GPL-3.0-or-later
#include "Game.h"

#include "core/board/BoardView.h"
#include "core/board/WordEntry.h"
#include "core/dictionary/DictionaryStore.h"
#include "core/game/BoardLanguage.h"
#include "core/game/BoardSelection.h"
#include "core/game/GivenBoard.h"
#include "core/game/HighScores.h"
#include "core/game/Opponents.h"
#include "core/network/NetworkGame.h"
#include "core/game/Program.h"
#include "core/game/Results.h"
#include "core/game/Scoring.h"
#include "core/game/Settings.h"

#include "engine/BoardText.h"

#include <algorithm>

namespace Game {

namespace {
int StartingTime(const GameState& game)
{
    return game.GameType == Frantic ? 15 : game.TimeLimit;
}

void ShowFullClock(Program& program)
{
    SetClockLabels(program, QStringLiteral("Time Remaining"),
                   QString::fromStdString(TimeFormat::FormatTime(program.game.TimeRemaining)));
}

// The board is hidden while a "Hit OK" box is up, so nobody gets a head start.
void HitOkBehindHiddenBoard(Program& program, const QString& text,
                            const QString& title = QStringLiteral("Lettro"))
{
    program.screen.BoardHidden = true;
    Ask(program, text, core::Buttons::Ok, title);
    program.screen.BoardHidden = false;
}

Words WordsOnBoard(Program& program, const std::string& board)
{
    return program.engine.definedWords(engine::boardFromText(board).value_or(std::string()));
}

// Player 2 plays the same board with a fresh word list and a full clock.
void HandOverToPlayerTwo(Program& program)
{
    GameState& game = program.game;
    game.LocalPlayerIndex = 1;
    WordEntry::ClearEntry(program);
    game.TimeRemaining = StartingTime(game);
    HitOkBehindHiddenBoard(program, QStringLiteral("Player 2 - Hit OK when ready to start game."));
    ShowFullClock(program);
    program.screen.ClockRunning = true;
}
} // namespace

void StartUp(Program& program)
{
    BoardLanguage::ChooseAtStartUp(program);
    Dictionary::ReadDictionary(program);
    Dice::InitDice(program.board.DieFaces, program.dictionary.Language);
    for (std::string& face : program.board.BoardFaces)
        face.clear();
    program.view.WantedLooks.fill(BoardView::Unselected);
    program.entry.BoardClean = true;

    program.board.BoardWords.clear();
    program.board.BoardWords.reserve(151);

    GameState& game = program.game;
    game.TimeRemaining = 0;
    game.TimeLimit = 180;
    game.Paused = false;
    program.options.SoundsOn = true;
    game.GameInProgress = false;

    // Also sets LoadedMaxWordSize and the single-player standard game every run starts with.
    Settings::ReadSettings(program);
    HighScores::LoadHighScores(program);
    Opponents::LoadRecord(program);

    if (!program.random)
        program.random = program.Seed ? std::make_unique<Dice::ClockRandom>(*program.Seed)
                                      : std::make_unique<Dice::ClockRandom>();
}

std::string ShakeBoard(Program& program)
{
    auto choice = BoardSelection::ChooseBoard(
        program.options.NumWordsLimit,
        [&] { return Dice::ShakeDice(program.board.DieFaces, *program.random); },
        [&](const std::string& text) { return WordsOnBoard(program, text); });
    PlaceBoard(program, choice.board, std::move(choice.words));
    return choice.board;
}

void PlaceBoard(Program& program, const std::string& board, std::optional<Words> words, bool given)
{
    if (!words)
        words = WordsOnBoard(program, board);
    // A new board: the last results no longer match it and cannot be shown again.
    program.results.Available = false;
    WordEntry::ClearEntry(program);
    program.board.Given = given;
    program.board.DailyDate.clear();
    program.board.BoardText = board;

    Dice::PlaceBoard(board, program.board.BoardFaces, program.board.BoardGrid);
    program.view.WantedLooks.fill(BoardView::Unselected);
    program.entry.BoardClean = true;
    if (!program.entry.NewWordText.isEmpty())
        WordEntry::NewWordChanged(program, QString());
    program.entry.LastNewWordText.clear();

    program.board.BoardWords = std::move(*words);
    program.screen.DefinedWordText =
        QStringLiteral("Lettro found %1 words").arg(program.board.BoardWords.size());
}

void StartGameClick(Program& program)
{
    if (IsNetworkGame(program))
        return;
    // A running game is dropped without evaluation.
    program.screen.ClockRunning = false;
    Given::RestoreOwnSettings(program);
    // A language chosen whose dictionary could not be put in play yet (its save failed)
    // is tried again; the game goes on in the one in play whatever the answer.
    if (program.dictionary.Language != program.options.BoardLanguage)
        BoardLanguage::UseLanguage(program, program.options.BoardLanguage);
    ShakeBoard(program);
    BeginPlay(program);
}

void BeginPlay(Program& program, bool announce)
{
    GameState& game = program.game;
    game.GameInProgress = true;
    // The last game's results are closed before a new game can start, and its lists
    // are emptied below.
    program.results.Open = false;
    program.results.Available = false;
    game.TimeRemaining = StartingTime(game);
    program.highScores.GameKey = program.board.DailyDate.empty() ? HighScores::CurrentKey(program)
                                                                 : HighScores::kBoardOfTheDay;
    switch (game.GameMode) {
    case SinglePlayer:
        game.PlayerCount = 1;
        game.LocalPlayerIndex = 0;
        break;
    case TwoPlayer:
        game.PlayerCount = 2;
        game.LocalPlayerIndex = 0; // before the box: the window names player 1 behind it
        if (announce)
            HitOkBehindHiddenBoard(program,
                                   QStringLiteral("Player 1 - Hit OK when ready to start game."));
        break;
    default:
        if (announce)
            HitOkBehindHiddenBoard(program, QStringLiteral("Hit OK when ready to start game."));
        break;
    }

    // Computer opponents the options ask for join a single-player game.
    Opponents::StartGame(program);
    const auto players = static_cast<std::size_t>(std::max(game.PlayerCount, 1));
    game.PlayerWords.assign(players, {});
    Evaluation& eval = program.eval;
    eval.PlayerDefinedWords.assign(players, {});
    eval.PlayerUndefinedWords.assign(players, {});
    eval.PlayerScores.assign(players, 0);
    eval.UnusedWords.clear();
    eval.CommonWords.clear();

    program.screen.ClockColour = TimeFormat::ClockColour::Black;
    ShowBonus(program, 0);
    ShowFullClock(program);
    program.screen.ClockRunning = true;
}

void ClockTick(Program& program, bool mainInForeground)
{
    GameState& game = program.game;
    if (game.Paused)
        return;
    if (!IsNetworkGame(program)) {
        program.screen.BoardHidden = !mainInForeground;
        if (!mainInForeground)
            return;
    }
    if (game.TimeRemaining <= 0) {
        // A tick that arrives after the game ended must not count below zero.
        program.screen.ClockRunning = false;
        return;
    }
    ScreenState& screen = program.screen;
    if (screen.BonusTicks > 0 && --screen.BonusTicks == 0)
        screen.BonusText.clear();
    game.TimeRemaining -= 1;
    Opponents::Tick(program);
    program.screen.ClockColour = TimeFormat::TimeLeftColour(game.TimeRemaining);
    program.screen.ClockText = QString::fromStdString(TimeFormat::FormatTime(game.TimeRemaining));
    if (game.TimeRemaining == 0)
        EndGame(program);
}

void PauseGame(Program& program)
{
    if (IsNetworkGame(program))
        return;
    program.game.Paused = true;
    HitOkBehindHiddenBoard(program, QStringLiteral("Hit OK when ready to resume."),
                           QStringLiteral("Game paused"));
    program.game.Paused = false;
}

void EndGameNow(Program& program)
{
    // A game aborted by an option change is still "in progress" until the next start, but
    // it has no turn left to end: ending it again would evaluate a game nobody finished.
    if (!program.game.GameInProgress || program.game.TimeRemaining == 0)
        return;
    program.game.TimeRemaining = 0;
    EndGame(program);
}

void AbortGame(Program& program)
{
    program.game.TimeRemaining = 0;
    program.screen.ClockRunning = false;
    program.entry.NewWordEnabled = false;
    program.entry.Refused = false;
    if (!program.entry.NewWordText.isEmpty())
        WordEntry::NewWordChanged(program, QString());
    program.screen.ClockColour = TimeFormat::ClockColour::Black;
    ShowBonus(program, 0);
    SetClockLabels(program, QStringLiteral("Game Over"), QString());
}

void EndGame(Program& program)
{
    // The clock stops as for an aborted game; then the turn's words are collected.
    AbortGame(program);
    GameState& game = program.game;
    const auto index = static_cast<std::size_t>(std::max(game.LocalPlayerIndex, 0));
    if (index >= game.PlayerWords.size())
        game.PlayerWords.resize(index + 1);
    Words& words = game.PlayerWords[index];
    words.clear();
    for (const ListedWord& listed : program.entry.ListedWords)
        words.push_back(listed.Word.toStdString());
    if (IsNetworkGame(program)) {
        // The words go to the host, or wait for the players'; the results follow when
        // everybody's are in.
        Network::ResumeNetworkAfterGame(program);
        return;
    }
    Opponents::CollectWords(program);
    FinishTurn(program);
}

void SetClockLabels(Program& program, const QString& caption, const QString& timeText)
{
    program.screen.ClockCaption = caption;
    program.screen.ClockText = timeText;
}

void ShowBonus(Program& program, int seconds)
{
    // A word of the smallest size may earn nothing; then there is nothing to show.
    program.screen.BonusText = seconds > 0 ? QStringLiteral("+%1 s").arg(seconds) : QString();
    program.screen.BonusTicks = seconds > 0 ? 2 : 0;
}

QString TurnText(const GameState& game)
{
    if (game.GameMode != TwoPlayer || game.TimeRemaining == 0)
        return {};
    return QStringLiteral("Player %1").arg(game.LocalPlayerIndex + 1);
}

void FinishTurn(Program& program)
{
    GameState& game = program.game;
    if (game.GameMode == TwoPlayer && game.LocalPlayerIndex == 0) {
        HandOverToPlayerTwo(program);
        return;
    }
    // Entered once its results close, after any corrections to the dictionary.
    // A given board was not chosen by the rules the tables' games are, so it enters none,
    // but the board of the day, which has a table of its own (its GameKey); a game against
    // the computer goes into its own record instead: its scores leave out common words, so
    // they do not compare with a game alone.
    program.highScores.GameToEnter = game.GameMode == SinglePlayer && game.Opponents == 0 &&
                                     (!program.board.Given || !program.board.DailyDate.empty());
    program.progress.GameToRecord = game.GameMode == SinglePlayer;
    program.opponents.GameToRecord = game.Opponents > 0;
    Scoring::ClassifyWords(game, program.board.BoardWords, program.eval);
    SetClockLabels(program, QStringLiteral("Game Over"), QString());
    EvaluateWords(program);
    Results::PrepareResults(program);
}

void EvaluateWords(Program& program)
{
    Scoring::FindUnusedAndCommon(program.game, program.board.BoardWords, program.eval);
    Results::ShowScores(program);
}

} // namespace Game
