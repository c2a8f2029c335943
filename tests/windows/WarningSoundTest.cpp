// The real warning sound: whatever the machine has, nothing reaches the console, and a
// machine without a sound output beeps.
#include "windows/ui/Desktop.h"
#include "windows/ui/WarningSound.h"

#include <gtest/gtest.h>

TEST(WarningSound, nothingOnTheConsoleAndABeepWithoutASoundOutput)
{
    ::testing::internal::CaptureStderr();
    ::testing::internal::CaptureStdout();
    {
        // Straight to the sound theme, where ALSA would complain on a machine without a card.
        ui::WarningSound sound(false);
        sound.play();
        sound.play();
        EXPECT_NE(sound.lastWay(), ui::WarningSound::Way::None);
        ui::QtDesktop().warningSound(); // the game's own path, device check included
        ui::WarningSound checked;
        checked.play();
        EXPECT_TRUE(ui::SoundOutputPresent() || checked.lastWay() == ui::WarningSound::Way::Beep);
    } // the sound contexts close here, so late messages are caught too
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}
