// SPDX-License-Identifier: GPL-3.0-or-later
// Whole network games in one process: a host and two players, each a complete program
// with its own transport on its own 127.0.0.x, inside a private network namespace (ctest
// runs it in one), driven by their poll ticks as fast as the sockets allow.
#include "LoopbackTest.h"
#include "NetworkCopy.h"

#include "core/board/WordEntry.h"
#include "core/game/Game.h"
#include "core/game/Results.h"
#include "core/network/Messages.h"
#include "core/network/NetworkSettings.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <thread>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

class NetworkGame : public LoopbackTest {
protected:
    bool run(const std::function<bool()>& done, int ticks = 2000) { return PollUntil(done, copies, ticks); }
    static void play(NetworkCopy& c, const std::vector<std::string>& words)
    {
        for (const std::string& w : words) {
            WordEntry::NewWordChanged(c.p, QString::fromStdString(w));
            WordEntry::EnterWord(c.p);
        }
        Game::EndGame(c.p); // the clock ran out
    }
    static void backToLobby(const std::vector<NetworkCopy*>& those)
    {
        for (NetworkCopy* c : those)
            Results::ResultsWindowClosed(c->p), Network::ReturnToLobby(c->p);
    }
    static bool waiting(const NetworkCopy& c) { return c.p.network.GamePhase == Phase::WaitingForPlayers; }
    NetworkCopy host{"127.0.0.2", "Ann", true}, bob{"127.0.0.3", "Bob", false}, cy{"127.0.0.4", "Cy", false};
    std::vector<NetworkCopy*> copies{&host, &bob, &cy};
};

