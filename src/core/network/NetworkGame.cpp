// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/network/NetworkGame.h"

#include "core/game/Game.h"
#include "core/game/Program.h"
#include "core/game/Settings.h"
#include "core/network/Messages.h"
#include "core/network/NetworkSettings.h"

#include <QTime>

#include <algorithm>
#include <limits>

namespace Network {

using namespace Messages;

namespace {

const char* const kStatuses[] = {"Waiting for players", "Sending game data",   "Ready to start",
                                 "Playing game",        "Finished game",       "Waiting for results",
                                 "Sending results",     "Reviewing results"};
const std::string kLeft = "Left game";
constexpr int kLeaveTicks = 50, kGoodbyeTicks = 25, kSyncTicks = 75, kHelloTicks = 25,
              kQuitTicks = 10;

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

std::optional<std::string> Stored(Program& program, const char* name, int length)
{
    return program.settings ? program.settings->cGetRegValue(engine::kSettingsKey, name, length)
                        : std::nullopt;
}

void Store(Program& program, const char* name, const std::string& value)
{
    if (program.settings)
        program.settings->cSetRegValue(engine::kSettingsKey, name, value);
}

// Whether every entry but the host's satisfies `ok` (a "Left game" entry always does).
template <class Test> bool AllOthers(Program& program, Test ok)
{
    for (int i = 1; i < Count(program); ++i)
        if (Entry(program, i).Status != kLeft && !ok(Entry(program, i)))
            return false;
    return true;
}

// An entry goes: later entries move up; the table has a new version.
void RemoveEntry(Program& program, int index)
{
    auto& players = program.network.Players;
    players.erase(players.begin() + index);
    ++program.network.TableVersion;
}

// A player's id seen in a message; the host's own id never names a player.
int SenderIndex(Program& program, int id)
{
    const int i = FindPlayerById(program, id);
    return i > 0 ? i : -1;
}

// "PR" and "WT" may come on a new connection from where the player was admitted: the
// entry takes it over. The old one is closed without the phase test, so a moment without a
// connection starts nothing. From anywhere else the message is dropped with its connection.
bool TakeOver(Program& program, int index, int handle)
{
    if (!SpeaksFor(program, index, handle)) {
        DropConnection(program, handle);
        return false;
    }
    PlayerEntry& e = Entry(program, index);
    if (e.Handle != handle) {
        if (e.Handle >= 0 && program.transport)
            program.transport->netClose(e.Handle);
        e.Handle = handle;
    }
    e.Connected = true;
    return true;
}

// The table's answer to a report: current, or the whole table.
void TableAnswer(Program& program, int handle, std::int32_t version)
{
    if (version >= program.network.TableVersion)
        SendWR(program, handle);
    else
        SendPT(program, handle);
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
        Say(program, "Failure with initialize of Lettro networking service.");
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

// What the protocol does with each message the pipeline lets through.
class Protocol : public ProtocolHandlers {
public:
    void Handle(Program& program, int handle, const Wire::ParseResult& m) override
    {
        std::visit([&](const auto& message) { on(program, handle, message); }, m.message);
    }
    void EndNetworkGame(Program& program) override { Network::EndNetworkGame(program); }
    void CheckPhaseProgress(Program& program) override { Network::CheckPhaseProgress(program); }

private:
    static void on(Program& program, int handle, const Wire::Goodbye& m)
    {
        NetworkState& n = program.network;
        if (!Host(program)) {
            if (n.LocalPlayerId == 0) { // refused before admission: stop trying
                Say(program, "The host did not let you join its game.");
                Network::EndNetworkGame(program);
                return;
            }
            n.LeaveCountdown = kGoodbyeTicks;
            n.Window.StatusLine = "Host is ending your game...";
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
        program.network.Window.StatusLine = "Ready - synchronizing with host...";
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
        n.Window.StatusLine = "Found host, connecting to " + address + "...";
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
            Say(program, "Incompatible Lettro version");
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
        program.network.Window.StatusLine = "Ready - synchronizing with host...";
    }
    static void on(Program& program, int handle, const Wire::PlayerResults& m)
    {
        const int i = SenderIndex(program, m.PlayerId);
        if (i < 0) {
            SendGB(program, handle);
            return;
        }
        if (!TakeOver(program, i, handle))
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
            WarnAndClose(program, handle, "Unknown game state", false);
        else if (n.GamePhase == Phase::ReadyToStart || n.GamePhase == Phase::SendingResults)
            CloseConnection(program, handle); // play or results follow without the network
        else
            SendAK(program, handle, "PT");
    }
    static void on(Program& program, int handle, const Wire::WrongGame&)
    {
        NetworkState& n = program.network;
        if (!Host(program)) {
            Say(program, "Host is now playing a new game.  Your game is over.");
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
        const int i = SenderIndex(program, m.PlayerId);
        if (i < 0) {
            SendGB(program, handle);
            return;
        }
        if (!TakeOver(program, i, handle))
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
            Say(program, "Received WT message from client in incorrect state, ignored");
        }
    }
    // Acknowledgements are the pipeline's; the rest never reach a handler.
    template <class Other> static void on(Program&, int, const Other&) {}
};

Protocol g_protocol;

// Opens the lobby once the name and role are known.
void OpenLobby(Program& program)
{
    NetworkState& n = program.network;
    LobbyState& w = n.Window;
    n.Handlers = &g_protocol;
    n.SettingsListsPending = true;
    n.QuitEnableCountdown = 0;
    w = LobbyState{};
    w.Shown = true;
    w.MainWindowEnabled = false;
    n.TableVersion = 0;
    n.StartupPort = Wire::kStreamPort;
    n.StartupServiceName = "Lettro";
    engine::Transport* net = program.transport.get();
    const int started = net ? net->netStartup(n.StartupPort, n.StartupServiceName) : 1;
    // A joining player starts again below, and can do without a listener.
    if (started > 0 && (Host(program) || !net)) {
        Say(program, "Failure with initialize of Lettro networking service.");
        w.MainWindowEnabled = true;
        return;
    }
    n.IRAvailable = started == 0;
    if (started != 0)
        n.StartupServiceName.clear();
    const engine::PeerInfo local = net->netGetLocalInfo();
    n.LocalDeviceName = Wire::CleanName(local.name);
    n.LocalAddress = Wire::CleanName(local.address);
    if (n.LocalAddress == "192.168.55.101" || n.LocalAddress == "127.0.0.1")
        n.LocalAddress.clear();
    n.Players.clear();
    n.HostPlayerId = -1;
    n.HostAddress.clear();
    n.HostHandle = -1;
    n.HostViaIR = false;
    n.SyncCountdown = n.LeaveCountdown = 0;
    n.AnswerHandles.clear();
    n.WrongGameAnswered.clear();
    if (Host(program)) {
        n.LocalPlayerId = 1;
        n.NextPlayerId = 100;
        n.Players.push_back({1, n.LocalPlayerName, n.LocalDeviceName, n.LocalAddress,
                             program.PlatformType, "Host", StatusText(Phase::WaitingForPlayers)});
        n.GamePhase = Phase::WaitingForPlayers;
        NetworkSettings::ShowLobbySettings(program, true);
        n.DiscoveryHandle = net->netMCConnect(Wire::kGroup, Wire::kGroupPort);
        w.StatusLine = "Listening for players...";
        n.GameId = QTime(0, 0).secsTo(QTime::currentTime());
    } else {
        n.StartupPort = 0;
        n.StartupServiceName.clear();
        n.LocalPlayerId = 0;
        net->netShutdown();
        n.HelloCountdown = 0;
        n.GamePhase = Phase::NotAdmitted;
        NetworkSettings::ShowLobbySettings(program, false);
        w.ConnectTag = "1st time";
        w.StatusLine = "Searching for game host...";
        if (net->netStartup(Wire::kStreamPort, "") > 0) {
            // Another program holds the port: joining by name still works.
            net->netStartup(0, "");
            w.ConnectShown = true;
            w.ConnectTag.clear();
            w.StatusLine = "Port 20000 is in use here, so no host can answer a search: use "
                           "Connect... to name the host";
        }
    }
    w.PollTimerOn = true;
    w.TableShown = true;
    w.BootSelectedRow = -1;
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
        if (n.Window.StatusLine.starts_with("Looking "))
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
        DispatchMessage(program, h, e.byteCount);
        break;
    case engine::NetEvent::None:
        break;
    }
    return !n.TickEnded;
}

} // namespace

Phase StatusToPhase(Program& program, const std::string& status)
{
    const Phase phase = PhaseOf(status);
    if (phase == Phase::Unknown)
        Say(program, "Unknown game state");
    return phase;
}

Marker MarkerOf(const Program& program, int index)
{
    const auto& players = program.network.Players;
    if (index < 0 || index >= static_cast<int>(players.size()))
        return Marker::Plain;
    if (players[static_cast<std::size_t>(index)].Connected)
        return Marker::Connected;
    const bool talksTo = program.game.GameMode == NetworkHost ? index != 0 : index == 0;
    return talksTo ? Marker::NotConnected : Marker::Plain;
}

void Initialize(Program& program, bool resumed)
{
    PromptWindowState& prompt = program.network.Prompt;
    if (!resumed) {
        prompt = PromptWindowState{};
        prompt.Shown = true;
        prompt.Label = "Enter your name";
        prompt.Text = Stored(program, Settings::kNetworkPlayerName, 50).value_or("");
        prompt.SelectedOption =
            Stored(program, Settings::kNetworkMode, 50).value_or("") == "Host" ? 2 : 1;
        prompt.Option2 = "Host game";
        prompt.Option1 = "Join game";
        prompt.OptionsShown = true;
        prompt.AskedBy = PromptWindowState::Asker::Initialize;
        program.network.Window.MainWindowEnabled = false;
        return;
    }
    if (prompt.Text.empty()) { // Cancel: network play is not opened
        program.network.Window.MainWindowEnabled = true;
        program.savedForNetwork.reset();
        return;
    }
    program.network.LocalPlayerName = Wire::CleanName(prompt.Text);
    const bool host = prompt.SelectedOption == 2;
    program.game.GameMode = host ? NetworkHost : NetworkPlayer;
    Store(program, Settings::kNetworkPlayerName, program.network.LocalPlayerName);
    Store(program, Settings::kNetworkMode, host ? "Host" : "Join");
    OpenLobby(program);
}

void ConnectClick(Program& program, bool resumed)
{
    NetworkState& n = program.network;
    PromptWindowState& prompt = n.Prompt;
    if (!resumed) {
        const std::string device = Stored(program, Settings::kNetworkDevice, 50).value_or("");
        const bool viaIR = Stored(program, Settings::kNetworkIR, 10).value_or("1") == "1";
        prompt = PromptWindowState{};
        prompt.Shown = true;
        prompt.Label = "Enter PC network name or IP address";
        // Without infra-red the options stay hidden and an infra-red device is not offered.
        prompt.OptionsShown = n.IRAvailable;
        prompt.Option2 = "TCP/IP";
        prompt.Option1 = "IR";
        prompt.SelectedOption = viaIR ? 1 : 2;
        prompt.Text = viaIR && !n.IRAvailable ? "" : device;
        prompt.AskedBy = PromptWindowState::Asker::ConnectClick;
        return;
    }
    if (prompt.Text.empty())
        return;
    n.HostAddress = Wire::CleanName(prompt.Text);
    n.HostViaIR = n.IRAvailable && prompt.SelectedOption == 1;
    Store(program, Settings::kNetworkDevice, n.HostAddress);
    Store(program, Settings::kNetworkIR, n.HostViaIR ? "1" : "0");
    n.Window.StatusLine = "Connecting to " + n.HostAddress + "...";
}

void PromptClosed(Program& program, const std::optional<PromptAnswer>& answer)
{
    PromptWindowState& prompt = program.network.Prompt;
    prompt.Text = answer ? answer->text : std::string();
    if (answer && (answer->option == 1 || answer->option == 2))
        prompt.SelectedOption = answer->option;
    prompt.Shown = false;
    switch (prompt.AskedBy) {
    case PromptWindowState::Asker::Initialize:
        Initialize(program, true);
        break;
    case PromptWindowState::Asker::ConnectClick:
        ConnectClick(program, true);
        break;
    case PromptWindowState::Asker::None:
        break;
    }
}

void SelectPromptOption(Program& program, int option)
{
    if (option == 1 || option == 2)
        program.network.Prompt.SelectedOption = option;
}

namespace {

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
        n.Window.StatusLine = "Looking for " + e.Device + "...";
    }
}

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
        Say(program, "Can't start the game without another player!");
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
    n.Window.StatusLine = "Sending game data to players...";
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
    n.Window.StatusLine = Host(program) ? "Notifying game players..." : "Notifying game host...";
    for (int i = Host(program) ? 1 : 0; i < (Host(program) ? Count(program) : 1); ++i)
        if (Entry(program, i).Connected && Entry(program, i).Handle >= 0)
            SendGB(program, Entry(program, i).Handle);
}

void BootPlayer(Program& program)
{
    NetworkState& n = program.network;
    const int i = n.Window.BootSelectedRow;
    if (i <= 0 || i >= Count(program)) {
        Say(program, "Select the player to boot, then press 'Boot Player' again");
        return;
    }
    n.Window.BootSelectedRow = -1;
    if (Ask(program, QString::fromStdString("Are you sure you want to boot " + Entry(program, i).Name + "?"),
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
        n.Window.StatusLine = "Waiting for results from players...";
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
        n.Window.StatusLine = "Listening for players...";
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
        n.Window.StatusLine = "Sending results to players...";
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
