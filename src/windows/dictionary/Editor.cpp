// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary editor's windows: what the core's editor state looks like on screen.
#include "Editor.h"

#include "core/dictionary/EditorRules.h"
#include "windows/dictionary/DictionaryEditor.h"
#include "windows/dictionary/ProgressWindow.h"
#include "windows/game/App.h"
#include "windows/game/MainWindow.h"
#include "windows/game/WindowPlace.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace Dictionary {

namespace {

DictionaryEditor* EditorWindow(App& app)
{
    if (!app.dictionaryEditor) {
        app.dictionaryEditor = new DictionaryEditor(app, app.main);
        WindowPlace::Remember(app, *app.dictionaryEditor, QStringLiteral("Dictionary"));
    }
    return app.dictionaryEditor;
}

ProgressWindow* ProgressDisplay(App& app)
{
    if (!app.progressWindow) {
        app.progressWindow = new ProgressWindow(app, app.main);
        WindowPlace::Remember(app, *app.progressWindow, QStringLiteral("Progress"));
    }
    return app.progressWindow;
}

// Disabling the main window also disables the child windows it already has; the one in
// use is enabled again.
void ShowOverMain(QWidget* window)
{
    window->setEnabled(true);
    window->show();
    window->raise();
}

} // namespace

void OpenDictionaryEditor(App& app)
{
    if (!OpenDictionaryEditor(static_cast<Program&>(app)))
        return;
    DictionaryEditor* editor = EditorWindow(app);
    if (app.main)
        app.main->setEnabled(false);
    editor->Add->setDefault(true);
    editor->FindWord->clear(); // a search of an earlier visit would select nothing now
    ShowEditorState(app);
    // Modality can only change while the window is hidden; it is, whenever the Dictionary
    // button can be pressed.
    if (!editor->isVisible())
        editor->setWindowModality(Qt::ApplicationModal);
    editor->NewWord->setFocus();
    ShowOverMain(editor);
    editor->activateWindow();
}

void ShowEditorState(App& app)
{
    const EditorState& state = app.dictionary.Editor;
    DictionaryEditor* editor = EditorWindow(app);
    QListWidget* list = editor->WordList;
    // A search within the listed start only moves the selection: thousands of words are
    // not listed again on every keystroke.
    if (editor->ShownListing != state.Listing) {
        editor->ShownListing = state.Listing;
        QComboBox* box = editor->StartingLetters;
        {
            // The words are listed once, not once per entry added to the box.
            const QSignalBlocker quiet(box);
            box->setUpdatesEnabled(false);
            box->clear();
            for (const std::string& pair : state.StartingLetters)
                box->addItem(QString::fromStdString(pair));
            box->setCurrentIndex(state.SelectedStart);
            box->setUpdatesEnabled(true);
        }
        list->setUpdatesEnabled(false);
        list->clear();
        QStringList items;
        items.reserve(static_cast<qsizetype>(state.ShownWords.size()));
        for (const std::string& word : state.ShownWords)
            items << QString::fromLatin1(word);
        list->addItems(items);
        list->setUpdatesEnabled(true);
    }
    editor->WordCount->setText(QLocale().toString(state.WordCount) + QStringLiteral(" words"));
    if (state.FoundWord >= 0) {
        list->setCurrentRow(state.FoundWord);
        list->scrollToItem(list->currentItem(), QAbstractItemView::PositionAtCenter);
    } else {
        list->clearSelection();
        list->setCurrentRow(-1);
        if (state.NearWord >= 0 && list->count() > 0)
            list->scrollToItem(list->item(std::min(state.NearWord, list->count() - 1)),
                               QAbstractItemView::PositionAtCenter);
    }
    // A quiet hint that nothing matches: the box takes a reddish tint, whatever the theme.
    QPalette tint = editor->palette();
    if (state.SearchMissed) {
        const QColor base = tint.color(QPalette::Base);
        tint.setColor(QPalette::Base, QColor::fromRgbF(base.redF() * 0.8f + 0.2f,
                                                       base.greenF() * 0.8f, base.blueF() * 0.8f));
    }
    editor->FindWord->setPalette(tint);
    if (state.Status.isEmpty())
        editor->statusBar()->clearMessage();
    else
        editor->statusBar()->showMessage(state.Status);
}

void ShowMergeState(App& app)
{
    const EditorState& state = app.dictionary.Editor;
    DictionaryEditor* editor = EditorWindow(app);
    ProgressWindow* progress = app.progressWindow;
    if (state.Merging) {
        if (!progress || !progress->isVisible()) {
            editor->hide();
            progress = ProgressDisplay(app);
            progress->ProgressLabel->setText(QStringLiteral("Merging words..."));
            progress->setEnabled(true); // see ShowOverMain
            // Shown without blocking any other window.
            progress->show();
            progress->raise();
            // The bar is left narrowed after a merge: its full width is the first one seen.
            if (progress->FullIndicatorWidth == 0)
                progress->FullIndicatorWidth = progress->ProgressIndicator->width();
        }
        progress->showPercent(state.MergePercent);
        progress->DictionaryTimer->start();
        return;
    }
    if (progress && progress->isVisible()) {
        progress->showPercent(0);
        progress->hide();
        // Back without modality; the main window stays disabled until the editor closes.
        editor->setWindowModality(Qt::NonModal);
        ShowOverMain(editor);
        editor->activateWindow();
    }
    ShowEditorState(app);
}

void CloseDictionaryEditor(App& app)
{
    CloseDictionaryEditor(static_cast<Program&>(app));
    if (DictionaryEditor* editor = app.dictionaryEditor) {
        editor->WordList->clear();
        editor->hide();
    }
    ReturnToMainWindow(app);
}

} // namespace Dictionary
