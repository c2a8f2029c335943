// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score window: one table of the ten best games, a choice of table, the
// player's name.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
struct App;

// Mirrors program.highScores; every handler is one call into HighScores and a refresh.
class HighScoresWindow : public QDialog {
    Q_OBJECT
public:
    explicit HighScoresWindow(App& app, QWidget* parent = nullptr);
    ~HighScoresWindow() override;

    QComboBox* KeyCombo = nullptr;      // the tables that have rows, and the one shown
    QTableWidget* ScoreTable = nullptr; // the shown table; the row just entered in bold
    QLabel* NameLabel = nullptr;
    QLabel* RecordLabel = nullptr; // wins, losses and ties against the computer
    QPushButton* ChangeName = nullptr;
    QPushButton* CloseButton = nullptr;

    void refresh();

protected:
    // The frame's close box and Escape.
    void reject() override;

private:
    App& m_app;
};

namespace Common {

// Game menu: the table of the current options, over the main window (not in network play).
void OpenHighScores(App& app);
// Shows the window when the core has opened it (a game just entered its table).
void ShowHighScoresWhenOpen(App& app);
void CloseHighScores(App& app);

} // namespace Common
