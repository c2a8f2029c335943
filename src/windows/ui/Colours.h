// SPDX-License-Identifier: GPL-3.0-or-later
// The colours Lettro picks itself, each worked out from the desktop's palette, so that
// text stays readable on a light desktop and on a dark one alike. Whatever keeps a fixed
// colour (the results board's cubes) also fixes the colour written on it.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace Colours {

// Contrast ratios: ordinary text, and large digits, lines and marks.
inline constexpr double kText = 4.5;
inline constexpr double kLarge = 3.0;

// The contrast of two colours by their relative luminance, from 1 (the same) to 21
// (black on white).
double Contrast(const QColor& a, const QColor& b);

// `ink` itself when it reaches `ratio` on `ground`, else ink moved towards black or
// white (away from the ground) just far enough, so that its hue stays.
QColor Readable(const QColor& ink, const QColor& ground, double ratio = kText);

// A word of the word list that is not on the board (on the list's Base).
QColor StruckWord(const QPalette& palette);
// The editor's find box when nothing matches: the box's own colour turned towards red,
// its text still readable.
QColor NoMatchTint(const QPalette& palette);
// A warning written on a window.
QColor Warning(const QPalette& palette);
// A chart's line or bar of the wanted colour, on the chart's Base.
QColor ChartMark(const QColor& wanted, const QPalette& palette);

// The results board: a cube off the word's path, on it, and what is written on both.
inline const QColor kOffPath{255, 192, 128};
inline const QColor kOnPath{128, 255, 128};
inline const QColor kCubeLetters{0, 0, 0};
// The word box from a refusal to the next accepted key: a red seen at a glance on any
// desktop, with white text (5.6:1) whatever the desktop's own text colour.
inline const QColor kRefusedBox{198, 40, 40};
inline const QColor kRefusedText{255, 255, 255};
// Paints a widget, found by its object name, in fixed colours that neither the palette
// nor a desktop style sheet replaces; `ground` may be transparent, for a label laid over
// another whose letters must show through.
void PaintFixed(QWidget* widget, const QColor& ground, const QColor& ink);

// The help page is written for light paper; its view keeps that paper on any desktop.
inline const QColor kHelpPaper{255, 255, 255};
inline const QColor kHelpText{34, 34, 34};
inline const QColor kHelpLink{20, 70, 170};

} // namespace Colours
