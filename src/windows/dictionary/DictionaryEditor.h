// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary editor window: browse the dictionary by its first two letters, add and
// remove words, the selected word's definition, and the File menu. Every event goes
// straight to a Dictionary procedure.
#pragma once

#include <QMainWindow>

class DefinitionPanel;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class Runner;
struct Program;
namespace Definitions {
class Library;
}
namespace ui {
class Desktop;
}

class DictionaryEditor : public QMainWindow {
    Q_OBJECT
public:
    DictionaryEditor(Program& program, Runner& runner, ui::Desktop& desktop,
                     Definitions::Library& definitions, QWidget* parent = nullptr);

    // Before each opening: Add is the default button, the word box has the focus, and a
    // search of an earlier visit is gone (it would select nothing now).
    void prepareToOpen();
    // The editor's lists, count, search hint and status as the core has them; hidden once
    // the core has closed the editor.
    void sync();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString wordFileFolder() const;
    // The definition of the selected word, or none.
    void showDefinition();

    Program& m_program;
    Runner& m_runner;
    ui::Desktop& m_desktop;

    QComboBox* StartingLetters = nullptr;
    QListWidget* WordList = nullptr;
    QLabel* WordCount = nullptr;
    QLineEdit* NewWord = nullptr;
    QPushButton* Add = nullptr;
    QPushButton* Remove = nullptr;
    QPushButton* Undo = nullptr; // puts the word removed last back
    QLineEdit* FindWord = nullptr; // the search box
    DefinitionPanel* Definition = nullptr;
    QMenu* File = nullptr;
    QAction* Clear = nullptr;
    QAction* Merge = nullptr;
    QAction* SaveAs = nullptr;
    QAction* Exit = nullptr;

    // The core's Listing count the lists were last filled for.
    int m_shownListing = -1;
};
