// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score window: one table of the ten best games, a choice of table, the
// player's name.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class Runner;
struct Program;

// Mirrors program.highScores; every handler is one core call.
class HighScoresWindow : public QDialog {
    Q_OBJECT
public:
    HighScoresWindow(Program& program, Runner& runner, QWidget* parent = nullptr);

    void sync();

protected:
    // The frame's close box and Escape.
    void reject() override;

private:
    Program& m_program;
    Runner& m_runner;

    QComboBox* KeyCombo = nullptr;      // the tables that have rows, and the one shown
    QTableWidget* ScoreTable = nullptr; // the shown table; the row just entered in bold
    QLabel* NameLabel = nullptr;
    QLabel* RecordLabel = nullptr; // wins, losses and ties against the computer
    QPushButton* ChangeName = nullptr;
    QPushButton* CloseButton = nullptr;
};
