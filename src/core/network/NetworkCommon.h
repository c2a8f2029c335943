// SPDX-License-Identifier: GPL-3.0-or-later
// What the network game's own files share: the player table's statuses and entries, the
// delays of the poll and the transport's restart. Nothing outside core/network includes it.
#pragma once

#include "core/network/NetworkState.h"

#include <QString>

#include <string>

struct Program;

namespace Network {

inline const std::string kLeft = QT_TRANSLATE_NOOP("PlayerStatus", "Left game");
inline constexpr int kLeaveTicks = 50, kGoodbyeTicks = 25, kSyncTicks = 75, kHelloTicks = 25,
                     kQuitTicks = 10;

// A player's Status text names the phase it stands in.
const char* StatusText(Phase phase);
// The phase a Status text names; Phase::Unknown for any other text.
Phase PhaseOf(const std::string& status);

bool Host(const Program& program);
PlayerEntry& Entry(Program& program, int index);
int Count(const Program& program);
void Say(Program& program, const QString& text);

// Whether every entry but the host's satisfies `ok` (a "Left game" entry always does).
template <class Test> bool AllOthers(Program& program, Test ok)
{
    for (int i = 1; i < Count(program); ++i)
        if (Entry(program, i).Status != kLeft && !ok(Entry(program, i)))
            return false;
    return true;
}

// An entry goes: later entries move up; the table has a new version.
void RemoveEntry(Program& program, int index);
// Host: every other entry waiting for results gets them.
void SendResultsToAll(Program& program);
// Every entry loses its connection, as after a transport restart.
void Disconnected(Program& program);
bool Restart(Program& program, int port);
void BackInLobby(Program& program);

} // namespace Network
