// The results window: the result texts, two word lists chosen by selectors, the board
// in small with the path of a clicked word, and the dictionary corrections.
#pragma once

#include <QDialog>

#include <array>
#include <chrono>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
struct App;

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
    QPushButton* AddToDict = nullptr;
    QPushButton* RemoveFromDict = nullptr;
    QPushButton* ResultsOK = nullptr;

    // The list code of each selector item, by item index.
    std::vector<int> UserListCodes;
    std::vector<int> DictListCodes;
    // When the window was prepared; OK is ignored for a second after it.
    std::chrono::steady_clock::time_point ResultsShownAt{};

protected:
    // The frame's close box and Escape.
    void reject() override;

private:
    App& m_app;
};

namespace Common {

// The results window, made on first use as a child of the main window.
ResultsWindow& ResultsWindowFor(App& app);

// Fills the selectors for the game mode, the lists, the small board; starts the guard.
void PrepareResultsWindow(App& app);
// Fills both word lists from the selectors' codes.
void FillResultLists(App& app);
// Fills `target` (or, for the score table, ScoreList in its place) with a code's list.
void FillList(App& app, int code, QListWidget* target);
// Colours the small board: the word's path light green, the other cubes light orange.
void ShowWordPath(App& app, const std::string& word);
// Dictionary corrections of a single-player game.
void AddToDict(App& app);
void RemoveFromDict(App& app);
// OK: ignored within the first second, then gives the main window back.
void CloseResults(App& app);
// Closing by the frame: always closes, so the main window is never left disabled.
void ResultsWindowClosed(App& app);

} // namespace Common
