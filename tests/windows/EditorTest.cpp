// The dictionary editor on real widgets: browsing, single words, clear, merge with its
// progress window, save as text, and giving the main window back.
#include "TestApp.h"

#include "windows/dictionary/DictionaryEditor.h"
#include "windows/dictionary/Editor.h"
#include "core/dictionary/EditorRules.h"
#include "windows/dictionary/ProgressWindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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

const std::vector<std::string> kWords = {"cat", "cats", "cattle", "cow", "dog", "dot", "zebra"};

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

// A started game with the editor opened through the main window's button.
struct EditorApp : TestApp {
    explicit EditorApp(const std::vector<std::string>& words = kWords) : TestApp(words)
    {
        startUp();
        window->Dictionary->click();
    }
    DictionaryEditor* editor() { return app.dictionaryEditor; }
    void select(const QString& start)
    {
        editor()->StartingLetters->setCurrentIndex(editor()->StartingLetters->findText(start));
    }
    void type(const QString& word)
    {
        editor()->NewWord->setText(word);
        editor()->Add->click();
    }
    QString writeFile(const QString& name, const QByteArray& contents)
    {
        const QString path = QDir(folder.path()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return path;
    }
};

// A word file of `lines` distinct words, big enough for the engine to merge in steps.
QByteArray ManyWords(int lines)
{
    QByteArray text;
    for (int i = 0; i < lines; ++i) {
        QByteArray word = "mer";
        for (int n = i; n > 0 || word.size() < 6; n /= 26)
            word += char('a' + n % 26);
        text += word + '\n';
    }
    return text;
}

TEST(DictionaryEditor, opensModalOverTheDisabledMainWindow)
{
    EditorApp t;
    DictionaryEditor* editor = t.editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->objectName(), "DictionaryEditor");
    EXPECT_EQ(editor->windowTitle(), "Lettro Dictionary");
    EXPECT_EQ(editor->parentWidget(), t.window.get());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->windowModality(), Qt::ApplicationModal);
    EXPECT_FALSE(t.window->isEnabled());
    // Disabling the main window disables its child windows too; a disabled editor
    // would leave the whole program unusable.
    EXPECT_TRUE(editor->isEnabled());
    EXPECT_TRUE(editor->Add->isDefault());

    EXPECT_EQ(Items(editor->StartingLetters), (QStringList{"CA", "CO", "DO", "ZE"}));
    EXPECT_EQ(editor->StartingLetters->currentText(), "CA");
    EXPECT_EQ(Items(editor->WordList), (QStringList{"cat", "cats", "cattle"}));
    EXPECT_TRUE(editor->WordList->selectedItems().isEmpty());
    EXPECT_EQ(editor->WordCount->text(), "7 words");

    t.select("DO");
    EXPECT_EQ(Items(editor->WordList), (QStringList{"dog", "dot"}));
    EXPECT_EQ(editor->WordCount->text(), "7 words");
    EXPECT_TRUE(t.desktop.shown.empty());
}

TEST(DictionaryEditor, exitAndFrameCloseGiveTheMainWindowBack)
{
    EditorApp t;
    DictionaryEditor* editor = t.editor();
    editor->Exit->trigger();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(t.window->isEnabled());
    EXPECT_EQ(editor->WordList->count(), 0);

    // Reopening starts on the first start again and lists it afresh.
    t.select("ZE");
    t.window->Dictionary->click();
    EXPECT_EQ(t.editor(), editor) << "the editor is made once and kept";
    EXPECT_FALSE(t.window->isEnabled());
    EXPECT_EQ(editor->StartingLetters->currentText(), "CA");
    EXPECT_EQ(Items(editor->WordList), (QStringList{"cat", "cats", "cattle"}));

    editor->close();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(t.window->isEnabled());
    EXPECT_EQ(t.app.dictionaryEditor, editor) << "a frame close only hides the editor";
}

