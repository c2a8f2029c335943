// SPDX-License-Identifier: GPL-3.0-or-later
// Network play's state in the program: the player table, the machine's place in the
// protocol and what the lobby shows of the game settings.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

struct Program;

struct PlayerEntry {
    int PlayerId = 0;
    std::string Name{};
    std::string Device{};
    std::string Address{};
    std::string Type{};
    std::string Connection{}; // "Host" for entry 0
    std::string Status{};     // the host's word for the player's state
    bool Connected = false; // local connection data, never sent
    int Handle = -1;
    std::string AdmittedFrom{}; // host: the address the player's joining connection came from
};

// Host: a connection back to a player searching for a host, which carries "HA" only.
struct AnswerConnection {
    int Handle = -1;
    std::string Address; // where the "HI" came from
    int Ticks = 0;       // poll ticks left before it is closed unanswered
};

// The lobby's settings controls; the lobby window mirrors this.
struct LobbySettings {
    bool Shown = false;    // the controls are visible
    bool Editable = false; // only on the host
    bool TimeShown = false; // not in a Frantic game
    std::vector<std::string> GameTypeItems, TimeItems, MinWordSizeItems, NumWordsItems;
    int GameTypeIndex = -1, TimeIndex = -1, MinWordSizeIndex = -1, NumWordsIndex = -1;
    bool RepeatLetters = false;
};

// One row of the lobby's player table as the window shows it.
enum class Marker { Connected, NotConnected, Plain }; // green, red, the grid's own colour

// The lobby window's state; the window mirrors it.
struct LobbyState {
    bool Shown = false;
    bool TableShown = false;
    std::string StatusLine;
    bool ConnectShown = false, StartGameShown = false, BootPlayerShown = false;
    bool QuitEnabled = true;
    bool StartGameDefault = false; // Enter starts the game
    std::string ConnectTag;        // "1st time", "2nd time" while searching
    int BootSelectedRow = -1;      // a player index, highlighted; -1 none
    bool PollTimerOn = false;
    bool MainWindowEnabled = true; // the main window waits while the lobby is in use
};

// The Prompt window's state: the question, the answer box and the two options.
struct PromptWindowState {
    bool Shown = false;
    std::string Label, Text;
    std::string Option1, Option2; // captions
    bool OptionsShown = false;
    int SelectedOption = 0;       // 1 or 2; 0 none
    // The call that asked, resumed when the window closes.
    enum class Asker { None, Initialize, ConnectClick } AskedBy = Asker::None;
};

// Where a machine stands in a network game. A player's Status text names the same steps, so
// the steps from WaitingForPlayers on keep the order of those texts.
enum class Phase {
    Unknown = -100,   // a Status text nobody knows
    Left = -2,        // "Left game"
    NotAdmitted = -1, // a joined player until the host admits it
    WaitingForPlayers = 0,
    SendingGameData,
    ReadyToStart,
    PlayingGame,
    FinishedGame,
    WaitingForResults,
    SendingResults,
    ReviewingResults,
};

struct NetworkState {
    std::string LocalPlayerName;
    std::string LocalDeviceName;
    std::string LocalAddress;
    Phase GamePhase = Phase::NotAdmitted;
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

    // Opening network play and finding a host.
    int StartupPort = 20000;
    std::string StartupServiceName = "Lettro";
    bool IRAvailable = false;
    int HelloCountdown = 0;
    int QuitEnableCountdown = 0;

    bool SettingsListsPending = true;
    LobbySettings Lobby;
    LobbyState Window;
    PromptWindowState Prompt;

    // What strangers can make a machine hold: connections that speak for nobody yet, and
    // a host's answers to searching players (one per address at a time).
    static constexpr std::size_t kMaxStrangers = 32, kMaxAnswers = 8;
    static constexpr int kAnswerTicks = 15;

    // Host: connections back to searching players; they carry "HA" and nothing else.
    std::vector<AnswerConnection> AnswerHandles;
    // Accepted connections not (yet) a table entry's, oldest first.
    std::vector<int> Strangers;
    // Host: connections already answered "WG" once, so two machines never bounce it.
    std::vector<int> WrongGameAnswered;
    // Play began or ended, or network play ended, inside this tick: its transport is
    // gone, so the tick handles nothing more.
    bool TickEnded = false;
    // Player: this game's results were shown; a late table does not show them again.
    bool ResultsShown = false;

    // A warning about received data is on screen: the poll must not run underneath it,
    // and no second warning is stacked on it.
    bool WarningOpen = false;
    // The peers (by address) that were shown a warning in this game; they get no second.
    std::vector<std::string> WarnedPeers;

    // A connection that is gone is no longer an answer, a stranger or a wrong game.
    void Forget(int handle)
    {
        std::erase_if(AnswerHandles,
                      [handle](const AnswerConnection& a) { return a.Handle == handle; });
        std::erase(Strangers, handle);
        std::erase(WrongGameAnswered, handle);
    }
};
