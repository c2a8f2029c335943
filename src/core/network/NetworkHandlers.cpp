// SPDX-License-Identifier: GPL-3.0-or-later
// What the protocol does with each message the receiving pipeline lets through.
#include "core/game/Game.h"
#include "core/game/Program.h"
#include "core/game/Tr.h"
#include "core/network/Messages.h"
#include "core/network/NetworkCommon.h"
#include "core/network/NetworkGame.h"
#include "core/network/NetworkSettings.h"

#include <algorithm>
#include <limits>

namespace Network {

using namespace Messages;

namespace {

// A player's id seen in a message; the host's own id never names a player.
int SenderIndex(Program& program, int id)
{
    const int i = FindPlayerById(program, id);
    return i > 0 ? i : -1;
}

// "PR" and "WT" name the row they speak for. An unknown player is told goodbye. The
// message may come on a new connection from where the player was admitted: the entry takes
// it over. The old one is closed without the phase test, so a moment without a connection
// starts nothing. From anywhere else the message is dropped with its connection.
// Returns the row, or -1 when the message goes no further.
int TakeOver(Program& program, int id, int handle)
{
    const int index = SenderIndex(program, id);
    if (index < 0) {
        SendGB(program, handle);
        return -1;
    }
    if (!SpeaksFor(program, index, handle)) {
        DropConnection(program, handle);
        return -1;
    }
    PlayerEntry& e = Entry(program, index);
    if (e.Handle != handle) {
        if (e.Handle >= 0 && program.transport)
            program.transport->netClose(e.Handle);
        e.Handle = handle;
    }
    e.Connected = true;
    return index;
}

// The table's answer to a report: current, or the whole table.
void TableAnswer(Program& program, int handle, std::int32_t version)
{
    if (version >= program.network.TableVersion)
        SendWR(program, handle);
    else
        SendPT(program, handle);
}

// Host, phase 5: when every player's words are in, the results go out.
void AllResultsTest(Program& program)
{
    if (!AllOthers(program, [](const PlayerEntry& e) {
            return e.Status == StatusText(Phase::WaitingForResults);
        }))
        return;
    program.network.GamePhase = Phase::SendingResults;
    SetStatus(program, 0, StatusText(Phase::SendingResults));
    BroadcastPlayerTable(program);
    SendResultsToAll(program);
}

// What the protocol does with each message the pipeline lets through.
struct Protocol {
    static void on(Program& program, int handle, const Wire::Ack& ack)
    {
        const bool host = Host(program);
        const std::string& code = ack.Code;
        if (code == "GB") {
            if (!host)
                Network::EndNetworkGame(program);
        } else if (code == "GR" || code == "NG") {
            const int sender = FindPlayerById(program, ack.PlayerId);
            if (host && sender > 0 && !SpeaksFor(program, sender, handle)) {
                DropConnection(program, handle);
            } else if (host && sender > 0) {
                SetStatus(program, sender, code == "GR" ? "Sending results" : "Ready to start");
                BroadcastPlayerTable(program);
            }
        } else if (code == "IR") {
            // The table goes only to a player just admitted on this connection.
            if (host && FindPlayerByHandle(program, handle) > 0)
                SendPT(program, handle);
            else if (host)
                DropConnection(program, handle);
        } else if (code == "PR") {
            if (!host)
                SendWT(program, handle);
        } else if (code != "PT" && code != "RC" && code != "WR") {
            WarnAndClose(program, handle, core::TrS("Network", "WARNING - undefined acknowledgement received from "));
        }
    }
    static void on(Program& program, int handle, const Wire::Goodbye& m)
    {
        NetworkState& n = program.network;
        if (!Host(program)) {
            if (n.LocalPlayerId == 0) { // refused before admission: stop trying
                Say(program, core::Tr("Network", "The host did not let you join its game."));
                Network::EndNetworkGame(program);
                return;
            }
            n.LeaveCountdown = kGoodbyeTicks;
            n.Window.StatusLine = core::TrS("Network", "Host is ending your game...");
            return;
        }
        if (const int i = SenderIndex(program, m.PlayerId); i > 0) {
            if (!SpeaksFor(program, i, handle)) {
                DropConnection(program, handle);
                return;
            }
            n.Window.BootSelectedRow = -1;
            if (n.GamePhase != Phase::WaitingForPlayers)
                SetStatus(program, i, kLeft);
            else
                RemoveEntry(program, i);
            BroadcastPlayerTable(program);
        }
        SendAK(program, handle, "GB");
    }
    static void on(Program& program, int handle, const Wire::GameResults& m)
    {
        if (m.PlayerWords.size() != program.network.Players.size())
            return; // not this table's results
        program.game.PlayerWords = m.PlayerWords;
        SendAK(program, handle, "GR");
        program.network.SyncCountdown = kSyncTicks;
        program.network.SyncStartsGame = false;
        program.network.Window.StatusLine = core::TrS("Network", "Ready - synchronizing with host...");
    }
    static void on(Program& program, int handle, const Wire::HostAnswer& m)
    {
        NetworkState& n = program.network;
        // A host that shows no address of its own is where the answer came from.
        const std::string address =
            m.Address.empty() && program.transport ? program.transport->netGetRemoteInfo(handle).address
                                               : m.Address;
        CloseConnection(program, handle);
        if (!n.HostAddress.empty() || address.empty())
            return;
        n.HostAddress = address;
        n.HostViaIR = false;
        n.HostHandle = -1;
        n.Window.StatusLine =
            core::Tr("Network", "Found host, connecting to %1...").arg(QString::fromStdString(address)).toStdString();
    }
    static void on(Program& program, int handle, const Wire::Hello&)
    {
        NetworkState& n = program.network;
        if (handle == n.DiscoveryHandle && Host(program)) {
            if (n.LeaveCountdown > 0 || !program.transport)
                return;
            const std::string from = program.transport->netGetRemoteInfo(handle).address;
            // One answer per searching address at a time, and only a few in all.
            if (from.empty() || n.AnswerHandles.size() >= NetworkState::kMaxAnswers ||
                std::any_of(n.AnswerHandles.begin(), n.AnswerHandles.end(),
                            [&](const AnswerConnection& a) { return a.Address == from; }))
                return;
            const int back = program.transport->netIPConnect(from, Wire::kStreamPort);
            if (back >= 0)
                n.AnswerHandles.push_back({back, from, NetworkState::kAnswerTicks});
        } else if (n.HostPlayerId >= 0) {
            if (const int host = FindPlayerById(program, n.HostPlayerId); host >= 0)
                SendHA(program, handle, Entry(program, host).Address);
        }
    }
    static void on(Program& program, int handle, const Wire::Identify& m)
    {
        NetworkState& n = program.network;
        if (m.Version != Wire::kProtocolVersion) {
            SendGB(program, handle);
            Say(program, core::Tr("Network", "Incompatible Lettro version"));
            CloseConnection(program, handle);
            return;
        }
        // A host on its way out has said goodbye on this connection already.
        if (n.GamePhase != Phase::WaitingForPlayers || n.LeaveCountdown > 0) {
            CloseConnection(program, handle);
            return;
        }
        if (FindPlayerByHandle(program, handle) >= 0)
            return; // this connection already has its entry
        int id = m.ProposedId > 1 && FindPlayerById(program, m.ProposedId) < 0 ? m.ProposedId : 0;
        while (id == 0 && n.NextPlayerId <= std::numeric_limits<std::int16_t>::max()) {
            if (FindPlayerById(program, n.NextPlayerId) < 0)
                id = n.NextPlayerId;
            n.NextPlayerId += 100;
        }
        // A full table, or no id left: refused, and nothing changes here.
        if (id == 0 || Count(program) >= Wire::kMaxPlayers) {
            SendGB(program, handle);
            CloseConnection(program, handle);
            return;
        }
        n.Window.BootSelectedRow = -1;
        const std::string from =
            program.transport ? program.transport->netGetRemoteInfo(handle).address : "";
        n.Players.push_back({id, m.Name, m.Device, m.Address, m.Type, m.Connection,
                             StatusText(Phase::WaitingForPlayers), true, handle, from});
        std::erase(n.Strangers, handle);
        ++n.TableVersion;
        SendIR(program, handle, id);
        BroadcastPlayerTable(program);
        n.Window.StartGameShown = n.Window.BootPlayerShown = true;
    }
    static void on(Program& program, int handle, const Wire::IdentityReply& m)
    {
        NetworkState& n = program.network;
        if (n.GamePhase != Phase::NotAdmitted || n.LocalPlayerId != 0)
            return; // admitted already
        n.GameId = m.GameId;
        n.LocalPlayerId = m.PlayerId;
        SendAK(program, handle, "IR");
        n.Window.ConnectShown = false;
        n.Window.StatusLine.clear();
    }
    static void on(Program& program, int handle, const Wire::NewGame& m)
    {
        NetworkSettings::ApplySettings(program, m.Settings);
        Game::PlaceBoard(program, m.Board, m.BoardWords);
        program.network.ResultsShown = false;
        SendAK(program, handle, "NG");
        program.network.SyncCountdown = kSyncTicks;
        program.network.SyncStartsGame = true;
        program.network.Window.StatusLine = core::TrS("Network", "Ready - synchronizing with host...");
    }
    static void on(Program& program, int handle, const Wire::PlayerResults& m)
    {
        const int i = TakeOver(program, m.PlayerId, handle);
        if (i < 0)
            return;
        if (Entry(program, i).Status == kLeft) {
            SendGB(program, handle);
            return;
        }
        auto& words = program.game.PlayerWords;
        if (words.size() <= static_cast<std::size_t>(i))
            words.resize(static_cast<std::size_t>(i) + 1);
        words[static_cast<std::size_t>(i)] = m.PlayerWords;
        // A repeated report never moves a player back from waiting for the results.
        if (StatusToPhase(program, Entry(program, i).Status) < Phase::WaitingForResults)
            SetStatus(program, i, StatusText(Phase::FinishedGame));
        SendAK(program, handle, "PR");
        BroadcastPlayerTable(program);
    }
    static void on(Program& program, int handle, const Wire::PlayerTable& m)
    {
        NetworkState& n = program.network;
        // Results that arrived but were never shown: the table saying "Sending results"
        // went down with a cut connection, and this one says the host has moved on. They
        // are shown now, with the table they belong to (this one may have lost rows),
        // before a next game could replace them; this table comes again afterwards.
        if (n.SyncCountdown > 0 && !n.SyncStartsGame) {
            const auto own = std::find_if(m.Players.begin(), m.Players.end(), [&](const PlayerEntry& e) {
                return e.PlayerId == n.LocalPlayerId;
            });
            if (own != m.Players.end() && (own->Status == StatusText(Phase::ReviewingResults) ||
                                           own->Status == StatusText(Phase::WaitingForPlayers) ||
                                           own->Status == StatusText(Phase::SendingGameData))) {
                n.GamePhase = Phase::SendingResults;
                CloseConnection(program, handle);
                return;
            }
        }
        n.TableVersion = m.TableVersion;
        NetworkSettings::ApplySettings(program, m.Settings);
        // Only the host's entry has a connection on a player: it keeps it.
        const bool first = n.Players.empty() || n.Players[0].PlayerId == 0;
        const int hostHandle = first ? n.HostHandle : n.Players[0].Handle;
        const bool hostConnected = first || n.Players[0].Connected;
        n.Players = m.Players;
        Disconnected(program);
        n.Players[0].Handle = hostHandle;
        n.Players[0].Connected = hostConnected && hostHandle >= 0;
        for (const PlayerEntry& e : n.Players)
            if (e.Connection == "Host")
                n.HostPlayerId = e.PlayerId;
        const int own = FindPlayerById(program, n.LocalPlayerId);
        n.GamePhase = own < 0 ? Phase::Unknown : PhaseOf(Entry(program, own).Status);
        if (n.GamePhase == Phase::Unknown) // the table comes again when the player reconnects
            WarnAndClose(program, handle, core::TrS("Network", "Unknown game state"), false);
        else if (n.GamePhase == Phase::ReadyToStart || n.GamePhase == Phase::SendingResults)
            CloseConnection(program, handle); // play or results follow without the network
        else
            SendAK(program, handle, "PT");
    }
    static void on(Program& program, int handle, const Wire::WrongGame&)
    {
        NetworkState& n = program.network;
        if (!Host(program)) {
            Say(program, core::Tr("Network", "Host is now playing a new game.  Your game is over."));
            Network::EndNetworkGame(program);
        } else if (std::find(n.WrongGameAnswered.begin(), n.WrongGameAnswered.end(), handle) ==
                   n.WrongGameAnswered.end()) {
            n.WrongGameAnswered.push_back(handle);
            SendWG(program, handle);
        }
    }
    static void on(Program& program, int handle, const Wire::TableCurrent&) { SendAK(program, handle, "WR"); }
    static void on(Program& program, int handle, const Wire::StatusReport& m)
    {
        NetworkState& n = program.network;
        const int i = TakeOver(program, m.PlayerId, handle);
        if (i < 0)
            return;
        const std::string& status = Entry(program, i).Status;
        switch (n.GamePhase) {
        case Phase::Left:
            SendGB(program, handle);
            break;
        case Phase::WaitingForPlayers:
            if (status == StatusText(Phase::ReviewingResults)) {
                SetStatus(program, i, StatusText(Phase::WaitingForPlayers));
                BroadcastPlayerTable(program);
            } else {
                TableAnswer(program, handle, m.TableVersion);
            }
            break;
        case Phase::SendingGameData:
            // A player already past the start (it may have begun by itself and even
            // finished) must not be sent the same game again.
            if (StatusToPhase(program, status) < Phase::ReadyToStart)
                SendNG(program, handle);
            else
                TableAnswer(program, handle, m.TableVersion);
            break;
        case Phase::WaitingForResults:
            if (status == StatusText(Phase::FinishedGame)) {
                SetStatus(program, i, StatusText(Phase::WaitingForResults));
                BroadcastPlayerTable(program);
            } else {
                TableAnswer(program, handle, m.TableVersion);
            }
            AllResultsTest(program);
            break;
        case Phase::SendingResults:
            if (status == StatusText(Phase::WaitingForResults)) {
                SendGR(program, handle);
            } else if (status == StatusText(Phase::SendingResults)) {
                // It has its results and reports from the lobby: it is done, and its
                // connection must not hold up the others' (it stays connected now).
                SetStatus(program, i, StatusText(Phase::ReviewingResults));
                BroadcastPlayerTable(program);
                Network::CheckPhaseProgress(program);
            } else {
                TableAnswer(program, handle, m.TableVersion);
            }
            break;
        default:
            Say(program, core::Tr("Network", "Received WT message from client in incorrect state, ignored"));
        }
    }
    // The rest never reach a handler.
    template <class Other> static void on(Program&, int, const Other&) {}
};

} // namespace

void HandleMessage(Program& program, int handle, const Wire::ParseResult& message)
{
    std::visit([&](const auto& m) { Protocol::on(program, handle, m); }, message.message);
}

} // namespace Network
