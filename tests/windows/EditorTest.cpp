// The dictionary editor's wiring: its handlers reach the core, and it and the progress
// window show the core's state.
#include "TestApp.h"

#include "core/dictionary/EditorRules.h"
#include "windows/dictionary/DictionaryEditor.h"
#include "windows/dictionary/ProgressWindow.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

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
    EXPECT_TRUE(editor->windowModality() == Qt::ApplicationModal && !t.window->isEnabled() &&
                editor->isEnabled())
        << "modal, not disabled along with the main window";
    editor->StartingLetters->setCurrentIndex(1);
    editor->NewWord->setText("Dove");
    QTest::keyClick(editor->NewWord, Qt::Key_Return); // Add is the default button
    editor->WordList->setCurrentRow(0);
    editor->Remove->click();
    EXPECT_EQ(Shown(editor), "CA DO [DO] dot dove, 4 words");
    t.desktop.answer(ui::Answer::Ok);
    editor->NewWord->setText("ox");
    editor->Add->click();
    EXPECT_TRUE(editor->NewWord->text().isEmpty()) << "a refused word is used up too";

    t.desktop.fileNames = {QString(), QString()};
    editor->Merge->trigger();
    editor->SaveAs->trigger();
    for (const ui::FileDialog& d : t.desktop.fileDialogs)
        EXPECT_EQ(QStringList({d.filter, d.selectedFilter, d.folder, d.defaultSuffix}),
                  QStringList({"All Files (*);;Text Files (*.txt)", "Text Files (*.txt)",
                               t.folder.path(), &d == &t.desktop.fileDialogs[1] ? "txt" : ""}));
    editor->Exit->trigger();
    EXPECT_TRUE(t.window->isEnabled() && !editor->isVisible());
    t.window->Dictionary->click();
    EXPECT_EQ(t.app.dictionaryEditor, editor) << "made once and kept";
    EXPECT_EQ(Shown(editor), "CA DO [CA] cat cats, 4 words");
    editor->close();
    EXPECT_TRUE(t.window->isEnabled());

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
    for (int round = 0; round < 2; ++round) { // the second keeps the bar's full width
        t.desktop.fileNames = {file.fileName()};
        editor->Merge->trigger();
        ProgressWindow* progress = t.app.progressWindow;
        ASSERT_TRUE(progress && progress->isVisible() && !editor->isVisible());
        EXPECT_TRUE(progress->ProgressLabel->text() == "Merging words..." &&
                    progress->FullIndicatorWidth > 100);
        EXPECT_EQ(progress->ProgressIndicator->width(),
                  Dictionary::IndicatorWidth(progress->FullIndicatorWidth,
                                             t.app.dictionary.Editor.MergePercent));
        // Not a speed check: the bound only keeps a broken timer from hanging the test.
        for (int wait = 0; progress->isVisible() && wait < 6000; ++wait)
            QTest::qWait(10);
        EXPECT_TRUE(editor->isVisible() && !progress->isVisible() &&
                    editor->windowModality() == Qt::NonModal && !t.window->isEnabled())
            << "back to the editor; the main window waits for it";
        EXPECT_EQ(Shown(editor), "CA DO ME [CA] cat cats, 120004 words");
    }
}

} // namespace
