// SPDX-License-Identifier: GPL-3.0-or-later
// The results window: the result texts, two word lists chosen by selectors (each word with
// its points, and the player's finds marked among all words), the board in small with the
// numbered path of the selected word, and the dictionary corrections.
#pragma once

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
struct App;

// Mirrors program.results; every handler is one call into Results and a refresh.
class ResultsWindow : public QDialog {
    Q_OBJECT
public:
    explicit ResultsWindow(App& app, QWidget* parent = nullptr);
    ~ResultsWindow() override;

    QLabel* UserWordsLabel = nullptr;
    QComboBox* UserWordsCombo = nullptr;
    QListWidget* UserWords = nullptr;
    QLabel* DictWordsLabel = nullptr;
    QComboBox* DictWordsCombo = nullptr;
    QListWidget* DictWords = nullptr;
    QListWidget* ScoreList = nullptr; // shown in the place of DictWords
    QLabel* WordsLabel = nullptr;
    QLabel* ScoreLabel = nullptr;
    QLabel* BadWordsLabel = nullptr;
    std::array<QLabel*, 16> ResultCubes{}; // element 4 * row + column
    // On each cube, its steps in the selected word's path ("1", "2,5"); empty off the path.
    std::array<QLabel*, 16> PathSteps{};
    QPushButton* AddToDict = nullptr;
    QPushButton* RemoveFromDict = nullptr;
    QPushButton* ResultsOK = nullptr;

    // Shows program.results: selectors, lists and their selections, texts, buttons, the
    // small board and its path.
    void refresh();

protected:
    // The frame's close box and Escape.
    void reject() override;

private:
    // The buttons and titles that go with the chosen lists, and the lists.
    void showLists();
    void showPath();

    App& m_app;
};

namespace Common {

// The results window, made on first use as a child of the main window.
ResultsWindow& ResultsWindowFor(App& app);

// Makes the window mirror program.results (prepared for the game just evaluated).
void PrepareResultsWindow(App& app);
// OK: ignored within the first second, then gives the main window back.
void CloseResults(App& app);
// Closing by the frame: always closes, so the main window is never left disabled.
void ResultsWindowClosed(App& app);

} // namespace Common
