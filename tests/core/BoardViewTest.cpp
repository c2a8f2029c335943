// Board geometry, the hit test and the repaint bookkeeping, without any window.
#include "core/board/BoardView.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using BoardView::BoardViewState;
using BoardView::CubeAtPoint;

BoardViewState Geometry(double width = 97, double height = 97)
{
    BoardViewState view;
    BoardView::InitBoardGeometry(view, width, height);
    return view;
}

TEST(BoardGeometry, cubesTouchFromTheTopLeftCorner)
{
    const BoardViewState view = Geometry(96.6, 97.4); // rounded to whole units
    EXPECT_EQ(view.CubeWidth, 97);
    EXPECT_EQ(view.CubeHeight, 97);
    EXPECT_EQ(view.CubeLeft[0], 0);
    EXPECT_EQ(view.CubeTop[0], 0);
    EXPECT_EQ(view.CubeLeft[6], 194); // row 1, column 2
    EXPECT_EQ(view.CubeTop[6], 97);
    EXPECT_EQ(view.CubeLeft[15], 291);
    EXPECT_EQ(view.CubeTop[15], 291);
    const BoardViewState wide = Geometry(120, 80);
    EXPECT_EQ(wide.CubeLeft[7], 360);
    EXPECT_EQ(wide.CubeTop[7], 80);
}

TEST(BoardGeometry, hitTestAtTheEdges)
{
    const BoardViewState view = Geometry();
    EXPECT_EQ(CubeAtPoint(view, 0, 0), 0);
    EXPECT_EQ(CubeAtPoint(view, 96, 0), 0) << "last unit of the first cube";
    EXPECT_EQ(CubeAtPoint(view, 96.9, 96.9), 0) << "positions are cut to whole units";
    EXPECT_EQ(CubeAtPoint(view, 97, 0), 1);
    EXPECT_EQ(CubeAtPoint(view, 0, 97), 4);
    EXPECT_EQ(CubeAtPoint(view, 97 * 3, 97 * 3), 15);
    EXPECT_EQ(CubeAtPoint(view, 387.5, 387.5), 15);
    EXPECT_EQ(CubeAtPoint(view, 200, 120), 6);
}

TEST(BoardGeometry, pressesOutsideTheCubesHitNothing)
{
    const BoardViewState view = Geometry();
    EXPECT_EQ(CubeAtPoint(view, 388, 0), -1) << "right of the fourth column";
    EXPECT_EQ(CubeAtPoint(view, 0, 388), -1) << "below the fourth row";
    EXPECT_EQ(CubeAtPoint(view, 500, 50), -1) << "would wrap into the next row";
    EXPECT_EQ(CubeAtPoint(view, -0.5, 10), -1);
    EXPECT_EQ(CubeAtPoint(view, 10, -1), -1);
    EXPECT_EQ(CubeAtPoint(view, std::numeric_limits<double>::quiet_NaN(), 0), -1);
    EXPECT_EQ(CubeAtPoint(view, 1e300, 0), -1);
    EXPECT_EQ(CubeAtPoint(BoardViewState{}, 0, 0), -1) << "no geometry yet";
}

} // namespace
