// SPDX-License-Identifier: GPL-3.0-or-later
#include "GivenBoard.h"

#include "core/board/CheckCubes.h"
#include "core/game/BoardLanguage.h"
#include "core/game/Game.h"
#include "core/game/Program.h"
#include "core/game/Scoring.h"

#include "engine/BoardText.h"

#include <cstdint>

namespace Given {

BoardCode::GivenBoard WithOwnSettings(const Program& program, const std::string& board)
{
    return {program.dictionary.Language, board,
            program.game.GameType,       program.game.TimeLimit,
            program.engine.cMinWordSize(), program.options.RepeatLetters};
}

std::string CurrentBoardCode(const Program& program)
{
    return BoardCode::Encode(WithOwnSettings(program, program.board.BoardText));
}

bool SetAsideOwnSettings(Program& program, const std::string& board, const std::string& language)
{
    if (IsNetworkGame(program) || !engine::boardFromText(board))
        return false;
    // A running game is dropped without evaluation, as by Start.
    program.screen.ClockRunning = false;
    if (!program.savedForGivenBoard)
        program.savedForGivenBoard = GameSettings(program);
    // The chosen language stays the user's: the next shaken board puts it back in play.
    if (!BoardLanguage::UseLanguage(program, language)) {
        RestoreOwnSettings(program);
        return false;
    }
    return true;
}

bool PlayGivenBoard(Program& program, const BoardCode::GivenBoard& given,
                    const std::string& dailyDate)
{
    if (!SetAsideOwnSettings(program, given.Board, given.Language))
        return false;
    program.game.GameType = given.GameType;
    program.game.TimeLimit = given.TimeLimit;
    program.engine.cSetMinWordSize(given.MinWordSize);
    program.options.RepeatLetters = given.RepeatLetters;
    Game::PlaceBoard(program, given.Board, {}, true);
    program.board.DailyDate = dailyDate;
    Game::BeginPlay(program);
    return true;
}

void RestoreOwnSettings(Program& program)
{
    if (!program.savedForGivenBoard)
        return;
    // The language in play stays until the next shaken board: the results can still
    // be shown again, and they belong to its dictionary.
    RestoreGameSettings(program, *program.savedForGivenBoard);
    program.savedForGivenBoard.reset();
}

BoardCode::GivenBoard BoardOfTheDay(const std::string& language, const std::string& date)
{
    std::uint32_t seed = 2166136261u;
    for (unsigned char c : date + ' ' + language)
        seed = (seed ^ c) * 16777619u;
    Dice::Faces dice;
    Dice::InitDice(dice, language);
    Dice::ClockRandom random(seed);
    return {language, Dice::ShakeDice(dice, random), Standard, 180, engine::kDefaultMinWordSize,
            false};
}

bool PlayBoardOfTheDay(Program& program, const std::string& date)
{
    return PlayGivenBoard(program, BoardOfTheDay(program.options.BoardLanguage, date), date);
}

std::vector<SolvedWord> SolveBoard(engine::Engine& engine, std::string_view board,
                                   bool repeatLetters)
{
    std::vector<SolvedWord> solved;
    const auto lower = engine::boardFromText(board);
    if (!lower)
        return solved;
    BoardState state;
    Dice::PlaceBoard(board, state.BoardFaces, state.BoardGrid);
    for (std::string& word : engine.definedWords(*lower)) {
        SolvedWord w{std::move(word), {}, 0};
        CheckCubes::PathSearch search(state.BoardGrid, state.UsedCubes, repeatLetters, w.Word);
        if (search.WordOnBoard())
            w.Path = search.order();
        w.Points = Scoring::ScoreForWord(w.Word);
        solved.push_back(std::move(w));
    }
    return solved;
}

} // namespace Given
