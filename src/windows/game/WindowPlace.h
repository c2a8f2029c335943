// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's windows open: where the player last left them, this run or an earlier
// one; otherwise over the middle of the main window, so the eyes need not leave the board.
#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <optional>

class QWidget;
struct Program;

namespace WindowPlace {

// The settings group the places are stored in, apart from the game's settings.
inline constexpr const char* kPlacesKey = "Software\\Penwick\\Lettro\\Windows";

struct StoredPlace {
    QRect place; // the window's area without its frame, as when not maximised
    bool maximised = false;
};

// "left,top,width,height", then ",max" for a maximised window.
QString PlaceText(const StoredPlace& stored);

// The place a stored text names, when the text is well formed and the window's top edge
// lies on one of `screens` (their free areas) far enough to grab it; the size is cut
// to that screen. Nothing for anything else: a stored place never hides a window.
std::optional<StoredPlace> ParsePlace(const QString& text, const QList<QRect>& screens);

// Places `window` when it is first shown: where it was last stored under `name`, or else
// centred over `main` (the main window itself, given none, keeps the desktop's choice).
// Each hiding stores the place again; leaving the game hides every window.
void Remember(const Program& program, QWidget& window, const QString& name, const QWidget* main);

} // namespace WindowPlace
