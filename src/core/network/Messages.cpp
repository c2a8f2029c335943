// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/network/Messages.h"

#include "core/game/Program.h"
#include "core/network/NetworkSettings.h"

#include <algorithm>

namespace Messages {

namespace {

bool IsOneOf(const std::string& code, std::initializer_list<const char*> codes)
{
    return std::any_of(codes.begin(), codes.end(), [&](const char* c) { return code == c; });
}

// Messages only a host receives, and messages only a joined player receives.
bool ForThisRole(int mode, const std::string& code)
{
    if (mode == NetworkHost)
        return !IsOneOf(code, {"GR", "HA", "IR", "NG", "PT", "WR"});
    if (mode == NetworkPlayer)
        return !IsOneOf(code, {"ID", "PR", "WT"});
    return false; // no network play: nobody is listening
}

// Player: the connection to the host it has joined, or is joining.
bool FromHost(const Program& app, int handle)
{
    const NetworkState& n = app.network;
    const bool admitted = !n.Players.empty() && n.Players[0].PlayerId != 0;
    return handle == (admitted ? n.Players[0].Handle : n.HostHandle);
}

void OnAck(Program& app, int handle, const Wire::Ack& ack)
{
    const bool host = app.game.GameMode == NetworkHost;
    const std::string& code = ack.Code;
    if (code == "GB") {
        if (!host && app.network.Handlers)
            app.network.Handlers->EndNetworkGame(app);
    } else if (code == "GR" || code == "NG") {
        const int sender = FindPlayerById(app, ack.PlayerId);
        if (host && sender > 0 && !SpeaksFor(app, sender, handle)) {
            DropConnection(app, handle);
        } else if (host && sender > 0) {
            SetStatus(app, sender, code == "GR" ? "Sending results" : "Ready to start");
            BroadcastPlayerTable(app);
        }
    } else if (code == "IR") {
        // The table goes only to a player just admitted on this connection.
        if (host && FindPlayerByHandle(app, handle) > 0)
            SendPT(app, handle);
        else if (host)
            DropConnection(app, handle);
    } else if (code == "PR") {
        if (!host)
            SendWT(app, handle);
    } else if (!IsOneOf(code, {"PT", "RC", "WR"})) {
        WarnAndClose(app, handle, "WARNING - undefined acknowledgement received from ");
    }
}

} // namespace

int FindPlayerById(const Program& app, int id)
{
    const auto& players = app.network.Players;
    const auto at = std::find_if(players.begin(), players.end(),
                                 [id](const PlayerEntry& e) { return e.PlayerId == id; });
    return at == players.end() ? -1 : static_cast<int>(at - players.begin());
}

int FindPlayerByHandle(const Program& app, int handle)
{
    const auto& players = app.network.Players;
    const auto at = std::find_if(players.begin(), players.end(),
                                 [handle](const PlayerEntry& e) { return e.Handle == handle; });
    return handle < 0 || at == players.end() ? -1 : static_cast<int>(at - players.begin());
}

void SetStatus(Program& app, int index, const std::string& status)
{
    if (index < 0 || index >= static_cast<int>(app.network.Players.size()))
        return;
    PlayerEntry& entry = app.network.Players[static_cast<std::size_t>(index)];
    if (entry.Status == status)
        return;
    entry.Status = status;
    if (app.game.GameMode == NetworkHost)
        ++app.network.TableVersion;
}

void SendNetworkMessage(Program& app, int handle, const Wire::Message& message)
{
    if (app.transport)
        app.transport->netSendData(handle, Wire::Text(message));
}

void SendAK(Program& app, int handle, const std::string& acknowledgedCode)
{
    SendNetworkMessage(app, handle,
                       Wire::Ack{app.network.GameId, app.network.LocalPlayerId, acknowledgedCode});
}

void SendGB(Program& app, int handle)
{
    SendNetworkMessage(app, handle, Wire::Goodbye{app.network.GameId, app.network.LocalPlayerId});
}

void SendGR(Program& app, int handle)
{
    std::vector<Words> words = app.game.PlayerWords;
    words.resize(app.network.Players.size()); // a list, maybe empty, for every entry
    SendNetworkMessage(app, handle, Wire::GameResults{app.network.GameId, std::move(words)});
}

void SendHA(Program& app, int handle, const std::string& address)
{
    SendNetworkMessage(app, handle, Wire::HostAnswer{address});
}

void SendHI(Program& app, int handle)
{
    SendNetworkMessage(app, handle, Wire::Hello{});
}

void SendHIByMulticast(Program& app)
{
    if (app.transport)
        app.transport->netMCSendMessage(Wire::kGroup, Wire::kGroupPort, Wire::Text(Wire::Hello{}));
}

void SendID(Program& app, int handle)
{
    const NetworkState& n = app.network;
    SendNetworkMessage(app, handle,
                       Wire::Identify{Wire::kProtocolVersion, n.LocalPlayerId, n.LocalPlayerName,
                                      n.LocalDeviceName, n.LocalAddress, app.PlatformType,
                                      "->" + n.HostAddress});
}

void SendIR(Program& app, int handle, int playerId)
{
    SendNetworkMessage(app, handle, Wire::IdentityReply{app.network.GameId, playerId});
}

void SendNG(Program& app, int handle)
{
    SendNetworkMessage(app, handle,
                       Wire::NewGame{app.network.GameId, NetworkSettings::EncodeSettings(app),
                                     app.network.NetworkBoard, app.board.BoardWords});
}

void SendPR(Program& app, int handle)
{
    const auto local = static_cast<std::size_t>(app.game.LocalPlayerIndex);
    const Words words = local < app.game.PlayerWords.size() ? app.game.PlayerWords[local] : Words();
    SendNetworkMessage(app, handle,
                       Wire::PlayerResults{app.network.GameId, app.network.LocalPlayerId, words});
}

void SendPT(Program& app, int handle)
{
    SendNetworkMessage(app, handle,
                       Wire::PlayerTable{app.network.GameId, app.network.TableVersion,
                                         NetworkSettings::EncodeSettings(app), app.network.Players});
}

void SendWG(Program& app, int handle)
{
    SendNetworkMessage(app, handle, Wire::WrongGame{});
}

void SendWR(Program& app, int handle)
{
    SendNetworkMessage(app, handle, Wire::TableCurrent{app.network.GameId});
}

void SendWT(Program& app, int handle)
{
    SendNetworkMessage(app, handle,
                       Wire::StatusReport{app.network.GameId, app.network.LocalPlayerId,
                                          app.network.TableVersion});
}

void BroadcastPlayerTable(Program& app)
{
    if (app.game.GameMode != NetworkHost)
        return;
    const auto& players = app.network.Players;
    for (std::size_t i = 1; i < players.size(); ++i)
        if (players[i].Connected && players[i].Handle >= 0)
            SendPT(app, players[i].Handle);
}

void CloseConnection(Program& app, int handle)
{
    if (app.transport)
        app.transport->netClose(handle);
    app.network.Forget(handle);
    if (const int i = FindPlayerByHandle(app, handle); i >= 0) {
        PlayerEntry& entry = app.network.Players[static_cast<std::size_t>(i)];
        entry.Connected = false;
        entry.Handle = -1;
    }
    if (app.network.Handlers)
        app.network.Handlers->CheckPhaseProgress(app);
}

void DropConnection(Program& app, int handle)
{
    if (app.transport)
        app.transport->netClose(handle);
    app.network.Forget(handle);
}

bool SpeaksFor(Program& app, int index, int handle)
{
    const auto& players = app.network.Players;
    if (index < 0 || index >= static_cast<int>(players.size()) || handle < 0)
        return false;
    const PlayerEntry& e = players[static_cast<std::size_t>(index)];
    if (handle == e.Handle)
        return true;
    const std::string from = app.transport ? app.transport->netGetRemoteInfo(handle).address : "";
    return !from.empty() && (from == e.AdmittedFrom || from == e.Address);
}

void WarnAndClose(Program& app, int handle, const std::string& text, bool named)
{
    NetworkState& n = app.network;
    const engine::PeerInfo peer =
        app.transport ? app.transport->netGetRemoteInfo(handle) : engine::PeerInfo{};
    if (!n.WarningOpen && std::find(n.WarnedPeers.begin(), n.WarnedPeers.end(), peer.address) ==
                              n.WarnedPeers.end()) {
        n.WarnedPeers.push_back(peer.address);
        n.WarningOpen = true;
        Ask(app, QString::fromStdString(text + (named ? Wire::CleanName(peer.name) : "")),
            core::Buttons::Ok, QStringLiteral("Lettro"), core::Owner::Lobby);
        n.WarningOpen = false;
    }
    CloseConnection(app, handle);
}

void DispatchMessage(Program& app, int handle, int /*byteCount: messages arrive whole*/)
{
    NetworkState& n = app.network;
    std::string text;
    if (!app.transport || !app.transport->netGetData(handle, text)) {
        CloseConnection(app, handle);
        return;
    }
    // The discovery group carries nothing but searching players' hellos.
    if (handle == n.DiscoveryHandle && handle >= 0 && text != "HI")
        return;
    const Wire::ParseResult received = Wire::Parse(text);
    // A player hears its host only on the connection to it; on any other, a peer may look
    // for a host or answer the search, and is cut off for anything else.
    if (app.game.GameMode == NetworkPlayer && !FromHost(app, handle) &&
        !IsOneOf(received.code, {"HI", "HA"})) {
        DropConnection(app, handle);
        return;
    }
    const bool known = received.outcome == Wire::Parsed::Ok;
    if (received.outcome == Wire::Parsed::Malformed ||
        (known && !ForThisRole(app.game.GameMode, received.code)))
        return;
    // A message of another period of hosting is told so and goes no further.
    // A joiner not yet admitted holds no game id, but must hear the host refuse it.
    const bool refusal = received.code == "GB" && app.game.GameMode == NetworkPlayer &&
                         n.LocalPlayerId == 0 && handle == n.HostHandle;
    if (!IsOneOf(received.code, {"IR", "ID", "WG", "HI", "HA"}) && !refusal && received.gameId &&
        *received.gameId != n.GameId) {
        SendWG(app, handle);
        return;
    }
    // A player on its way out waits only for the host's goodbye acknowledged.
    const auto* ack = known ? std::get_if<Wire::Ack>(&received.message) : nullptr;
    if (app.game.GameMode == NetworkPlayer && n.LeaveCountdown > 0 && !(ack && ack->Code == "GB"))
        return;
    if (const int i = FindPlayerByHandle(app, handle);
        i >= 0 && n.Players[static_cast<std::size_t>(i)].Status == "Left game") {
        CloseConnection(app, handle);
        return;
    }
    if (!known) {
        WarnAndClose(app, handle, "WARNING - undefined message received from ");
    } else if (ack) {
        OnAck(app, handle, *ack);
    } else if (!std::holds_alternative<Wire::Ignored>(received.message) && n.Handlers) {
        n.Handlers->Handle(app, handle, received);
    }
}

} // namespace Messages
