// The help window and the help page that the build puts beside the program.
#include "TestApp.h"

#include "windows/shell/Help.h"
#include "windows/shell/HelpBrowser.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenuBar>
#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QString kInstalledPage = QStringLiteral(LETTRO_INSTALLED_HELP_PAGE);

// A started game whose program folder holds the installed help page.
struct HelpApp : TestApp {
    HelpApp()
    {
        EXPECT_TRUE(QFile::copy(kInstalledPage, folder.filePath("Lettro.htm")));
        startUp();
    }
    HelpBrowser* help() { return app.helpBrowser; }
    QUrl page() const { return QUrl::fromLocalFile(folder.filePath("Lettro.htm")); }
    QUrl at(const QString& anchor) const
    {
        QUrl url = page();
        url.setFragment(anchor);
        return url;
    }
};

// Every internal link target ("#name") and every anchor name of a document.
struct Anchors {
    QSet<QString> links;
    QSet<QString> names;
};

Anchors AnchorsOf(const QTextDocument* doc)
{
    Anchors a;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && format.anchorHref().startsWith('#'))
                a.links.insert(format.anchorHref().mid(1));
            for (const QString& name : format.anchorNames())
                a.names.insert(name);
        }
    return a;
}

TEST(HelpBrowser, helpOpensTheWindowOnTheHelpPage)
{
    HelpApp t;
    t.window->HelpButton->click();
    HelpBrowser* help = t.help();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->objectName(), "HelpBrowser");
    EXPECT_EQ(help->windowTitle(), "Lettro Help");
    EXPECT_EQ(help->parentWidget(), t.window.get());
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowModality(), Qt::NonModal);
    EXPECT_TRUE(t.window->isEnabled()) << "help does not block the game";
    EXPECT_EQ(help->WebBrowser->objectName(), "WebBrowser");
    EXPECT_EQ(help->WebBrowser->source(), t.page());
    EXPECT_EQ(help->WebBrowser->documentTitle(), "Lettro Help");

    QStringList menu;
    for (QAction* action : help->menuBar()->actions())
        menu << action->text();
    EXPECT_EQ(menu, (QStringList{"Contents", "Back", "Forward", "Exit"}));
    EXPECT_TRUE(t.desktop.shown.empty());
}

TEST(HelpBrowser, nothingOpensDuringNetworkPlay)
{
    for (int mode : {NetworkPlayer, NetworkHost}) {
        HelpApp t;
        t.app.game.GameMode = mode;
        t.window->HelpButton->click();
        EXPECT_EQ(t.help(), nullptr) << "mode " << mode;
    }
}

TEST(HelpBrowser, backAndForwardFollowTheHistory)
{
    HelpApp t;
    t.window->HelpButton->click();
    HelpBrowser* help = t.help();
    // Back and Forward on a fresh window have nowhere to go and change nothing.
    help->Back->trigger();
    help->Forward->trigger();
    EXPECT_EQ(help->WebBrowser->source(), t.page());

    help->WebBrowser->setSource(t.at("scoring"));
    help->WebBrowser->setSource(t.at("options"));
    EXPECT_GT(help->WebBrowser->verticalScrollBar()->value(), 0) << "a followed anchor scrolls";
    help->Back->trigger();
    EXPECT_EQ(help->WebBrowser->source(), t.at("scoring"));
    help->Back->trigger();
    EXPECT_EQ(help->WebBrowser->source(), t.page());
    help->Back->trigger();
    EXPECT_EQ(help->WebBrowser->source(), t.page());
    help->Forward->trigger();
    help->Forward->trigger();
    EXPECT_EQ(help->WebBrowser->source(), t.at("options"));
    help->Forward->trigger();
    EXPECT_EQ(help->WebBrowser->source(), t.at("options"));

    help->Contents->trigger();
    EXPECT_EQ(help->WebBrowser->source(), t.page());
    EXPECT_EQ(help->WebBrowser->verticalScrollBar()->value(), 0) << "the page opens at its top";
    help->Back->trigger();
    EXPECT_EQ(help->WebBrowser->source(), t.at("options"));
}

TEST(HelpBrowser, exitHidesAndKeepsTheHistory)
{
    HelpApp t;
    t.window->HelpButton->click();
    HelpBrowser* help = t.help();
    help->WebBrowser->setSource(t.at("scoring"));
    help->Exit->trigger();
    EXPECT_FALSE(help->isVisible());
    EXPECT_EQ(t.help(), help);

    t.window->HelpButton->click();
    EXPECT_EQ(t.help(), help) << "the same window, not a new one";
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->WebBrowser->source(), t.page()) << "every opening starts on the page";
    help->Back->trigger();
    EXPECT_EQ(help->WebBrowser->source(), t.at("scoring"));
}

TEST(HelpBrowser, aFrameCloseDestroysTheWindow)
{
    HelpApp t;
    t.window->HelpButton->click();
    QPointer<HelpBrowser> first = t.help();
    first->WebBrowser->setSource(t.at("scoring"));
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(t.help(), nullptr);

    t.window->HelpButton->click();
    ASSERT_NE(t.help(), nullptr);
    EXPECT_TRUE(t.help()->isVisible());
    EXPECT_FALSE(t.help()->WebBrowser->isBackwardAvailable()) << "a new window, a new history";
}

TEST(HelpBrowser, theBrowserFillsTheWindowAfterEveryResize)
{
    HelpApp t;
    t.window->HelpButton->click();
    HelpBrowser* help = t.help();
    for (const QSize size : {QSize(400, 300), QSize(900, 700), QSize(250, 500)}) {
        help->resize(size);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        const int menuHeight = help->menuBar()->height();
        EXPECT_EQ(help->WebBrowser->geometry(),
                  QRect(0, menuHeight, help->width(), help->height() - menuHeight))
            << size.width() << "x" << size.height();
    }
}

TEST(HelpBrowser, aMissingPageSaysSoInTheWindow)
{
    TestApp t; // no help page in this program folder
    t.startUp();
    t.window->HelpButton->click();
    ASSERT_NE(t.app.helpBrowser, nullptr);
    EXPECT_TRUE(t.app.helpBrowser->isVisible());
    EXPECT_TRUE(t.app.helpBrowser->WebBrowser->toPlainText().contains("could not be found"));
    EXPECT_TRUE(t.desktop.shown.empty()) << "no message box of its own";
}

TEST(HelpPage, isInstalledBesideTheProgramWithWorkingLinks)
{
    QFile installed(kInstalledPage);
    ASSERT_TRUE(installed.open(QIODevice::ReadOnly)) << "the build installs Lettro.htm";
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(installed.readAll()));
    const Anchors anchors = AnchorsOf(&doc);
    EXPECT_GE(anchors.links.size(), 10) << "a table of contents of internal links";
    for (const QString& link : anchors.links)
        EXPECT_TRUE(anchors.names.contains(link)) << "broken link #" << link.toStdString();
    // The topics a player looks for, each with its own place to link to.
    for (const char* topic : {"play", "qu", "entering", "scoring", "standard-frantic",
                              "two-players", "network", "options", "results", "dictionary",
                              "word-files"})
        EXPECT_TRUE(anchors.names.contains(topic)) << topic;
    const QString text = doc.toPlainText();
    for (const char* words : {"Enter", "Last", "Clear", "Frantic", "Dictionary Editor",
                              "Merge", "Save As"})
        EXPECT_TRUE(text.contains(words)) << words;
}

} // namespace
