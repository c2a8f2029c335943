// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/network/Messages.h"

#include "core/game/Program.h"
#include "core/game/Tr.h"
#include "core/network/NetworkGame.h"
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
bool FromHost(const Program& program, int handle)
{
    const NetworkState& n = program.network;
    const bool admitted = !n.Players.empty() && n.Players[0].PlayerId != 0;
    return handle == (admitted ? n.Players[0].Handle : n.HostHandle);
}

} // namespace

int FindPlayerById(const Program& program, int id)
{
    const auto& players = program.network.Players;
    const auto at = std::find_if(players.begin(), players.end(),
                                 [id](const PlayerEntry& e) { return e.PlayerId == id; });
    return at == players.end() ? -1 : static_cast<int>(at - players.begin());
}

int FindPlayerByHandle(const Program& program, int handle)
{
    const auto& players = program.network.Players;
    const auto at = std::find_if(players.begin(), players.end(),
                                 [handle](const PlayerEntry& e) { return e.Handle == handle; });
    return handle < 0 || at == players.end() ? -1 : static_cast<int>(at - players.begin());
}

void SetStatus(Program& program, int index, const std::string& status)
{
    if (index < 0 || index >= static_cast<int>(program.network.Players.size()))
        return;
    PlayerEntry& entry = program.network.Players[static_cast<std::size_t>(index)];
    if (entry.Status == status)
        return;
    entry.Status = status;
    if (program.game.GameMode == NetworkHost)
        ++program.network.TableVersion;
}

void SendNetworkMessage(Program& program, int handle, const Wire::Message& message)
{
    if (program.transport)
        program.transport->netSendData(handle, Wire::Text(message));
}

void SendAK(Program& program, int handle, const std::string& acknowledgedCode)
{
    SendNetworkMessage(program, handle,
                       Wire::Ack{program.network.GameId, program.network.LocalPlayerId, acknowledgedCode});
}

void SendGB(Program& program, int handle)
{
    SendNetworkMessage(program, handle, Wire::Goodbye{program.network.GameId, program.network.LocalPlayerId});
}

void SendGR(Program& program, int handle)
{
    std::vector<Words> words = program.game.PlayerWords;
    words.resize(program.network.Players.size()); // a list, maybe empty, for every entry
    SendNetworkMessage(program, handle, Wire::GameResults{program.network.GameId, std::move(words)});
}

void SendHA(Program& program, int handle, const std::string& address)
{
    SendNetworkMessage(program, handle, Wire::HostAnswer{address});
}

void SendHI(Program& program, int handle)
{
    SendNetworkMessage(program, handle, Wire::Hello{});
}

void SendHIByMulticast(Program& program)
{
    if (program.transport)
        program.transport->netMCSendMessage(Wire::kGroup, Wire::kGroupPort, Wire::Text(Wire::Hello{}));
}

void SendID(Program& program, int handle)
{
    const NetworkState& n = program.network;
    SendNetworkMessage(program, handle,
                       Wire::Identify{Wire::kProtocolVersion, n.LocalPlayerId, n.LocalPlayerName,
                                      n.LocalDeviceName, n.LocalAddress, program.PlatformType,
                                      "->" + n.HostAddress});
}

void SendIR(Program& program, int handle, int playerId)
{
    SendNetworkMessage(program, handle, Wire::IdentityReply{program.network.GameId, playerId});
}

void SendNG(Program& program, int handle)
{
    SendNetworkMessage(program, handle,
                       Wire::NewGame{program.network.GameId, NetworkSettings::EncodeSettings(program),
                                     program.network.NetworkBoard, program.board.BoardWords});
}

void SendPR(Program& program, int handle)
{
    const auto local = static_cast<std::size_t>(program.game.LocalPlayerIndex);
    const Words words = local < program.game.PlayerWords.size() ? program.game.PlayerWords[local] : Words();
    SendNetworkMessage(program, handle,
                       Wire::PlayerResults{program.network.GameId, program.network.LocalPlayerId, words});
}

void SendPT(Program& program, int handle)
{
    SendNetworkMessage(program, handle,
                       Wire::PlayerTable{program.network.GameId, program.network.TableVersion,
                                         NetworkSettings::EncodeSettings(program), program.network.Players});
}

void SendWG(Program& program, int handle)
{
    SendNetworkMessage(program, handle, Wire::WrongGame{});
}

void SendWR(Program& program, int handle)
{
    SendNetworkMessage(program, handle, Wire::TableCurrent{program.network.GameId});
}

void SendWT(Program& program, int handle)
{
    SendNetworkMessage(program, handle,
                       Wire::StatusReport{program.network.GameId, program.network.LocalPlayerId,
                                          program.network.TableVersion});
}

