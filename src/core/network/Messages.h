// SPDX-License-Identifier: GPL-3.0-or-later
// Sending and receiving network messages: one sender per message code, built from the
// program's state; the receiving pipeline every message passes before the protocol sees
// it; the player table's look-ups.
#pragma once

#include "core/network/Wire.h"

#include <optional>
#include <string>

struct Program;

namespace Messages {

// The player table's entry with that id, or with that connection handle; -1 for none.
int FindPlayerById(const Program& program, int id);
int FindPlayerByHandle(const Program& program, int handle);

// Sets an entry's Status; a change is a new version of the table.
void SetStatus(Program& program, int index, const std::string& status);

// Sends one message on a connection. A send on a dead connection is simply lost.
void SendNetworkMessage(Program& program, int handle, const Wire::Message& message);

// The senders. Game id, own player id, table version, settings, table, board and words
// come from the program's state.
void SendAK(Program& program, int handle, const std::string& acknowledgedCode);
void SendGB(Program& program, int handle);
void SendGR(Program& program, int handle);
void SendHA(Program& program, int handle, const std::string& address);
void SendHI(Program& program, int handle);
void SendHIByMulticast(Program& program);
void SendID(Program& program, int handle);
void SendIR(Program& program, int handle, int playerId);
void SendNG(Program& program, int handle);
void SendPR(Program& program, int handle);
void SendPT(Program& program, int handle);
void SendWG(Program& program, int handle);
void SendWR(Program& program, int handle);
void SendWT(Program& program, int handle);

// Host: the table to every other entry that is connected.
void BroadcastPlayerTable(Program& program);

// Closes a connection; its table entry, if any, is no longer connected. Then the phase
// may move on.
void CloseConnection(Program& program, int handle);
// Closes a connection that speaks for no table entry, leaving the phase alone.
void DropConnection(Program& program, int handle);

// Host: whether a connection may speak for the player of table entry `index`: its own
// connection, or one from the address the player was admitted from.
bool SpeaksFor(Program& program, int index, int handle);

// A warning about what came on a connection (the peer's name appended when `named`),
// shown at most once per peer address in a game and never on top of another; then the
// connection is closed.
void WarnAndClose(Program& program, int handle, const std::string& text, bool named = true);

// Reads the message waiting on a connection and takes it through the checks: valid text
// and fields, the right role, the game id, a leaving player, a player who left. What passes
// is returned for the protocol to act on; nothing when it was dropped, answered or cut off.
std::optional<Wire::ParseResult> DispatchMessage(Program& program, int handle, int byteCount);

} // namespace Messages
