// SPDX-License-Identifier: GPL-3.0-or-later
#include "SmallBoard.h"

#include "windows/board/PathArt.h"
#include "windows/ui/Colours.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
using Colours::kOffPath;
using Colours::kOnPath;
// Both cube colours are light whatever the desktop's colours, so the letters and the
// lines between cubes are dark on them.
const QColor kLetters = Colours::kCubeLetters;
const QColor kLines(64, 64, 64);
} // namespace

SmallBoard::SmallBoard(QWidget* parent) : QWidget(parent)
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void SmallBoard::setFaces(const std::array<QString, 16>& faces)
{
    if (faces == m_faces)
        return;
    m_faces = faces;
    update();
}

void SmallBoard::setPath(const std::vector<int>& path)
{
    if (path == m_path)
        return;
    m_path = path;
    update();
}

void SmallBoard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // Square, in the middle of what the layout gives.
    const double side = std::floor(std::min(width(), height()) - 1.0);
    if (side < 8)
        return;
    const QRectF board((width() - side) / 2, (height() - side) / 2, side, side);
    const double cube = side / 4;

    QFont letters(QStringLiteral("Courier New"));
    letters.setStyleHint(QFont::TypeWriter);
    letters.setBold(true);
    letters.setPixelSize(std::max(6, static_cast<int>(std::lround(cube * 0.45))));
    p.setFont(letters);
    for (int i = 0; i < 16; ++i) {
        const QRectF cell(board.left() + cube * (i % 4), board.top() + cube * (i / 4), cube, cube);
        const bool onPath = std::find(m_path.begin(), m_path.end(), i) != m_path.end();
        p.fillRect(cell, onPath ? kOnPath : kOffPath);
        p.setPen(kLines);
        p.drawRect(cell);
        p.setPen(kLetters);
        p.drawText(cell, Qt::AlignCenter, m_faces[static_cast<std::size_t>(i)]);
    }
    PathArt::DrawPath(p, m_path, board);
}
