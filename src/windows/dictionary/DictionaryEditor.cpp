// SPDX-License-Identifier: GPL-3.0-or-later
#include "DictionaryEditor.h"

#include "core/dictionary/Definitions.h"
#include "core/dictionary/EditorRules.h"
#include "core/game/BoardLanguage.h"
#include "core/game/DataFolders.h"
#include "core/game/Program.h"
#include "windows/dictionary/DefinitionPanel.h"
#include "windows/game/Runner.h"
#include "windows/ui/Colours.h"
#include "windows/ui/Desktop.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>

#include <algorithm>

DictionaryEditor::DictionaryEditor(Program& program, Runner& runner, ui::Desktop& desktop,
                                   Definitions::Library& definitions, QWidget* parent)
    : QMainWindow(parent), m_program(program), m_runner(runner), m_desktop(desktop)
{
    setObjectName(QStringLiteral("DictionaryEditor"));
    setWindowTitle(tr("Lettro Dictionary"));

    File = menuBar()->addMenu(tr("&File"));
    File->setObjectName(QStringLiteral("File"));
    Clear = File->addAction(tr("&Clear"));
    Clear->setObjectName(QStringLiteral("Clear"));
    Merge = File->addAction(tr("&Merge"));
    Merge->setObjectName(QStringLiteral("Merge"));
    SaveAs = File->addAction(tr("Save &As"));
    SaveAs->setObjectName(QStringLiteral("SaveAs"));
    File->addSeparator();
    Exit = File->addAction(tr("E&xit"));
    Exit->setObjectName(QStringLiteral("Exit"));
    // Mnemonics everywhere, and Escape leaves, so the editor needs no mouse.
    Exit->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence::Close});

    QFont courier(QStringLiteral("Courier New"), 12);
    courier.setStyleHint(QFont::TypeWriter);

    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* grid = new QGridLayout(central);

    auto* startLabel = new QLabel(tr("&Starting letters"), central);
    StartingLetters = new QComboBox(central);
    StartingLetters->setObjectName(QStringLiteral("StartingLetters"));
    StartingLetters->setFont(courier);
    StartingLetters->setMaxVisibleItems(20);
    startLabel->setBuddy(StartingLetters);

    WordList = new QListWidget(central);
    WordList->setObjectName(QStringLiteral("WordList"));
    WordList->setFont(courier);
    WordList->setSelectionMode(QAbstractItemView::SingleSelection);
    WordList->setUniformItemSizes(true); // thousands of words list quickly

    WordCount = new QLabel(central);
    WordCount->setObjectName(QStringLiteral("WordCount"));

    auto* newLabel = new QLabel(tr("&New word"), central);
    NewWord = new QLineEdit(central);
    NewWord->setObjectName(QStringLiteral("NewWord"));
    NewWord->setFont(courier);
    newLabel->setBuddy(NewWord);

    Add = new QPushButton(tr("&Add"), central);
    Add->setObjectName(QStringLiteral("Add"));
    Remove = new QPushButton(tr("&Remove"), central);
    Remove->setObjectName(QStringLiteral("Remove"));
    Remove->setAutoDefault(false);
    Undo = new QPushButton(tr("&Undo"), central);
    Undo->setObjectName(QStringLiteral("Undo"));
    Undo->setAutoDefault(false);
    Undo->setShortcut(QKeySequence::Undo);
    Undo->setToolTip(tr("Put back the word removed last"));

    auto* findLabel = new QLabel(tr("Fin&d"), central);
    FindWord = new QLineEdit(central);
    FindWord->setObjectName(QStringLiteral("FindWord"));
    FindWord->setFont(courier);
    FindWord->setClearButtonEnabled(true);
    findLabel->setBuddy(FindWord);

    Definition = new DefinitionPanel(definitions, desktop, central);

    grid->addWidget(startLabel, 0, 0);
    grid->addWidget(StartingLetters, 1, 0);
    grid->addWidget(WordList, 2, 0, 5, 1);
    grid->addWidget(WordCount, 7, 0);
    grid->addWidget(newLabel, 0, 1);
    grid->addWidget(NewWord, 1, 1);
    grid->addWidget(Add, 2, 1);
    auto* removal = new QHBoxLayout;
    removal->addWidget(Remove, 1);
    removal->addWidget(Undo);
    grid->addLayout(removal, 3, 1);
    grid->addWidget(findLabel, 4, 1);
    grid->addWidget(FindWord, 5, 1);
    grid->addWidget(Definition, 6, 1, 2, 1);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    statusBar()->setSizeGripEnabled(false);
    resize(560, 460);

    // Each handler is one call into the core.
    connect(StartingLetters, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_runner.run([this, index] { Dictionary::SelectStart(m_program, index); });
    });
    connect(FindWord, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_runner.run([this, &text] { Dictionary::FindEditorWord(m_program, text); });
    });
    connect(Add, &QPushButton::clicked, this, [this] {
        m_runner.run([this] { Dictionary::AddEditorWord(m_program, NewWord->text()); });
        NewWord->clear();
    });
    connect(Remove, &QPushButton::clicked, this, [this] {
        const QList<QListWidgetItem*> selected = WordList->selectedItems();
        const std::string word =
            selected.isEmpty() ? std::string() : selected.constFirst()->text().toStdString();
        m_runner.run([this, &word] { Dictionary::RemoveEditorWord(m_program, word); });
    });
    connect(Undo, &QPushButton::clicked, this,
            [this] { m_runner.run([this] { Dictionary::UndoEditorRemoval(m_program); }); });
    connect(WordList, &QListWidget::itemSelectionChanged, this, &DictionaryEditor::showDefinition);
    connect(Clear, &QAction::triggered, this,
            [this] { m_runner.run([this] { Dictionary::ClearDictionary(m_program); }); });
    connect(Merge, &QAction::triggered, this, [this] {
        const ui::FileDialog dialog{tr("Merge a Word File"), wordFileFolder(),
                                    tr("All Files (*);;Text Files (*.txt)"),
                                    tr("Text Files (*.txt)"), QString()};
        const QString path = m_desktop.openFileName(this, dialog);
        m_runner.run([this, &path] { Dictionary::MergeWordFile(m_program, path); });
    });
    connect(SaveAs, &QAction::triggered, this, [this] {
        const ui::FileDialog dialog{tr("Save the Dictionary as a Word File"), wordFileFolder(),
                                    tr("All Files (*);;Text Files (*.txt)"),
                                    tr("Text Files (*.txt)"), QStringLiteral("txt")};
        const QString path = m_desktop.saveFileName(this, dialog);
        m_runner.run([this, &path] { Dictionary::SaveWordFile(m_program, path); });
    });
    connect(Exit, &QAction::triggered, this,
            [this] { m_runner.run([this] { Dictionary::CloseDictionaryEditor(m_program); }); });
}

