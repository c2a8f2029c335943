// The dictionary editor's wiring: its handlers reach the core and it shows the core's
// state; a long merge in the progress window driven by its timer.
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
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QStringList Items(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

TEST(DictionaryEditor, handlersReachTheCoreAndTheWindowShowsItsState)
{
    TestApp t({"cat", "cats", "dog", "dot"});
    t.startUp();
    t.app.game.GameMode = NetworkHost;
    t.window->Dictionary->click();
    EXPECT_EQ(t.app.dictionaryEditor, nullptr) << "nothing opens during network play";
    t.app.game.GameMode = SinglePlayer;
    t.window->Dictionary->click();
    DictionaryEditor* editor = t.app.dictionaryEditor;
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(t.window->isEnabled());
    EXPECT_TRUE(editor->isEnabled()) << "not disabled along with the main window";
    EXPECT_EQ(Items(editor->StartingLetters), (QStringList{"CA", "DO"}));
    EXPECT_EQ(Items(editor->WordList), (QStringList{"cat", "cats"}));
    EXPECT_EQ(editor->WordCount->text(), "4 words");

    editor->StartingLetters->setCurrentIndex(1);
    EXPECT_EQ(Items(editor->WordList), (QStringList{"dog", "dot"}));
    editor->NewWord->setText("Dove");
    QTest::keyClick(editor->NewWord, Qt::Key_Return); // Add is the default button
    EXPECT_TRUE(editor->NewWord->text().isEmpty());
    EXPECT_EQ(Items(editor->WordList), (QStringList{"dog", "dot", "dove"}));
    editor->WordList->setCurrentRow(0);
    editor->Remove->click();
    EXPECT_EQ(Items(editor->WordList), (QStringList{"dot", "dove"}));
    EXPECT_EQ(editor->WordCount->text(), "4 words");
    t.desktop.answer(ui::Answer::Ok);
    editor->NewWord->setText("ox");
    editor->Add->click();
    EXPECT_TRUE(editor->NewWord->text().isEmpty()) << "a refused word is used up too";

    t.desktop.fileNames = {QString(), QString()};
    editor->Merge->trigger();
    editor->SaveAs->trigger();
    ASSERT_EQ(t.desktop.fileDialogs.size(), 2u);
    for (const ui::FileDialog& d : t.desktop.fileDialogs) {
        EXPECT_EQ(d.filter, "All Files (*);;Text Files (*.txt)");
        EXPECT_EQ(d.selectedFilter, "Text Files (*.txt)");
        EXPECT_EQ(d.folder, t.folder.path());
    }
    EXPECT_EQ(t.desktop.fileDialogs[1].defaultSuffix, "txt");

    editor->Exit->trigger();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(t.window->isEnabled());
    t.window->Dictionary->click();
    EXPECT_EQ(t.app.dictionaryEditor, editor) << "made once and kept";
    EXPECT_EQ(editor->StartingLetters->currentText(), "CA");
    editor->close();
    EXPECT_TRUE(t.window->isEnabled());
    EXPECT_EQ(t.desktop.pending(), 0);
}

TEST(DictionaryEditor, aLongMergeShowsItsBarUntilTheTimerHasDrivenItToTheEnd)
{
    TestApp t({"cat"});
    t.startUp();
    t.window->Dictionary->click();
    QFile file(t.folder.filePath("many.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int i = 0; i < 120000; ++i) {
        QByteArray word = QByteArray::number(i);
        for (char& c : word)
            c = static_cast<char>('a' + c - '0');
        file.write("mer" + word + '\n');
    }
    file.close();
    DictionaryEditor* editor = t.app.dictionaryEditor;
    for (int round = 0; round < 2; ++round) {
        t.desktop.fileNames = {file.fileName()};
        editor->Merge->trigger();
        ProgressWindow* progress = t.app.progressWindow;
        ASSERT_NE(progress, nullptr);
        EXPECT_TRUE(progress->isVisible());
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(progress->ProgressLabel->text(), "Merging words...");
        EXPECT_GT(progress->FullIndicatorWidth, 100) << "kept from the first merge on";
        EXPECT_EQ(progress->ProgressIndicator->width(),
                  Dictionary::IndicatorWidth(progress->FullIndicatorWidth,
                                             t.app.dictionary.Editor.MergePercent));
        // Not a speed check: the bound only keeps a broken timer from hanging the test.
        for (int wait = 0; progress->isVisible() && wait < 6000; ++wait)
            QTest::qWait(10);
        EXPECT_FALSE(progress->isVisible());
        EXPECT_TRUE(editor->isVisible());
        EXPECT_EQ(editor->windowModality(), Qt::NonModal);
        EXPECT_FALSE(t.window->isEnabled()) << "the main window waits for the editor";
        EXPECT_EQ(editor->WordCount->text(), "120001 words");
        EXPECT_EQ(Items(editor->StartingLetters), (QStringList{"CA", "ME"}));
    }
}

} // namespace
