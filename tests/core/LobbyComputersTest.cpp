// SPDX-License-Identifier: GPL-3.0-or-later
// Computer players as the lobby starts them: real lettro-bot processes with the lobby's
// own arguments, on the same machine as their host and all with the default address, in
// a private network namespace (ctest runs it in one).
#include "LoopbackTest.h"
#include "NetworkCopy.h"

#include "core/game/ComputerPlayer.h"
#include "core/game/Game.h"
#include "core/game/Results.h"
#include "core/network/ComputerPlayers.h"
#include "core/network/NetworkSettings.h"

namespace {

class LobbyComputers : public LoopbackTest {
protected:
    void SetUp() override
    {
        LoopbackTest::SetUp();
        ASSERT_TRUE(p.network.Window.PollTimerOn);
        ASSERT_TRUE(NetworkSettings::ApplySettings(p, "Standard,NoRepeatLetters,15,3,-"));
    }
    // The host's poll ticks, 200 ms apart as the lobby's timer, for up to a minute.
    bool run(const std::function<bool()>& done) { return PollUntil(done, {&host}, 300, std::chrono::milliseconds(200)); }
    // The lobby with `players` entries, everyone waiting and connected.
    bool inLobby(std::size_t players) const { return p.network.Window.Shown && host.inLobby(players); }

    NetworkCopy host{"", "Ann", true}; // every address
    Program& p = host.p;
    ComputerPlayers computers{LETTRO_BOT};
};

// Before, a computer could not listen on the port its host holds after the results and
// stalled there: the next game waited for ever.
TEST_F(LobbyComputers, aComputerPlaysAndStaysForTheNextGameUntilTheHostLeaves)
{
    QStringList arguments;
    for (const std::string& a : Network::ComputerPlayerArguments(
             p, ComputerPlayer::LevelStrength(ComputerPlayer::kDefaultLevel)))
        arguments << QString::fromStdString(a);
    computers.start(arguments);
    ASSERT_TRUE(run([&] { return inLobby(2); }));
    EXPECT_EQ(computers.running(), 1);

    // The host enters nothing; the computer plays its whole clock.
    Network::StartHostedGame(p);
    ASSERT_TRUE(run([&] { return p.game.TimeRemaining > 0; })) << p.network.Window.StatusLine;
    Game::EndGameNow(p);
    ASSERT_TRUE(run([&] { return p.results.Open; })) << p.network.Window.StatusLine;
    EXPECT_EQ(p.game.PlayerWords.size(), 2u);
    Results::ResultsWindowClosed(p);
    Network::ReturnToLobby(p);
    ASSERT_TRUE(run([&] { return inLobby(2); })) << "the computer stays for the next game";

    Network::LeaveNetworkGame(p);
    EXPECT_TRUE(run([&] { return computers.running() == 0; })) << "the host's goodbye ends it";
}

} // namespace
