// SPDX-License-Identifier: GPL-3.0-or-later
// The language of the windows' texts: the desktop's unless the options or the command
// line name one. It is chosen once, before the first window, and holds until the end.
#pragma once

#include <QStringList>

#include <string>
#include <vector>

namespace InterfaceLanguage {

// The stored choice: "" for the desktop's language, else one of Codes().
inline constexpr const char* kSetting = "InterfaceLanguage";

// The languages the windows speak, English (the texts' own) first.
const std::vector<std::string>& Codes();
bool Offered(const std::string& code);

// The language to use: the command line's, else the stored one, else the first of the
// desktop's languages ("de-DE", "fr") that is offered; English when none is.
std::string Choose(const std::string& commandLine, const std::string& stored,
                   const QStringList& desktopLanguages);

// Installs the translations of `code` into the running application: ours, and Qt's own for
// its dialogs where they are installed. English installs only English's plural forms.
void Install(const std::string& code);
// What Install installed; English before it runs.
const std::string& Current();

// The help page's file name in `folder` for `code`: Lettro.<code>.htm when it is there,
// else the English Lettro.htm.
std::string HelpPageName(const std::string& folder, const std::string& code);

} // namespace InterfaceLanguage
