// SPDX-License-Identifier: GPL-3.0-or-later
// The help window's procedures: the help page beside the program.
#pragma once

#include <QString>
#include <QUrl>

#include <string>

struct Program;

namespace Shell {

// "Lettro.htm" in the program's folder.
QUrl HelpPageUrl(const Program& program);

// Help > About: the game, its version, its licence and the word list's, where the
// definitions come from and under which licences, and Qt's version.
QString AboutText(const std::string& language);
// The notice of that board language's word list, shown under the About box's details.
QString AboutDetails(const std::string& language);

// What the browser shows for a page that cannot be read.
QString PageNotFoundHtml(const QUrl& page);

} // namespace Shell