TEST(DictionaryEditor, nothingOpensDuringNetworkPlay)
{
    for (int mode : {NetworkPlayer, NetworkHost}) {
        TestApp t(kWords);
        t.startUp();
        t.app.game.GameMode = mode;
        t.window->Dictionary->click();
        EXPECT_EQ(t.app.dictionaryEditor, nullptr) << "mode " << mode;
        EXPECT_TRUE(t.window->isEnabled()) << "mode " << mode;
    }
}

// The bounds are 3 to 16 letters whatever the word size options say.
TEST(DictionaryEditor, refusedWordsShowTheirMessageAndEmptyTheBox)
{
    EditorApp t;
    t.app.engine.cSetMinWordSize(5);
    t.app.engine.cSetMaxWordSize(6);
    const struct {
        const char* word;
        const char* message;
    } cases[] = {
        {"ca7", "Word has a non-alphabetic character, no added."},
        {"ice cream", "Word has a non-alphabetic character, no added."},
        {"caf\u00e9", "Word has a non-alphabetic character, no added."},
        {"ox", "Words must be 3 to 16 letters long."},
        {"abcdefghijklmnopq", "Words must be 3 to 16 letters long."},
    };
    for (const auto& c : cases) {
        t.desktop.shown.clear();
        t.desktop.answer(ui::Answer::Ok);
        t.type(QString::fromUtf8(c.word));
        ASSERT_EQ(t.desktop.shown.size(), 1u) << c.word;
        EXPECT_EQ(t.desktop.shown[0].text, c.message) << c.word;
        EXPECT_EQ(t.desktop.shown[0].title, "Lettro");
        EXPECT_EQ(t.desktop.shown[0].buttons, ui::Buttons::Ok);
        EXPECT_TRUE(t.editor()->NewWord->text().isEmpty()) << c.word;
    }
    EXPECT_EQ(t.app.engine.cNumberOfWords(), 7);
    EXPECT_FALSE(t.app.dictionary.DictionaryUpdated);

    // An empty box does nothing at all; the bounds themselves are taken.
    t.desktop.shown.clear();
    t.type("");
    t.type("ant");
    t.type("abcdefghijklmnop");
    EXPECT_TRUE(t.desktop.shown.empty());
    EXPECT_TRUE(t.app.engine.contains("ant"));
    EXPECT_TRUE(t.app.engine.contains("abcdefghijklmnop"));
}

TEST(DictionaryEditor, addedWordsAreStoredInLowerCaseAndKeepTheSelectedStart)
{
    EditorApp t;
    t.select("DO");
    t.type("BEAR"); // "BE" is a new start, before "DO" in the list
    EXPECT_TRUE(t.desktop.shown.empty());
    EXPECT_TRUE(t.app.engine.contains("bear"));
    EXPECT_FALSE(t.app.engine.contains("BEAR"));
    EXPECT_TRUE(t.app.dictionary.DictionaryUpdated);
    EXPECT_TRUE(t.editor()->NewWord->text().isEmpty());
    EXPECT_EQ(Items(t.editor()->StartingLetters), (QStringList{"BE", "CA", "CO", "DO", "ZE"}));
    EXPECT_EQ(t.editor()->StartingLetters->currentText(), "DO");
    EXPECT_EQ(Items(t.editor()->WordList), (QStringList{"dog", "dot"}));
    EXPECT_EQ(t.editor()->WordCount->text(), "8 words");

    // Return adds too: Add is the default button.
    t.editor()->NewWord->setText("Dove");
    QTest::keyClick(t.editor()->NewWord, Qt::Key_Return);
    EXPECT_EQ(Items(t.editor()->WordList), (QStringList{"dog", "dot", "dove"}));
    EXPECT_EQ(t.editor()->WordCount->text(), "9 words");
}

