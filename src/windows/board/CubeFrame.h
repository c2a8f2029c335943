// SPDX-License-Identifier: GPL-3.0-or-later
// The board: 4 by 4 cubes painted into an image of the frame's own, OR then AND over a
// tray, each with its face text in the middle, a long one ("Qu") no wider than a wide
// letter. The frame keeps where the cubes lie and what it drew; it reports presses (with
// the cube hit), clicks, double clicks and drags across cubes, whose meaning is decided
// elsewhere. Over the cubes it draws the path of the word being built and dims the cubes
// that word cannot take next.
#pragma once

#include "core/board/BoardView.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

class CubeFrame : public QWidget {
    Q_OBJECT
public:
    explicit CubeFrame(QWidget* parent = nullptr);

    // The three cube pictures, all the same size, at the canvas's pixel density.
    const QImage& NormalPicture() const { return m_normal; }
    const QImage& SelectedPicture() const { return m_selected; }
    const QImage& OuterMask() const { return m_mask; }
    // Makes every cube `units` window units square and the frame four cubes wide; the
    // board is then blank until its cubes are painted again at their new places.
    void setCubeSize(int units);
    int cubeSize() const { return m_cube; }
    QSize sizeHint() const override { return {4 * m_cube, 4 * m_cube}; }

    // Paints every cube whose face or look differs from what the frame shows; returns
    // how many it painted. Cube i lies in row i / 4, column i % 4.
    int show(const std::array<std::string, 16>& faces,
             const std::array<BoardView::CubeLook, 16>& looks);
    // The path drawn over the cubes, in order, and the cubes drawn dimmed.
    void showPath(const std::vector<int>& path, const std::array<bool, 16>& dimmed);
    const std::vector<int>& shownPath() const { return m_path; }
    const std::array<bool, 16>& dimmedCubes() const { return m_dimmed; }
    // The cube (0-15) under a position on the frame, or -1 outside the 4 by 4 cubes.
    int cubeAt(QPointF position) const;
    // The cube whose middle part holds a position, or -1: a drag along a diagonal
    // crosses the corners of the cubes beside it without taking them.
    int cubeNear(QPointF position) const;
    // The canvas in device pixels (what the player sees, before it reaches the screen).
    const QImage& canvas() const { return m_canvas; }
    double canvasRatio() const { return m_ratio; }

signals:
    void pressed(QPointF position);
    void clicked();
    void doubleClicked();
    // A drag from the pressed cube reached `cube`; the pressed cube comes first, as the
    // drag leaves it.
    void draggedTo(int cube);
    // The button went up after a drag, over `cube` (-1: none).
    void dragReleased(int cube);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct Drawn {
        bool drawn = false;
        std::string face;
        bool selected = false;
    };
    void makeCanvas(double ratio);
    // The mask ORed onto the board at cube i's place, then the cube picture ANDed, then
    // its face centred on it.
    void render(int i);

    double m_ratio = 1.0;
    int m_cube = 0; // window units
    QImage m_normal;
    QImage m_selected;
    QImage m_mask;
    QImage m_canvas;
    std::array<Drawn, 16> m_drawn{}; // what each cube shows, for another size or density
    bool m_pressInside = false;
    int m_pressCube = -1;
    int m_dragCube = -1; // the cube the drag last reached
    bool m_dragging = false;
    std::vector<int> m_path;
    std::array<bool, 16> m_dimmed{};
};
