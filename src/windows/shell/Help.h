// SPDX-License-Identifier: GPL-3.0-or-later
// The help window's procedures: the help page beside the program.
#pragma once

#include <QString>
#include <QUrl>

struct Program;

namespace Shell {

// "Lettro.htm" in the program's folder.
QUrl HelpPageUrl(const Program& program);

// Help > About: the game, its version, its licence and the word list's, where the
// definitions come from and under which licences, and Qt's version.
QString AboutText();

// What the browser shows for a page that cannot be read.
QString PageNotFoundHtml(const QUrl& page);

} // namespace Shell
