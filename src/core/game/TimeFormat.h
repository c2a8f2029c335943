// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's text and colours.
#pragma once

#include <string>

namespace TimeFormat {

// Minutes, a colon and two digits of seconds: 75 -> "1:15", 5 -> "0:05".
std::string FormatTime(int seconds);

enum class ClockColour { Black, Yellow, Red };

// The colour of the clock with `timeRemaining` seconds left: the last ten seconds
// blink yellow on even values above 5, red on even values at 5 or below.
ClockColour TimeLeftColour(int timeRemaining);

} // namespace TimeFormat
