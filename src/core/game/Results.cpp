#include "Results.h"

#include "core/game/Program.h"
#include "core/game/Scoring.h"

namespace Results {

void PrepareResults(Program& program)
{
    ShowScores(program);
    program.results.Open = true;
}

void ShowScores(Program& program)
{
    const Scoring::ResultTexts texts =
        Scoring::ScoreTexts(program.game, program.board.BoardWords, program.eval);
    program.results.Words = texts.Words;
    program.results.Score = texts.Score;
    program.results.BadWords = texts.BadWords;
}

} // namespace Results
