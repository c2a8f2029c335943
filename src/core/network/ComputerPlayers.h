// SPDX-License-Identifier: GPL-3.0-or-later
// The computer players a lobby started: lettro-bot processes that join this machine's
// host. Each one's standard input is a pipe from this program, its lifeline: when this
// program ends, however it ends, the pipe closes and the computer player leaves.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QProcess;

class ComputerPlayers {
public:
    // `program`: the lettro-bot to start.
    explicit ComputerPlayers(QString program);
    // Closes every lifeline and waits a moment for the computer players to go.
    ~ComputerPlayers();
    ComputerPlayers(const ComputerPlayers&) = delete;
    ComputerPlayers& operator=(const ComputerPlayers&) = delete;

    // Starts one with `arguments` (Network::ComputerPlayerArguments); nothing when empty.
    void start(const QStringList& arguments);
    // How many are still running; the event loop must run for this to see an exit.
    int running();

private:
    QString m_program;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};
