// The dictionary editor: browsing by two-letter starts, single words, clear, merge of a
// word file in timer steps, and saving as text.
#include "Editor.h"

#include "windows/dictionary/DictionaryEditor.h"
#include "core/dictionary/DictionaryStore.h"
#include "core/dictionary/EditorRules.h"
#include "windows/dictionary/ProgressWindow.h"
#include "windows/game/App.h"
#include "windows/game/MainWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace Dictionary {

namespace {

const QString kWordFileFilter = QStringLiteral("All Files (*);;Text Files (*.txt)");
const QString kTextFilesFilter = QStringLiteral("Text Files (*.txt)");

DictionaryEditor* EditorWindow(App& app)
{
    if (!app.dictionaryEditor)
        app.dictionaryEditor = new DictionaryEditor(app, app.main);
    return app.dictionaryEditor;
}

ProgressWindow* ProgressDisplay(App& app)
{
    if (!app.progressWindow)
        app.progressWindow = new ProgressWindow(app, app.main);
    return app.progressWindow;
}

// The editor's messages belong to the editor, which is in front of the disabled main
// window.
ui::Answer EditorAsk(App& app, const QString& text, ui::Buttons buttons = ui::Buttons::Ok)
{
    return Ask(app, text, buttons, QStringLiteral("Lettro"), core::Owner::Editor);
}

QString NativePath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// Disabling the main window also disables the child windows it already has; the one in
// use is enabled again.
void EnableOverMain(QWidget* window)
{
    window->setEnabled(true);
}

void SetIndicatorWidth(ProgressWindow* progress, int percent)
{
    QFrame* bar = progress->ProgressIndicator;
    bar->resize(IndicatorWidth(progress->FullIndicatorWidth, percent), bar->height());
}

void Refresh(QWidget* window)
{
    if (window->isVisible())
        window->repaint();
}

} // namespace

void OpenDictionaryEditor(App& app)
{
    if (IsNetworkGame(app))
        return;
    DictionaryEditor* editor = EditorWindow(app);
    if (app.main)
        app.main->setEnabled(false);
    EnableOverMain(editor);
    FillStartingLetters(app, true);
    editor->Add->setDefault(true);
    ListWords(app);
    // Modality can only change while the window is hidden; it is, whenever the Dictionary
    // button can be pressed.
    if (!editor->isVisible())
        editor->setWindowModality(Qt::ApplicationModal);
    editor->NewWord->setFocus();
    editor->show();
    editor->raise();
    editor->activateWindow();
}

void FillStartingLetters(App& app, bool reset)
{
    QComboBox* box = EditorWindow(app)->StartingLetters;
    const QString remembered = (!reset && box->count() > 0) ? box->currentText() : QString();
    // The caller lists the words once the list is complete, not once per added entry.
    const QSignalBlocker quiet(box);
    box->setUpdatesEnabled(false);
    box->clear();
    int selected = -1;
    for (const QString& pair : StartingLetterPairs(app.engine)) {
        box->addItem(pair);
        if (pair == remembered)
            selected = box->count() - 1;
    }
    if (box->count() > 0 && selected < 0)
        selected = 0;
    box->setCurrentIndex(selected);
    box->setUpdatesEnabled(true);
}

void ListWords(App& app)
{
    DictionaryEditor* editor = EditorWindow(app);
    editor->WordCount->setText(QString::number(app.engine.cNumberOfWords())
                               + QStringLiteral(" words"));
    QListWidget* list = editor->WordList;
    list->setUpdatesEnabled(false);
    list->clear();
    if (editor->StartingLetters->currentIndex() >= 0) {
        const auto words = WordsStartingWith(app.engine, editor->StartingLetters->currentText(),
                                             app.dictionary.LetterBase);
        QStringList items;
        items.reserve(static_cast<qsizetype>(words.size()));
        for (const std::string& word : words)
            items << QString::fromLatin1(word);
        list->addItems(items);
    }
    list->clearSelection();
    list->setCurrentRow(-1);
    list->setUpdatesEnabled(true);
}

void AddEditorWord(App& app)
{
    DictionaryEditor* editor = EditorWindow(app);
    const QString word = editor->NewWord->text().toLower();
    switch (CheckEditorWord(word)) {
    case EditorWordCheck::Empty:
        return;
    case EditorWordCheck::BadLength:
        EditorAsk(app, QStringLiteral("Words must be 3 to 16 letters long."));
        editor->NewWord->clear();
        return;
    case EditorWordCheck::NonAlphabetic:
        EditorAsk(app, QStringLiteral("Word has a non-alphabetic character, no added."));
        editor->NewWord->clear();
        return;
    case EditorWordCheck::Ok:
        break;
    }
    AddDictionaryWord(app, word.toStdString());
    editor->NewWord->clear();
    FillStartingLetters(app, false);
    ListWords(app);
}

