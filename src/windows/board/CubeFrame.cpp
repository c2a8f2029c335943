// SPDX-License-Identifier: GPL-3.0-or-later
#include "CubeFrame.h"

#include "windows/board/CubeArt.h"
#include "windows/board/PathArt.h"

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
    QSizePolicy policy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    // A hidden board (paused, or behind a "Hit OK" box) keeps its place.
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    resize(units * 4, units * 4);
    updateGeometry();
    makeCanvas(devicePixelRatioF());
    for (int i = 0; i < 16; ++i)
        if (m_drawn[static_cast<std::size_t>(i)].drawn)
            render(i);
    update();
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

int CubeFrame::show(const std::array<std::string, 16>& faces,
                    const std::array<BoardView::CubeLook, 16>& looks)
{
    int painted = 0;
    for (std::size_t i = 0; i < 16; ++i) {
        const Drawn wanted{true, faces[i], looks[i] == BoardView::Selected};
        Drawn& drawn = m_drawn[i];
        if (drawn.drawn && drawn.face == wanted.face && drawn.selected == wanted.selected)
            continue;
        drawn = wanted;
        render(static_cast<int>(i));
        ++painted;
    }
    if (painted > 0)
        update();
    return painted;
}

void CubeFrame::showPath(const std::vector<int>& path, const std::array<bool, 16>& dimmed)
{
    if (path == m_path && dimmed == m_dimmed)
        return;
    m_path = path;
    m_dimmed = dimmed;
    update();
}

int CubeFrame::cubeNear(QPointF position) const
{
    const int cube = cubeAt(position);
    if (cube < 0)
        return -1;
    const QPointF middle(m_cube * (cube % 4 + 0.5), m_cube * (cube / 4 + 0.5));
    const QPointF off = position - middle;
    // A circle a little smaller than the cube's face.
    return off.x() * off.x() + off.y() * off.y() <= 0.16 * m_cube * m_cube ? cube : -1;
}

int CubeFrame::cubeAt(QPointF position) const
{
    if (!std::isfinite(position.x()) || !std::isfinite(position.y()))
        return -1;
    // Whole units: a position on a cube's last fraction of a unit is still that cube.
    const double column = std::floor(std::floor(position.x()) / m_cube);
    const double row = std::floor(std::floor(position.y()) / m_cube);
    if (row < 0 || row > 3 || column < 0 || column > 3)
        return -1;
    return static_cast<int>(row) * 4 + static_cast<int>(column);
}

void CubeFrame::render(int i)
{
    const Drawn& cube = m_drawn[static_cast<std::size_t>(i)];
    const QString face = QString::fromStdString(cube.face);
    // The canvas is in device pixels, so the pictures go on one to one; the cubes touch,
    // row by row, from the board's top-left corner.
    const QPoint at(static_cast<int>(std::lround(m_cube * (i % 4) * m_ratio)),
                    static_cast<int>(std::lround(m_cube * (i / 4) * m_ratio)));
    QPainter p(&m_canvas);
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(at, m_mask);
    p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(at, cube.selected ? m_selected : m_normal);
    if (face.isEmpty())
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
        const double wanted = full.tightBoundingRect(face).width();
        if (wanted > widest)
            text.setPixelSize(std::max(1, static_cast<int>(text.pixelSize() * widest / wanted)));
    }
    p.setFont(text);
    const QFontMetricsF metrics(text, &m_canvas);
    const QSizeF box(metrics.horizontalAdvance(face), metrics.height());
    const QPointF topLeft(at.x() + (m_normal.width() - box.width()) / 2,
                          at.y() + (m_normal.height() - box.height()) / 2);
    const QPointF baseline(topLeft.x(), topLeft.y() + metrics.ascent());
    // Engraved: a light edge under the ink.
    p.setPen(cube.selected ? QColor(255, 246, 214, 170) : QColor(255, 255, 255, 190));
    p.drawText(baseline + QPointF(0, m_ratio), face);
    p.setPen(cube.selected ? QColor(92, 44, 0) : QColor(30, 40, 66));
    p.drawText(baseline, face);
}

void CubeFrame::paintEvent(QPaintEvent*)
{
    if (!qFuzzyCompare(devicePixelRatioF(), m_ratio)) {
        // Moved to a screen of another pixel density: paint the board again for it.
        makeCanvas(devicePixelRatioF());
        for (int i = 0; i < 16; ++i)
            if (m_drawn[static_cast<std::size_t>(i)].drawn)
                render(i);
    }
    QPainter p(this);
    p.drawImage(QRectF(rect()), m_canvas);

    // The dead cubes sink into the felt: their faces and letters show through, faintly;
    // the word's own cubes less, so that its path still reads in gold.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const double inset = m_cube * 7.0 / CubeArt::kCubeSize;
    for (int i = 0; i < 16; ++i)
        if (m_dimmed[static_cast<std::size_t>(i)]) {
            const bool onPath = std::find(m_path.begin(), m_path.end(), i) != m_path.end();
            p.setBrush(QColor(24, 62, 47, onPath ? 70 : 165));
            p.drawRoundedRect(QRectF(m_cube * (i % 4) + inset, m_cube * (i / 4) + inset,
                                     m_cube - 2 * inset, m_cube - 2 * inset),
                              m_cube * 0.14, m_cube * 0.14);
        }
    PathArt::DrawPath(p, m_path, QRectF(0, 0, 4.0 * m_cube, 4.0 * m_cube));
}

void CubeFrame::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressInside = true;
    m_dragging = false;
    m_pressCube = m_dragCube = cubeAt(event->position());
    emit pressed(event->position());
}

void CubeFrame::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_pressInside || !(event->buttons() & Qt::LeftButton))
        return;
    const int cube = cubeNear(event->position());
    if (cube < 0 || cube == m_dragCube)
        return;
    if (!m_dragging) {
        m_dragging = true;
        if (m_pressCube >= 0)
            emit draggedTo(m_pressCube);
    }
    m_dragCube = cube;
    emit draggedTo(cube);
}

void CubeFrame::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressInside)
        return;
    m_pressInside = false;
    if (m_dragging) {
        m_dragging = false;
        emit dragReleased(cubeAt(event->position()));
    } else if (rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void CubeFrame::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The first click of a double click has already come as a click.
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
