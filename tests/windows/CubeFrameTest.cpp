// The drawn board: OR-then-AND painting over the tray, centred faces. Runs at the
// screen's pixel density; ctest runs it at 100% and at 200%.
#include "TestApp.h"

#include "windows/board/BoardDrawing.h"
#include "windows/board/CubeArt.h"
#include "windows/board/CubeFrame.h"


#include <gtest/gtest.h>

#include <cmath>

namespace {

const std::vector<std::string> kWords = {"cat", "cod"};

struct Board : ::testing::Test {
    void SetUp() override
    {
        t.startUp();
        t.placeBoard(BoardFromText("CATS/ODGE/BQIT/LXYZ"));
    }
    CubeFrame& frame() { return *t.window->cubeFrame; }
    double ratio() { return frame().canvasRatio(); }
    // Device-pixel position of a point given in units of cube i.
    QPoint at(int i, double x, double y)
    {
        return QPoint(static_cast<int>(std::lround((97 * (i % 4) + x) * ratio())),
                      static_cast<int>(std::lround((97 * (i / 4) + y) * ratio())));
    }
    QPoint inPicture(double x, double y)
    {
        return QPoint(static_cast<int>(std::lround(x * ratio())),
                      static_cast<int>(std::lround(y * ratio())));
    }
    // The box round the pixels of cube i that differ from its bare picture: the face.
    QRect ink(int i, const QImage& picture)
    {
        QRect box;
        const QPoint origin = at(i, 0, 0);
        const QImage& mask = frame().OuterMask();
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (frame().canvas().pixel(origin + QPoint(x, y)) != picture.pixel(x, y) &&
                    mask.pixel(x, y) == QColor(Qt::white).rgb())
                    box |= QRect(origin + QPoint(x, y), QSize(1, 1));
        return box;
    }
    // Cube i drawn in `look`, as the main window paints what the core wants.
    void show(int i, BoardView::CubeLook look)
    {
        t.app.view.WantedLooks[static_cast<std::size_t>(i)] = look;
        BoardView::PaintChangedCubes(t.app);
    }
    TestApp t{kWords};
};

TEST_F(Board, canvasMatchesTheScreensPixelDensity)
{
    EXPECT_DOUBLE_EQ(ratio(), frame().devicePixelRatioF());
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_DOUBLE_EQ(ratio(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    EXPECT_EQ(frame().canvas().width(), std::lround(388 * ratio()));
    EXPECT_EQ(frame().NormalPicture().size(), frame().OuterMask().size());
    EXPECT_EQ(frame().SelectedPicture().size(), frame().OuterMask().size());
    EXPECT_DOUBLE_EQ(frame().pictureSize().width(), 97.0);
    EXPECT_EQ(t.app.view.CubeWidth, 97);
    EXPECT_EQ(t.app.view.CubeHeight, 97);
}

TEST_F(Board, cubesArePaintedOrThenAndOverTheTray)
{
    const QImage tray = CubeArt::BoardBackground(frame().canvas().size(), 97 * ratio());
    const QImage& canvas = frame().canvas();
    const int D = 5;
    // Outside the cube's outline the tray shows through unchanged.
    for (const QPoint& p : {at(D, 1, 1), at(D, 95, 2), at(D, 2, 48), at(D, 96, 96)})
        EXPECT_EQ(canvas.pixel(p), tray.pixel(p)) << p.x() << "," << p.y();
    // Inside it, away from the face, the cube picture replaces the tray.
    const QPoint body = inPicture(11, 48), corner = inPicture(20, 20);
    EXPECT_EQ(canvas.pixel(at(D, 11, 48)), frame().NormalPicture().pixel(body));
    EXPECT_EQ(canvas.pixel(at(D, 20, 20)), frame().NormalPicture().pixel(corner));
    EXPECT_NE(frame().NormalPicture().pixel(body), tray.pixel(at(D, 11, 48)));

    show(D, BoardView::Selected);
    EXPECT_EQ(canvas.pixel(at(D, 11, 48)), frame().SelectedPicture().pixel(body));
    EXPECT_NE(frame().SelectedPicture().pixel(body), frame().NormalPicture().pixel(body))
        << "a selected cube must look different";
    EXPECT_EQ(canvas.pixel(at(D, 1, 1)), tray.pixel(at(D, 1, 1)));
    show(D, BoardView::Unselected);
    EXPECT_EQ(canvas.pixel(at(D, 11, 48)), frame().NormalPicture().pixel(body))
        << "and back: nothing of the selected look stays behind";
}

TEST_F(Board, facesAreCentredAndBlankCubesHaveNone)
{
    for (int i : {4 /* O */, 9 /* Qu */, 13 /* X */}) {
        const QRect box = ink(i, frame().NormalPicture());
        ASSERT_FALSE(box.isEmpty()) << i;
        const double centre = (97 * (i % 4) + 48.5) * ratio();
        EXPECT_NEAR(box.center().x(), centre, 3 * ratio()) << i;
        EXPECT_GT(box.height(), 25 * ratio()) << "48 point letters are large";
    }
    EXPECT_GT(ink(9, frame().NormalPicture()).width(), ink(4, frame().NormalPicture()).width())
        << "Qu is two letters wide";

    t.app.board.BoardFaces[4] = "";
    BoardView::PaintChangedCubes(t.app);
    EXPECT_TRUE(ink(4, frame().NormalPicture()).isEmpty());
}

} // namespace
