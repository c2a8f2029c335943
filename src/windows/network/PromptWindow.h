// SPDX-License-Identifier: GPL-3.0-or-later
// The Prompt window: one question with an answer box and up to two options, asked while
// entering network play and by the lobby's Connect. It mirrors program.network.Prompt.
#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Runner;
struct Program;

class PromptWindow : public QDialog {
    Q_OBJECT
public:
    PromptWindow(Program& program, Runner& runner, QWidget* parent = nullptr);

    void sync();

protected:
    // Closing by the frame or Escape counts as Cancel.
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ok();
    void cancel();
    void selectOption(int option);

    Program& m_program;
    Runner& m_runner;
    QLabel* Question = nullptr;
    QLineEdit* Text = nullptr;
    QRadioButton* Option2 = nullptr;
    QRadioButton* Option1 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    // The answer text last put into the box: what the user types is kept across syncs.
    std::string m_filledText;
};
