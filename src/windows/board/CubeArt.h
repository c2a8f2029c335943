// SPDX-License-Identifier: GPL-3.0-or-later
// The board's artwork, drawn in code at any pixel density: ivory cubes on green felt in
// a walnut tray, a gold look for selected cubes, and the mask that cuts a cube's outline.
#pragma once

#include <QImage>
#include <QSize>

namespace CubeArt {

// The cube pictures' size in window units.
inline constexpr int kCubeSize = 97;

// A cube for OR-then-AND painting: white outside its outline (AND keeps the board),
// the cube inside. `pixels` is the picture's size in device pixels.
QImage CubePicture(int pixels, bool selected);

// The outline mask: black outside (OR keeps the board), white inside.
QImage OuterMask(int pixels);

// The empty tray, `pixels` big, with one felt socket per cube place, each `cell`
// device pixels square (positions rounded as the cubes' are).
QImage BoardBackground(QSize pixels, double cell);

} // namespace CubeArt
