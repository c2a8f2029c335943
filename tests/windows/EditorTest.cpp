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
    t.app.game.GameMode = NetworkHost;
    t.window->Dictionary->click();
    EXPECT_EQ(t.app.dictionaryEditor, nullptr) << "nothing opens during network play";
    t.app.game.GameMode = SinglePlayer;
    t.window->Dictionary->click();
    DictionaryEditor* editor = t.app.dictionaryEditor;
    EXPECT_EQ(editor->windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(t.window->isEnabled());
    EXPECT_TRUE(editor->isEnabled()) << "not disabled along with the main window";
    EXPECT_EQ(Shown(editor), "CA DO [CA] cat cats, 4 words");
    editor->StartingLetters->setCurrentIndex(1);
    EXPECT_EQ(Shown(editor), "CA DO [DO] dog dot, 4 words");
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
    QByteArray text;
    for (int i = 0; i < 120000; ++i) // distinct words: "mer" and the digits of i as letters
        text += "mer" + QByteArray::number(i) + '\n';
    for (char& c : text)
        c = c < 'a' && c != '\n' ? char(c + 49) : c;
    QFile file(t.folder.filePath("many.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    file.close();
    for (int round = 0; round < 2; ++round) { // the second keeps the bar's full width
        t.desktop.fileNames = {file.fileName()};
        editor->Merge->trigger();
        ProgressWindow* progress = t.app.progressWindow;
        ASSERT_TRUE(progress && progress->isVisible() && !editor->isVisible());
        EXPECT_EQ(progress->ProgressLabel->text(), "Merging words...");
        EXPECT_GT(progress->FullIndicatorWidth, 100);
        EXPECT_EQ(progress->ProgressIndicator->width(),
                  Dictionary::IndicatorWidth(progress->FullIndicatorWidth,
                                             t.app.dictionary.Editor.MergePercent));
        // Not a speed check: the bound only keeps a broken timer from hanging the test.
        for (int wait = 0; progress->isVisible() && wait < 6000; ++wait)
            QTest::qWait(10);
        EXPECT_TRUE(editor->isVisible() && !progress->isVisible());
        EXPECT_EQ(editor->windowModality(), Qt::NonModal);
        EXPECT_FALSE(t.window->isEnabled()) << "the main window waits for the editor";
        EXPECT_EQ(Shown(editor), "CA DO ME [CA] cat cats, 120004 words");
    }
}

} // namespace
