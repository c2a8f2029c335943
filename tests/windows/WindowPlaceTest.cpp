// The game's windows open over the middle of the main window.
#include "TestApp.h"

#include "windows/dictionary/DictionaryEditor.h"
#include "windows/game/Common.h"
#include "windows/game/OptionsDialog.h"
#include "windows/game/ResultsWindow.h"
#include "windows/shell/HelpBrowser.h"

#include <QtWidgets>

#include <functional>

#include <gtest/gtest.h>

namespace {

TEST(WindowPlace, windowsOpenOverTheMiddleOfTheMainWindow)
{
    TestApp t({"cat"});
    t.startUp();
    MainWindow& w = *t.window;
    w.show();
    const QRect desk = w.screen()->availableGeometry();
    w.move(desk.center() - QPoint(w.width() / 2, w.height() / 2));
    struct Case {
        const char* name;
        std::function<QWidget*()> open;
    };
    const Case cases[] = {
        {"options", [&] { w.Options->click(); return t.app.optionsDialog; }},
        {"dictionary", [&] { w.Dictionary->click(); return t.app.dictionaryEditor; }},
        {"help", [&] { w.HelpButton->click(); return t.app.helpBrowser; }},
        {"results", [&] {
             QWidget* results = &Common::ResultsWindowFor(t.app);
             results->show();
             return results;
         }},
    };
    for (const Case& c : cases) {
        QWidget* opened = c.open();
        ASSERT_TRUE(opened && opened->isVisible()) << c.name;
        const QPoint off = opened->geometry().center() - w.geometry().center();
        EXPECT_LE(off.manhattanLength(), 4) << c.name << " " << off.x() << "," << off.y();
        opened->hide();
        ReturnToMainWindow(t.app);
    }
}

} // namespace
