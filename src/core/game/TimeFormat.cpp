// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace TimeFormat {

std::string FormatTime(int seconds)
{
    const int minutes = seconds / 60;
    const int rest = std::abs(seconds - 60 * minutes);
    std::string text = std::to_string(std::abs(minutes)) + ":";
    if (rest < 10)
        text += '0';
    return text + std::to_string(rest);
}

ClockColour TimeLeftColour(int timeRemaining)
{
    if (timeRemaining > 10 || timeRemaining % 2 != 0)
        return ClockColour::Black;
    return timeRemaining > 5 ? ClockColour::Yellow : ClockColour::Red;
}

} // namespace TimeFormat
