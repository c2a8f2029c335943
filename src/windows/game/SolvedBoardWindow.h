// SPDX-License-Identifier: GPL-3.0-or-later
// A solved board: every word the dictionary finds on it with its points, and the small
// board with the numbered path of the selected word. No clock, nothing to play.
#pragma once

#include "core/game/GivenBoard.h"

#include <QDialog>

#include <array>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;
class Runner;
class SmallBoard;

class SolvedBoardWindow : public QDialog {
    Q_OBJECT
public:
    SolvedBoardWindow(Runner& runner, QWidget* parent = nullptr);

    // Shows `words` (as Given::SolveBoard gives them) on `given`'s board; `note` is a
    // line under the totals, such as a streak ("" none).
    void showSolved(const BoardCode::GivenBoard& given, const std::vector<Given::SolvedWord>& words,
              const QString& note = {});

protected:
    void reject() override;

private:
    void showPath(int row);

    Runner& m_runner;
    std::vector<Given::SolvedWord> m_words;
    QTreeWidget* SolvedWords = nullptr;
    QLabel* SolvedSummary = nullptr;
    SmallBoard* SolvedCubes = nullptr; // the board with the selected word's path
    QPushButton* SolvedOK = nullptr;
};
