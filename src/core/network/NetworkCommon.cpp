// SPDX-License-Identifier: GPL-3.0-or-later
// The player table and the transport, as every part of the network game uses them.
#include "core/game/Program.h"
#include "core/game/Tr.h"
#include "core/network/Messages.h"
#include "core/network/NetworkCommon.h"
#include "core/network/NetworkGame.h"

#include <QString>

namespace Network {

using namespace Messages;

namespace {

// Wire values, English everywhere; the lobby translates them where it shows them.
const char* const kStatuses[] = {QT_TRANSLATE_NOOP("PlayerStatus", "Waiting for players"),
                                 QT_TRANSLATE_NOOP("PlayerStatus", "Sending game data"),
                                 QT_TRANSLATE_NOOP("PlayerStatus", "Ready to start"),
                                 QT_TRANSLATE_NOOP("PlayerStatus", "Playing game"),
                                 QT_TRANSLATE_NOOP("PlayerStatus", "Finished game"),
                                 QT_TRANSLATE_NOOP("PlayerStatus", "Waiting for results"),
                                 QT_TRANSLATE_NOOP("PlayerStatus", "Sending results"),
                                 QT_TRANSLATE_NOOP("PlayerStatus", "Reviewing results")};

} // namespace

// A player's Status text names the phase it stands in; the texts follow the phases' order.
const char* StatusText(Phase phase)
{
    return kStatuses[static_cast<int>(phase)];
}

// The phase a Status text names; Phase::Unknown for any other text.
Phase PhaseOf(const std::string& status)
{
    if (status == kLeft)
        return Phase::Left;
    for (int i = 0; i < 8; ++i)
        if (status == kStatuses[i])
            return static_cast<Phase>(i);
    return Phase::Unknown;
}

bool Host(const Program& program)
{
    return program.game.GameMode == NetworkHost;
}

PlayerEntry& Entry(Program& program, int index)
{
    return program.network.Players.at(static_cast<std::size_t>(index));
}

int Count(const Program& program)
{
    return static_cast<int>(program.network.Players.size());
}

void Say(Program& program, const QString& text)
{
    Ask(program, text, core::Buttons::Ok, QStringLiteral("Lettro"), core::Owner::Lobby);
}

// An entry goes: later entries move up; the table has a new version.
void RemoveEntry(Program& program, int index)
{
    auto& players = program.network.Players;
    players.erase(players.begin() + index);
    ++program.network.TableVersion;
}

// Host: every other entry waiting for results gets them.
void SendResultsToAll(Program& program)
{
    for (int i = 1; i < Count(program); ++i) {
        const PlayerEntry& e = Entry(program, i);
        if (e.Status == StatusText(Phase::WaitingForResults) && e.Connected && e.Handle >= 0)
            SendGR(program, e.Handle);
    }
}

// Every entry loses its connection, as after a transport restart.
void Disconnected(Program& program)
{
    for (PlayerEntry& e : program.network.Players)
        e.Connected = false, e.Handle = -1;
}

bool Restart(Program& program, int port)
{
    const int result = program.transport ? program.transport->netStartup(port, program.network.StartupServiceName)
                                     : 1;
    if (result > 0) {
        Say(program, core::Tr("Network", "Failure with initialize of Lettro networking service."));
        program.network.Window.MainWindowEnabled = true;
        return false;
    }
    program.network.Window.PollTimerOn = true;
    return true;
}

void BackInLobby(Program& program)
{
    LobbyState& w = program.network.Window;
    w.MainWindowEnabled = false;
    program.network.QuitEnableCountdown = kQuitTicks;
    w.QuitEnabled = false;
    w.Shown = true;
    w.BootSelectedRow = -1;
    program.network.SyncCountdown = 0;
    w.StatusLine.clear();
}

Phase StatusToPhase(Program& program, const std::string& status)
{
    const Phase phase = PhaseOf(status);
    if (phase == Phase::Unknown)
        Say(program, core::Tr("Network", "Unknown game state"));
    return phase;
}

} // namespace Network
