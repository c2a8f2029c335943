// SPDX-License-Identifier: GPL-3.0-or-later
#include "Colours.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace Colours {

namespace {
double Luminance(const QColor& c)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

QColor Mix(const QColor& a, const QColor& b, double share)
{
    const auto channel = [share](int x, int y) {
        return static_cast<int>(std::lround(x + (y - x) * share));
    };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

// The ground with as much red as keeps its text readable, at most a third.
QColor TowardsRed(const QPalette& palette)
{
    const QColor ground = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    for (double share = 0.35; share > 0.04; share -= 0.05) {
        const QColor tint = Mix(ground, QColor(255, 0, 0), share);
        if (Contrast(text, tint) >= kText)
            return tint;
    }
    return ground;
}
} // namespace

double Contrast(const QColor& a, const QColor& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Readable(const QColor& ink, const QColor& ground, double ratio)
{
    if (Contrast(ink, ground) >= ratio)
        return ink;
    // Away from the ground: towards whichever end it lies farther from.
    const QColor end = Contrast(ground, Qt::white) > Contrast(ground, Qt::black)
                           ? QColor(Qt::white)
                           : QColor(Qt::black);
    for (int step = 1; step <= 20; ++step) {
        const QColor moved = Mix(ink, end, step / 20.0);
        if (Contrast(moved, ground) >= ratio)
            return moved;
    }
    return end;
}

QColor StruckWord(const QPalette& palette)
{
    return Readable(QColor(150, 40, 40), palette.color(QPalette::Base));
}

QColor NoMatchTint(const QPalette& palette)
{
    // Quieter than a refusal: a hint while typing, not a fault.
    const QColor ground = palette.color(QPalette::Base);
    const QColor tint = Mix(ground, TowardsRed(palette), 0.6);
    return Contrast(palette.color(QPalette::Text), tint) >= kText ? tint : ground;
}

QColor Warning(const QPalette& palette)
{
    return Readable(QColor(176, 0, 0), palette.color(QPalette::Window));
}

void PaintFixed(QWidget* widget, const QColor& ground, const QColor& ink)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
        palette.setColor(role, ground);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        palette.setColor(role, ink);
    if (palette != widget->palette())
        widget->setPalette(palette);
    // A style sheet's background and colour win over the palette, and a style sheet
    // draws a background even on a label that fills none: the widget's own rule wins
    // over the desktop's.
    const auto css = [](const QColor& c) {
        return QStringLiteral("rgba(%1, %2, %3, %4)")
            .arg(c.red())
            .arg(c.green())
            .arg(c.blue())
            .arg(c.alpha());
    };
    const QString rule = QStringLiteral("#%1 { background-color: %2; color: %3; }")
                             .arg(widget->objectName(), css(ground), css(ink));
    if (widget->styleSheet() != rule)
        widget->setStyleSheet(rule);
}

QColor ChartMark(const QColor& wanted, const QPalette& palette)
{
    return Readable(wanted, palette.color(QPalette::Base), kLarge);
}

} // namespace Colours
