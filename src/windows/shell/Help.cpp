// SPDX-License-Identifier: GPL-3.0-or-later
#include "Help.h"

#include "core/dictionary/Definitions.h"
#include "core/game/BoardLanguage.h"
#include "core/game/InterfaceLanguage.h"
#include "core/game/Program.h"

#include <QCoreApplication>
#include <QDir>
#include <QtGlobal>

namespace Shell {

namespace {
// Where the word list of another board language comes from; its notice is the box's
// details.
QString BoardLanguageNotice(const std::string& code)
{
    const engine::Language* language = engine::findLanguage(code);
    if (!language || code == engine::kEnglish)
        return {};
    return QCoreApplication::translate("Help", "\n\nThe board language in play, %1, has a word list of its own, "
                                       "used under the notice shown in full under Show Details (and in "
                                       "words-%2-LICENSE.txt).")
        .arg(QString::fromUtf8(language->name), QString::fromLatin1(language->code));
}
} // namespace

QUrl HelpPageUrl(const Program& program)
{
    // The page in the interface language where there is one.
    const std::string name =
        InterfaceLanguage::HelpPageName(program.ProgramFolder, InterfaceLanguage::Current());
    return QUrl::fromLocalFile(
        QDir(QString::fromStdString(program.ProgramFolder)).filePath(QString::fromStdString(name)));
}

QString AboutText(const std::string& language)
{
#ifdef LETTRO_VERSION
    const QString name = QStringLiteral("Lettro " LETTRO_VERSION);
#else
    const QString name = QStringLiteral("Lettro");
#endif
    // The word list's notice asks for its copyright lines to be shown where the list is
    // used; the full texts travel with the program as LICENSE and words-LICENSE.txt.
    return name +
           QCoreApplication::translate(
               "Help",
               "\n\nA word game: find the words hidden in a board of shaken letter dice "
               "before the clock runs out, alone, against a friend or over the network."
               "\n\nLettro is free software: you can redistribute it and/or modify it under "
               "the terms of the GNU General Public License, version 3 or (at your option) any "
               "later version. It comes with ABSOLUTELY NO WARRANTY; see the licence (LICENSE) "
               "for details."
               "\n\nThe word list is taken from SCOWL (Spell Checker Oriented Word Lists), "
               "copyright 2000-2011 Kevin Atkinson, with parts copyright 1993 Geoff Kuenning, "
               "1993-1999 J Ross Beresford (UKACD), 1997 Princeton University (WordNet) and "
               "others, used under their permission notices, which are in words-LICENSE.txt.") +
           BoardLanguageNotice(language) + QStringLiteral("\n\n") + Definitions::SourcesNotice() +
           QCoreApplication::translate("Help", "\n\nUsing Qt %1.").arg(QString::fromLatin1(qVersion()));
}

QString AboutDetails(const std::string& language)
{
    return BoardLanguage::WordListNotice(language);
}

QString PageNotFoundHtml(const QUrl& page)
{
    return QCoreApplication::translate("Help", "<html><body><h2>Page not found</h2>"
                          "<p>The help page <tt>%1</tt> could not be found.</p>"
                          "<p>It is installed beside the Lettro program; reinstalling "
                          "Lettro puts it back.</p></body></html>")
        .arg((page.isLocalFile() ? QDir::toNativeSeparators(page.toLocalFile())
                                 : page.toDisplayString())
                 .toHtmlEscaped());
}

} // namespace Shell
