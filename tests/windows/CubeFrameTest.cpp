// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn board: cubes painted OR-then-AND over the tray. Runs at the
// screen's pixel density; ctest runs it at 100% and at 200%.
#include "TestApp.h"

#include "windows/board/CubeArt.h"
#include "windows/board/CubeFrame.h"
#include "core/game/Game.h"

#include <QtWidgets>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Board, cubesArePaintedOrThenAndOverTheTray)
{
    TestApp t({"cat"});
    t.startUp();
    t.placeBoard(BoardFromText("CATS/ODGE/BQIT/LXYZ"));
    CubeFrame& frame = *t.control<CubeFrame>("CubeFrame");
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
        t.program.view.WantedLooks[static_cast<std::size_t>(i)] = look;
        t.window->sync();
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

// Only cubes whose face or look changed are painted again; the hit test cuts to whole
// units and finds nothing outside the cubes.
TEST(Board, onlyChangedCubesArePaintedAndTheHitTestFindsTheCubes)
{
    CubeFrame frame;
    Dice::Faces faces;
    faces.fill("a");
    std::array<BoardView::CubeLook, 16> looks{};
    looks.fill(BoardView::Unselected);
    EXPECT_EQ(frame.show(faces, looks), 16);
    EXPECT_EQ(frame.show(faces, looks), 0);
    looks[2] = BoardView::Selected, faces[5] = "Qu";
    EXPECT_EQ(frame.show(faces, looks), 2);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // Each case: x, y and the cube hit (-1 for none).
    const struct { double x, y; int cube; } cases[] = {
        {0, 0, 0}, {96.9, 96.9, 0}, {97, 0, 1}, {0, 97, 4}, {387.5, 387.5, 15}, {200, 120, 6}, {0, 388, -1},
        {500, 50, -1} /* would wrap into the next row */, {-0.5, 10, -1}, {nan, 0, -1}, {1e300, 0, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(frame.cubeAt({c.x, c.y}), c.cube) << c.x << "," << c.y;
}

// "Qu" keeps inside the cube's face with no less margin than a wide single letter.
TEST(Board, quIsNoWiderThanAWideLetter)
{
    TestApp t({"cat"});
    t.startUp();
    t.placeBoard(BoardFromText("CATS/ODGE/BQIT/LXYM"));
    const CubeFrame& frame = *t.control<CubeFrame>("CubeFrame");
    const double r = frame.canvasRatio();
    // The first and last column of cube i's face (in units from the cube's left) with ink.
    const auto ink = [&](int i) {
        int first = 97, last = -1;
        for (int x = int(15 * r); x < int(82 * r); ++x)
            for (int y = int(14 * r); y < int(81 * r); ++y)
                if (frame.canvas().pixel(int(97 * (i % 4) * r) + x, int(97 * (i / 4) * r) + y) !=
                    frame.NormalPicture().pixel(x, y)) {
                    first = std::min(first, int(x / r));
                    last = std::max(last, int(x / r));
                }
        return std::pair(first, last);
    };
    const auto [qLeft, qRight] = ink(9);
    const auto [mLeft, mRight] = ink(15);
    EXPECT_GE(mLeft, 18);
    EXPECT_LE(mRight, 79);
    EXPECT_GE(qLeft, mLeft - 2);
    EXPECT_LE(qRight, mRight + 2);
    EXPECT_GT(qRight - qLeft, 20); // drawn, not shrunk away
}

// The cubes grow with the window and are painted at their new size; clicks still find
// them, on either hand's side.
TEST(Board, cubesGrowWithTheWindowAndClicksStillFindThem)
{
    TestApp t({"cat"});
    t.startUp();
    t.placeBoard(BoardFromText("CATS/ODGE/BQIT/LXYZ"));
    t.app.run([&] { Game::BeginPlay(t.program); });
    MainWindow& w = *t.window;
    auto* wordList = t.control<QTableWidget>("WordList");
    auto* cubeFrame = t.control<CubeFrame>("CubeFrame");
    w.show();
    const QSize smallest = w.size();
    const int listWidth = wordList->width();
    struct Case {
        QSize grow;
        int cube;
    };
    for (const Case& c : {Case{{400, 0}, 97}, Case{{0, 400}, 97}, Case{{400, 400}, 197},
                          Case{{0, 0}, 97}}) {
        w.resize(smallest + c.grow);
        QCoreApplication::processEvents();
        CubeFrame& frame = *cubeFrame;
        EXPECT_EQ(frame.size(), QSize(4 * c.cube, 4 * c.cube)) << c.grow.width();
        EXPECT_EQ(frame.canvas().size(), frame.size() * frame.canvasRatio());
        EXPECT_EQ(wordList->width(), listWidth + c.grow.width() - 4 * (c.cube - 97));
    }
    EXPECT_EQ(w.minimumSizeHint().expandedTo(w.minimumSize()), smallest);

    w.resize(smallest + QSize(400, 400));
    QCoreApplication::processEvents();
    for (const bool left : {false, true}) {
        t.program.options.LeftHandedDisplay = left;
        w.sync();
        const int boardLeft = cubeFrame->x();
        EXPECT_EQ(boardLeft < wordList->x(), left);
        QTest::mouseClick(cubeFrame, Qt::LeftButton, {}, QPoint(197 * 2 + 98, 197 + 98));
        EXPECT_EQ(t.program.view.WantedLooks[6], BoardView::Selected);
        EXPECT_EQ(t.control<QLineEdit>("NewWord")->text(), "g");
        QTest::mouseClick(t.control<QPushButton>("Clear"), Qt::LeftButton);
    }
}

} // namespace
