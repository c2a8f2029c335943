// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the board, the word box and list, the clock and the buttons.
// Every event goes straight to a game procedure.
#pragma once

#include "core/game/Program.h"

#include <QMainWindow>

#include <chrono>

#include <vector>

class CubeFrame;
class QAction;
class PlayFeedback;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class QToolBar;
class QToolButton;
struct App;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(App& app, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Public so that other windows can end the game through the main window.
    void EndGame();
    void EndGameNow();

    // Shows the core's state: cubes whose look changed, the hidden board, the word box
    // (without running the typing filter), the list, labels and clock; starts or stops
    // the clock's timer; opens the results when the core opened them.
    void sync();
    // sync(), then typing goes on in the word box when it takes words.
    void showGameState();

    CubeFrame* cubeFrame = nullptr; // objectName "CubeFrame"
    QLineEdit* NewWord = nullptr;
    QPushButton* Enter = nullptr;
    QPushButton* Clear = nullptr;
    QTableWidget* WordList = nullptr;
    QLabel* PlayerWordLabel = nullptr;
    QLabel* DefinedWordCount = nullptr;
    QLabel* OpponentsLabel = nullptr; // a line per computer opponent during play
    QLabel* TimeRemLabel = nullptr;
    QLabel* TimeLeft = nullptr;
    PlayFeedback* Feedback = nullptr; // the box's flash, the clock's panel, bonus, turn, score
    QTimer* GameClock = nullptr;
    QToolBar* ToolBar = nullptr;
    QToolButton* Start = nullptr;
    QToolButton* Pause = nullptr;
    QToolButton* End = nullptr;
    QToolButton* Options = nullptr;
    QToolButton* Dictionary = nullptr;
    QToolButton* NetworkButton = nullptr;
    QToolButton* HelpButton = nullptr;
    QToolButton* Exit = nullptr;
    QAction* LastResultsAction = nullptr; // Game > Last Results

    // Puts the board and the word list on the sides for the wanted hand (true: the
    // left-handed layout, the one the window is built with).
    void LayOutForHand(bool leftHanded);

    // The cube under the mouse at the last press on the board (-1: none).
    int cubeUnderMouse = -1;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* addToolButton(const QString& name, const QString& text, const QString& tip);
    void setToolBarIcons();
    // The width the toolbar needs to show every button.
    int toolBarWidth() const;
    // Places the board, the word list and their groups for the area's size and the hand:
    // the cubes grow with the area, the list takes the width that is left.
    void layOut();
    int m_minListWidth = 0;
    App& m_app;
    bool m_leftHanded = true;
    bool m_mirroring = false;             // sync() is writing the word box
    std::vector<ListedWord> m_shownWords; // what the list rows show
    std::chrono::steady_clock::time_point m_resultsShownAt{};
};
