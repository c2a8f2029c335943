// The board: 4 by 4 cubes painted into an image of their own.
#pragma once

#include <QImage>
#include <QWidget>

class CubeFrame : public QWidget {
    Q_OBJECT
public:
    explicit CubeFrame(QWidget* parent = nullptr);

    int cubeWidth() const { return m_cubeWidth; }
    int cubeHeight() const { return m_cubeHeight; }
    // Paints cube i (0-15) with its face text, selected or not.
    void paintCube(int i, const QString& face, bool selected);
    // How many times a cube has been painted (a repaint is not free).
    int paintCount() const { return m_paintCount; }

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
    int m_cubeWidth = 97;
    int m_cubeHeight = 97;
    QImage m_canvas;
    int m_paintCount = 0;
    bool m_pressInside = false;
};
