#include "BoardDrawing.h"

#include "core/board/BoardView.h"
#include "windows/board/CubeFrame.h"
#include "windows/game/App.h"
#include "windows/game/MainWindow.h"

namespace BoardView {

namespace {
void Draw(App& app, int i, CubeLook look)
{
    if (i < 0 || i > 15 || !app.main)
        return;
    BoardViewState& view = app.view;
    if (view.CubeWidth <= 0)
        InitBoardGeometry(app);
    const std::string& face = app.board.BoardFaces[static_cast<std::size_t>(i)];
    if (!NeedsDrawing(view, i, face, look))
        return;
    app.main->cubeFrame->paintCube(i, view.CubeLeft[i], view.CubeTop[i],
                                   QString::fromStdString(face), look == Selected);
    RecordDrawn(view, i, face, look);
}

// The board is redrawn out of sight: the player never sees half of it changed.
class HiddenWhileDrawn {
public:
    explicit HiddenWhileDrawn(QWidget* frame) : m_frame(frame)
    {
        m_frame->setUpdatesEnabled(false);
    }
    ~HiddenWhileDrawn() { m_frame->setUpdatesEnabled(true); }
    HiddenWhileDrawn(const HiddenWhileDrawn&) = delete;
    HiddenWhileDrawn& operator=(const HiddenWhileDrawn&) = delete;

private:
    QWidget* m_frame;
};
} // namespace

void InitBoardGeometry(App& app)
{
    const QSizeF picture = app.main->cubeFrame->pictureSize();
    InitBoardGeometry(app.view, picture.width(), picture.height());
}

void DrawCube(App& app, int i)
{
    Draw(app, i, Unselected);
}

void DrawSelectedCube(App& app, int i)
{
    Draw(app, i, Selected);
}

void ShowBoardUnselected(App& app)
{
    if (app.entry.BoardClean)
        return;
    {
        HiddenWhileDrawn hidden(app.main->cubeFrame);
        for (int i = 0; i < 16; ++i)
            DrawCube(app, i);
    }
    app.entry.LastNewWordText.clear();
    app.entry.BoardClean = true;
}

void ShowUsedCubes(App& app)
{
    HiddenWhileDrawn hidden(app.main->cubeFrame);
    app.entry.BoardClean = false;
    for (int i = 0; i < 16; ++i) {
        if (app.board.UsedCubes[static_cast<std::size_t>(i / 4)][static_cast<std::size_t>(i % 4)])
            DrawSelectedCube(app, i);
        else
            DrawCube(app, i);
    }
}

} // namespace BoardView
