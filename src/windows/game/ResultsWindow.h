// SPDX-License-Identifier: GPL-3.0-or-later
// The results window: the result texts, two word lists chosen by selectors (each word with
// its points, and the player's finds marked among all words), the board in small with the
// numbered path of the selected word, its definition, and the dictionary corrections.
#pragma once

#include <QDialog>

class DefinitionPanel;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class Runner;
class SmallBoard;
struct Program;
namespace Definitions {
class Library;
}
namespace ui {
class Desktop;
}

// Mirrors program.results; every handler is one core call.
class ResultsWindow : public QDialog {
    Q_OBJECT
public:
    ResultsWindow(Program& program, Runner& runner, ui::Desktop& desktop,
                  Definitions::Library& definitions, QWidget* parent = nullptr);

    // Shows program.results: selectors, lists and their selections, texts, buttons, the
    // small board and its path, the selected word's definition; hides the window once the
    // core has closed the results.
    void sync();

protected:
    // The frame's close box and Escape: always closes, so the main window is never left
    // disabled.
    void reject() override;
    // OK has the keyboard when the window comes up: on desktops where Return presses the
    // control in focus (GTK's), a selector in focus would open instead.
    void showEvent(QShowEvent* event) override;

private:
    // OK is ignored within the first second; `always` closes at once.
    void closeResults(bool always);
    // The buttons and titles that go with the chosen lists, and the lists.
    void showLists();
    void showPath();
    // The score table by player and the board's words by length.
    void showTables();

    Program& m_program;
    Runner& m_runner;

    QLabel* UserWordsLabel = nullptr;
    QComboBox* UserWordsCombo = nullptr;
    QListWidget* UserWords = nullptr;
    QLabel* DictWordsLabel = nullptr;
    QComboBox* DictWordsCombo = nullptr;
    QListWidget* DictWords = nullptr;
    QTableWidget* ScoreList = nullptr; // shown in the place of DictWords, a player a row
    QLabel* WordsLabel = nullptr;
    QLabel* ScoreLabel = nullptr;
    QLabel* BadWordsLabel = nullptr;
    QLabel* DailyLabel = nullptr;        // a board of the day's date and the streak
    QTableWidget* LengthTable = nullptr; // the board's words by length, found and there
    SmallBoard* ResultBoard = nullptr;   // the board with the selected word's path
    QPushButton* AddToDict = nullptr;
    QPushButton* RemoveFromDict = nullptr;
    QPushButton* UndoCorrection = nullptr;
    QPushButton* CopyBoardCode = nullptr;
    QPushButton* ResultsOK = nullptr;
    DefinitionPanel* Definition = nullptr;
    QString m_dailyShown; // the day DailyLabel was made for
};
