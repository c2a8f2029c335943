// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardDrawing.h"

#include "core/board/BoardView.h"
#include "windows/board/CubeFrame.h"
#include "windows/game/App.h"
#include "windows/game/MainWindow.h"

#include <vector>

namespace BoardView {

void InitBoardGeometry(App& app)
{
    const QSizeF picture = app.main->cubeFrame->pictureSize();
    InitBoardGeometry(app.view, picture.width(), picture.height());
}

void PaintChangedCubes(App& app)
{
    if (!app.main)
        return;
    BoardViewState& view = app.view;
    if (view.CubeWidth <= 0)
        InitBoardGeometry(app);
    std::vector<int> changed;
    for (int i = 0; i < 16; ++i)
        if (NeedsDrawing(view, i, app.board.BoardFaces[static_cast<std::size_t>(i)],
                         view.WantedLooks[static_cast<std::size_t>(i)]))
            changed.push_back(i);
    if (changed.empty())
        return;
    CubeFrame& frame = *app.main->cubeFrame;
    // The board is redrawn out of sight: the player never sees half of it changed.
    frame.setUpdatesEnabled(false);
    for (const int i : changed) {
        const std::string& face = app.board.BoardFaces[static_cast<std::size_t>(i)];
        const CubeLook look = view.WantedLooks[static_cast<std::size_t>(i)];
        frame.paintCube(i, view.CubeLeft[i], view.CubeTop[i], QString::fromStdString(face),
                        look == Selected);
        RecordDrawn(view, i, face, look);
    }
    frame.setUpdatesEnabled(true);
}

} // namespace BoardView