TEST_F(NetworkGame, joinChangeSettingsPlayAndLeave)
{
    const auto lobby = [&] { return host.inLobby(3) && waiting(bob) && waiting(cy); };
    ASSERT_TRUE(run(lobby)) << host.statuses();
    NetworkSettings::GameTimeClick(host.p, "1:00");
    ASSERT_TRUE(run([&] { return bob.p.game.TimeLimit == 60 && cy.p.game.TimeLimit == 60; }));

    // More games in a row: the bots' tests.
    Network::StartHostedGame(host.p);
    ASSERT_TRUE(run([&] { return host.p.game.TimeRemaining > 0 && bob.p.game.TimeRemaining > 0 && cy.p.game.TimeRemaining > 0; }))
        << host.statuses();
    EXPECT_EQ(bob.p.board.BoardText, host.p.board.BoardText);
    play(host, {"site"});
    play(bob, {"site", "soot", "toys"});
    play(cy, {"its", "zzz"});
    ASSERT_TRUE(run([&] { return host.p.results.Open && bob.p.results.Open && cy.p.results.Open; }))
        << host.statuses() << "/ " << bob.statuses();
    for (NetworkCopy* c : {&bob, &cy}) {
        EXPECT_EQ(c->p.game.PlayerWords, host.p.game.PlayerWords);
        EXPECT_EQ(c->p.eval.PlayerScores, host.p.eval.PlayerScores);
    }
    EXPECT_EQ(host.p.eval.PlayerScores, (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(Results::ShownList(cy.p, Results::Selector::Dict)[0], "Ann:          0");
    backToLobby(copies);
    ASSERT_TRUE(run(lobby)) << host.statuses();

    // Leaving in the lobby: the row goes; the leaver's own settings come back.
    Network::LeaveNetworkGame(cy.p);
    ASSERT_TRUE(run([&] { return host.p.network.Players.size() == 2 && !cy.p.network.Window.Shown; }));
    EXPECT_EQ(cy.p.game.GameMode, SinglePlayer);
    EXPECT_EQ(NetworkSettings::EncodeSettings(cy.p), "Standard,RepeatLetters,180,3,-");
}

TEST_F(NetworkGame, aLostConnectionALeaverAndAStaleGame)
{
    ASSERT_TRUE(run([&] { return host.inLobby(3) && waiting(bob) && waiting(cy); }));
    // Bob's connection drops as the game starts: the game data reach him when he is back.
    Messages::CloseConnection(host.p, host.p.network.Players[1].Handle);
    Network::StartHostedGame(host.p);
    ASSERT_TRUE(run([&] { return host.p.game.TimeRemaining > 0 && bob.p.game.TimeRemaining > 0 && cy.p.game.TimeRemaining > 0; }));
    EXPECT_EQ(bob.p.board.BoardText, host.p.board.BoardText);
    // Cy leaves as soon as his play ends: the others get their results without him.
    play(host, {"site"});
    play(bob, {"toys"});
    play(cy, {"soot"});
    Network::LeaveNetworkGame(cy.p);
    ASSERT_TRUE(run([&] { return host.p.results.Open && bob.p.results.Open && !cy.p.network.Window.Shown; }))
        << host.statuses();
    EXPECT_EQ(host.statuses(), "Ann:Reviewing results Bob:Reviewing results Cy:Left game ");
    EXPECT_EQ(bob.p.eval.PlayerScores, (std::vector<int>{1, 1, 0}));
    EXPECT_EQ(cy.p.game.GameMode, SinglePlayer) << "the leaver's own settings are back";
    backToLobby({&host, &bob});
    ASSERT_TRUE(run([&] { return host.inLobby(2) && waiting(bob); })) << host.statuses();

    // A player still on an old game is told so when he reports, and his network game ends.
    ++bob.p.network.GameId;
    Messages::CloseConnection(bob.p, bob.p.network.Players[0].Handle);
    ASSERT_TRUE(run([&] { return !bob.p.network.Window.Shown; }));
    EXPECT_EQ(bob.prompter.texts().last(), "Host is now playing a new game.  Your game is over.");
}

TEST_F(NetworkGame, bootsDuringAGameAndInTheLobby)
{
    const auto boot = [&](int index) {
        host.prompter.answer(core::Answer::Yes);
        Network::PlayerTableClick(host.p, index + 1);
        Network::BootPlayer(host.p);
    };
    ASSERT_TRUE(run([&] { return host.inLobby(3); }));
    Network::StartHostedGame(host.p);
    ASSERT_TRUE(run([&] { return host.p.game.TimeRemaining > 0 && bob.p.game.TimeRemaining > 0 && cy.p.game.TimeRemaining > 0; }));
    play(host, {"site"});
    play(bob, {"set"});
    // Cy is still playing; the host stops waiting for him.
    ASSERT_TRUE(run([&] { return host.statuses() == "Ann:Waiting for results Bob:Waiting for results Cy:Playing game "; }));
    boot(2);
    ASSERT_TRUE(run([&] { return host.p.results.Open && bob.p.results.Open; })) << host.statuses();
    // His words come too late: once the host is back in the lobby he is told goodbye.
    play(cy, {"its"});
    backToLobby({&host, &bob});
    ASSERT_TRUE(run([&] { return host.inLobby(2) && !cy.p.network.Window.Shown; })) << host.statuses();
    EXPECT_FALSE(cy.p.results.Open);
    // In the lobby the row goes at once.
    boot(1);
    EXPECT_EQ(host.statuses(), "Ann:Waiting for players ");
    ASSERT_TRUE(run([&] { return !bob.p.network.Window.Shown; }));
}

// A socket of this test bound to `from`: a connection to 127.0.0.6:20000 or, with
// `listening`, a listener on port 20000 that never accepts.
int Raw(const char* from, bool listening = false)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{.sin_family = AF_INET, .sin_port = htons(listening ? 20000 : 0), .sin_addr = {}, .sin_zero = {}};
    inet_pton(AF_INET, from, &a.sin_addr);
    EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    a.sin_port = htons(20000);
    inet_pton(AF_INET, "127.0.0.6", &a.sin_addr);
    EXPECT_EQ(listening ? ::listen(fd, 4096) : ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    return fd;
}

// What strangers can make a host hold, measured by its descriptors (the process's, less this
// test's own sockets) and its transport's count of held input: a flood of hellos from one
// address; 200 connections sending part of a frame while a warning box holds the network
// up; the same trickling a byte at a time. Its player stays throughout.
TEST_F(NetworkGame, strangersMakeAHostHoldOnlySoMuch)
{
    using namespace std::chrono_literals;
    NetworkCopy guard{"127.0.0.6", "Dee", true, 400ms};
    auto& net = static_cast<engine::QtTransport&>(*guard.p.transport);
    copies = {&guard, &bob};
    ASSERT_TRUE(run([&] { return guard.p.network.Players.size() == 2 && waiting(bob); }));
    const auto fds = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}); };
    std::vector<int> mine;
    const long before = fds();
    const auto held = [&] { return fds() - before - static_cast<long>(mine.size()); };

    mine = {Raw("127.0.0.7", true), ::socket(AF_INET, SOCK_DGRAM, 0)};
    in_addr from{};
    inet_pton(AF_INET, "127.0.0.7", &from);
    setsockopt(mine[1], IPPROTO_IP, IP_MULTICAST_IF, &from, sizeof from);
    sockaddr_in group{.sin_family = AF_INET, .sin_port = htons(20001), .sin_addr = {}, .sin_zero = {}};
    inet_pton(AF_INET, "232.2.3.2", &group.sin_addr);
    long most = 0;
    for (int burst = 0; burst < 30; ++burst) {
        for (int i = 0; i < 100; ++i)
            sendto(mine[1], "HI", 2, 0, reinterpret_cast<sockaddr*>(&group), sizeof group);
        run([] { return false; }, 3);
        most = std::max(most, held());
    }
    EXPECT_LE(most, 3) << "one answer at a time to one address";

    const std::string id = std::to_string(guard.p.network.GameId);
    std::string frame(4 + 64 * 1024, 'x');
    frame.replace(0, 4, std::string("\x00\x10\x00\x00", 4)); // a megabyte announced
    bool boxed = false;
    guard.prompter.answer(core::Answer::Ok, [&] {
        boxed = true;
        for (int i = 0; i < 200; ++i) {
            mine.push_back(Raw("127.0.0.8"));
            send(mine.back(), frame.data(), frame.size(), MSG_DONTWAIT | MSG_NOSIGNAL);
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        EXPECT_LE(held(), static_cast<long>(engine::QtTransport::kMaxConnections) + 3);
        EXPECT_LE(net.bufferedBytes(), engine::QtTransport::kMaxBuffered + engine::QtTransport::kMaxMessage);
    });
    mine.push_back(Raw("127.0.0.8"));
    const std::string unknown = "XX|" + id;
    const std::string header{'\0', '\0', '\0', static_cast<char>(unknown.size())};
    send(mine.back(), (header + unknown).data(), 4 + unknown.size(), MSG_NOSIGNAL);
    ASSERT_TRUE(run([&] { return boxed; }));
    run([] { return false; }, 3);
    EXPECT_LE(held(), static_cast<long>(NetworkState::kMaxStrangers) + 3) << "the oldest strangers went";

    // A frame must be whole within its time from its first byte, however it trickles.
    for (int tick = 0; tick < 12; ++tick) {
        for (std::size_t i = 2; i < mine.size(); ++i)
            send(mine[i], "x", 1, MSG_DONTWAIT | MSG_NOSIGNAL);
        std::this_thread::sleep_for(100ms);
        run([] { return false; }, 2);
    }
    char byte = 0;
    for (std::size_t i = 2; i < mine.size(); ++i) {
        const ssize_t got = recv(mine[i], &byte, 1, MSG_DONTWAIT);
        EXPECT_TRUE(got == 0 || (got < 0 && errno != EAGAIN)) << "still open: " << i;
    }
    EXPECT_EQ(net.bufferedBytes(), 0);
    for (int fd : mine)
        ::close(fd);
    mine.clear();
    run([] { return false; }, 5);
    EXPECT_LE(held(), 2);
    EXPECT_TRUE(guard.p.network.Players[1].Connected && waiting(bob));
}

} // namespace
