// Drawing the board's cubes in the main window, each only when its look changes.
#pragma once

struct App;

namespace BoardView {

// Takes the cube size from the cube picture of the main window's board.
void InitBoardGeometry(App& app);

// Cube i (0-15) with its face, unselected or selected; nothing when it already looks so.
void DrawCube(App& app, int i);
void DrawSelectedCube(App& app, int i);

// Every cube unselected, unless they all are already; forgets the last typed text.
void ShowBoardUnselected(App& app);

// Every cube drawn as marked by the last path search: the traced path selected.
void ShowUsedCubes(App& app);

} // namespace BoardView