void BroadcastPlayerTable(Program& program)
{
    if (program.game.GameMode != NetworkHost)
        return;
    const auto& players = program.network.Players;
    for (std::size_t i = 1; i < players.size(); ++i)
        if (players[i].Connected && players[i].Handle >= 0)
            SendPT(program, players[i].Handle);
}

void CloseConnection(Program& program, int handle)
{
    if (program.transport)
        program.transport->netClose(handle);
    program.network.Forget(handle);
    if (const int i = FindPlayerByHandle(program, handle); i >= 0) {
        PlayerEntry& entry = program.network.Players[static_cast<std::size_t>(i)];
        entry.Connected = false;
        entry.Handle = -1;
    }
    Network::CheckPhaseProgress(program);
}

void DropConnection(Program& program, int handle)
{
    if (program.transport)
        program.transport->netClose(handle);
    program.network.Forget(handle);
}

bool SpeaksFor(Program& program, int index, int handle)
{
    const auto& players = program.network.Players;
    if (index < 0 || index >= static_cast<int>(players.size()) || handle < 0)
        return false;
    const PlayerEntry& e = players[static_cast<std::size_t>(index)];
    if (handle == e.Handle)
        return true;
    const std::string from = program.transport ? program.transport->netGetRemoteInfo(handle).address : "";
    return !from.empty() && (from == e.AdmittedFrom || from == e.Address);
}

void WarnAndClose(Program& program, int handle, const std::string& text, bool named)
{
    NetworkState& n = program.network;
    const engine::PeerInfo peer =
        program.transport ? program.transport->netGetRemoteInfo(handle) : engine::PeerInfo{};
    if (!n.WarningOpen && std::find(n.WarnedPeers.begin(), n.WarnedPeers.end(), peer.address) ==
                              n.WarnedPeers.end()) {
        n.WarnedPeers.push_back(peer.address);
        n.WarningOpen = true;
        Ask(program, QString::fromStdString(text + (named ? Wire::CleanName(peer.name) : "")),
            core::Buttons::Ok, QStringLiteral("Lettro"), core::Owner::Lobby);
        n.WarningOpen = false;
    }
    CloseConnection(program, handle);
}

std::optional<Wire::ParseResult> DispatchMessage(Program& program, int handle,
                                                 int /*byteCount: messages arrive whole*/)
{
    NetworkState& n = program.network;
    std::string text;
    if (!program.transport || !program.transport->netGetData(handle, text)) {
        CloseConnection(program, handle);
        return std::nullopt;
    }
    // The discovery group carries nothing but searching players' hellos.
    if (handle == n.DiscoveryHandle && handle >= 0 && text != "HI")
        return std::nullopt;
    const Wire::ParseResult received = Wire::Parse(text);
    // A player hears its host only on the connection to it; on any other, a peer may look
    // for a host or answer the search, and is cut off for anything else.
    if (program.game.GameMode == NetworkPlayer && !FromHost(program, handle) &&
        !IsOneOf(received.code, {"HI", "HA"})) {
        DropConnection(program, handle);
        return std::nullopt;
    }
    const bool known = received.outcome == Wire::Parsed::Ok;
    if (received.outcome == Wire::Parsed::Malformed ||
        (known && !ForThisRole(program.game.GameMode, received.code)))
        return std::nullopt;
    // A message of another period of hosting is told so and goes no further.
    // A joiner not yet admitted holds no game id, but must hear the host refuse it.
    const bool refusal = received.code == "GB" && program.game.GameMode == NetworkPlayer &&
                         n.LocalPlayerId == 0 && handle == n.HostHandle;
    if (!IsOneOf(received.code, {"IR", "ID", "WG", "HI", "HA"}) && !refusal && received.gameId &&
        *received.gameId != n.GameId) {
        SendWG(program, handle);
        return std::nullopt;
    }
    // A player on its way out waits only for the host's goodbye acknowledged.
    const auto* ack = known ? std::get_if<Wire::Ack>(&received.message) : nullptr;
    if (program.game.GameMode == NetworkPlayer && n.LeaveCountdown > 0 && !(ack && ack->Code == "GB"))
        return std::nullopt;
    if (const int i = FindPlayerByHandle(program, handle);
        i >= 0 && n.Players[static_cast<std::size_t>(i)].Status == "Left game") {
        CloseConnection(program, handle);
        return std::nullopt;
    }
    if (!known) {
        WarnAndClose(program, handle, core::TrS("Network", "WARNING - undefined message received from "));
        return std::nullopt;
    }
    if (std::holds_alternative<Wire::Ignored>(received.message))
        return std::nullopt;
    return received;
}

} // namespace Messages
