// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the board, the word box and list, the clock and the buttons.
// Every event goes straight to a game procedure.
#pragma once

#include "core/game/Program.h"

#include <QMainWindow>

#include <vector>

class CubeFrame;
class QAction;
class QHBoxLayout;
class QVBoxLayout;
class PlayFeedback;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class QToolBar;
class QToolButton;
class Runner;
namespace ui {
class Desktop;
}

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Program& program, Runner& runner, ui::Desktop& desktop);
    ~MainWindow() override;

    // After the core's start-up: the board's geometry, the list's column, the hand.
    void startUp();
    // Shows the core's state: cubes whose look changed, the hidden board, the word box
    // (without running the typing filter), the list, labels, clock and the hand's layout;
    // starts or stops the clock's timer.
    void sync();
    // Typing goes on in the word box when it takes words.
    void focusWordBox();
    // Leaving: the clock stops for good.
    void stopClock();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* addToolButton(const QString& name, const QString& text, const QString& tip);
    void setToolBarIcons();
    // The menu bar: each command clicks its toolbar button and is enabled exactly when
    // the button is; Game > Last Results is enabled when the core can show them again.
    void addMenus();
    // The width the toolbar needs to show every button.
    int toolBarWidth() const;
    // Puts the board and the word list on the sides for the wanted hand (true: the
    // left-handed layout, the one the window is built with).
    void LayOutForHand(bool leftHanded);
    // The two columns side by side by the hand, or in a tall window the board above
    // the list.
    void arrangeColumns();
    // The cubes' size for the area's: they grow with it, the list taking what is left;
    // a window too tall for the board beside the list gets the list under the board.
    void layOut();
    void showInFront();
    // Enter, Return and a double click on the board: the word goes into the list.
    void enterWord();

    Program& m_program;
    Runner& m_runner;
    ui::Desktop& m_desktop;

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
    PlayFeedback* Feedback = nullptr; // the box's red, the clock's panel, bonus, turn, score
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

    QHBoxLayout* m_columns = nullptr; // the board's column and the list's, by the hand
    QVBoxLayout* m_boardColumn = nullptr;
    QVBoxLayout* m_listColumn = nullptr;
    int m_minListWidth = 0;
    bool m_leftHanded = true;
    bool m_stacked = false; // the list under the board
    bool m_mirroring = false;             // sync() is writing the word box
    std::vector<ListedWord> m_shownWords; // what the list rows show
    int m_cubeUnderMouse = -1;            // at the last press on the board; -1: none
};
