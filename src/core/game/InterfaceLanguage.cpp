// SPDX-License-Identifier: GPL-3.0-or-later
#include "InterfaceLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>

namespace InterfaceLanguage {

namespace {
std::string& Installed()
{
    static std::string code = "en";
    return code;
}
} // namespace

const std::vector<std::string>& Codes()
{
    static const std::vector<std::string> codes = {"en", "fr", "de", "es", "it", "pt", "nl"};
    return codes;
}

bool Offered(const std::string& code)
{
    return std::find(Codes().begin(), Codes().end(), code) != Codes().end();
}

std::string Choose(const std::string& commandLine, const std::string& stored,
                   const QStringList& desktopLanguages)
{
    if (Offered(commandLine))
        return commandLine;
    if (Offered(stored))
        return stored;
    for (const QString& name : desktopLanguages) {
        // "pt-BR", "de_DE.UTF-8", "C": the language is the part before the region.
        const std::string code = name.section(QRegularExpression(QStringLiteral("[-_.@]")), 0, 0)
                                     .toLower()
                                     .toStdString();
        if (Offered(code))
            return code;
    }
    return "en";
}

void Install(const std::string& code)
{
    auto* app = QCoreApplication::instance();
    // Kept to the end of the program, like the application itself.
    auto* ours = new QTranslator(app);
    if (ours->load(QStringLiteral(":/i18n/lettro_%1.qm").arg(QString::fromStdString(code))))
        QCoreApplication::installTranslator(ours);
    if (code != "en") {
        auto* qt = new QTranslator(app);
        if (qt->load(QLocale(QString::fromStdString(code)), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
    }
    Installed() = Offered(code) ? code : "en";
}

const std::string& Current()
{
    return Installed();
}

std::string HelpPageName(const std::string& folder, const std::string& code)
{
    const QString translated = QStringLiteral("Lettro.%1.htm").arg(QString::fromStdString(code));
    if (code != "en" && QFileInfo::exists(QDir(QString::fromStdString(folder)).filePath(translated)))
        return translated.toStdString();
    return "Lettro.htm";
}

} // namespace InterfaceLanguage
