// SPDX-License-Identifier: GPL-3.0-or-later
// The lobby's poll: the transport's events and the countdowns of every tick.
#include "core/game/Program.h"
#include "core/game/Tr.h"
#include "core/network/Messages.h"
#include "core/network/NetworkCommon.h"
#include "core/network/NetworkGame.h"

#include <algorithm>

namespace Network {

using namespace Messages;

namespace {

// "Looking for <device>...", the status line an answering host clears.
QString LookingForText()
{
    return core::Tr("Network", "Looking for %1...");
}

std::string LookingFor(const std::string& device)
{
    return LookingForText().arg(QString::fromStdString(device)).toStdString();
}

bool IsLookingLine(const std::string& line)
{
    const QString text = LookingForText();
    return QString::fromStdString(line).startsWith(text.left(text.indexOf(QLatin1String("%1"))));
}

// A connection that speaks for nobody yet; past the limit the oldest such goes.
void KeepStranger(Program& program, int handle)
{
    auto& strangers = program.network.Strangers;
    std::erase_if(strangers, [&](int h) { return FindPlayerByHandle(program, h) >= 0; });
    strangers.push_back(handle);
    if (strangers.size() > NetworkState::kMaxStrangers)
        DropConnection(program, strangers.front());
}

// Events of one tick; false when the tick ended inside one.
bool HandleEvent(Program& program, const engine::NetPollResult& e)
{
    NetworkState& n = program.network;
    const int h = e.handle;
    switch (e.event) {
    case engine::NetEvent::Connected: {
        if (n.LeaveCountdown > 0) {
            SendGB(program, h);
            return false;
        }
        const auto answer = std::find_if(n.AnswerHandles.begin(), n.AnswerHandles.end(),
                                         [h](const AnswerConnection& a) { return a.Handle == h; });
        if (answer != n.AnswerHandles.end()) { // back to a searching player: answered, done
            if (n.GamePhase == Phase::WaitingForPlayers && !n.Players.empty())
                SendHA(program, h, n.Players[0].Address);
            DropConnection(program, h);
            break;
        }
        if (Host(program))
            break;
        if (IsLookingLine(n.Window.StatusLine))
            n.Window.StatusLine.clear();
        if (n.GamePhase == Phase::NotAdmitted) {
            if (!n.HostAddress.empty())
                SendID(program, h);
            break;
        }
        n.GamePhase == Phase::FinishedGame ? SendPR(program, h) : SendWT(program, h);
        if (const int i = FindPlayerByHandle(program, h); i >= 0)
            Entry(program, i).Connected = true;
        break;
    }
    case engine::NetEvent::Accepted:
        // A player reconnecting to a host on its way out hears the goodbye it missed.
        if (n.LeaveCountdown > 0) {
            SendGB(program, h);
            break;
        }
        if (const int i = FindPlayerByHandle(program, h); i >= 0) {
            Entry(program, i).Connected = true;
            if (Entry(program, i).Status == kLeft)
                SendGB(program, h);
        } else {
            KeepStranger(program, h);
        }
        break;
    case engine::NetEvent::Closed:
    case engine::NetEvent::Failed:
        // A first connection to the host that fails is tried again.
        if (h == n.HostHandle && n.GamePhase == Phase::NotAdmitted)
            n.HostHandle = -1;
        CloseConnection(program, h);
        break;
    case engine::NetEvent::DataReady:
        if (const auto message = DispatchMessage(program, h, e.byteCount))
            HandleMessage(program, h, *message);
        break;
    case engine::NetEvent::None:
        break;
    }
    return !n.TickEnded;
}

// A box about received data is open, or the network is off: nothing runs underneath.
bool Receiving(const Program& program)
{
    const NetworkState& n = program.network;
    return !n.WarningOpen && n.Window.PollTimerOn && program.transport;
}

// Every event the transport holds; false when one of them ended the tick.
bool HandleEvents(Program& program)
{
    for (engine::NetPollResult e = program.transport->netPoll(); e.handle >= 0;
         e = program.transport->netPoll())
        if (!HandleEvent(program, e))
            return false;
    return true;
}

} // namespace

void ReceiveNetwork(Program& program)
{
    if (!Receiving(program))
        return;
    program.network.TickEnded = false;
    HandleEvents(program);
}

void PollNetwork(Program& program)
{
    NetworkState& n = program.network;
    if (!Receiving(program))
        return;
    n.TickEnded = false;
    if (n.LeaveCountdown > 0) {
        if (--n.LeaveCountdown == 0) {
            EndNetworkGame(program);
            return;
        }
    }
    if (!Host(program) && n.SyncCountdown > 0) {
        if (--n.SyncCountdown == 0) {
            n.GamePhase = n.SyncStartsGame ? Phase::ReadyToStart : Phase::SendingResults;
            CheckPhaseProgress(program);
            return;
        }
    }
    if (n.QuitEnableCountdown > 0 && --n.QuitEnableCountdown == 0)
        n.Window.QuitEnabled = true;
    // An answer to a searching player that never got through is given up.
    for (auto& a : n.AnswerHandles)
        if (--a.Ticks <= 0)
            program.transport->netClose(a.Handle);
    std::erase_if(n.AnswerHandles, [](const AnswerConnection& a) { return a.Ticks <= 0; });
    if (!HandleEvents(program) || Host(program))
        return;
    if (n.GamePhase == Phase::NotAdmitted && !n.HostAddress.empty()) {
        if (n.HostHandle < 0)
            n.HostHandle = program.transport->netIPConnect(n.HostAddress, Wire::kStreamPort);
    } else if (n.GamePhase == Phase::NotAdmitted) {
        if (--n.HelloCountdown <= 0) {
            n.HelloCountdown = kHelloTicks;
            SendHIByMulticast(program);
            if (n.Window.ConnectTag == "2nd time")
                n.Window.ConnectShown = true;
            else if (!n.Window.ConnectTag.empty())
                n.Window.ConnectTag = "2nd time";
        }
    } else if (const int host = FindPlayerById(program, n.HostPlayerId);
               host >= 0 && Entry(program, host).Handle < 0) {
        PlayerEntry& e = Entry(program, host);
        e.Connected = false;
        e.Handle = program.transport->netIPConnect(n.HostAddress, Wire::kStreamPort);
        n.Window.StatusLine = LookingFor(e.Device);
    }
}

} // namespace Network
