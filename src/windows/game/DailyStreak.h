// SPDX-License-Identifier: GPL-3.0-or-later
// The line that tells the player's streak of boards of the day.
#pragma once

#include <QString>

#include <string>

struct Program;

// The streak as of `today` (yyyy-mm-dd) from the recorded boards of the day, with the
// day `alsoPlayed` counted too when it is not "" (a game whose results are still open
// is recorded only when they close).
QString DailyStreakText(Program& program, const std::string& today,
                        const std::string& alsoPlayed = {});
