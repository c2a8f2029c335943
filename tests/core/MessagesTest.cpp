// SPDX-License-Identifier: GPL-3.0-or-later
// The receiving pipeline and the acknowledgements, on a host and on a joined player
// with an in-memory transport: what reaches the protocol, what is sent back, what is
// closed and what is said.
#include "MemoryTransport.h"

#include "core/network/Messages.h"
#include "core/network/NetworkGame.h"

#include <gtest/gtest.h>

namespace {

const std::string kNoData = "";

// A host (id 1) with player 100 connected on handle 5 and player 200, who left, on 6;
// or player 100 whose host is on handle 5. Game id 812, table version 3.
struct Peer : InMemory {
    explicit Peer(int mode, bool leaving = false)
    {
        p.game.GameMode = mode;
        NetworkState& n = p.network;
        n.GameId = 812, n.TableVersion = 3, n.DiscoveryHandle = 9;
        n.LocalPlayerId = mode == NetworkHost ? 1 : 100;
        n.LeaveCountdown = leaving ? 50 : 0;
        n.Players = {{.PlayerId = 1, .Connection = "Host", .Status = "Waiting for players"},
                     {.PlayerId = 100, .Status = "Waiting for players", .Connected = true, .Handle = 5},
                     {.PlayerId = 200, .Status = "Left game", .Connected = true, .Handle = 6}};
        if (mode == NetworkPlayer)
            n.Players[0].Connected = true, n.Players[0].Handle = 5;
    }
    // Everything that followed: what the protocol is handed (an acknowledgement is acted
    // on, "end" when it ended network play), sends, closes, words said.
    std::string receive(int handle, const std::string& text)
    {
        if (!text.empty())
            net->incoming[handle].push_back(text);
        std::string out;
        const auto m = Messages::DispatchMessage(p, handle, static_cast<int>(text.size()));
        if (m && std::holds_alternative<Wire::Ack>(m->message))
            Network::HandleMessage(p, handle, *m);
        else if (m)
            out += std::to_string(handle) + ":" + m->code + " ";
        if (p.network.TickEnded)
            out += "end ";
        for (const auto& [h, sent] : net->sent)
            out += ">" + std::to_string(h) + ":" + sent + " ";
        for (int h : net->closed)
            out += "x" + std::to_string(h) + " ";
        for (const QString& said : prompter.texts())
            out += "!" + said.toStdString();
        const std::string& status = p.network.Players[1].Status;
        return status == "Waiting for players" ? out : out + "[" + status + "]";
    }
};

TEST(DispatchMessage, theChecksInTheirOrderAndTheAcknowledgements)
{
    const std::string table = "PT|812|4|Standard,NoRepeatLetters,180,3,-|1|1|a|b|c|PC|Host|s";
    // The host's table as it goes out, player 100's status in it.
    const auto sent = [](int handle, int version, const std::string& status) {
        return ">" + std::to_string(handle) + ":PT|812|" + std::to_string(version) +
               "|Standard,NoRepeatLetters,180,3,-|3|1|||||Host|Waiting for players|100||||||" + status +
               "|200||||||Left game ";
    };
    const auto both = [&](const std::string& status) {
        return sent(5, 4, status) + sent(6, 4, status) + "[" + status + "]";
    };
    const struct {
        int mode;
        bool leaving;
        int handle;
        std::string text, outcome;
    } cases[] = {
        // What reaches the protocol as it should is in NetworkProtocolTest: ID, IR, HA and
        // WG whatever game id they carry, or none.
        {NetworkHost, false, 5, "WT|811|100|3", ">5:WG "},
        {NetworkHost, false, 5, "HI", "5:HI "},
        // A stale acknowledgement is answered, not acted on.
        {NetworkHost, false, 5, "AK|811|100|IR", ">5:WG "},
        {NetworkHost, false, 5, "AK|812|100|IR", sent(5, 3, "Waiting for players")},
        // Game data and results acknowledged: a new table for everybody still connected.
        {NetworkHost, false, 5, "AK|812|100|NG", both("Ready to start")},
        {NetworkHost, false, 5, "AK|812|100|GR", both("Sending results")},
        {NetworkHost, false, 5, "AK|812|100|GB", ""},
        {NetworkHost, false, 5, "AK|812|1|GR", ""}, // the host's own row is not a player's
        {NetworkPlayer, false, 5, "AK|812|1|PR", ">5:WT|812|100|3 "},
        {NetworkPlayer, false, 5, "AK|812|1|GB", "end "},
        {NetworkPlayer, false, 5, "AK|812|1|NG", ""}, // a host's acknowledgement
        // Another role's messages, other datagrams on the discovery group, ignored codes.
        {NetworkHost, false, 5, table, ""},
        {NetworkPlayer, false, 5, "WT|812|1|3", ""},
        {NetworkHost, false, 9, "HI", "9:HI "},
        {NetworkHost, false, 9, "WT|812|100|3", ""},
        {NetworkHost, false, 5, "RQ|812|x", ""},
        // Leaving: only the goodbye's acknowledgement gets through.
        {NetworkPlayer, true, 5, table, ""},
        {NetworkPlayer, true, 5, "AK|812|1|GB", "end "},
        // A player who left is cut off; so is a connection that failed to read (nonsense
        // is warned about below).
        {NetworkHost, false, 6, "WT|812|200|3", "x6 "},
        {NetworkHost, false, 5, kNoData, "x5 "},
        {NetworkHost, false, 5, "XX|811", ">5:WG "},
    };
    for (const auto& c : cases) {
        Peer m(c.mode, c.leaving);
        const std::string outcome = m.receive(c.handle, c.text);
        EXPECT_EQ(outcome, c.outcome) << c.text << " on " << (c.mode == NetworkHost ? "host" : "player");
    }
}

// One warning per peer in a game, and none on top of another; the peer is cut off each time.
TEST(DispatchMessage, aPeerGetsOneWarningAGame)
{
    Peer m(NetworkHost);
    m.net->addresses[7] = "127.0.0.7";
    m.prompter.answer(core::Answer::Ok, [&] { m.receive(7, "XX|812"); });
    m.receive(5, "XX|812");
    m.receive(5, "AK|812|100|QQ");
    m.receive(7, "AK|812|100|QQ");
    EXPECT_EQ(m.prompter.texts(), (QStringList{"WARNING - undefined message received from peer5",
                                               "WARNING - undefined acknowledgement received from peer7"}));
    EXPECT_EQ(m.net->closed, (std::vector<int>{7, 5, 5, 7}));
}

} // namespace
