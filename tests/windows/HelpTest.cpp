// The help window over the help page the build installs beside the program.
#include "TestApp.h"

#include "windows/shell/HelpBrowser.h"

#include <QCoreApplication>
#include <QFile>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QString kInstalledPage = QStringLiteral(LETTRO_INSTALLED_HELP_PAGE);

// A started game whose program folder holds the installed help page, help opened.
struct HelpApp : TestApp {
    explicit HelpApp(bool withPage = true)
    {
        EXPECT_TRUE(!withPage || QFile::copy(kInstalledPage, folder.filePath("Lettro.htm")));
        startUp();
        window->HelpButton->click();
    }
    HelpBrowser* help() { return app.helpBrowser; }
    QUrl at(const QString& anchor = {}) const
    {
        QUrl url = QUrl::fromLocalFile(folder.filePath("Lettro.htm"));
        if (!anchor.isEmpty())
            url.setFragment(anchor);
        return url;
    }
    QUrl shown() { return help()->WebBrowser->source(); }
};

TEST(HelpBrowser, opensBesideTheGameOnThePageExceptDuringNetworkPlay)
{
    HelpApp t;
    ASSERT_NE(t.help(), nullptr);
    EXPECT_TRUE(t.help()->isVisible());
    EXPECT_TRUE(t.window->isEnabled()) << "help does not block the game";
    EXPECT_EQ(t.shown(), t.at());
    EXPECT_EQ(t.help()->WebBrowser->documentTitle(), "Lettro Help");
    t.help()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(t.help(), nullptr) << "a frame close destroys the window";
    for (int mode : {NetworkPlayer, NetworkHost}) {
        t.app.game.GameMode = mode;
        t.window->HelpButton->click();
        EXPECT_EQ(t.help(), nullptr) << mode;
    }
    HelpApp missing(false);
    EXPECT_TRUE(missing.help()->WebBrowser->toPlainText().contains("could not be found"));
    EXPECT_TRUE(missing.desktop.shown.empty()) << "no message box of its own";
}

TEST(HelpBrowser, backForwardAndContentsFollowTheHistoryKeptAcrossExit)
{
    HelpApp t;
    HelpBrowser* help = t.help();
    help->Back->trigger(); // nowhere to go yet
    help->Forward->trigger();
    EXPECT_EQ(t.shown(), t.at());
    help->WebBrowser->setSource(t.at("scoring"));
    help->WebBrowser->setSource(t.at("options"));
    EXPECT_GT(help->WebBrowser->verticalScrollBar()->value(), 0) << "a followed anchor scrolls";
    for (auto [action, expected] : {std::pair{help->Back, t.at("scoring")}, {help->Back, t.at()},
                                    {help->Back, t.at()}, {help->Forward, t.at("scoring")},
                                    {help->Forward, t.at("options")}, {help->Forward, t.at("options")},
                                    {help->Contents, t.at()}, {help->Back, t.at("options")}}) {
        action->trigger();
        EXPECT_EQ(t.shown(), expected) << action->text().toStdString();
    }

    help->Exit->trigger();
    EXPECT_FALSE(help->isVisible());
    t.window->HelpButton->click();
    EXPECT_EQ(t.help(), help) << "the same window, its history kept";
    EXPECT_EQ(t.shown(), t.at()) << "every opening starts on the page";
    EXPECT_EQ(help->WebBrowser->verticalScrollBar()->value(), 0) << "at its top";
    help->Back->trigger();
    EXPECT_EQ(t.shown(), t.at("options"));
}

TEST(HelpPage, everyInternalLinkLeadsToAnAnchorAndTheTopicsAreThere)
{
    QFile installed(kInstalledPage);
    ASSERT_TRUE(installed.open(QIODevice::ReadOnly)) << "the build installs Lettro.htm";
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(installed.readAll()));
    QSet<QString> links, names;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && format.anchorHref().startsWith('#'))
                links.insert(format.anchorHref().mid(1));
            for (const QString& name : format.anchorNames())
                names.insert(name);
        }
    EXPECT_GE(links.size(), 10) << "a table of contents of internal links";
    for (const QString& link : links)
        EXPECT_TRUE(names.contains(link)) << "broken link #" << link.toStdString();
    for (const char* topic : {"play", "qu", "entering", "scoring", "standard-frantic", "two-players",
                              "network", "options", "results", "dictionary", "word-files"})
        EXPECT_TRUE(names.contains(topic)) << topic;
}

} // namespace
