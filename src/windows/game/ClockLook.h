// SPDX-License-Identifier: GPL-3.0-or-later
// How the clock is drawn in each of its colours. No one background lets black, yellow
// and red all be read, so the panel behind the time is light while the time is black
// and dark while it blinks yellow or red; the time's own colours stay as they are.
#pragma once

#include "core/game/TimeFormat.h"

namespace ClockLook {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct Look {
    Rgb time;  // the time's colour
    Rgb panel; // behind the time, the player's turn and the bonus
    Rgb text;  // the player's turn
    Rgb bonus; // "+N s"
};
Look LookFor(TimeFormat::ClockColour colour);
// The caption above the time keeps the light panel throughout.
inline constexpr Rgb kCaptionText{0, 0, 0};
inline constexpr Rgb kCaptionPanel{245, 245, 245};

// The contrast ratio of two colours by their relative luminance, from 1 (the same) to
// 21 (black on white); text is readable from 3 at clock sizes.
double ContrastRatio(Rgb a, Rgb b);

} // namespace ClockLook
