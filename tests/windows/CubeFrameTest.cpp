// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn board: cubes painted OR-then-AND over the tray, Qu as narrow as a wide letter.
// Runs at the screen's pixel density; ctest runs it at 100% and at 200%.
#include "TestApp.h"

#include "windows/board/CubeArt.h"
#include "windows/board/CubeFrame.h"

#include <QtWidgets>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Board, cubesArePaintedOverTheTrayWithQuNoWiderThanAWideLetter)
{
    TestApp t({"cat"});
    t.startUp();
    t.placeBoard(BoardFromText("CATS/ODGE/BQIT/LXYM"));
    CubeFrame& frame = *t.control<CubeFrame>("CubeFrame");
    const double r = frame.canvasRatio();
    // Device pixel of a point given in a picture's units, placed at cube i.
    const auto at = [r](int i, double x, double y) {
        return QPoint(int(std::lround((97 * (i % 4) + x) * r)),
                      int(std::lround((97 * (i / 4) + y) * r)));
    };
    const QImage tray = CubeArt::BoardBackground(frame.canvas().size(), 97 * r);
    const QImage &canvas = frame.canvas(), &normal = frame.NormalPicture();
    for (const QImage* picture : {&normal, &frame.SelectedPicture(), &normal}) {
        // Cube 5 drawn in that look, as the main window paints what the core wants.
        t.program.view.WantedLooks[5] =
            picture == &normal ? BoardView::Unselected : BoardView::Selected;
        t.window->sync();
        // Outside the outline the tray shows through; inside, away from the face, the picture.
        for (const QPoint& p : {at(5, 1, 1), at(5, 95, 2), at(5, 2, 48), at(5, 96, 96)})
            EXPECT_EQ(canvas.pixel(p), tray.pixel(p)) << p.x() << "," << p.y();
        for (const QPoint& p : {at(0, 11, 48), at(0, 20, 20)})
            EXPECT_EQ(canvas.pixel(at(5, 0, 0) + p), picture->pixel(p));
        EXPECT_NE(picture->pixel(at(0, 11, 48)), tray.pixel(at(5, 11, 48)));
    }

    // "Qu" keeps inside the cube's face with no less margin than a wide single letter. The
    // first and last column of cube i's face (in units from the cube's left) with ink:
    const auto ink = [&](int i) {
        int first = 97, last = -1;
        for (int x = int(15 * r); x < int(82 * r); ++x)
            for (int y = int(14 * r); y < int(81 * r); ++y)
                if (canvas.pixel(at(i, 0, 0) + QPoint(x, y)) != normal.pixel(x, y)) {
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

// The cubes grow with the window and are painted at their new size; clicks still find
// them, the board on the left-handed side too.
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
    // How much larger, the cube's size then, and whether the list is under the board.
    for (const auto& [grow, cube, under] : {std::tuple(QSize(400, 0), 97, false),
             {QSize(0, 400), 116, true}, {QSize(400, 400), 197, false}, {QSize(0, 0), 97, false}}) {
        w.resize(smallest + grow);
        QCoreApplication::processEvents();
        CubeFrame& frame = *cubeFrame;
        EXPECT_EQ(frame.size(), QSize(4 * cube, 4 * cube)) << grow.width();
        EXPECT_EQ(frame.canvas().size(), frame.size() * frame.canvasRatio());
        EXPECT_EQ(wordList->y() > frame.geometry().bottom(), under) << grow.height();
        if (!under) {
            EXPECT_EQ(wordList->width(), listWidth + grow.width() - 4 * (cube - 97));
        }
        // A tall window once left half of its height empty between the board and its box.
        EXPECT_LT(t.control<QLineEdit>("NewWord")->y() - frame.geometry().bottom(),
                  w.centralWidget()->height() / 4);
    }
    EXPECT_EQ(w.minimumSizeHint().expandedTo(w.minimumSize()), smallest);

    w.resize(smallest + QSize(400, 400));
    QCoreApplication::processEvents();
    // Left-handed, the board moves from the right of the list to its left.
    EXPECT_GT(cubeFrame->x(), wordList->x());
    t.program.options.LeftHandedDisplay = true;
    w.sync();
    EXPECT_LT(cubeFrame->x(), wordList->x());
    QTest::mouseClick(cubeFrame, Qt::LeftButton, {}, QPoint(197 * 2 + 98, 197 + 98));
    EXPECT_EQ(t.program.view.WantedLooks[6], BoardView::Selected);
    EXPECT_EQ(t.control<QLineEdit>("NewWord")->text(), "g");
}

// A drag across cubes reports each cube it reaches once, the pressed cube first, as the
// clicks it stands for; only a cube's middle counts, so a diagonal takes no corner of the
// cubes beside it. Without a drag a press and release is a click ("c").
TEST(Board, dragsReportTheCubesTheyReach)
{
    const auto middle = [](int i) { return QPointF(97 * (i % 4) + 48.5, 97 * (i / 4) + 48.5); };
    const struct {
        std::vector<QPointF> points; // press, moves, release
        const char* reported;
    } cases[] = {
        {{middle(0), middle(0) + QPointF(20, 10), middle(0)}, "c"},
        {{middle(0), middle(1), middle(2), middle(2)}, "d0 d1 d2 r2"},
        {{middle(0), {80, 80}, {96, 98}, {100, 95}, middle(5), middle(5)}, "d0 d5 r5"},
        {{middle(0), middle(1), middle(1) + QPointF(5, 5), middle(0), middle(0)}, "d0 d1 d0 r0"},
        {{middle(0), middle(4), {500, 100}}, "d0 d4 r-1"},
        {{{400, 10}, middle(3), middle(7), middle(7)}, "d3 d7 r7"}, // pressed beside the cubes
        {{middle(1), {97, 150}, middle(1) + QPointF(0, 40)}, "c"}, // on edges, no middle
    };
    CubeFrame frame;
    frame.resize(frame.sizeHint());
    QStringList reported;
    QObject::connect(&frame, &CubeFrame::clicked, [&] { reported << "c"; });
    QObject::connect(&frame, &CubeFrame::draggedTo, [&](int i) { reported << QString("d%1").arg(i); });
    QObject::connect(&frame, &CubeFrame::dragReleased, [&](int i) { reported << QString("r%1").arg(i); });
    for (const auto& c : cases) {
        reported.clear();
        QTest::mousePress(&frame, Qt::LeftButton, {}, c.points.front().toPoint());
        for (std::size_t k = 1; k + 1 < c.points.size(); ++k) {
            QMouseEvent move(QEvent::MouseMove, c.points[k], frame.mapToGlobal(c.points[k]),
                             Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(&frame, &move);
        }
        QTest::mouseRelease(&frame, Qt::LeftButton, {}, c.points.back().toPoint());
        EXPECT_EQ(reported.join(' ').toStdString(), c.reported);
    }
}

} // namespace
