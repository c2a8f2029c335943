// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing the board's cubes in the main window, each only when its look changes.
#pragma once

struct App;

namespace BoardView {

// Takes the cube size from the cube picture of the main window's board.
void InitBoardGeometry(App& app);

// Paints every cube whose wanted look or face differs from what was drawn last.
void PaintChangedCubes(App& app);

} // namespace BoardView
