// SPDX-License-Identifier: GPL-3.0-or-later
#include "DailyStreak.h"

#include "core/game/Progress.h"
#include "core/game/Tr.h"

#include <QObject>

namespace {

QString Days(int n)
{
    return core::TrN("Progress", "%n days", nullptr, n);
}

} // namespace

QString DailyStreakText(Program& program, const std::string& today, const std::string& alsoPlayed)
{
    std::vector<std::string> days;
    for (const Progress::GameRecord& game : Progress::ReadGames(program, {.DailyOnly = true}))
        days.push_back(game.DailyDate);
    if (!alsoPlayed.empty())
        days.push_back(alsoPlayed);
    const Progress::Streaks streaks = Progress::DayStreaks(days, today);
    if (streaks.Current == 0)
        return QObject::tr("No streak of boards of the day yet; play one a day to start one.");
    return QObject::tr("Streak: %1 in a row with the board of the day (longest %2).")
        .arg(Days(streaks.Current), Days(streaks.Longest));
}
