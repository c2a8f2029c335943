// The help window over the help page the build installs beside the program.
#include "TestApp.h"

#include "windows/shell/HelpBrowser.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QScrollBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QString kInstalledPage = QStringLiteral(LETTRO_INSTALLED_HELP_PAGE);

TEST(HelpBrowser, opensOnThePageAndFollowsItsHistoryKeptAcrossExit)
{
    TestApp t;
    ASSERT_TRUE(QFile::copy(kInstalledPage, t.folder.filePath("Lettro.htm")));
    t.startUp();
    t.window->HelpButton->click();
    HelpBrowser* help = t.app.helpBrowser;
    const auto at = [&](const QString& anchor) {
        QUrl url = QUrl::fromLocalFile(t.folder.filePath("Lettro.htm"));
        url.setFragment(anchor.isEmpty() ? QString() : anchor); // "" is no fragment at all
        return url;
    };
    EXPECT_TRUE(help->isVisible() && t.window->isEnabled()) << "help does not block the game";
    EXPECT_EQ(help->WebBrowser->documentTitle(), "Lettro Help");
    help->WebBrowser->setSource(at("scoring"));
    help->WebBrowser->setSource(at("options"));
    EXPECT_GT(help->WebBrowser->verticalScrollBar()->value(), 0) << "a followed anchor scrolls";
    // At either end of the history Back and Forward stay; Contents goes to the page.
    for (auto [action, anchor] : {std::pair{help->Back, "scoring"},
                                  {help->Back, ""},
                                  {help->Back, ""},
                                  {help->Forward, "scoring"},
                                  {help->Forward, "options"},
                                  {help->Forward, "options"},
                                  {help->Contents, ""},
                                  {help->Back, "options"},
                                  {help->Exit, "options"}}) {
        action->trigger();
        EXPECT_EQ(help->WebBrowser->source(), at(anchor)) << action->text().toStdString();
    }
    EXPECT_FALSE(help->isVisible());
    t.window->HelpButton->click();
    EXPECT_EQ(help->WebBrowser->source(), at("")) << "every opening starts on the page";
    EXPECT_EQ(help->WebBrowser->verticalScrollBar()->value(), 0) << "the page opens at its top";
    EXPECT_EQ(t.app.helpBrowser, help) << "Exit only hides the window";
    help->Back->trigger();
    EXPECT_EQ(help->WebBrowser->source(), at("options")) << "the history is kept";

    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(t.app.helpBrowser, nullptr) << "a frame close destroys the window";
    t.app.game.GameMode = NetworkHost;
    t.window->HelpButton->click();
    EXPECT_EQ(t.app.helpBrowser, nullptr) << "nothing opens during network play";
    QFile::remove(t.folder.filePath("Lettro.htm"));
    t.app.game.GameMode = SinglePlayer;
    t.window->HelpButton->click();
    EXPECT_TRUE(t.app.helpBrowser->WebBrowser->toPlainText().contains("could not be found"));
    EXPECT_TRUE(t.desktop.shown.empty()) << "no message box of its own";
}

TEST(HelpPage, everyInternalLinkLeadsToAnAnchor)
{
    QFile installed(kInstalledPage);
    ASSERT_TRUE(installed.open(QIODevice::ReadOnly)) << "the build installs Lettro.htm";
    const QString html = QString::fromUtf8(installed.readAll());
    QStringList links;
    for (const QRegularExpressionMatch& link :
         QRegularExpression("href=\"#([^\"]+)\"").globalMatch(html))
        links << link.captured(1);
    EXPECT_GE(links.size(), 10) << "a table of contents of internal links";
    for (const QString& link : links)
        EXPECT_TRUE(html.contains("name=\"" + link + '"') || html.contains("id=\"" + link + '"'))
            << link.toStdString();
}

} // namespace
