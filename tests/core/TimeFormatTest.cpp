// SPDX-License-Identifier: GPL-3.0-or-later
// The clock's text.
#include "core/game/TimeFormat.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(TimeFormat, minutesColonTwoDigitSeconds)
{
    const std::vector<std::pair<int, const char*>> cases = {
        {0, "0:00"}, {9, "0:09"}, {10, "0:10"}, {59, "0:59"}, {75, "1:15"}, {600, "10:00"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(TimeFormat::FormatTime(seconds), text) << seconds;
}

} // namespace
