// SPDX-License-Identifier: GPL-3.0-or-later
// The lobby: the player table, the status line, the host's settings controls and the
// buttons of network play. It mirrors program.network; each event is one Network call.
#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;
class Runner;
struct Program;

class NetworkDialog : public QDialog {
    Q_OBJECT
public:
    // `startComputerPlayer` starts a computer player with the given arguments.
    NetworkDialog(Program& program, Runner& runner,
                  const std::function<void(const QStringList&)>& startComputerPlayer,
                  QWidget* parent = nullptr);
    ~NetworkDialog() override;

    // Shows program.network's lobby: visibility, buttons, status, table, settings, timer.
    void sync();
    // Leaving: no more polls.
    void stop();

protected:
    // The frame's close box leaves network play; the window itself stays, and the core
    // hides it once the others have been told.
    void closeEvent(QCloseEvent* event) override;
    // Escape would hide the lobby behind the core's back.
    void reject() override {}

private:
    void syncTable();
    void syncSettings();

    Program& m_program;
    Runner& m_runner;
    const std::function<void(const QStringList&)>& m_startComputerPlayer;

    QTableWidget* PlayerTable = nullptr; // row 0 holds the headings
    QLabel* Status = nullptr;
    QPushButton* Connect = nullptr;
    QPushButton* StartGame = nullptr;
    QPushButton* BootPlayer = nullptr;
    QPushButton* Quit = nullptr;
    QPushButton* AddComputerPlayer = nullptr; // host, in the lobby
    QComboBox* ComputerStrength = nullptr;    // "Easy", "Medium", "Hard"
    QListWidget* GameType = nullptr;
    QListWidget* GameTime = nullptr;
    QCheckBox* RepeatLetters = nullptr;
    QLabel* MinWordsLabel = nullptr;
    QComboBox* MinWordSizeCombo = nullptr;
    QLabel* NumWordsLabel = nullptr;
    QComboBox* NumWordsCombo = nullptr;
    QLabel* BoardLanguage = nullptr; // the host's; chosen in its options, not here
    QTimer* PollTimer = nullptr;
};
