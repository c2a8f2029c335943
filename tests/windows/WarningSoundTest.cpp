// SPDX-License-Identifier: GPL-3.0-or-later
// The real warning sound: whatever the machine has, nothing reaches the console.
#include "windows/ui/WarningSound.h"
#include "windows/ui/Desktop.h"

#include <gtest/gtest.h>

TEST(WarningSound, nothingReachesTheConsole)
{
    ::testing::internal::CaptureStderr();
    ::testing::internal::CaptureStdout();
    {
        // Straight to the sound theme, where ALSA would complain on a machine without a card.
        ui::WarningSound theme(false);
        theme.play();
        theme.play();
        ui::QtDesktop().warningSound(); // the game's own path, device check included
    } // the sound contexts close here, so late messages are caught too
    EXPECT_EQ(::testing::internal::GetCapturedStdout() + ::testing::internal::GetCapturedStderr(),
              "");
}