void RemoveEditorWord(App& app)
{
    DictionaryEditor* editor = EditorWindow(app);
    const QList<QListWidgetItem*> selected = editor->WordList->selectedItems();
    if (!selected.isEmpty())
        RemoveDictionaryWord(app, selected.constFirst()->text().toStdString());
    else
        EditorAsk(app, QStringLiteral("You must select a word to remove."));
    FillStartingLetters(app, false);
    ListWords(app);
}

void ClearDictionary(App& app)
{
    EditorWindow(app);
    if (EditorAsk(app, QStringLiteral("Clear the dictionary?"), ui::Buttons::YesNo)
        != ui::Answer::Yes)
        return;
    app.engine.cDictionaryClear();
    FillStartingLetters(app, true);
    ListWords(app);
}

void MergeWordFile(App& app)
{
    DictionaryEditor* editor = EditorWindow(app);
    const ui::FileDialog dialog{QStringLiteral("Merge a Word File"),
                                QString::fromStdString(app.ProgramFolder), kWordFileFilter,
                                kTextFilesFilter, QString()};
    const QString name = app.desktop.openFileName(editor, dialog);
    if (name.isEmpty())
        return;
    // The engine treats a file it cannot open as an empty merge; say so instead of
    // pretending that the words went in.
    QFile probe(name);
    if (!QFileInfo(name).isFile() || !probe.open(QIODevice::ReadOnly)) {
        EditorAsk(app, QStringLiteral("The word file %1 could not be opened.")
                           .arg(NativePath(name)));
        return;
    }
    probe.close();

    const int percent = app.engine.cReadTextFile(QFile::encodeName(name).toStdString());
    if (percent >= 100) {
        ListWords(app);
        app.dictionary.DictionaryUpdated = true;
        return;
    }
    editor->hide();
    ProgressWindow* progress = ProgressDisplay(app);
    EnableOverMain(progress);
    progress->ProgressLabel->setText(QStringLiteral("Merging words..."));
    progress->Display();
    if (progress->FullIndicatorWidth == 0)
        progress->FullIndicatorWidth = progress->ProgressIndicator->width();
    SetIndicatorWidth(progress, percent);
    Refresh(progress);
    progress->DictionaryTimer->start();
}

void MergeStep(App& app)
{
    ProgressWindow* progress = app.progressWindow;
    DictionaryEditor* editor = app.dictionaryEditor;
    // Only a merge that MergeWordFile started is stepped: with none running the engine
    // would take "dummy" for a file name.
    if (!progress || !editor || !progress->isVisible())
        return;
    progress->DictionaryTimer->stop();
    const int percent = app.engine.cReadTextFile("dummy");
    if (percent < 100) {
        SetIndicatorWidth(progress, percent);
        Refresh(progress);
        progress->DictionaryTimer->start();
        return;
    }
    SetIndicatorWidth(progress, 0);
    FillStartingLetters(app, true);
    progress->HideDisplay();
    // Back without modality; the main window stays disabled until the editor closes.
    editor->setWindowModality(Qt::NonModal);
    EnableOverMain(editor);
    editor->show();
    editor->raise();
    editor->activateWindow();
    ListWords(app);
    app.dictionary.DictionaryUpdated = true;
}

void SaveWordFile(App& app)
{
    DictionaryEditor* editor = EditorWindow(app);
    const ui::FileDialog dialog{QStringLiteral("Save the Dictionary as a Word File"),
                                QString::fromStdString(app.ProgramFolder), kWordFileFilter,
                                kTextFilesFilter, QStringLiteral("txt")};
    const QString name = app.desktop.saveFileName(editor, dialog);
    if (name.isEmpty())
        return;
    // A word file that silently failed to appear would be found missing only later.
    if (!app.engine.cWriteTextFile(QFile::encodeName(name).toStdString()))
        EditorAsk(app, QStringLiteral("The word file %1 could not be written.")
                           .arg(NativePath(name)));
}

void CloseDictionaryEditor(App& app)
{
    if (DictionaryEditor* editor = app.dictionaryEditor) {
        editor->WordList->clear();
        editor->hide();
    }
    ReturnToMainWindow(app);
}

} // namespace Dictionary
