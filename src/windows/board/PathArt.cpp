// SPDX-License-Identifier: GPL-3.0-or-later
#include "PathArt.h"

#include "core/board/BoardView.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <utility>

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

    // Step numbers in a badge in a corner of each cube, clear of the letter: the first of
    // top left, top right, bottom right and bottom left that no diagonal stroke runs into.
    const auto cornerFree = [&](int i, int dr, int dc) {
        const int r = i / 4 + dr, c = i % 4 + dc, diagonal = r * 4 + c;
        if (r < 0 || r > 3 || c < 0 || c > 3)
            return true;
        for (std::size_t k = 1; k < path.size(); ++k)
            if ((path[k - 1] == i && path[k] == diagonal) ||
                (path[k - 1] == diagonal && path[k] == i))
                return false;
        return true;
    };
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
        const double h = metrics.height() * 1.05;
        const QSizeF size(std::max(h, metrics.horizontalAdvance(steps) + h * 0.5), h);
        int dr = -1, dc = -1;
        for (const auto& [r, c] :
             {std::pair(-1, -1), std::pair(-1, 1), std::pair(1, 1), std::pair(1, -1)})
            if (cornerFree(i, r, c)) {
                dr = r, dc = c;
                break;
            }
        const double left = board.left() + board.width() / 4 * (i % 4),
                     top = board.top() + board.height() / 4 * (i / 4);
        const QPointF corner(dc < 0 ? left + cube * 0.1 : left + cube * 0.9 - size.width(),
                             dr < 0 ? top + cube * 0.1 : top + cube * 0.9 - size.height());
        const QRectF badge(corner, size);
        p.setBrush(QColor(kInk.red(), kInk.green(), kInk.blue()));
        p.drawRoundedRect(badge, h / 2, h / 2);
        p.setPen(kLabel);
        p.drawText(badge, Qt::AlignCenter, steps);
        p.setPen(Qt::NoPen);
    }
    p.restore();
}

} // namespace PathArt
