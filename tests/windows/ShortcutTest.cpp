// The keys of the toolbar's main moves, pressed while the word box has the focus.
#include "TestApp.h"

#include "windows/game/ResultsWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kWords = {"cat", "cats", "act", "dog", "god", "tea", "sea"};

// A key pressed where the keyboard focus is (the word box during a game).
void Press(TestApp& t, Qt::Key key)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != t.window.get())
        focus = t.window.get();
    QTest::keyClick(focus, key, Qt::ControlModifier);
}

TEST(Shortcuts, startPauseEndAndExitByKeyWhileTyping)
{
    TestApp t(kWords);
    t.startUp();
    t.window->show();
    QApplication::setActiveWindow(t.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.window.get()));

    Press(t, Qt::Key_N);
    ASSERT_TRUE(t.app.game.GameInProgress) << "Ctrl+N starts a game";
    ASSERT_EQ(QApplication::focusWidget(), t.window->NewWord);

    t.desktop.answer(ui::Answer::Ok, [&] { EXPECT_TRUE(t.app.game.Paused); });
    Press(t, Qt::Key_P);
    EXPECT_EQ(t.desktop.texts(), QStringList{"Hit OK when ready to resume."}) << "Ctrl+P pauses";

    // Ctrl+E is also "end of line" in a text box on some desktops; that case needs a real
    // X server and is covered by the smoke test. Here: the key ends the game.
    Press(t, Qt::Key_E);
    EXPECT_EQ(t.window->TimeRemLabel->text(), "Game Over");
    ASSERT_NE(t.app.resultsWindow, nullptr);
    EXPECT_TRUE(t.app.resultsWindow->isVisible());
    Common::ResultsWindowClosed(t.app);
    ASSERT_TRUE(t.window->isEnabled());

    QApplication::setActiveWindow(t.window.get());
    Press(t, Qt::Key_Q);
    EXPECT_FALSE(t.window->isVisible()) << "Ctrl+Q leaves the game";
    EXPECT_EQ(t.desktop.pending(), 0);
}

TEST(Shortcuts, tooltipsNameTheKeys)
{
    TestApp t(kWords);
    const std::vector<std::pair<QToolButton*, QString>> keys = {{t.window->Start, "Ctrl+N"},
                                                                {t.window->Pause, "Ctrl+P"},
                                                                {t.window->End, "Ctrl+E"},
                                                                {t.window->Exit, "Ctrl+Q"}};
    for (const auto& [button, key] : keys)
        EXPECT_TRUE(button->toolTip().endsWith("(" + key + ")")) << button->toolTip().toStdString();
}

} // namespace
