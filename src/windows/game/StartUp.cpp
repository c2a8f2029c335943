// Start-up: everything the game needs before the first Start.
#include "windows/game/App.h"
#include "windows/game/Common.h"
#include "windows/game/MainWindow.h"
#include "core/game/Settings.h"

#include "windows/board/BoardDrawing.h"
#include "core/dictionary/DictionaryStore.h"

#include <QHeaderView>
#include <QTableWidget>

namespace Common {

void StartUp(App& app)
{
    Dictionary::ReadDictionary(app);
    Dice::InitDice(app.board.DieFaces);
    BoardView::InitBoardGeometry(app);

    for (int i = 0; i < 16; ++i) {
        app.board.BoardFaces[i].clear();
        DrawCube(app, i);
    }
    app.entry.BoardClean = true;
    app.main->WordList->horizontalHeader()->setStretchLastSection(true);
    app.main->WordList->setColumnWidth(0, app.main->WordList->viewport()->width());

    app.board.BoardWords.clear();
    app.board.BoardWords.reserve(151);

    GameState& game = app.game;
    game.TimeRemaining = 0;
    game.TimeLimit = 180;
    game.Paused = false;
    app.options.SoundsOn = true;
    game.GameInProgress = false;

    // Also sets LoadedMaxWordSize and the single-player standard game every run starts with.
    Settings::ReadSettings(app);
    app.main->LayOutForHand(app.options.LeftHandedDisplay);

    if (!app.random)
        app.random = app.Seed ? std::make_unique<Dice::ClockRandom>(*app.Seed)
                              : std::make_unique<Dice::ClockRandom>();
}

} // namespace Common
