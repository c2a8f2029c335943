// SPDX-License-Identifier: GPL-3.0-or-later
#include "PathArt.h"

#include "core/board/BoardView.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace PathArt {

namespace {
// A deep red that stands out on ivory, gold, felt and the small boards' orange and green;
// its labels are white, which reads on it in light and dark desktops alike.
const QColor kInk(176, 24, 24, 215);
const QColor kLabel(255, 255, 255);
} // namespace

void DrawPath(QPainter& p, const std::vector<int>& path, const QRectF& board)
{
    if (path.empty() || board.isEmpty())
        return;
    const double cube = std::min(board.width(), board.height()) / 4;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const double width = std::max(1.5, cube * 0.07);
    p.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const BoardView::PathSegment& s : BoardView::PathSegments(path, board)) {
        const QLineF& line = s.line;
        // The head stays inside the stroke's end, so a short step still shows its shaft.
        const double head = std::min(cube * 0.16, line.length() * 0.6);
        const QPointF along = (line.p2() - line.p1()) / line.length();
        const QPointF side(-along.y(), along.x());
        const QPointF base = line.p2() - along * head;
        p.setBrush(Qt::NoBrush);
        p.drawLine(QLineF(line.p1(), base));
        QPainterPath arrow;
        arrow.moveTo(line.p2());
        arrow.lineTo(base + side * head * 0.6);
        arrow.lineTo(base - side * head * 0.6);
        arrow.closeSubpath();
        p.setBrush(kInk);
        p.drawPath(arrow);
    }

    // Step numbers in a badge at each cube's top left corner, clear of the letter.
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(std::max(7, static_cast<int>(std::lround(cube * 0.17))));
    p.setFont(font);
    const QFontMetricsF metrics(font);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        const QString steps = BoardView::StepsOn(path, i);
        if (steps.isEmpty())
            continue;
        const QPointF corner(board.left() + board.width() / 4 * (i % 4) + cube * 0.1,
                             board.top() + board.height() / 4 * (i / 4) + cube * 0.1);
        const double h = metrics.height() * 1.05;
        const QRectF badge(corner,
                           QSizeF(std::max(h, metrics.horizontalAdvance(steps) + h * 0.5), h));
        p.setBrush(QColor(kInk.red(), kInk.green(), kInk.blue()));
        p.drawRoundedRect(badge, h / 2, h / 2);
        p.setPen(kLabel);
        p.drawText(badge, Qt::AlignCenter, steps);
        p.setPen(Qt::NoPen);
    }
    p.restore();
}

} // namespace PathArt
