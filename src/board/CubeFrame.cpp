#include "CubeFrame.h"

#include <QFont>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

CubeFrame::CubeFrame(QWidget* parent)
    : QWidget(parent), m_canvas(m_cubeWidth * 4, m_cubeHeight * 4, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("CubeFrame"));
    setFixedSize(m_canvas.size());
    m_canvas.fill(QColor(60, 70, 90));
    QFont face(QStringLiteral("Courier New"), 48);
    face.setStyleHint(QFont::TypeWriter);
    setFont(face);
}

void CubeFrame::paintCube(int i, const QString& face, bool selected)
{
    if (i < 0 || i > 15)
        return;
    ++m_paintCount;
    const QRect cell((i % 4) * m_cubeWidth, (i / 4) * m_cubeHeight, m_cubeWidth, m_cubeHeight);
    QPainter p(&m_canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(cell, QColor(60, 70, 90));
    QPainterPath outline;
    outline.addRoundedRect(QRectF(cell).adjusted(4, 4, -4, -4), 14, 14);
    QLinearGradient shade(cell.topLeft(), cell.bottomRight());
    shade.setColorAt(0, selected ? QColor(255, 236, 150) : QColor(250, 248, 240));
    shade.setColorAt(1, selected ? QColor(235, 170, 40) : QColor(200, 195, 180));
    p.fillPath(outline, shade);
    if (!face.isEmpty()) {
        p.setFont(font());
        p.setPen(QColor(30, 30, 40));
        p.drawText(cell, Qt::AlignCenter, face);
    }
    p.end();
    update(cell);
}

void CubeFrame::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.drawImage(event->rect(), m_canvas, event->rect());
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
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
