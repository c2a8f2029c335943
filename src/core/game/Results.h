// The end of a game as the results window shows it: its lists, the result lines, and
// the dictionary corrections of a single-player game.
#pragma once

struct Program;

namespace Results {

// Sets the results up for the game just evaluated and opens them.
void PrepareResults(Program& program);

// Recomputes the scores and the three result lines from the current lists.
void ShowScores(Program& program);

} // namespace Results
