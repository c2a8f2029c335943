// SPDX-License-Identifier: GPL-3.0-or-later
// The board: 4 by 4 cubes painted into an image of the frame's own, OR then AND over a
// tray, each with its face text in the middle, a long one ("Qu") no wider than a wide
// letter. The frame reports presses, clicks and double clicks; what they mean is decided
// elsewhere.
#pragma once

#include <QImage>
#include <QWidget>

#include <array>

class CubeFrame : public QWidget {
    Q_OBJECT
public:
    explicit CubeFrame(QWidget* parent = nullptr);

    // The three cube pictures, all the same size, at the canvas's pixel density.
    const QImage& NormalPicture() const { return m_normal; }
    const QImage& SelectedPicture() const { return m_selected; }
    const QImage& OuterMask() const { return m_mask; }
    // The pictures' size in window units.
    QSizeF pictureSize() const;
    // Makes every cube `units` window units square and the frame four cubes wide; the
    // board is then blank until its cubes are painted again at their new places.
    void setCubeSize(int units);
    int cubeSize() const { return m_cube; }
    QSize sizeHint() const override { return {4 * m_cube, 4 * m_cube}; }

    // Paints a cube at (left, top) in window units: the mask ORed onto the board, then
    // the cube picture ANDed, then `face` centred on it.
    void paintCube(int i, int left, int top, const QString& face, bool selected);
    // The canvas in device pixels (what the player sees, before it reaches the screen).
    const QImage& canvas() const { return m_canvas; }
    double canvasRatio() const { return m_ratio; }

signals:
    void pressed(QPointF position);
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    struct Drawn {
        bool drawn = false;
        int left = 0;
        int top = 0;
        QString face;
        bool selected = false;
    };
    void makeCanvas(double ratio);
    void render(const Drawn& cube);

    double m_ratio = 1.0;
    int m_cube = 0; // window units
    QImage m_normal;
    QImage m_selected;
    QImage m_mask;
    QImage m_canvas;
    std::array<Drawn, 16> m_drawn{}; // to paint the board again at another pixel density
    bool m_pressInside = false;
};
