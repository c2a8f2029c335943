// The dictionary editor's wiring: its handlers reach the core, and it and the progress
// window show the core's state.
#include "TestApp.h"

#include "windows/dictionary/DictionaryEditor.h"
#include "windows/dictionary/ProgressWindow.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

// The starts, the words and the count, as the editor shows them.
QString Shown(const DictionaryEditor* e)
{
    QStringList shown;
    for (int i = 0; i < e->StartingLetters->count(); ++i)
        shown << e->StartingLetters->itemText(i);
    shown << "[" + e->StartingLetters->currentText() + "]";
    for (const QListWidgetItem* item : e->WordList->findItems("*", Qt::MatchWildcard))
        shown << item->text();
    return shown.join(' ') + ", " + e->WordCount->text();
}

TEST(DictionaryEditor, handlersReachTheCoreAndTheWindowsShowItsState)
{
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
    for (int wait = 0; progress->isVisible() && wait < 6000; ++wait)
        QTest::qWait(10);
    EXPECT_TRUE(editor->isVisible() && !progress->isVisible() && !t.window->isEnabled())
        << "back to the editor; the main window waits for it";
    EXPECT_EQ(Shown(editor), "CA DO ME [CA] cat cats, 120004 words");
}

} // namespace
