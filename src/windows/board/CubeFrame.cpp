// SPDX-License-Identifier: GPL-3.0-or-later
#include "CubeFrame.h"

#include "windows/board/CubeArt.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

CubeFrame::CubeFrame(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CubeFrame"));
    // A bold sans face reads at a glance from across the table.
    QFont face(QStringLiteral("Sans Serif"), 38);
    face.setStyleHint(QFont::SansSerif);
    face.setWeight(QFont::Bold);
    setFont(face);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCubeSize(CubeArt::kCubeSize);
}

void CubeFrame::setCubeSize(int units)
{
    units = std::max(1, units);
    if (units == m_cube)
        return;
    m_cube = units;
    // Four cubes square; it gives way to a smaller window down to the smallest cubes, and
    // the window then chooses smaller ones.
    setMinimumSize(4 * CubeArt::kCubeSize, 4 * CubeArt::kCubeSize);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    resize(units * 4, units * 4);
    updateGeometry();
    m_drawn = {}; // their places belong to the old size
    makeCanvas(devicePixelRatioF());
    update();
}

QSizeF CubeFrame::pictureSize() const
{
    // In window units, whatever the pixel density (146 pixels at 150% are still 97 units).
    return QSizeF(m_cube, m_cube);
}

void CubeFrame::makeCanvas(double ratio)
{
    m_ratio = ratio > 0 ? ratio : 1.0;
    const int pixels = static_cast<int>(std::lround(m_cube * m_ratio));
    m_normal = CubeArt::CubePicture(pixels, false);
    m_selected = CubeArt::CubePicture(pixels, true);
    m_mask = CubeArt::OuterMask(pixels);
    const int side = static_cast<int>(std::lround(4 * m_cube * m_ratio));
    const QSize size(side, side);
    m_canvas = CubeArt::BoardBackground(size, m_cube * m_ratio);
}

void CubeFrame::paintCube(int i, int left, int top, const QString& face, bool selected)
{
    if (i < 0 || i > 15)
        return;
    m_drawn[static_cast<std::size_t>(i)] = Drawn{true, left, top, face, selected};
    render(m_drawn[static_cast<std::size_t>(i)]);
    update(QRect(left, top, m_cube, m_cube));
}

void CubeFrame::render(const Drawn& cube)
{
    // The canvas is in device pixels, so the pictures go on one to one.
    const QPoint at(static_cast<int>(std::lround(cube.left * m_ratio)),
                    static_cast<int>(std::lround(cube.top * m_ratio)));
    QPainter p(&m_canvas);
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(at, m_mask);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(at, cube.selected ? m_selected : m_normal);
    if (cube.face.isEmpty())
        return;

    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont text = font();
    // Points as the frame sees them, times the pixel density, grown with the cube.
    text.setPixelSize(static_cast<int>(std::lround(font().pointSizeF() * logicalDpiY() / 72.0 *
                                                   m_ratio * m_cube / CubeArt::kCubeSize)));
    {
        // "Qu" and other long faces are made as narrow as a wide single letter, so they
        // keep the same margin inside the cube's face.
        const QFontMetricsF full(text, &m_canvas);
        const double widest = full.tightBoundingRect(QStringLiteral("M")).width();
        const double wanted = full.tightBoundingRect(cube.face).width();
        if (wanted > widest)
            text.setPixelSize(std::max(1, static_cast<int>(text.pixelSize() * widest / wanted)));
    }
    p.setFont(text);
    const QFontMetricsF metrics(text, &m_canvas);
    const QSizeF box(metrics.horizontalAdvance(cube.face), metrics.height());
    const QPointF topLeft(at.x() + (m_normal.width() - box.width()) / 2,
                          at.y() + (m_normal.height() - box.height()) / 2);
    const QPointF baseline(topLeft.x(), topLeft.y() + metrics.ascent());
    // Engraved: a light edge under the ink.
    p.setPen(cube.selected ? QColor(255, 246, 214, 170) : QColor(255, 255, 255, 190));
    p.drawText(baseline + QPointF(0, m_ratio), cube.face);
    p.setPen(cube.selected ? QColor(92, 44, 0) : QColor(30, 40, 66));
    p.drawText(baseline, cube.face);
}

void CubeFrame::paintEvent(QPaintEvent*)
{
    if (!qFuzzyCompare(devicePixelRatioF(), m_ratio)) {
        // Moved to a screen of another pixel density: paint the board again for it.
        makeCanvas(devicePixelRatioF());
        for (const Drawn& cube : m_drawn)
            if (cube.drawn)
                render(cube);
    }
    QPainter p(this);
    p.drawImage(QRectF(rect()), m_canvas);
}

void CubeFrame::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressInside = true;
    emit pressed(event->position());
}

void CubeFrame::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressInside)
        return;
    m_pressInside = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void CubeFrame::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The first click of a double click has already come as a click.
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
