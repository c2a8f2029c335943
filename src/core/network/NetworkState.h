// Network play's state in the program: the player table and the machine's place in the
// protocol. Network play itself is not built yet; until it is, only the game mode says
// whether a game is a network game.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PlayerEntry {
    int PlayerId = 0;
    std::string Name;
    std::string Device;
    std::string Address;
    std::string Type;
    std::string Connection; // "Host" for entry 0
    std::string Status;     // the host's word for the player's state
    bool Connected = false; // local connection data
    int Handle = -1;
};

struct NetworkState {
    int GamePhase = -1;     // -1 until a joined player has been admitted
    int LocalPlayerId = 0;
    int HostPlayerId = -1;  // joined player: -1 until a table names the host
    std::int32_t GameId = 0;
    std::int32_t TableVersion = 0;
    int NextPlayerId = 1;   // host
    std::vector<PlayerEntry> Players; // entry 0 is the host
    std::string HostAddress;
    bool HostViaIR = false;
    int HostHandle = -1;
    std::string NetworkBoard; // host: the board text of the current game
    int DiscoveryHandle = -1; // host: the multicast listener
    // Counted down by one on every tick of the lobby's poll timer.
    int LeaveCountdown = 0;
    int SyncCountdown = 0;
    bool SyncStartsGame = false;
};
