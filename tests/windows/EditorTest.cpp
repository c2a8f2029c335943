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
    QStringList shown;
    for (int i = 0; i < e->StartingLetters->count(); ++i)
        shown << e->StartingLetters->itemText(i);
    shown << "[" + e->StartingLetters->currentText() + "]";
    for (const QListWidgetItem* item : e->WordList->findItems("*", Qt::MatchWildcard))
        shown << (item->isSelected() ? "[" + item->text() + "]" : item->text());
    const bool tinted = e->FindWord->palette().color(QPalette::Base) !=
                        e->WordList->palette().color(QPalette::Base);
    return shown.join(' ') + ", " + e->WordCount->text() + (tinted ? ", tinted" : "");
}

TEST(DictionaryEditor, handlersReachTheCoreAndTheWindowsShowItsState)
{
    // Counts in the locale's digit grouping.
    const auto restore = qScopeGuard([before = QLocale()] { QLocale::setDefault(before); });
    QLocale::setDefault(QLocale(QLocale::German));
    TestApp t({"cat", "cats", "dog", "dot"});
    t.startUp();
    t.window->Dictionary->click();
    DictionaryEditor* editor = t.app.dictionaryEditor;
    editor->StartingLetters->setCurrentIndex(1);
    editor->NewWord->setText("Dove");
    QTest::keyClick(editor->NewWord, Qt::Key_Return); // Add is the default button
    editor->WordList->setCurrentRow(0);
    editor->Remove->click();
    EXPECT_EQ(Shown(editor), "CA DO [DO] dot dove, 4 words");
    QTest::keyClicks(editor->FindWord, "ca");
    EXPECT_EQ(Shown(editor), "CA DO [CA] [cat] cats, 4 words");
    QTest::keyClicks(editor->FindWord, "x");
    EXPECT_EQ(Shown(editor), "CA DO [CA] cat cats, 4 words, tinted");
    editor->Exit->trigger();
    EXPECT_TRUE(t.window->isEnabled() && !editor->isVisible());

    // A long merge: the progress window until the timer has driven it to the end.
    t.window->Dictionary->click();
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
    editor->Merge->trigger();
    ProgressWindow* progress = t.app.progressWindow;
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
