// SPDX-License-Identifier: GPL-3.0-or-later
// Which interface language a start picks, and which help page goes with it.
#include "core/game/InterfaceLanguage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(InterfaceLanguage, theCommandLineWinsThenTheStoredChoiceThenTheDesktopsFirstOfferedLanguage)
{
    const struct {
        const char* commandLine;
        const char* stored;
        QStringList desktop;
        const char* chosen;
    } cases[] = {
        {"", "", {"de-DE", "en-US"}, "de"},
        {"", "", {"sv-SE", "pt-BR", "fr"}, "pt"},
        {"", "", {"de_AT.UTF-8"}, "de"},
        {"", "", {"C"}, "en"},
        {"", "", {}, "en"},
        {"", "nl", {"de-DE"}, "nl"},
        {"it", "nl", {"de-DE"}, "it"},
        {"xx", "zz", {"es-ES"}, "es"}, // unknown codes are passed over
        {"", "en", {"fr-FR"}, "en"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InterfaceLanguage::Choose(c.commandLine, c.stored, c.desktop), c.chosen)
            << c.commandLine << "|" << c.stored << "|" << c.desktop.join(',').toStdString();
}

TEST(InterfaceLanguage, theHelpPageIsTheLanguagesOwnWhereItIsShippedElseTheEnglishOne)
{
    QTemporaryDir folder;
    QFile page(QDir(folder.path()).filePath(QStringLiteral("Lettro.fr.htm")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    const std::string path = folder.path().toStdString();
    EXPECT_EQ(InterfaceLanguage::HelpPageName(path, "fr"), "Lettro.fr.htm");
    EXPECT_EQ(InterfaceLanguage::HelpPageName(path, "de"), "Lettro.htm");
    EXPECT_EQ(InterfaceLanguage::HelpPageName(path, "en"), "Lettro.htm");
}

} // namespace
