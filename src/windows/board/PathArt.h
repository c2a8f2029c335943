// SPDX-License-Identifier: GPL-3.0-or-later
// The path of a word drawn over a board of any size: arrows from cube to cube in the
// word's order and each cube's step numbers in its corner, so the order reads for "Qu"
// and for a cube taken twice as well. Shared by the board of play and the small boards.
#pragma once

#include <QRectF>

#include <vector>

class QPainter;

namespace PathArt {

// Draws `path` (4 * row + column, first letter first) over the 4 by 4 cubes filling
// `board`, in the painter's own units.
void DrawPath(QPainter& painter, const std::vector<int>& path, const QRectF& board);

} // namespace PathArt