void DictionaryEditor::prepareToOpen()
{
    Add->setDefault(true);
    FindWord->clear();
    NewWord->setFocus();
}

void DictionaryEditor::sync()
{
    const EditorState& state = m_program.dictionary.Editor;
    if (!state.Open) {
        if (isVisible()) {
            WordList->clear();
            hide();
        }
        showDefinition();
        return;
    }
    // Each board language has a dictionary of its own.
    setWindowTitle(
        BoardLanguage::WindowTitle(tr("Lettro Dictionary"), m_program.dictionary.Language));
    Undo->setEnabled(!state.LastRemoved.empty());
    QListWidget* list = WordList;
    // A search within the listed start only moves the selection: thousands of words are
    // not listed again on every keystroke.
    if (m_shownListing != state.Listing) {
        m_shownListing = state.Listing;
        QComboBox* box = StartingLetters;
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
    WordCount->setText(tr("%1 words").arg(QLocale().toString(state.WordCount)));
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
    QPalette tint = palette();
    if (state.SearchMissed)
        tint.setColor(QPalette::Base, Colours::NoMatchTint(tint));
    FindWord->setPalette(tint);
    if (state.Status.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(state.Status);
    showDefinition();
}

void DictionaryEditor::showDefinition()
{
    const QList<QListWidgetItem*> selected = WordList->selectedItems();
    Definition->define(QString::fromStdString(m_program.dictionary.Language),
                       selected.isEmpty() || !Definitions::Shown(m_program)
                           ? QString()
                           : selected.constFirst()->text());
}

QString DictionaryEditor::wordFileFolder() const
{
    return QString::fromStdString(DataFolders::WordFileFolder(
        {m_program.ProgramFolder, m_program.UserFolder}, QDir::homePath().toStdString()));
}

void DictionaryEditor::closeEvent(QCloseEvent* event)
{
    m_runner.run([this] { Dictionary::CloseDictionaryEditor(m_program); });
    event->accept();
}

// Add is the default button: Return anywhere in the editor adds the typed word. A main
// window has no default button of its own, and the word box and list pass Return on.
void DictionaryEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Add->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
