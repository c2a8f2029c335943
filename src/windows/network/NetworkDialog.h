// SPDX-License-Identifier: GPL-3.0-or-later
// The lobby: the player table, the status line, the host's settings controls and the
// buttons of network play. It mirrors program.network; each event is one Network call.
#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;
struct App;

class NetworkDialog : public QDialog {
    Q_OBJECT
public:
    explicit NetworkDialog(App& app, QWidget* parent = nullptr);
    ~NetworkDialog() override;

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
    QTimer* PollTimer = nullptr;

    // Shows program.network's lobby: visibility, buttons, status, table, settings, timer.
    void sync();

protected:
    // The frame's close box leaves network play; the window itself stays, and the core
    // hides it once the others have been told.
    void closeEvent(QCloseEvent* event) override;
    // Escape would hide the lobby behind the core's back.
    void reject() override {}

private:
    // Runs one core call, then every network window shows the new state.
    void run(const std::function<void()>& call);
    void syncTable();
    void syncSettings();

    App& m_app;
};