TEST(DictionaryEditor, removeTakesTheSelectedWordOrAsksForOne)
{
    EditorApp t;
    QListWidget* list = t.editor()->WordList;
    t.desktop.answer(ui::Answer::Ok);
    t.editor()->Remove->click();
    ASSERT_EQ(t.desktop.texts(), QStringList{"You must select a word to remove."});
    EXPECT_EQ(t.app.engine.cNumberOfWords(), 7);
    EXPECT_FALSE(t.app.dictionary.DictionaryUpdated);

    list->setCurrentRow(1); // "cats"
    t.editor()->Remove->click();
    EXPECT_EQ(t.desktop.shown.size(), 1u);
    EXPECT_FALSE(t.app.engine.contains("cats"));
    EXPECT_TRUE(t.app.dictionary.DictionaryUpdated);
    EXPECT_EQ(Items(list), (QStringList{"cat", "cattle"}));
    EXPECT_EQ(t.editor()->WordCount->text(), "6 words");

    // Removing the last word of the selected start falls back to the first start.
    t.select("ZE");
    list->setCurrentRow(0);
    t.editor()->Remove->click();
    EXPECT_EQ(Items(t.editor()->StartingLetters), (QStringList{"CA", "CO", "DO"}));
    EXPECT_EQ(t.editor()->StartingLetters->currentText(), "CA");
    EXPECT_EQ(Items(list), (QStringList{"cat", "cattle"}));
}

