// SPDX-License-Identifier: GPL-3.0-or-later
// The protocol's answers at its edges, on one machine with an in-memory transport: who
// is admitted, what a repeated or foreign message changes, how a player hears a refusal.
#include "MemoryTransport.h"

#include "core/network/Messages.h"
#include "core/network/NetworkGame.h"

#include <gtest/gtest.h>

namespace {

const std::string kTable = "PT|77|1|Standard,NoRepeatLetters,180,3,-|";

// A host (Ann) or a searching player in a lobby opened as the Network button does.
struct Lobby : InMemory {
    explicit Lobby(bool host, const std::string& address = "127.0.0.2")
    {
        net->local.address = address;
        Network::Initialize(p, false);
        Network::PromptClosed(p, Network::PromptAnswer{"Ann", host ? 2 : 1});
        net->sent.clear();
    }
    // A message arriving on a connection; the codes sent back on it, then what was closed.
    std::string receive(int handle, const std::string& text)
    {
        net->sent.clear(), net->closed.clear();
        net->incoming[handle].push_back(text);
        if (const auto m = Messages::DispatchMessage(p, handle, static_cast<int>(text.size())))
            Network::HandleMessage(p, handle, *m);
        std::string out;
        for (const auto& [h, sent] : net->sent)
            out += h == handle ? sent.substr(0, 2) + " " : "";
        for (int h : net->closed)
            out += "x" + std::to_string(h) + " ";
        return out;
    }
    std::string join(int handle, int proposedId = 0)
    {
        return receive(handle, "ID|1|" + std::to_string(proposedId) + "|P" + std::to_string(handle) + "|d|a|PC|->h|");
    }
    std::string ids() const
    {
        std::string s;
        for (const PlayerEntry& e : p.network.Players)
            s += std::to_string(e.PlayerId) + " ";
        return s;
    }
};

TEST(NetworkProtocol, whoIsAdmittedAndWithWhichId)
{
    Lobby host(true);
    EXPECT_EQ(host.join(10, 300), "IR PT ");
    EXPECT_EQ(host.join(11, 1), "IR PT ") << "1 is the host's";
    EXPECT_EQ(host.join(11), "") << "a second ID on a connection";
    host.join(12, 300); // taken: a fresh id, skipping those in use
    host.join(13);
    host.join(14);
    EXPECT_EQ(host.ids(), "1 300 100 200 400 500 ");
    // The host's own id names no player: told goodbye.
    const std::string id = std::to_string(host.p.network.GameId);
    EXPECT_EQ(host.receive(10, "WT|" + id + "|1|0"), "GB ");
    EXPECT_EQ(host.receive(10, "GB|" + id + "|1"), "AK ");
    EXPECT_EQ(host.ids(), "1 300 100 200 400 500 ");
    // A foreign game is told so once per connection.
    EXPECT_EQ(host.receive(10, "WG"), "WG ");
    EXPECT_EQ(host.receive(10, "WG"), "");
    // The table holds the host and 20 players; the 21st is refused and nothing changes.
    for (int h = 15; h < 30; ++h)
        host.join(h);
    const std::int32_t version = host.p.network.TableVersion;
    EXPECT_EQ(host.join(30), "GB x30 ");
    EXPECT_EQ(host.p.network.Players.size(), 21u);
    EXPECT_EQ(host.p.network.TableVersion, version);

    // A player that began by itself and finished is not sent the same game again; one
    // back in the lobby with its results does not hold up the others'.
    host.p.network.GamePhase = Phase::SendingGameData;
    for (const auto& [status, answer] : {std::pair{"Sending game data", "NG "}, {"Finished game", "WR "}}) {
        Messages::SetStatus(host.p, 1, status);
        EXPECT_EQ(host.receive(10, "WT|" + id + "|300|" + std::to_string(host.p.network.TableVersion)), answer);
    }
    host.p.network.GamePhase = Phase::SendingResults;
    Messages::SetStatus(host.p, 1, "Sending results");
    host.receive(10, "WT|" + id + "|300|0");
    EXPECT_EQ(host.p.network.Players[1].Status, "Reviewing results");

    // A repeated result report keeps a player who is already waiting for the results.
    host.p.network.GamePhase = Phase::WaitingForResults;
    Messages::SetStatus(host.p, 1, "Waiting for results");
    EXPECT_EQ(host.receive(10, "PR|" + id + "|300|1|cat"), "AK PT ");
    EXPECT_EQ(host.p.network.Players[1].Status, "Waiting for results");
    EXPECT_EQ(host.p.game.PlayerWords[1], Words{"cat"});
}

TEST(NetworkProtocol, aSearchingPlayerFindsTheHostOrHearsItsRefusal)
{
    Lobby player(false);
    EXPECT_EQ(player.p.network.Window.StatusLine, "Searching for game host...");
    for (int tick = 0; tick < 26; ++tick)
        Network::PollNetwork(player.p);
    EXPECT_EQ(player.net->sent.size(), 2u) << "a hello now and one 25 ticks later";
    EXPECT_TRUE(player.p.network.Window.ConnectShown) << "Connect at the second search";
    // A host that shows no address is found where its answer came from.
    player.receive(7, "HA|");
    EXPECT_EQ(player.p.network.HostAddress, "127.0.0.9");
    // Refused before admission: the goodbye carries a game id the player does not hold.
    player.p.network.HostHandle = 8;
    player.receive(8, "GB|4242|1");
    EXPECT_EQ(player.prompter.texts().last(), "The host did not let you join its game.");
    EXPECT_FALSE(player.p.network.Window.Shown || player.p.network.Window.PollTimerOn);
}

TEST(NetworkProtocol, whatCannotStallOrConfuseAGame)
{
    // A host whose every player left shows its results as soon as its own play ends.
    Lobby host(true);
    EXPECT_EQ(host.p.network.Players[0].Address, "127.0.0.2");
    host.join(10);
    host.p.network.GamePhase = Phase::SendingGameData;
    Messages::SetStatus(host.p, 1, "Left game");
    host.p.game.GameInProgress = true;
    Network::ResumeNetworkAfterGame(host.p);
    EXPECT_TRUE(host.p.results.Open && !host.p.network.Window.PollTimerOn);

    // A connection back to a searching player carries the host's answer and nothing else.
    Lobby lobby(true);
    lobby.p.network.DiscoveryHandle = 9;
    lobby.net->incoming[9].push_back("HI");
    lobby.net->events = {{9, engine::NetEvent::DataReady, 2}, {101, engine::NetEvent::Connected, 0}};
    Network::PollNetwork(lobby.p);
    EXPECT_EQ(lobby.net->sent, (std::vector<std::pair<int, std::string>>{{101, "HA|127.0.0.2"}}));

    // A joiner whose first connection fails tries again (an "IR" from elsewhere: strangers).
    Lobby player(false, "127.0.0.1"); // shown as no address at all
    EXPECT_EQ(player.p.network.LocalAddress, "");
    player.p.network.HostAddress = "127.0.0.2";
    player.p.network.HostHandle = 4;
    player.net->events.push_back({4, engine::NetEvent::Failed, 0});
    Network::PollNetwork(player.p);
    EXPECT_EQ(player.net->connects, std::vector<std::string>{"127.0.0.2"}) << "at once, in the same tick";
    EXPECT_EQ(player.p.network.HostHandle, 101);

    // Results in, then the table saying "Sending results" lost with the connection: the
    // next table, from a host back in its lobby without Cy, shows them with the table they
    // came with (they were skipped before, or shown against the new table).
    Lobby late(false);
    late.p.network.HostHandle = 4;
    late.receive(4, "IR|77|100|77");
    const std::string bo = "|100|Bo|d|b|PC|->h|";
    late.receive(4, kTable + "3|1|Ann|d|a|PC|Host|Waiting for results" + bo +
                        "Waiting for results|200|Cy|d|c|PC|->h|Waiting for results");
    EXPECT_EQ(late.receive(4, "GR|77|1|cat|1|dog|1|emu"), "AK ");
    EXPECT_EQ(late.receive(4, kTable + "2|1|Ann|d|a|PC|Host|Reviewing results" + bo + "Waiting for players"), "x4 ");
    EXPECT_TRUE(late.p.results.Open);
    EXPECT_EQ(late.p.game.PlayerNames, (std::vector<std::string>{"Ann", "Bo", "Cy"}));
    EXPECT_EQ(late.p.game.PlayerWords, (std::vector<std::vector<std::string>>{{"cat"}, {"dog"}, {"emu"}}));
}

// A player hears its host only on the connection to the host (here 4); on the host, only
// player 100's own connection (10) or a new one from where it joined (127.0.0.3, "a" in its
// row) speaks for it. Anything else is dropped with its connection and changes nothing.
TEST(NetworkProtocol, strangersAreCutOffAndChangeNothing)
{
    const std::string table = kTable + "2|1|Ann|d|a|PC|Host|Waiting for players|100|Bo|d|b|PC|->h|";
    struct Case {
        bool host;
        std::string from, text, outcome;
        bool changes = false;
    };
    std::vector<Case> cases = {
        {false, "", "HI", "HA "}, // a stranger may ask where the host is
        {true, "127.0.0.3", "WT|G|100|0", "PT x10 ", true},
        {true, "a", "PR|G|100|1|cat", "AK PT x10 ", true},
    };
    for (const std::string& text : std::vector<std::string>{
             "WR|77", "NG|77|Frantic,NoRepeatLetters,180,3,-|EEEEEEEEEEEEEEEE|0", table + "Ready to start",
             "GR|77|0|0", "GB|77|1", "WG", "AK|77|1|GB", "IR|78|200|78"})
        cases.push_back({false, "", text, "x9 "});
    for (const char* text : {"PR|G|100|1|cat", "WT|G|100|0", "GB|G|100", "AK|G|100|NG", "AK|G|100|GR", "AK|G|100|IR"})
        cases.push_back({true, "127.0.0.66", text, "x9 "});
    const auto state = [](const Program& p) {
        const NetworkState& n = p.network;
        std::string s = std::to_string(static_cast<int>(n.GamePhase)) + " " +
                        std::to_string(n.LocalPlayerId) + " " +
                        std::to_string(n.LeaveCountdown + n.SyncCountdown) +
                        (n.Window.Shown ? "" : " gone");
        for (const PlayerEntry& e : n.Players)
            s += " " + std::to_string(e.PlayerId) + e.Status + std::to_string(e.Handle);
        for (const Words& w : p.game.PlayerWords)
            s += " " + std::to_string(w.size());
        return s;
    };
    for (const auto& c : cases) {
        Lobby m(c.host);
        std::string text = c.text;
        if (c.host) {
            m.net->addresses[10] = "127.0.0.3";
            m.join(10);
            m.net->addresses[9] = c.from;
            if (const auto at = text.find("|G|"); at != std::string::npos)
                text.replace(at, 3, "|" + std::to_string(m.p.network.GameId) + "|");
        } else {
            m.p.network.HostHandle = 4;
            m.receive(4, "IR|77|100|77");
            m.receive(4, table + "Waiting for players");
        }
        const std::string before = state(m.p);
        EXPECT_EQ(m.receive(9, text), c.outcome) << text;
        EXPECT_EQ(state(m.p) != before, c.changes) << text << ": " << state(m.p);
    }

    // The host's own messages still drive a player, and a table naming a state nobody
    // knows is warned about once and its connection closed, not acknowledged.
    Lobby player(false);
    player.p.network.HostHandle = 4;
    player.receive(4, "IR|77|100|77");
    EXPECT_EQ(player.receive(4, table + "Waiting for players"), "AK ");
    for (int twice = 0; twice < 2; ++twice) {
        player.p.network.Players[0].Handle = 4; // back, as after a reconnection
        EXPECT_EQ(player.receive(4, table + "Dancing"), "x4 ");
    }
    EXPECT_EQ(player.prompter.texts(), QStringList{"Unknown game state"});
    EXPECT_EQ(player.p.network.GamePhase, Phase::Unknown);
}

} // namespace
