// The drawn board: cubes painted OR-then-AND over the tray, centred faces. Runs at the
// screen's pixel density; ctest runs it at 100% and at 200%.
#include "TestApp.h"

#include "windows/board/BoardDrawing.h"
#include "windows/board/CubeArt.h"
#include "windows/board/CubeFrame.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Board : ::testing::Test {
    void SetUp() override
    {
        t.startUp();
        t.placeBoard(BoardFromText("CATS/ODGE/BQIT/LXYZ"));
    }
    CubeFrame& frame() { return *t.window->cubeFrame; }
    // Device pixel of a point given in units of a picture, placed at cube i.
    QPoint at(int i, double x, double y)
    {
        const double r = frame().canvasRatio();
        return QPoint(int(std::lround((97 * (i % 4) + x) * r)), int(std::lround((97 * (i / 4) + y) * r)));
    }
    // The box round the pixels of cube i inside its outline that differ from `picture`.
    QRect ink(int i, const QImage& picture)
    {
        QRect box;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (frame().OuterMask().pixel(x, y) == QColor(Qt::white).rgb() &&
                    frame().canvas().pixel(at(i, 0, 0) + QPoint(x, y)) != picture.pixel(x, y))
                    box |= QRect(at(i, 0, 0) + QPoint(x, y), QSize(1, 1));
        return box;
    }
    TestApp t{{"cat", "cod"}};
};

TEST_F(Board, cubesArePaintedOrThenAndOverTheTrayAtTheScreensDensity)
{
    EXPECT_DOUBLE_EQ(frame().canvasRatio(), frame().devicePixelRatioF());
    EXPECT_EQ(frame().canvas().width(), std::lround(388 * frame().canvasRatio()));
    const QImage tray = CubeArt::BoardBackground(frame().canvas().size(), 97 * frame().canvasRatio());
    const QImage& canvas = frame().canvas();
    const QPoint body = at(0, 11, 48), corner = at(0, 20, 20); // in the picture itself
    for (bool selected : {false, true, false}) {
        if (selected)
            BoardView::DrawSelectedCube(t.app, 5);
        else
            BoardView::DrawCube(t.app, 5);
        const QImage& picture = selected ? frame().SelectedPicture() : frame().NormalPicture();
        // Outside the outline the tray shows through; inside, away from the face, the picture.
        for (const QPoint& p : {at(5, 1, 1), at(5, 95, 2), at(5, 2, 48), at(5, 96, 96)})
            EXPECT_EQ(canvas.pixel(p), tray.pixel(p)) << p.x() << "," << p.y();
        EXPECT_EQ(canvas.pixel(at(5, 11, 48)), picture.pixel(body)) << selected;
        EXPECT_EQ(canvas.pixel(at(5, 20, 20)), picture.pixel(corner)) << selected;
        EXPECT_NE(picture.pixel(body), tray.pixel(at(5, 11, 48)));
    }
    EXPECT_NE(frame().SelectedPicture().pixel(body), frame().NormalPicture().pixel(body))
        << "a selected cube must look different";
}

TEST_F(Board, facesAreCentredAndBlankCubesHaveNone)
{
    const QImage& picture = frame().NormalPicture();
    for (int i : {4 /* O */, 9 /* Qu */, 13 /* X */}) {
        const QRect box = ink(i, picture);
        EXPECT_NEAR(box.center().x(), at(i, 48.5, 0).x(), 3 * frame().canvasRatio()) << i;
        EXPECT_GT(box.height(), 25 * frame().canvasRatio()) << "48 point letters are large";
    }
    EXPECT_GT(ink(9, picture).width(), ink(4, picture).width()) << "Qu is two letters wide";
    t.app.board.BoardFaces[4] = "";
    BoardView::DrawCube(t.app, 4);
    EXPECT_TRUE(ink(4, picture).isEmpty());
}

} // namespace
