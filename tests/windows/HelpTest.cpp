// SPDX-License-Identifier: GPL-3.0-or-later
// The help window over the help page the build installs beside the program.
#include "TestApp.h"

#include "windows/shell/HelpBrowser.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QString kInstalledPage = QStringLiteral(LETTRO_INSTALLED_HELP_PAGE);

// Where a link to #anchor lies in the view; null when none is shown.
QPoint LinkTo(QTextBrowser& b, const QString& anchor)
{
    for (QTextBlock block = b.document()->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorHref() == "#" + anchor) {
                QTextCursor c(b.document());
                c.setPosition(it.fragment().position() + 1);
                if (b.viewport()->rect().contains(b.cursorRect(c).center()))
                    return b.cursorRect(c).center();
            }
    return {};
}

// The installed page beside the program, its help window opened by the toolbar and active.
struct HelpWindow : ::testing::Test {
    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(kInstalledPage, t.folder.filePath("Lettro.htm")));
        t.startUp();
        t.control<QToolButton>("HelpButton")->click();
        QApplication::setActiveWindow(&browser()); // the reader clicks in it
        ASSERT_TRUE(QTest::qWaitForWindowActive(&browser()));
    }
    HelpBrowser& browser() { return *t.find<HelpBrowser>(); }
    QTextBrowser& page() { return *Control<QTextBrowser>(&browser(), "WebBrowser"); }
    TestApp t;
};

TEST_F(HelpWindow, opensOnThePageAndFollowsItsHistory)
{
    QToolButton* helpButton = t.control<QToolButton>("HelpButton");
    HelpBrowser* help = &browser();
    const QUrl top = QUrl::fromLocalFile(t.folder.filePath("Lettro.htm"));
    EXPECT_TRUE(help->isVisible() && t.window->isEnabled()) << "help does not block the game";
    page().setSource(top.resolved(QUrl("#scoring")));
    Control<QAction>(help, "Contents")->trigger(); // to the page; Back and Forward are tested below
    EXPECT_EQ(page().source(), top);
    QTest::keyClick(&page(), Qt::Key_Escape); // as Exit does
    EXPECT_FALSE(help->isVisible());
    helpButton->click();
    EXPECT_EQ(t.find<HelpBrowser>(), help) << "Exit only hides the window";

    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(t.find<HelpBrowser>(), nullptr) << "a frame close destroys the window";
    QFile::remove(t.folder.filePath("Lettro.htm"));
    helpButton->click();
    EXPECT_TRUE(page().toPlainText().contains("could not be found"));
    // Nor is a pipe in its place, which would be waited on for ever.
    t.find<HelpBrowser>()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(mkfifo(QFile::encodeName(t.folder.filePath("Lettro.htm")).constData(), 0600), 0);
    helpButton->click();
    EXPECT_TRUE(page().toPlainText().contains("could not be found"));
}

// The reader follows links, scrolls on each page, and goes back and forward: each step back
// or forward shows the page at the place the reader left it, where the followed link kept
// the keyboard's focus.
TEST_F(HelpWindow, backAndForwardOverFollowedLinksReturnToThePlacesLeft)
{
    QTextBrowser& b = page();
    const auto place = [&] { return std::pair(b.source().toString(), b.verticalScrollBar()->value()); };
    std::vector<std::pair<QString, int>> history{place()};
    std::size_t at = 0;
    // A link's anchor, or "<" for Back and ">" for Forward (nothing at the end), and the
    // anchor shown after it.
    const std::pair<const char*, const char*> steps[] = {
        {"options", "options"}, {"<", ""}, {">", "options"}, {"<", ""},
        {"scoring", "scoring"}, {">", "scoring"}, {"<", ""}};
    for (const auto& [step, anchor] : steps) {
        const QString what = QStringLiteral("%1 to %2").arg(step, anchor);
        if (*step == '<' || *step == '>') {
            history[at] = place();
            at = *step == '<' ? at - (at > 0) : std::min(at + 1, history.size() - 1);
            Control<QAction>(&browser(), *step == '<' ? "Back" : "Forward")->trigger();
            EXPECT_EQ(place(), history[at]) << what.toStdString();
        } else {
            const QPoint link = LinkTo(b, step);
            ASSERT_FALSE(link.isNull()) << what.toStdString();
            history[at] = place();
            QTest::mouseClick(b.viewport(), Qt::LeftButton, {}, link);
            history.resize(++at);
            history.push_back(place());
        }
        EXPECT_EQ(b.source().fragment(), anchor) << what.toStdString();
        b.verticalScrollBar()->setValue(b.verticalScrollBar()->value() + 40); // read on a bit
    }
}

} // namespace
