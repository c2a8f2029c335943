// The help window over the help page the build installs beside the program.
#include "TestApp.h"

#include "windows/shell/HelpBrowser.h"

#include <QCoreApplication>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QString kInstalledPage = QStringLiteral(LETTRO_INSTALLED_HELP_PAGE);

TEST(HelpBrowser, opensOnThePageAndFollowsItsHistory)
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
    help->WebBrowser->setSource(at("scoring"));
    help->WebBrowser->setSource(at("options"));
    // Contents goes to the page.
    for (auto [action, anchor] :
         {std::pair{help->Back, "scoring"}, {help->Forward, "options"}, {help->Contents, ""}}) {
        action->trigger();
        EXPECT_EQ(help->WebBrowser->source(), at(anchor)) << action->text().toStdString();
    }
    help->Exit->trigger();
    EXPECT_FALSE(help->isVisible());
    t.window->HelpButton->click();
    EXPECT_EQ(t.app.helpBrowser, help) << "Exit only hides the window";

    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(t.app.helpBrowser, nullptr) << "a frame close destroys the window";
    QFile::remove(t.folder.filePath("Lettro.htm"));
    t.window->HelpButton->click();
    EXPECT_TRUE(t.app.helpBrowser->WebBrowser->toPlainText().contains("could not be found"));
}

} // namespace
