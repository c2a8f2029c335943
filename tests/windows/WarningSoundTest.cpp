// The real warning sound: whatever the machine has, nothing reaches the console.
#include "windows/ui/Desktop.h"
#include "windows/ui/WarningSound.h"

#include <gtest/gtest.h>

namespace {

TEST(WarningSound, nothingOnTheConsoleWithOrWithoutASoundDevice)
{
    ::testing::internal::CaptureStderr();
    ::testing::internal::CaptureStdout();
    {
        // Straight to the sound theme, as on a machine that seems to have sound: on one
        // without a card this is where ALSA would complain.
        ui::WarningSound sound(false);
        sound.play();
        sound.play();
        EXPECT_NE(sound.lastWay(), ui::WarningSound::Way::None);
        // The game's own path, device check included.
        ui::QtDesktop desktop;
        desktop.warningSound();
    } // the sound contexts close here, so late messages would be caught too
    const std::string out = ::testing::internal::GetCapturedStdout();
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
}

TEST(WarningSound, aMachineWithoutSoundOutputBeeps)
{
    if (ui::SoundOutputPresent())
        GTEST_SKIP() << "this machine has a sound output";
    ui::WarningSound sound;
    sound.play();
    EXPECT_EQ(sound.lastWay(), ui::WarningSound::Way::Beep);
}

} // namespace
