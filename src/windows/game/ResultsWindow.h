// The results window: the result texts, two word lists chosen by selectors, the board
// in small with the path of a clicked word, and the dictionary corrections.
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
    QPushButton* AddToDict = nullptr;
    QPushButton* RemoveFromDict = nullptr;
    QPushButton* ResultsOK = nullptr;

    // Shows program.results: selectors, lists, texts, buttons, the small board and its
    // path. A word selected in a list stays selected when `keepSelection` and it is
    // still there.
    void refresh(bool keepSelection = false);

protected:
    // The frame's close box and Escape.
    void reject() override;

private:
    // The buttons and titles that go with the chosen lists, and the lists.
    void showLists(bool keepSelection);
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
