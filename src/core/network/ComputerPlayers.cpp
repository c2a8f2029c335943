// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/network/ComputerPlayers.h"

#include <QProcess>

#include <algorithm>
#include <utility>

ComputerPlayers::ComputerPlayers(QString program) : m_program(std::move(program)) {}

ComputerPlayers::~ComputerPlayers()
{
    for (auto& p : m_processes)
        p->closeWriteChannel();
    // One that does not go on its own is killed by its QProcess.
    for (auto& p : m_processes)
        p->waitForFinished(2000);
}

void ComputerPlayers::start(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return;
    running(); // forgets those that ended
    auto process = std::make_unique<QProcess>();
    // Its notices (a refusal, a failure) reach the person's terminal; its event lines are
    // for tests and scripts.
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());
    // Standard input stays a pipe from here, the lifeline that --lifeline watches.
    process->start(m_program, QStringList(arguments) << QStringLiteral("--lifeline"));
    m_processes.push_back(std::move(process));
}

int ComputerPlayers::running()
{
    std::erase_if(m_processes,
                  [](const auto& p) { return p->state() == QProcess::NotRunning; });
    return static_cast<int>(m_processes.size());
}
