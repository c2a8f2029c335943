// SPDX-License-Identifier: GPL-3.0-or-later
// The help window's procedures: the help page beside the program.
#pragma once

#include <QString>
#include <QUrl>

struct App;

namespace Shell {

// "Lettro.htm" in the program's folder.
QUrl HelpPageUrl(const App& app);

// The main window's Help button: the help window on the help page, created when
// needed and shown without blocking the game. Nothing happens during a network game.
void OpenHelp(App& app);

// The Contents command: back to the help page.
void ShowContents(App& app);

// Help > About: the game, its version, its licence and the word list's, and Qt's version.
void ShowAbout(App& app);

// What the browser shows for a page that cannot be read.
QString PageNotFoundHtml(const QUrl& page);

} // namespace Shell
