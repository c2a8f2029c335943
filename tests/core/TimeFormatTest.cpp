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

TEST(TimeFormat, everyClockColourKeepsItsValueAndReadsAtThreeToOneOnItsPanel)
{
    using TimeFormat::ClockColour, TimeFormat::Rgb;
    const std::vector<std::tuple<Rgb, Rgb, double>> ratios = {
        {{0, 0, 0}, {255, 255, 255}, 21.0}, {{255, 0, 0}, {255, 0, 0}, 1.0},
        {{255, 0, 0}, {255, 255, 255}, 4.0}, {{255, 255, 0}, {239, 239, 239}, 1.07}};
    for (const auto& [a, b, ratio] : ratios) {
        EXPECT_NEAR(TimeFormat::ContrastRatio(a, b), ratio, 0.01);
        EXPECT_NEAR(TimeFormat::ContrastRatio(b, a), ratio, 0.01);
    }
    EXPECT_GE(TimeFormat::ContrastRatio(TimeFormat::kCaptionText, TimeFormat::kCaptionPanel), 3.0);
    const std::vector<std::pair<ClockColour, Rgb>> colours = {
        {ClockColour::Black, {0, 0, 0}}, {ClockColour::Yellow, {255, 255, 0}},
        {ClockColour::Red, {255, 0, 0}}};
    for (const auto& [colour, time] : colours) {
        const TimeFormat::ClockLook look = TimeFormat::ClockLookFor(colour);
        EXPECT_EQ(look.time, time);
        for (const Rgb ink : {look.time, look.text, look.bonus})
            EXPECT_GE(TimeFormat::ContrastRatio(ink, look.panel), 3.0)
                << static_cast<int>(colour) << ": " << ink.r << "," << ink.g << "," << ink.b;
    }
}

} // namespace