TEST(DictionaryEditor, clearEmptiesBothListsWithoutMarkingAChange)
{
    EditorApp t;
    t.desktop.answer(ui::Answer::No);
    t.editor()->Clear->trigger();
    EXPECT_EQ(t.app.engine.cNumberOfWords(), 7);
    EXPECT_EQ(t.editor()->StartingLetters->count(), 4);

    t.desktop.answer(ui::Answer::Yes);
    t.editor()->Clear->trigger();
    ASSERT_EQ(t.desktop.shown.size(), 2u);
    EXPECT_EQ(t.desktop.shown[1].text, "Clear the dictionary?");
    EXPECT_EQ(t.desktop.shown[1].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(t.app.engine.cNumberOfWords(), 0);
    EXPECT_EQ(t.editor()->StartingLetters->count(), 0);
    EXPECT_EQ(t.editor()->WordList->count(), 0);
    EXPECT_EQ(t.editor()->WordCount->text(), "0 words");
    EXPECT_FALSE(t.app.dictionary.DictionaryUpdated);

    // The empty editor still takes a first word.
    t.type("yak");
    EXPECT_EQ(Items(t.editor()->StartingLetters), QStringList{"YA"});
    EXPECT_EQ(Items(t.editor()->WordList), QStringList{"yak"});
    EXPECT_EQ(t.editor()->WordCount->text(), "1 words");
}

TEST(DictionaryEditor, cancelledDialogsDoNothing)
{
    EditorApp t;
    t.desktop.fileNames = {QString(), QString()};
    t.editor()->Merge->trigger();
    t.editor()->SaveAs->trigger();
    EXPECT_TRUE(t.desktop.shown.empty());
    EXPECT_TRUE(t.editor()->isVisible());
    EXPECT_EQ(t.app.progressWindow, nullptr);
    EXPECT_FALSE(t.app.dictionary.DictionaryUpdated);
    EXPECT_EQ(t.app.engine.cNumberOfWords(), 7);

    ASSERT_EQ(t.desktop.fileDialogs.size(), 2u);
    for (const ui::FileDialog& d : t.desktop.fileDialogs) {
        EXPECT_EQ(d.filter, "All Files (*);;Text Files (*.txt)");
        EXPECT_EQ(d.selectedFilter, "Text Files (*.txt)");
        EXPECT_EQ(d.folder, t.folder.path());
    }
    EXPECT_EQ(t.desktop.fileDialogs[0].defaultSuffix, "");
    EXPECT_EQ(t.desktop.fileDialogs[1].defaultSuffix, "txt");
}

TEST(DictionaryEditor, mergeDoneInTheFirstCallOnlyRelistsTheWords)
{
    EditorApp t;
    t.select("CO");
    t.desktop.fileNames = {t.writeFile("few.txt", "crow\ncod\nAPPLE\nno\nx1y\n")};
    t.editor()->Merge->trigger();

    EXPECT_TRUE(t.desktop.shown.empty());
    EXPECT_EQ(t.app.progressWindow, nullptr) << "no progress window for a one-step merge";
    EXPECT_TRUE(t.editor()->isVisible());
    EXPECT_EQ(t.editor()->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(t.app.dictionary.DictionaryUpdated);
    EXPECT_TRUE(t.app.engine.contains("apple"));
    EXPECT_EQ(t.editor()->WordCount->text(), "10 words");
    EXPECT_EQ(Items(t.editor()->WordList), (QStringList{"cod", "cow"}));
    // The starts are not rebuilt by a one-step merge: "AP" and "CR" are not listed yet.
    EXPECT_EQ(Items(t.editor()->StartingLetters), (QStringList{"CA", "CO", "DO", "ZE"}));
}

TEST(DictionaryEditor, mergeOfAFileThatCannotBeReadSaysSo)
{
    EditorApp t;
    const QString missing = QDir(t.folder.path()).filePath("gone.txt");
    t.desktop.fileNames = {missing, t.folder.path()};
    t.desktop.answer(ui::Answer::Ok);
    t.desktop.answer(ui::Answer::Ok);
    t.editor()->Merge->trigger();
    t.editor()->Merge->trigger(); // a folder is no word file either
    ASSERT_EQ(t.desktop.shown.size(), 2u);
    EXPECT_EQ(t.desktop.shown[0].text,
              QStringLiteral("The word file %1 could not be opened.").arg(missing));
    EXPECT_TRUE(t.desktop.shown[1].text.startsWith("The word file "));
    EXPECT_FALSE(t.app.dictionary.DictionaryUpdated);
    EXPECT_EQ(t.app.engine.cNumberOfWords(), 7);
    EXPECT_TRUE(t.editor()->isVisible());
}

TEST(DictionaryEditor, longMergeStepsTheBarAlongThePercentages)
{
    EditorApp t;
    const QString path = t.writeFile("many.txt", ManyWords(150000));
    // An engine of our own reads the same file in the same steps and tells which
    // percentage each step reaches.
    engine::Engine reference;
    std::vector<int> percents{reference.cReadTextFile(QFile::encodeName(path).toStdString())};
    while (percents.back() < 100)
        percents.push_back(reference.cReadTextFile("dummy"));
    ASSERT_GE(percents.size(), 3u) << "the file must take several steps";

    t.desktop.fileNames = {path};
    t.editor()->Merge->trigger();
    ProgressWindow* progress = t.app.progressWindow;
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->objectName(), "Progress");
    EXPECT_FALSE(t.editor()->isVisible());
    EXPECT_TRUE(progress->isVisible());
    EXPECT_TRUE(progress->isEnabled());
    EXPECT_FALSE(t.window->isEnabled());
    EXPECT_EQ(progress->ProgressLabel->text(), "Merging words...");
    EXPECT_EQ(progress->DictionaryTimer->interval(), 10);
    EXPECT_TRUE(progress->DictionaryTimer->isActive());
    const int full = progress->FullIndicatorWidth;
    EXPECT_GT(full, 100);
    EXPECT_EQ(progress->ProgressIndicator->width(), Dictionary::IndicatorWidth(full, percents[0]));

    int lastWidth = progress->ProgressIndicator->width();
    for (std::size_t step = 1; step + 1 < percents.size(); ++step) {
        Dictionary::MergeStep(t.app);
        const int width = progress->ProgressIndicator->width();
        EXPECT_EQ(width, Dictionary::IndicatorWidth(full, percents[step])) << "step " << step;
        EXPECT_GE(width, lastWidth);
        lastWidth = width;
        EXPECT_TRUE(progress->DictionaryTimer->isActive());
        EXPECT_FALSE(t.editor()->isVisible());
    }
    EXPECT_GT(lastWidth, Dictionary::IndicatorWidth(full, percents[0]));

    Dictionary::MergeStep(t.app); // the last step
    EXPECT_FALSE(progress->DictionaryTimer->isActive());
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(progress->ProgressIndicator->width(), 0);
    EXPECT_TRUE(t.editor()->isVisible());
    EXPECT_EQ(t.editor()->windowModality(), Qt::NonModal);
    EXPECT_TRUE(t.editor()->isEnabled());
    EXPECT_FALSE(t.window->isEnabled()) << "the main window waits for the editor to close";
    EXPECT_TRUE(t.app.dictionary.DictionaryUpdated);
    EXPECT_EQ(t.app.engine.cNumberOfWords(), 150000 + 7);
    EXPECT_EQ(t.editor()->WordCount->text(), "150007 words");
    EXPECT_EQ(Items(t.editor()->StartingLetters), (QStringList{"CA", "CO", "DO", "ME", "ZE"}));
    EXPECT_EQ(t.editor()->StartingLetters->currentText(), "CA");
    EXPECT_TRUE(t.desktop.shown.empty());

    // A second merge of the run keeps the bar's full width, although the bar is now 0 wide.
    t.desktop.fileNames = {path};
    t.editor()->Merge->trigger();
    EXPECT_EQ(progress->FullIndicatorWidth, full);
    EXPECT_EQ(progress->ProgressIndicator->width(), Dictionary::IndicatorWidth(full, percents[0]));
    while (progress->isVisible())
        Dictionary::MergeStep(t.app);
    EXPECT_EQ(t.app.engine.cNumberOfWords(), 150000 + 7) << "nothing new the second time";

    t.editor()->Exit->trigger();
    EXPECT_TRUE(t.window->isEnabled());
}

TEST(DictionaryEditor, theTimerDrivesAMergeToTheEnd)
{
    EditorApp t;
    t.desktop.fileNames = {t.writeFile("many.txt", ManyWords(120000))};
    t.editor()->Merge->trigger();
    ASSERT_NE(t.app.progressWindow, nullptr);
    ASSERT_TRUE(t.app.progressWindow->isVisible());
    // Not a speed check: the bound only keeps a broken timer from hanging the test.
    QElapsedTimer bound;
    bound.start();
    while (!t.editor()->isVisible() && bound.elapsed() < 60000)
        QTest::qWait(10);
    EXPECT_TRUE(t.editor()->isVisible());
    EXPECT_FALSE(t.app.progressWindow->isVisible());
    EXPECT_EQ(t.app.engine.cNumberOfWords(), 120000 + 7);
}

TEST(DictionaryEditor, aStrayStepWithoutAMergeDoesNothing)
{
    EditorApp t;
    Dictionary::MergeStep(t.app); // no progress window yet
    EXPECT_TRUE(t.editor()->isVisible());
    EXPECT_FALSE(t.app.dictionary.DictionaryUpdated);
}

TEST(DictionaryEditor, saveAsWritesEveryWordAndReportsAFailure)
{
    EditorApp t;
    const QString path = QDir(t.folder.path()).filePath("out.txt");
    t.desktop.fileNames = {path};
    t.editor()->SaveAs->trigger();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "cat\ncats\ncattle\ncow\ndog\ndot\nzebra\n");
    EXPECT_FALSE(t.app.dictionary.DictionaryUpdated);
    EXPECT_TRUE(t.desktop.shown.empty());

    const QString nowhere = QDir(t.folder.path()).filePath("no/such/folder/out.txt");
    t.desktop.fileNames = {nowhere};
    t.desktop.answer(ui::Answer::Ok);
    t.editor()->SaveAs->trigger();
    EXPECT_EQ(t.desktop.texts(),
              QStringList{QStringLiteral("The word file %1 could not be written.").arg(nowhere)});
}

} // namespace
