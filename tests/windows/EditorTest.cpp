// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary editor's wiring: its handlers reach the core, and it and the progress
// window show the core's state.
#include "TestApp.h"

#include "windows/dictionary/DictionaryEditor.h"
#include "windows/dictionary/ProgressWindow.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

// The starts, the words with [the selected one], the count and a tinted search box, as
// the editor shows them.
QString Shown(const DictionaryEditor* e)
{
    auto* startingLetters = Control<QComboBox>(e, "StartingLetters");
    auto* wordList = Control<QListWidget>(e, "WordList");
    QStringList shown;
    for (int i = 0; i < startingLetters->count(); ++i)
        shown << startingLetters->itemText(i);
    shown << "[" + startingLetters->currentText() + "]";
    for (const QListWidgetItem* item : wordList->findItems("*", Qt::MatchWildcard))
        shown << (item->isSelected() ? "[" + item->text() + "]" : item->text());
    const bool tinted = Control<QLineEdit>(e, "FindWord")->palette().color(QPalette::Base) !=
                        wordList->palette().color(QPalette::Base);
    return shown.join(' ') + ", " + Control<QLabel>(e, "WordCount")->text() + (tinted ? ", tinted" : "");
}

TEST(DictionaryEditor, handlersReachTheCoreAndTheWindowsShowItsState)
{
    // Counts in the locale's digit grouping.
    const auto restore = qScopeGuard([before = QLocale()] { QLocale::setDefault(before); });
    QLocale::setDefault(QLocale(QLocale::German));
    TestApp t({"cat", "cats", "dog", "dot"});
    t.startUp();
    t.control<QToolButton>("Dictionary")->click();
    DictionaryEditor* editor = t.find<DictionaryEditor>();
    auto* newWord = Control<QLineEdit>(editor, "NewWord");
    auto* findWord = Control<QLineEdit>(editor, "FindWord");
    auto* wordList = Control<QListWidget>(editor, "WordList");
    Control<QComboBox>(editor, "StartingLetters")->setCurrentIndex(1);
    newWord->setText("Dove");
    QTest::keyClick(newWord, Qt::Key_Return); // Add is the default button
    wordList->setCurrentRow(0);
    Control<QPushButton>(editor, "Remove")->click();
    EXPECT_EQ(Shown(editor), "CA DO [DO] dot dove, 4 words");
    editor->activateWindow(); // shortcuts reach the active window only
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    QTest::keyClick(wordList, Qt::Key_Z, Qt::ControlModifier); // the button clicks soon after
    EXPECT_TRUE(QTest::qWaitFor([&] { return t.program.engine.contains("dog"); }, 2000));
    EXPECT_EQ(Shown(editor), "CA DO [DO] [dog] dot dove, 5 words") << "Ctrl+Z put it back";
    EXPECT_FALSE(Control<QPushButton>(editor, "Undo")->isEnabled());
    wordList->setCurrentRow(0);
    Control<QPushButton>(editor, "Remove")->click();
    QTest::keyClicks(findWord, "ca");
    EXPECT_EQ(Shown(editor), "CA DO [CA] [cat] cats, 4 words");
    QTest::keyClicks(findWord, "x");
    EXPECT_EQ(Shown(editor), "CA DO [CA] cat cats, 4 words, tinted");
    Control<QAction>(editor, "Exit")->trigger();
    EXPECT_TRUE(t.window->isEnabled() && !editor->isVisible());

    // A long merge: the progress window until the timer has driven it to the end.
    t.control<QToolButton>("Dictionary")->click();
    QFile file(t.folder.filePath("many.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int i = 1; i <= 120000; ++i) { // distinct words: "mer" and the digits of i as letters
        QByteArray word = "mer";
        for (int n = i; n > 0; n /= 10)
            word += char('a' + n % 10);
        file.write(word + '\n');
    }
    file.close();
    t.desktop.fileNames = {file.fileName()};
    Control<QAction>(editor, "Merge")->trigger();
    ProgressWindow* progress = t.find<ProgressWindow>();
    ASSERT_TRUE(progress && progress->isVisible() && !editor->isVisible());
    // Not a speed check: the bound only keeps a broken timer from hanging the test.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !progress->isVisible(); }, 60000));
    EXPECT_TRUE(editor->isVisible() && !progress->isVisible() && !t.window->isEnabled())
        << "back to the editor; the main window waits for it";
    EXPECT_EQ(Shown(editor), "CA DO ME [CA] cat cats, 120.004 words");
    EXPECT_EQ(editor->statusBar()->currentMessage(), "120.000 words added, 0 lines skipped");
    EXPECT_EQ(t.desktop.fileDialogs.at(0).folder, t.folder.path()) << "a build's own folder";
}

} // namespace
