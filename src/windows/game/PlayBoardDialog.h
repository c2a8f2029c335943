// SPDX-License-Identifier: GPL-3.0-or-later
// Game > Play a Board: a board code, or the 16 letters of a physical board, played with
// its settings or only solved.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class Runner;
struct Program;

class PlayBoardDialog : public QDialog {
    Q_OBJECT
public:
    PlayBoardDialog(Program& program, Runner& runner, QWidget* parent = nullptr);

    // Opens empty, or with `text` filled in.
    void prepare(const QString& text = {});

protected:
    void reject() override;

private:
    // Play (true) or Solve; a refused code or a board that cannot be played now says
    // why under the box and keeps the dialog up.
    void useBoard(bool play);

    Program& m_program;
    Runner& m_runner;
    QLineEdit* BoardCodeEdit = nullptr;
    QLabel* BoardCodeMessage = nullptr;
    QPushButton* PlayButton = nullptr;
    QPushButton* SolveButton = nullptr;
    QPushButton* CancelButton = nullptr;
};
