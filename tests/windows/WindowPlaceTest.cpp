// SPDX-License-Identifier: GPL-3.0-or-later
// The game's windows open over the middle of the main window, or where they were left.
#include "TestApp.h"

#include "windows/dictionary/DictionaryEditor.h"
#include "windows/game/OptionsDialog.h"
#include "windows/game/ResultsWindow.h"
#include "windows/game/WindowPlace.h"
#include "windows/shell/HelpBrowser.h"

#include <QtWidgets>

#include <functional>
#include <optional>

#include <gtest/gtest.h>

namespace {

// The main window in the middle of the screen.
struct Placement : ::testing::Test {
    void SetUp() override
    {
        t.startUp();
        w.show();
        w.move(w.screen()->availableGeometry().center() - QPoint(w.width() / 2, w.height() / 2));
    }
    void click(const char* button) { t.control<QToolButton>(button)->click(); }
    TestApp t{{"cat"}};
    MainWindow& w = *t.window;
};

TEST_F(Placement, windowsOpenOverTheMiddleOfTheMainWindow)
{
    struct Case {
        const char* name;
        std::function<QWidget*()> open;
    };
    const Case cases[] = {
        {"options", [&] { click("Options"); return t.find<OptionsDialog>(); }},
        {"dictionary", [&] { click("Dictionary"); return t.find<DictionaryEditor>(); }},
        {"help", [&] { click("HelpButton"); return t.find<HelpBrowser>(); }},
        {"results", [&] {
             t.app.run([&] {
                 t.program.results.Open = true;
                 t.program.results.ShownAt = std::chrono::steady_clock::now();
             });
             return t.find<ResultsWindow>();
         }},
    };
    for (const Case& c : cases) {
        QWidget* opened = c.open();
        ASSERT_TRUE(opened && opened->isVisible()) << c.name;
        const QPoint off = opened->geometry().center() - w.geometry().center();
        EXPECT_LE(off.manhattanLength(), 4) << c.name << " " << off.x() << "," << off.y();
        opened->hide();
        t.app.returnToMain();
    }
}

// A place stored when the window was hidden comes back, in a new window too; a stored
// text that is garbage or off the screen is ignored and the window opens centred.
TEST_F(Placement, placesComeBackAndBadOnesAreIgnored)
{
    struct Case {
        const char* stored; // nullptr: what hiding the window stored
        std::optional<QRect> restored; // nothing: centred
    };
    const Case cases[] = {
        {nullptr, QRect(90, 110, 520, 430)},
        {"100,120,530,400,max", QRect(100, 120, 530, 400)},
        {"100,120,5300,400", QRect(100, 120, 800, 400)}, // cut to the 800 by 800 screen
        {"garbage", {}},
        {"1,2,3", {}},
        {"100,120,530,400,sideways", {}},
        {"100,790,530,400", {}}, // only a sliver at the bottom
        {"-525,120,530,400", {}}, // five pixels of title bar to grab
        {"100,120,0,400", {}},
        {"99999999999,120,530,400", {}},
    };
    const auto open = [&] {
        click("HelpButton");
        return t.find<HelpBrowser>();
    };
    const auto close = [&](QWidget* window) {
        window->hide();
        delete window;
    };
    for (const Case& c : cases) {
        if (c.stored) {
            t.program.settings->cSetRegValue(WindowPlace::kPlacesKey, "Help", c.stored);
        } else {
            QWidget* first = open();
            first->setGeometry(90, 110, 520, 430);
            close(first);
        }
        QWidget* help = open();
        QCoreApplication::processEvents(); // a stored maximised window is maximised now
        if (c.restored) {
            EXPECT_EQ(help->isMaximized() ? help->normalGeometry() : help->geometry(),
                      *c.restored)
                << (c.stored ? c.stored : "stored on hiding");
            EXPECT_EQ(help->isMaximized(), QString(c.stored).endsWith("max")) << c.stored;
        } else {
            const QPoint off = help->geometry().center() - w.geometry().center();
            EXPECT_LE(off.manhattanLength(), 4) << c.stored;
        }
        close(help);
    }
}

} // namespace
