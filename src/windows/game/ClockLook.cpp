// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockLook.h"

#include "windows/ui/Colours.h"

namespace ClockLook {

Look LookFor(TimeFormat::ClockColour colour, const QPalette& palette)
{
    using Colours::Contrast, Colours::kLarge;
    const QColor window = palette.color(QPalette::Window);
    const QColor yellow(255, 255, 0), red(255, 0, 0), black(0, 0, 0);
    QColor time = black, panel = window;
    switch (colour) {
    case TimeFormat::ClockColour::Yellow:
    case TimeFormat::ClockColour::Red:
        time = colour == TimeFormat::ClockColour::Yellow ? yellow : red;
        // One panel for both, so that the blinking does not move the panel too.
        if (Contrast(yellow, window) < kLarge || Contrast(red, window) < kLarge)
            panel = QColor(32, 32, 32);
        break;
    case TimeFormat::ClockColour::Black:
        if (Contrast(black, window) < Colours::kText)
            time = Colours::Readable(palette.color(QPalette::WindowText), window);
        break;
    }
    return {time, panel, Colours::Readable(palette.color(QPalette::WindowText), panel),
            Colours::Readable(QColor(0, 110, 0), panel)};
}

} // namespace ClockLook
