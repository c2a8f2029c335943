// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus do what the toolbar does (F1 included), and a question whose Yes
// destroys data has No as the real box's default.
#include "TestApp.h"

#include "windows/shell/HelpBrowser.h"

#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

TEST(Menus, eachCommandClicksItsButtonFollowsItsStateAndLeavesTheGameKeysWorking)
{
    TestApp t;
    MainWindow& w = *t.window;
    t.startUp();
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const struct {
        const char* action;
        QToolButton* button;
        QKeyCombination key; // the window's key for it; none: Qt::Key_unknown
    } commands[] = {
        {"StartAction", t.control<QToolButton>("Start"), Qt::CTRL | Qt::Key_N},
        {"PauseAction", t.control<QToolButton>("Pause"), Qt::CTRL | Qt::Key_P},
        {"EndAction", t.control<QToolButton>("End"), Qt::CTRL | Qt::Key_E},
        {"OptionsAction", t.control<QToolButton>("Options"), Qt::Key_unknown},
        {"NetworkAction", t.control<QToolButton>("NetworkButton"), Qt::Key_unknown},
        {"ExitAction", t.control<QToolButton>("Exit"), Qt::CTRL | Qt::Key_Q},
        {"EditorAction", t.control<QToolButton>("Dictionary"), Qt::Key_unknown},
        {"ContentsAction", t.control<QToolButton>("HelpButton"), Qt::Key_F1},
    };
    for (const auto& c : commands) {
        auto* action = w.findChild<QAction*>(c.action);
        ASSERT_TRUE(action) << c.action;
        EXPECT_TRUE(action->text().contains('&')) << c.action << ": a mnemonic";
        // Only the button's own handler is cut off, so whatever still clicks it is counted.
        QObject::disconnect(c.button, &QToolButton::clicked, &w, nullptr);
        QSignalSpy clicks(c.button, &QToolButton::clicked);
        action->trigger();
        if (c.key.key() != Qt::Key_unknown)
            QTest::keyClick(&w, c.key.key(), c.key.keyboardModifiers());
        const int expected = c.key.key() == Qt::Key_unknown ? 1 : 2; // an ambiguous key fires none
        c.button->setEnabled(false);
        action->trigger();
        EXPECT_EQ(std::tuple(clicks.count(), action->isEnabled()), std::tuple(expected, false))
            << c.action;
        c.button->setEnabled(true);
        EXPECT_TRUE(action->isEnabled()) << c.action;
    }
}

TEST(Menus, aboutNamesTheVersionsAndTheLicences)
{
    TestApp t;
    t.startUp();
    t.desktop.answer(ui::Answer::Ok);
    t.window->findChild<QAction*>("AboutAction")->trigger();
    EXPECT_EQ(t.desktop.shown.at(0).title, "About Lettro"); // throws when nothing was shown
    for (const QString part :
         {"Lettro 0.", "GNU General Public License, version 3 or (at your option) any later",
          "NO WARRANTY", "SCOWL", "words-LICENSE.txt", "WordNet 3.0 licence",
          "dict-freedict-deu-eng", qVersion()})
        EXPECT_TRUE(t.desktop.shown[0].text.contains(part)) << part.toStdString();
}

TEST(QtDesktop, theBoxOfADestructiveQuestionDefaultsToNo)
{
    for (const bool defaultNo : {false, true}) {
        QMessageBox box;
        ui::FillMessageBox(
            box, {.text = "Clear?", .buttons = ui::Buttons::YesNo, .defaultNo = defaultNo});
        EXPECT_EQ(box.defaultButton(), box.button(defaultNo ? QMessageBox::No : QMessageBox::Yes));
    }
}

} // namespace
