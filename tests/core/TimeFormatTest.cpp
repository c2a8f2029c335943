// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's text and colours.
#include "core/game/TimeFormat.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

TEST(TimeFormat, minutesColonTwoDigitSeconds)
{
    const std::vector<std::pair<int, const char*>> cases = {
        {0, "0:00"}, {9, "0:09"}, {10, "0:10"}, {59, "0:59"}, {75, "1:15"}, {600, "10:00"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(TimeFormat::FormatTime(seconds), text) << seconds;
}

// The main window's test checks every ink of the clock's panel at 3:1 with this formula.
TEST(TimeFormat, contrastRatiosAndTheTimesColours)
{
    using TimeFormat::ClockColour, TimeFormat::Rgb;
    const std::vector<std::tuple<Rgb, Rgb, double>> ratios = {
        {{0, 0, 0}, {255, 255, 255}, 21.0}, {{255, 0, 0}, {255, 0, 0}, 1.0},
        {{255, 0, 0}, {255, 255, 255}, 4.0}, {{255, 255, 0}, {239, 239, 239}, 1.07}};
    for (const auto& [a, b, ratio] : ratios) {
        EXPECT_NEAR(TimeFormat::ContrastRatio(a, b), ratio, 0.01);
        EXPECT_NEAR(TimeFormat::ContrastRatio(b, a), ratio, 0.01);
    }
    for (const auto& [colour, time] : std::vector<std::pair<ClockColour, Rgb>>{
             {ClockColour::Black, {0, 0, 0}}, {ClockColour::Yellow, {255, 255, 0}},
             {ClockColour::Red, {255, 0, 0}}})
        EXPECT_EQ(TimeFormat::ClockLookFor(colour).time, time);
}

} // namespace
