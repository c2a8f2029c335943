// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's warning sound: the sound theme's "dialog-warning" through libcanberra
// where there is a sound output, a plain beep otherwise. Never writes to the console.
#pragma once

#include <memory>

namespace ui {

class WarningSound {
public:
    // `lookForOutput` false tries the sound theme even when no sound output is seen.
    explicit WarningSound(bool lookForOutput = true);
    ~WarningSound();
    WarningSound(const WarningSound&) = delete;
    WarningSound& operator=(const WarningSound&) = delete;

    void play();

private:
    bool openTheme();

    struct Theme;
    std::unique_ptr<Theme> m_theme;
    bool m_lookForOutput;
    bool m_triedTheme = false;
};

// Whether this machine shows any sound output: a sound server's socket or an ALSA
// playback device.
bool SoundOutputPresent();

} // namespace ui
