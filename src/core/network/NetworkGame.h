// SPDX-License-Identifier: GPL-3.0-or-later
// Network play as a state machine stepped by the lobby's poll ticks and by its buttons:
// opening network play, finding and joining a host, the host's and the players' phases,
// the hand-over to the game and back. Everything here changes only the program's state;
// the lobby, the Prompt window and the main window mirror it after each call.
#pragma once

#include "core/network/NetworkState.h"
#include "core/network/Wire.h"

#include <optional>
#include <string>
#include <vector>

struct Program;

namespace Network {

inline constexpr int kPollMilliseconds = 200; // one tick; every delay counts ticks

// The phase a Status text names; Phase::Unknown (after "Unknown game state") for any other.
Phase StatusToPhase(Program& program, const std::string& status);

// The Network button's continuation, after the own settings were kept aside: the Prompt
// window asks for name and role (resumed false), then the lobby opens (resumed true).
void Initialize(Program& program, bool resumed);
// The lobby's Connect button: the Prompt window asks for a host (resumed false), then
// the poll connects to it (resumed true).
void ConnectClick(Program& program, bool resumed);

// The Prompt window's answer: the text, and the option chosen (1 or 2; 0 none).
struct PromptAnswer {
    std::string text;
    int option = 0;
};
// The Prompt window closed with OK and its answer, or cancelled (nothing): it is hidden
// and the call that asked resumes. An option click keeps the two options exclusive.
void PromptClosed(Program& program, const std::optional<PromptAnswer>& answer);
void SelectPromptOption(Program& program, int option);

// One tick of the lobby's poll timer.
void PollNetwork(Program& program);
// Between ticks, as soon as the transport has news: its events only, no countdowns, so
// that a message waits for no tick on its way through.
void ReceiveNetwork(Program& program);

// The marker of player index i: connected, or not connected where this machine talks to
// that entry (every other entry on the host, the host's on a player), else plain.
Marker MarkerOf(const Program& program, int index);

// The arguments of a computer player (lettro-bot) that joins this host from this
// machine; strength 0 to 100. Empty when this machine is not hosting in the lobby.
// It plays as long as its host lets it, or as long as the program that starts it runs.
std::vector<std::string> ComputerPlayerArguments(const Program& program, int strength);
// Whether the host's table has no room for another player.
bool TableFull(const Program& program);

// The lobby's buttons and table.
void StartHostedGame(Program& program);
void LeaveNetworkGame(Program& program); // Quit, and closing the lobby window
void BootPlayer(Program& program);
void PlayerTableClick(Program& program, int row); // row 0 is the headings

// The game's hand-overs: play of a network game ended; its results window closed.
void ResumeNetworkAfterGame(Program& program);
void ReturnToLobby(Program& program);

// Acts on a message the receiving pipeline let through.
void HandleMessage(Program& program, int handle, const Wire::ParseResult& message);

// Used by the receiving pipeline and by the hand-overs.
void CheckPhaseProgress(Program& program);
void StartNetworkGame(Program& program);
void FinishNetworkGame(Program& program);
void EndNetworkGame(Program& program);

} // namespace Network
