// SPDX-License-Identifier: GPL-3.0-or-later
#include "DictionaryEditor.h"

#include "core/dictionary/EditorRules.h"
#include "core/game/DataFolders.h"
#include "windows/dictionary/Editor.h"
#include "windows/game/App.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace {
const QString kWordFileFilter = QStringLiteral("All Files (*);;Text Files (*.txt)");
const QString kTextFilesFilter = QStringLiteral("Text Files (*.txt)");
} // namespace

DictionaryEditor::DictionaryEditor(App& app, QWidget* parent) : QMainWindow(parent), m_app(app)
{
    setObjectName(QStringLiteral("DictionaryEditor"));
    setWindowTitle(QStringLiteral("Lettro Dictionary"));

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

    auto* findLabel = new QLabel(tr("Fin&d"), central);
    FindWord = new QLineEdit(central);
    FindWord->setObjectName(QStringLiteral("FindWord"));
    FindWord->setFont(courier);
    FindWord->setClearButtonEnabled(true);
    findLabel->setBuddy(FindWord);

    grid->addWidget(startLabel, 0, 0);
    grid->addWidget(StartingLetters, 1, 0);
    grid->addWidget(WordList, 2, 0, 5, 1);
    grid->addWidget(WordCount, 7, 0);
    grid->addWidget(newLabel, 0, 1);
    grid->addWidget(NewWord, 1, 1);
    grid->addWidget(Add, 2, 1);
    grid->addWidget(Remove, 3, 1);
    grid->addWidget(findLabel, 4, 1);
    grid->addWidget(FindWord, 5, 1);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(0, 1);
    statusBar()->setSizeGripEnabled(false);
    resize(420, 460);

    // Each handler is one call into the core and a look at what it left.
    connect(StartingLetters, &QComboBox::currentIndexChanged, this, [this](int index) {
        Dictionary::SelectStart(m_app, index);
        Dictionary::ShowEditorState(m_app);
    });
    connect(FindWord, &QLineEdit::textChanged, this, [this](const QString& text) {
        Dictionary::FindEditorWord(m_app, text);
        Dictionary::ShowEditorState(m_app);
    });
    connect(Add, &QPushButton::clicked, this, [this] {
        Dictionary::AddEditorWord(m_app, NewWord->text());
        NewWord->clear();
        Dictionary::ShowEditorState(m_app);
    });
    connect(Remove, &QPushButton::clicked, this, [this] {
        const QList<QListWidgetItem*> selected = WordList->selectedItems();
        Dictionary::RemoveEditorWord(
            m_app, selected.isEmpty() ? std::string() : selected.constFirst()->text().toStdString());
        Dictionary::ShowEditorState(m_app);
    });
    connect(Clear, &QAction::triggered, this, [this] {
        Dictionary::ClearDictionary(m_app);
        Dictionary::ShowEditorState(m_app);
    });
    connect(Merge, &QAction::triggered, this, [this] {
        const ui::FileDialog dialog{QStringLiteral("Merge a Word File"), wordFileFolder(),
                                    kWordFileFilter, kTextFilesFilter, QString()};
        Dictionary::MergeWordFile(m_app, m_app.desktop.openFileName(this, dialog));
        Dictionary::ShowMergeState(m_app);
    });
    connect(SaveAs, &QAction::triggered, this, [this] {
        const ui::FileDialog dialog{QStringLiteral("Save the Dictionary as a Word File"),
                                    wordFileFolder(), kWordFileFilter, kTextFilesFilter,
                                    QStringLiteral("txt")};
        Dictionary::SaveWordFile(m_app, m_app.desktop.saveFileName(this, dialog));
    });
    connect(Exit, &QAction::triggered, this, [this] { Dictionary::CloseDictionaryEditor(m_app); });
}

DictionaryEditor::~DictionaryEditor()
{
    if (m_app.dictionaryEditor == this)
        m_app.dictionaryEditor = nullptr;
}

QString DictionaryEditor::wordFileFolder() const
{
    return QString::fromStdString(DataFolders::WordFileFolder(
        {m_app.ProgramFolder, m_app.UserFolder}, QDir::homePath().toStdString()));
}

void DictionaryEditor::closeEvent(QCloseEvent* event)
{
    Dictionary::CloseDictionaryEditor(m_app);
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
