// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockLook.h"

#include <algorithm>
#include <cmath>

namespace ClockLook {

Look LookFor(TimeFormat::ClockColour colour)
{
    constexpr Rgb dark{32, 32, 32};
    switch (colour) {
    case TimeFormat::ClockColour::Yellow:
        return {{255, 255, 0}, dark, {235, 235, 235}, {120, 230, 120}};
    case TimeFormat::ClockColour::Red:
        return {{255, 0, 0}, dark, {235, 235, 235}, {120, 230, 120}};
    case TimeFormat::ClockColour::Black:
        break;
    }
    return {{0, 0, 0}, kCaptionPanel, kCaptionText, {0, 110, 0}};
}

double ContrastRatio(Rgb a, Rgb b)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const auto luminance = [&](Rgb c) {
        return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace ClockLook
