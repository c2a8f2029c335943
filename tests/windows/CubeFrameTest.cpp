// The drawn board: cubes painted OR-then-AND over the tray. Runs at the
// screen's pixel density; ctest runs it at 100% and at 200%.
#include "TestApp.h"

#include "windows/board/BoardDrawing.h"
#include "windows/board/CubeArt.h"
#include "windows/board/CubeFrame.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Board, cubesArePaintedOrThenAndOverTheTray)
{
    TestApp t({"cat"});
    t.startUp();
    t.placeBoard(BoardFromText("CATS/ODGE/BQIT/LXYZ"));
    CubeFrame& frame = *t.window->cubeFrame;
    const double r = frame.canvasRatio();
    // Device pixel of a point given in a picture's units, placed at cube i.
    const auto at = [r](int i, double x, double y) {
        return QPoint(int(std::lround((97 * (i % 4) + x) * r)),
                      int(std::lround((97 * (i / 4) + y) * r)));
    };
    const QImage tray = CubeArt::BoardBackground(frame.canvas().size(), 97 * r);
    const QImage &canvas = frame.canvas(), &normal = frame.NormalPicture();
    // Cube i drawn in `look`, as the main window paints what the core wants.
    const auto show = [&](int i, BoardView::CubeLook look) {
        t.app.view.WantedLooks[static_cast<std::size_t>(i)] = look;
        BoardView::PaintChangedCubes(t.app);
    };
    for (const QImage* picture : {&normal, &frame.SelectedPicture(), &normal}) {
        show(5, picture == &normal ? BoardView::Unselected : BoardView::Selected);
        // Outside the outline the tray shows through; inside, away from the face, the picture.
        for (const QPoint& p : {at(5, 1, 1), at(5, 95, 2), at(5, 2, 48), at(5, 96, 96)})
            EXPECT_EQ(canvas.pixel(p), tray.pixel(p)) << p.x() << "," << p.y();
        for (const QPoint& p : {at(0, 11, 48), at(0, 20, 20)})
            EXPECT_EQ(canvas.pixel(at(5, 0, 0) + p), picture->pixel(p));
        EXPECT_NE(picture->pixel(at(0, 11, 48)), tray.pixel(at(5, 11, 48)));
    }

}

} // namespace
