// SPDX-License-Identifier: GPL-3.0-or-later
// Game > Progress: the recorded games as charts drawn with QPainter (points and the share
// of the board's words found, game by game; words found by length against what the
// boards held; the days the board of the day was played), filtered by board language and
// settings.
#pragma once

#include <QDialog>

#include <array>
#include <vector>

class ProgressChart;
class QComboBox;
class QLabel;
class Runner;
struct Program;

class GameProgressWindow : public QDialog {
    Q_OBJECT
public:
    GameProgressWindow(Program& program, Runner& runner, QWidget* parent = nullptr);

    // Reads the games again and shows those the filters pass.
    void refresh();

protected:
    void reject() override;

private:
    // The filters' choices from the games recorded, keeping the chosen ones.
    void fillFilters();
    void showGames();

    Program& m_program;
    Runner& m_runner;
    QComboBox* LanguageFilter = nullptr;
    QComboBox* SettingsFilter = nullptr;
    QLabel* ProgressSummary = nullptr;
    ProgressChart* PointsChart = nullptr;
    ProgressChart* ShareChart = nullptr;
    ProgressChart* LengthChart = nullptr;
    ProgressChart* StreakChart = nullptr;
};
