// Where the game's windows open: over the middle of the main window, so the player's
// eyes need not leave the board.
#pragma once

#include <QString>

class QWidget;
struct App;

namespace WindowPlace {

// Places `window` each time it is first shown: centred over the main window (the main
// window itself keeps the desktop's choice). `name` tells the windows apart.
void Remember(App& app, QWidget& window, const QString& name);

} // namespace WindowPlace
