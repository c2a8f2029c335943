// SPDX-License-Identifier: GPL-3.0-or-later
// Board geometry and the hit test, without any window.
#include "core/board/BoardView.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using BoardView::BoardViewState;

TEST(BoardView, cubesTouchFromTheTopLeftCornerAndTheHitTestCutsToWholeUnits)
{
    BoardViewState view;
    BoardView::InitBoardGeometry(view, 96.6, 97.4); // rounded to whole units
    EXPECT_TRUE(view.CubeWidth == 97 && view.CubeHeight == 97);
    // Each case: cube, its left and top.
    for (auto [cube, left, top] : {std::array{0, 0, 0}, {6, 194, 97}, {15, 291, 291}}) {
        EXPECT_EQ(view.CubeLeft[cube], left) << cube;
        EXPECT_EQ(view.CubeTop[cube], top) << cube;
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Each case: x, y and the cube hit (-1 for none).
    const struct { double x, y; int cube; } cases[] = {
        {0, 0, 0}, {96.9, 96.9, 0}, {97, 0, 1}, {0, 97, 4}, {387.5, 387.5, 15}, {200, 120, 6}, {0, 388, -1},
        {500, 50, -1} /* would wrap into the next row */, {-0.5, 10, -1}, {nan, 0, -1}, {1e300, 0, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(BoardView::CubeAtPoint(view, c.x, c.y), c.cube) << c.x << "," << c.y;
    EXPECT_EQ(BoardView::CubeAtPoint(BoardViewState{}, 0, 0), -1) << "no geometry yet";
}

} // namespace
