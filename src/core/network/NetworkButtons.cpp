// SPDX-License-Identifier: GPL-3.0-or-later
// The lobby's buttons and table, the phases' progress and the hand-overs to the game and back.
#include "core/game/Game.h"
#include "core/game/Program.h"
#include "core/game/Tr.h"
#include "core/network/Messages.h"
#include "core/network/NetworkCommon.h"
#include "core/network/NetworkGame.h"
#include "core/network/NetworkSettings.h"

#include <algorithm>

namespace Network {

using namespace Messages;

namespace {

// The game takes the table: its players, their names and where the local one is.
void TakeTable(Program& program)
{
    GameState& g = program.game;
    g.PlayerCount = std::max(Count(program), 1);
    g.PlayerNames.clear();
    for (const PlayerEntry& e : program.network.Players)
        g.PlayerNames.push_back(e.Name);
    g.PlayerWords.resize(static_cast<std::size_t>(g.PlayerCount));
    g.LocalPlayerIndex = std::max(FindPlayerById(program, program.network.LocalPlayerId), 0);
}

// Network play stops for play or results, or for good: no transport, no poll, the main
// window back.
void StopNetwork(Program& program)
{
    NetworkState& n = program.network;
    if (program.transport)
        program.transport->netShutdown();
    n.Window.PollTimerOn = false;
    n.Window.Shown = false;
    n.Window.MainWindowEnabled = true;
    n.AnswerHandles.clear();
    n.Strangers.clear();
    n.WarnedPeers.clear();
    n.WrongGameAnswered.clear();
    n.DiscoveryHandle = -1;
    n.TickEnded = true;
}

} // namespace

std::vector<std::string> ComputerPlayerArguments(const Program& program, int strength)
{
    const NetworkState& n = program.network;
    if (program.game.GameMode != NetworkHost || n.GamePhase != Phase::WaitingForPlayers ||
        n.LeaveCountdown > 0 || n.Players.empty())
        return {};
    // A host that shows no address of its own is reached on this machine's loopback.
    const std::string host = n.Players[0].Address.empty() ? "127.0.0.1" : n.Players[0].Address;
    const std::string number = std::to_string(n.Players.size());
    // Each its own seed: computers of one strength would otherwise find the same words.
    return {"join", "--host", host, "--name", "Computer " + number,
            "--strength", std::to_string(std::clamp(strength, 0, 100)), "--seed", number};
}

bool TableFull(const Program& program)
{
    return static_cast<int>(program.network.Players.size()) >= Wire::kMaxPlayers;
}

void StartHostedGame(Program& program)
{
    NetworkState& n = program.network;
    if (Count(program) <= 1) {
        Say(program, core::Tr("Network", "Can't start the game without another player!"));
        return;
    }
    if (program.transport && n.DiscoveryHandle >= 0)
        program.transport->netClose(n.DiscoveryHandle);
    n.DiscoveryHandle = -1;
    n.NetworkBoard = Game::ShakeBoard(program);
    n.GamePhase = Phase::SendingGameData;
    for (int i = 0; i < Count(program); ++i)
        SetStatus(program, i, StatusText(Phase::SendingGameData));
    BroadcastPlayerTable(program);
    for (int i = 1; i < Count(program); ++i)
        if (Entry(program, i).Connected && Entry(program, i).Handle >= 0)
            SendNG(program, Entry(program, i).Handle);
    n.Window.StatusLine = core::TrS("Network", "Sending game data to players...");
    n.Window.StartGameShown = false;
}

void LeaveNetworkGame(Program& program)
{
    NetworkState& n = program.network;
    if (n.LeaveCountdown > 0)
        return; // already on the way out
    if (Count(program) < 2) {
        EndNetworkGame(program);
        return;
    }
    n.LeaveCountdown = kLeaveTicks;
    for (const AnswerConnection& back : n.AnswerHandles)
        program.transport->netClose(back.Handle);
    n.AnswerHandles.clear();
    n.Window.StatusLine = Host(program) ? core::TrS("Network", "Notifying game players...") : core::TrS("Network", "Notifying game host...");
    for (int i = Host(program) ? 1 : 0; i < (Host(program) ? Count(program) : 1); ++i)
        if (Entry(program, i).Connected && Entry(program, i).Handle >= 0)
            SendGB(program, Entry(program, i).Handle);
}

void BootPlayer(Program& program)
{
    NetworkState& n = program.network;
    const int i = n.Window.BootSelectedRow;
    if (i <= 0 || i >= Count(program)) {
        Say(program, core::Tr("Network", "Select the player to boot, then press 'Boot Player' again"));
        return;
    }
    n.Window.BootSelectedRow = -1;
    if (Ask(program, core::Tr("Network", "Are you sure you want to boot %1?").arg(QString::fromStdString(Entry(program, i).Name)),
            core::Buttons::YesNo, QStringLiteral("Lettro"), core::Owner::Lobby) != core::Answer::Yes)
        return;
    if (Entry(program, i).Connected && Entry(program, i).Handle >= 0)
        SendGB(program, Entry(program, i).Handle);
    if (n.GamePhase != Phase::WaitingForPlayers)
        SetStatus(program, i, kLeft);
    else
        RemoveEntry(program, i);
    BroadcastPlayerTable(program);
    CheckPhaseProgress(program);
}

void PlayerTableClick(Program& program, int row)
{
    LobbyState& w = program.network.Window;
    w.StartGameDefault = true;
    if (!Host(program))
        return;
    const int index = row - 1;
    w.BootSelectedRow = index > 0 && index < Count(program) ? index : -1;
}

void ResumeNetworkAfterGame(Program& program)
{
    NetworkState& n = program.network;
    BackInLobby(program);
    if (Host(program)) {
        SetStatus(program, 0, StatusText(Phase::WaitingForResults));
        n.GamePhase = Phase::WaitingForResults;
        n.Window.StatusLine = core::TrS("Network", "Waiting for results from players...");
    } else {
        for (int i = 0; i < Count(program); ++i)
            SetStatus(program, i, StatusText(Phase::PlayingGame));
        if (const int own = FindPlayerById(program, n.LocalPlayerId); own >= 0)
            SetStatus(program, own, StatusText(Phase::FinishedGame));
        n.GamePhase = Phase::FinishedGame;
    }
    Disconnected(program);
    n.TickEnded = false;
    if (Restart(program, n.StartupPort) && Host(program))
        CheckPhaseProgress(program); // everybody else may have left already
}

void ReturnToLobby(Program& program)
{
    NetworkState& n = program.network;
    BackInLobby(program);
    if (Host(program)) {
        SetStatus(program, 0, StatusText(Phase::WaitingForPlayers));
        n.Window.StartGameShown = true;
        for (int i = Count(program) - 1; i > 0; --i)
            if (Entry(program, i).Status == kLeft)
                RemoveEntry(program, i);
    } else {
        for (int i = 0; i < Count(program); ++i)
            SetStatus(program, i, StatusText(Phase::ReviewingResults));
        if (const int own = FindPlayerById(program, n.LocalPlayerId); own >= 0)
            SetStatus(program, own, StatusText(Phase::WaitingForPlayers));
    }
    n.GamePhase = Phase::WaitingForPlayers;
    Disconnected(program);
    n.TickEnded = false;
    // Only the host listens again: an admitted player reaches its host from its own
    // side, and on a machine where another copy holds the port (a host and its computer
    // players) listening would fail and stall the player for good.
    if (!Restart(program, Host(program) ? Wire::kStreamPort : 0))
        return;
    if (Host(program)) {
        n.DiscoveryHandle = program.transport->netMCConnect(Wire::kGroup, Wire::kGroupPort);
        n.Window.StatusLine = core::TrS("Network", "Listening for players...");
    }
}

void CheckPhaseProgress(Program& program)
{
    NetworkState& n = program.network;
    if (n.Players.empty())
        return;
    if (!Host(program)) {
        if (n.GamePhase == Phase::ReadyToStart)
            StartNetworkGame(program);
        else if (n.GamePhase == Phase::SendingResults && !n.ResultsShown)
            FinishNetworkGame(program);
        return;
    }
    // A player that started by itself and already reported is under way too.
    if (n.GamePhase == Phase::SendingGameData && AllOthers(program, [](const PlayerEntry& e) {
            return (e.Status == StatusText(Phase::ReadyToStart) && !e.Connected) ||
                   e.Status == StatusText(Phase::FinishedGame) ||
                   e.Status == StatusText(Phase::WaitingForResults);
        })) {
        for (int i = 0; i < Count(program); ++i)
            if (Entry(program, i).Status == StatusText(Phase::ReadyToStart))
                SetStatus(program, i, StatusText(Phase::PlayingGame));
        StartNetworkGame(program);
    } else if (n.GamePhase == Phase::WaitingForResults &&
               AllOthers(program, [](const PlayerEntry& e) {
                   return e.Status == StatusText(Phase::WaitingForResults);
               })) {
        n.GamePhase = Phase::SendingResults;
        SetStatus(program, 0, StatusText(Phase::SendingResults));
        n.Window.StatusLine = core::TrS("Network", "Sending results to players...");
        SendResultsToAll(program);
        if (AllOthers(program, [](const PlayerEntry&) { return false; }))
            FinishNetworkGame(program);
    } else if (n.GamePhase == Phase::SendingResults && AllOthers(program, [](const PlayerEntry& e) {
                   return (e.Status == StatusText(Phase::SendingResults) && !e.Connected) ||
                          e.Status == StatusText(Phase::ReviewingResults);
               })) {
        for (int i = 0; i < Count(program); ++i)
            if (Entry(program, i).Status == StatusText(Phase::SendingResults))
                SetStatus(program, i, StatusText(Phase::ReviewingResults));
        FinishNetworkGame(program);
    }
}

// The network steps aside for play or results, unless the user is leaving: then network
// play ends instead. False in that case.
static bool HandOverToTheGame(Program& program)
{
    if (program.network.LeaveCountdown > 0) {
        EndNetworkGame(program);
        return false;
    }
    StopNetwork(program);
    TakeTable(program);
    return true;
}

void StartNetworkGame(Program& program)
{
    if (HandOverToTheGame(program))
        Game::BeginPlay(program); // which also empties every player's words
}

void FinishNetworkGame(Program& program)
{
    if (!HandOverToTheGame(program))
        return;
    program.network.ResultsShown = true;
    program.game.GameInProgress = true; // the results belong to this game until closed
    Game::FinishTurn(program);
}

void EndNetworkGame(Program& program)
{
    NetworkSettings::RestoreSavedSettings(program);
    StopNetwork(program);
    program.network.LeaveCountdown = program.network.SyncCountdown = 0;
    program.network.Prompt.Shown = false;
}

} // namespace Network
