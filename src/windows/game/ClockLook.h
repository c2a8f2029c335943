// SPDX-License-Identifier: GPL-3.0-or-later
// How the clock is drawn in each of its colours on the desktop's palette. The time is
// written in the window's text colour on the window's own colour, black where that
// reads; yellow and red keep their values and sit on the window's colour when it is dark
// enough for both, else on a dark panel of their own while they blink.
#pragma once

#include "core/game/TimeFormat.h"

#include <QColor>
#include <QPalette>

namespace ClockLook {

struct Look {
    QColor time;  // the time's colour
    QColor panel; // behind the time, the player's turn and the bonus
    QColor text;  // the player's turn
    QColor bonus; // "+N s"
};
Look LookFor(TimeFormat::ClockColour colour, const QPalette& palette);

} // namespace ClockLook
