// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardView.h"

#include "core/game/Program.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <utility>

namespace BoardView {

void ShowBoardUnselected(Program& program)
{
    program.view.ShownPath.clear();
    if (program.entry.BoardClean)
        return;
    program.view.WantedLooks.fill(Unselected);
    program.entry.LastNewWordText.clear();
    program.entry.BoardClean = true;
}

void ShowUsedCubes(Program& program)
{
    program.entry.BoardClean = false;
    for (std::size_t i = 0; i < 16; ++i)
        program.view.WantedLooks[i] = program.board.UsedCubes[i / 4][i % 4] ? Selected : Unselected;
    program.view.ShownPath = program.board.PathOrder;
}

std::vector<PathSegment> PathSegments(const std::vector<int>& path, const QRectF& board)
{
    const double width = board.width() / 4, height = board.height() / 4;
    const auto middle = [&](int cube) {
        return QPointF(board.left() + width * (cube % 4 + 0.5),
                       board.top() + height * (cube / 4 + 0.5));
    };
    const auto onBoard = [](int cube) { return cube >= 0 && cube < 16; };
    // How often each pair of cubes is joined, either way.
    std::map<std::pair<int, int>, int> joins;
    for (std::size_t k = 1; k < path.size(); ++k)
        if (path[k - 1] != path[k] && onBoard(path[k - 1]) && onBoard(path[k]))
            ++joins[std::minmax(path[k - 1], path[k])];
    std::map<std::pair<int, int>, int> drawn; // strokes so far, by their direction
    std::vector<PathSegment> segments;
    for (std::size_t k = 1; k < path.size(); ++k) {
        const int from = path[k - 1], to = path[k];
        if (from == to || !onBoard(from) || !onBoard(to))
            continue;
        QLineF line(middle(from), middle(to));
        const double length = line.length();
        // A letter takes about the middle half of its cube.
        const double margin = 0.3 * std::min(width, height);
        if (length <= 2 * margin)
            continue;
        const QPointF along = (line.p2() - line.p1()) / length;
        line = QLineF(line.p1() + along * margin, line.p2() - along * margin);
        if (joins[std::minmax(from, to)] > 1) {
            // Each stroke keeps to its right, so the way there and the way back lie side
            // by side; the same way again moves further out.
            const int times = drawn[{from, to}]++;
            const QPointF right(-along.y(), along.x());
            line.translate(right * (0.1 * std::min(width, height) * (1 + times)));
        }
        segments.push_back({from, to, line});
    }
    return segments;
}

QString StepsOn(const std::vector<int>& path, int cube)
{
    QStringList steps;
    for (std::size_t i = 0; i < path.size(); ++i)
        if (path[i] == cube)
            steps.append(QString::number(i + 1));
    return steps.join(QLatin1Char(','));
}

std::array<bool, 16> DeadCubes(const std::vector<int>& path, bool repeatLetters)
{
    std::array<bool, 16> dead{};
    if (path.empty() || path.back() < 0 || path.back() > 15)
        return dead;
    const int last = path.back();
    for (int cube = 0; cube < 16; ++cube) {
        const bool touching =
            std::abs(cube / 4 - last / 4) <= 1 && std::abs(cube % 4 - last % 4) <= 1;
        const bool used = std::find(path.begin(), path.end(), cube) != path.end();
        dead[static_cast<std::size_t>(cube)] = !touching || (used && !repeatLetters);
    }
    return dead;
}

std::array<bool, 16> DimmedCubes(const Program& program)
{
    if (!program.options.ShowWhereWordCanGo || program.game.TimeRemaining == 0 ||
        program.screen.BoardHidden)
        return {};
    return DeadCubes(program.view.ShownPath, program.options.RepeatLetters);
}

} // namespace BoardView
