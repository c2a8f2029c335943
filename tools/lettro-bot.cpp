// SPDX-License-Identifier: GPL-3.0-or-later
// lettro-bot: a computer player on the network, without windows. It runs the game's own
// network and game code, driven by timers as the lobby and the main window drive them,
// and tells what happens as one JSON object per line on standard output.
//   lettro-bot join [--host HOST] [--address A] [--name NAME] [--strength 0-100]
//                   [--games N] [--play-seconds S] [--seed N] [--timeout S] [--lifeline]
//   lettro-bot host [--address A] [--name NAME] [--players N] [--games N]
//                   [--settings TEXT] [--play-seconds S] [--seed N] [--timeout S]
//                   [--boot-random N]
//   --lifeline: standard input is a pipe from the program that started the bot; the bot
//   ends when it closes (that program ended or was killed), and then has no timeout
//   unless one is given.
// Exit 0 when the run completed (its games played, or the host ended the network game,
// booted it included, or the lifeline closed), 1 when the host refused it, on a protocol
// or network failure or when the time runs out (the reason on standard error), 2 on a
// usage error. Every line carries "t", the system's monotonic clock in milliseconds, so the
// lines of several copies on one machine can be set side by side.
#include "core/board/WordEntry.h"
#include "core/game/ComputerPlayer.h"
#include "core/game/DataFolders.h"
#include "core/game/Game.h"
#include "core/game/Program.h"
#include "core/game/Results.h"
#include "core/network/Messages.h"
#include "core/network/NetworkGame.h"
#include "core/network/NetworkSettings.h"
#include "engine/QtTransport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

namespace {

std::string Json(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += std::string("\\") + c;
        else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else
            out += c;
    }
    return out + "\"";
}

std::string Json(const std::vector<std::string>& list)
{
    std::string out = "[";
    for (const std::string& item : list)
        out += (out.size() > 1 ? ", " : "") + Json(item);
    return out + "]";
}

void Emit(const std::string& object)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("{%s, \"t\": %lld}\n", object.c_str(),
                static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
    std::fflush(stdout);
}

// Notices go to standard error; every question gets the cautious answer, but for the
// boot the bot itself asked for.
class Console : public core::Prompter {
public:
    core::Answer ask(const core::Prompt& prompt) override
    {
        if (prompt.buttons == core::Buttons::YesNo)
            return confirmBoot && prompt.text.startsWith(QStringLiteral("Are you sure you want to boot "))
                       ? core::Answer::Yes
                       : core::Answer::No;
        if (!prompt.text.startsWith(QStringLiteral("Hit OK"))) {
            last = prompt.text.toStdString();
            std::fprintf(stderr, "lettro-bot: %s\n", last.c_str());
        }
        return core::Answer::Ok;
    }
    void warningSound() override {}
    std::string last;
    bool confirmBoot = false;
};

long long ThreadCpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

struct BotOptions {
    bool host = false;
    std::string hostName, address, name, settings;
    int strength = 50, games = 0, players = 1, playSeconds = 0, timeout = 120, boots = 0;
    std::uint32_t seed = 1;
    bool lifeline = false;
};

class Bot {
public:
    Bot(Program& program, Console& console, const BotOptions& options)
        : m_program(program), m_console(console), m_options(options), m_draw(options.seed), m_boots(options.boots)
    {
    }

    // One poll tick, then whatever the state asks of a player. The lobby's timer runs
    // only while the network does, so only those ticks are timed.
    void tick()
    {
        if (m_program.network.Window.PollTimerOn) {
            const long long start = ThreadCpuMicroseconds();
            Network::PollNetwork(m_program);
            const long long used = ThreadCpuMicroseconds() - start;
            ++m_ticks;
            m_tickCpu += used;
            m_tickCpuMax = std::max(used, m_tickCpuMax);
        }
        observe();
        bootAtRandom();
    }
    // The transport has news between ticks: taken at once, its time counted with the
    // ticks' (so the CPU per tick still covers all of the network's work).
    void arrived()
    {
        if (m_finished || !m_program.network.Window.PollTimerOn)
            return;
        const long long start = ThreadCpuMicroseconds();
        Network::ReceiveNetwork(m_program);
        m_tickCpu += ThreadCpuMicroseconds() - start;
        observe();
    }
    // One second of play.
    void second()
    {
        if (m_program.game.TimeRemaining <= 0)
            return;
        ++m_playSeconds;
        const int length = m_options.playSeconds > 0 ? m_options.playSeconds
                                                     : std::max(m_program.game.TimeLimit, 15);
        // The words come spread over the game.
        const std::size_t due = m_toFind.size() * static_cast<std::size_t>(m_playSeconds) /
                                static_cast<std::size_t>(length);
        for (; m_entered < std::min(due, m_toFind.size()); ++m_entered) {
            WordEntry::NewWordChanged(m_program, QString::fromStdString(m_toFind[m_entered]));
            WordEntry::EnterWord(m_program);
        }
        if (m_options.playSeconds > 0 && m_playSeconds >= m_options.playSeconds)
            Game::EndGameNow(m_program); // as a person pressing End Game
        else
            Game::ClockTick(m_program, true);
        observe();
    }
    bool finished() const { return m_finished; }
    int status() const { return m_status; }

private:
    void observe()
    {
        NetworkState& n = m_program.network;
        if (!m_joined && n.LocalPlayerId != 0 &&
            (m_options.host || n.GamePhase >= Phase::WaitingForPlayers)) {
            m_joined = true;
            Emit("\"event\": \"joined\", \"game_id\": " + std::to_string(n.GameId) +
                 ", \"player_id\": " + std::to_string(n.LocalPlayerId));
        }
        std::string rows;
        for (const PlayerEntry& e : n.Players)
            rows += (rows.empty() ? "" : ", ") + std::string("{\"id\": ") + std::to_string(e.PlayerId) +
                    ", \"name\": " + Json(e.Name) + ", \"status\": " + Json(e.Status) + "}";
        const std::string table = "\"event\": \"table\", \"version\": " + std::to_string(n.TableVersion) +
                                  ", \"settings\": " + Json(NetworkSettings::EncodeSettings(m_program)) +
                                  ", \"rows\": [" + rows + "]";
        if (m_joined && table != m_lastTable && n.Window.Shown)
            Emit(m_lastTable = table);

        const bool playing = m_program.game.TimeRemaining > 0;
        if (playing && !m_playing) {
            ++m_game;
            m_playSeconds = 0;
            m_entered = 0;
            m_console.last.clear(); // a notice before this game is no reason for leaving after it
            m_toFind = ComputerPlayer::WordsToFind(m_program.board.BoardWords, m_options.strength,
                                   m_options.seed + static_cast<std::uint32_t>(m_game),
                                   m_program.board.BoardText);
            Emit("\"event\": \"game\", \"game\": " + std::to_string(m_game) + ", \"board\": " +
                 Json(m_program.board.BoardText) + ", \"settings\": " +
                 Json(NetworkSettings::EncodeSettings(m_program)) + ", \"board_words\": " +
                 std::to_string(m_program.board.BoardWords.size()) +
                 ", \"board_word_list\": " + Json(m_program.board.BoardWords));
        } else if (!playing && m_playing) {
            Emit("\"event\": \"ended\", \"game\": " + std::to_string(m_game));
        }
        m_playing = playing;

        if (m_program.results.Open) {
            std::string players;
            for (std::size_t i = 0; i < m_program.game.PlayerWords.size(); ++i) {
                const std::string name = i < m_program.game.PlayerNames.size() ? m_program.game.PlayerNames[i] : "";
                const int score = i < m_program.eval.PlayerScores.size() ? m_program.eval.PlayerScores[i] : 0;
                players += (players.empty() ? "" : ", ") + std::string("{\"name\": ") + Json(name) +
                           ", \"words\": " + Json(m_program.game.PlayerWords[i]) +
                           ", \"score\": " + std::to_string(score) + "}";
            }
            Emit("\"event\": \"results\", \"game\": " + std::to_string(m_game) + ", \"players\": [" +
                 players + "], \"labels\": " +
                 Json(std::vector<std::string>{m_program.results.Words, m_program.results.Score,
                                               m_program.results.BadWords}));
            Results::ResultsWindowClosed(m_program);
            Network::ReturnToLobby(m_program);
            if (m_options.games > 0 && m_game >= m_options.games)
                Network::LeaveNetworkGame(m_program);
        }

        if (m_options.host && n.Window.Shown && n.GamePhase == Phase::WaitingForPlayers &&
            n.LeaveCountdown == 0 && (m_options.games == 0 || m_game < m_options.games) &&
            readyToStart()) {
            if (!m_options.settings.empty() && m_game == 0 &&
                NetworkSettings::ApplySettings(m_program, m_options.settings)) {
                ++n.TableVersion;
                Messages::BroadcastPlayerTable(m_program);
            }
            Emit("\"event\": \"start\", \"game\": " + std::to_string(m_game + 1) +
                 ", \"players\": " + std::to_string(n.Players.size()));
            Network::StartHostedGame(m_program);
        }

        // Refused, or the network could not go on (for a player only a failed restart
        // after play or results leaves the poll off outside them): there is nothing to wait for.
        const bool stalled = IsNetworkGame(m_program) && !n.Window.PollTimerOn && !playing && !m_program.results.Open;
        const bool refused = !m_joined && !IsNetworkGame(m_program);
        if (!m_finished && (stalled || refused)) {
            Emit("\"event\": \"left\", \"reason\": " +
                 Json(m_console.last.empty() ? "network play failed" : m_console.last));
            m_finished = true;
            m_status = 1;
            return;
        }
        if (m_joined && !IsNetworkGame(m_program) && !m_finished) { // network play is over
            const bool done = m_options.games > 0 && m_game >= m_options.games;
            rusage used{};
            getrusage(RUSAGE_SELF, &used);
            const long long cpu = (used.ru_utime.tv_sec + used.ru_stime.tv_sec) * 1000000LL +
                                  used.ru_utime.tv_usec + used.ru_stime.tv_usec;
            Emit("\"event\": \"left\", \"reason\": " +
                 Json(done ? "games played" : m_console.last.empty() ? "the host ended the network game" : m_console.last) +
                 ", \"ticks\": " + std::to_string(m_ticks) + ", \"tick_cpu_us\": " + std::to_string(m_tickCpu) +
                 ", \"tick_cpu_max_us\": " + std::to_string(m_tickCpuMax) +
                 ", \"cpu_us\": " + std::to_string(cpu));
            m_finished = true;
            m_status = 0;
        }
    }
    // Host: enough players for the first game (later ones go on with whoever stayed),
    // all in the lobby and connected.
    bool readyToStart() const
    {
        const auto& players = m_program.network.Players;
        return static_cast<int>(players.size()) > (m_game == 0 ? m_options.players : 1) &&
               std::all_of(players.begin() + 1, players.end(), [](const PlayerEntry& e) {
                   return e.Connected && e.Status == "Waiting for players";
               });
    }

    // Host: once the first game has begun, now and then a random player is booted, as
    // the host's user selects its row and presses Boot Player.
    void bootAtRandom()
    {
        NetworkState& n = m_program.network;
        if (!m_options.host || m_finished || m_boots == 0 || m_game == 0 || !n.Window.PollTimerOn ||
            n.LeaveCountdown > 0 || m_draw() % 5 != 0)
            return;
        std::vector<int> rows;
        for (int i = 1; i < static_cast<int>(n.Players.size()); ++i)
            if (n.Players[static_cast<std::size_t>(i)].Status != "Left game")
                rows.push_back(i);
        // The last player stays, so the games can go on.
        if (rows.size() < 2)
            return;
        const int row = rows[m_draw() % rows.size()];
        const PlayerEntry booted = n.Players[static_cast<std::size_t>(row)];
        const int phase = static_cast<int>(n.GamePhase);
        Network::PlayerTableClick(m_program, row + 1);
        m_console.confirmBoot = true;
        Network::BootPlayer(m_program);
        m_console.confirmBoot = false;
        --m_boots;
        Emit("\"event\": \"booted\", \"id\": " + std::to_string(booted.PlayerId) + ", \"name\": " +
             Json(booted.Name) + ", \"phase\": " + std::to_string(phase));
        observe();
    }

    Program& m_program;
    Console& m_console;
    const BotOptions& m_options;
    std::mt19937 m_draw;
    int m_boots = 0;
    long long m_ticks = 0, m_tickCpu = 0, m_tickCpuMax = 0;
    bool m_joined = false, m_playing = false, m_finished = false;
    int m_game = 0, m_playSeconds = 0, m_status = 1;
    std::size_t m_entered = 0;
    std::vector<std::string> m_toFind;
    std::string m_lastTable;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("role"), QStringLiteral("join or host"));
    const auto option = [&](const char* name, const char* value) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QString::fromLatin1(value)));
    };
    for (const auto& [name, value] :
         {std::pair{"host", "HOST"}, {"address", "A"}, {"name", "NAME"}, {"strength", "0-100"},
          {"games", "N"}, {"players", "N"}, {"settings", "TEXT"}, {"play-seconds", "S"},
          {"seed", "N"}, {"timeout", "S"}, {"boot-random", "N"}})
        option(name, value);
    parser.addOption(QCommandLineOption(QStringLiteral("lifeline")));
    if (!parser.parse(QCoreApplication::arguments()) || parser.positionalArguments().size() != 1) {
        std::fprintf(stderr, "lettro-bot: %s\nusage: lettro-bot join|host [options], see the README\n",
                     qPrintable(parser.errorText()));
        return 2;
    }
    BotOptions o;
    const QString role = parser.positionalArguments()[0];
    o.host = role == QLatin1String("host");
    bool ok = o.host || role == QLatin1String("join");
    const auto number = [&](const char* name, int& into, int low, int high) {
        if (!parser.isSet(QString::fromLatin1(name)))
            return;
        bool read = false;
        into = parser.value(QString::fromLatin1(name)).toInt(&read);
        ok = ok && read && into >= low && into <= high;
    };
    number("strength", o.strength, 0, 100);
    number("games", o.games, 0, 1000000);
    number("players", o.players, 1, 20);
    number("play-seconds", o.playSeconds, 1, 3600);
    o.lifeline = parser.isSet(QStringLiteral("lifeline"));
    // With a lifeline the bot lives as long as the program that started it.
    if (o.lifeline)
        o.timeout = 0;
    number("timeout", o.timeout, 1, 86400);
    number("boot-random", o.boots, 0, 1000);
    int seed = 1;
    number("seed", seed, 0, 2147483647);
    o.seed = static_cast<std::uint32_t>(seed);
    o.hostName = parser.value(QStringLiteral("host")).toStdString();
    o.address = parser.value(QStringLiteral("address")).toStdString();
    o.name = parser.isSet(QStringLiteral("name")) ? parser.value(QStringLiteral("name")).toStdString()
                                                   : (o.host ? "Bot host" : "Bot");
    o.settings = parser.value(QStringLiteral("settings")).toStdString();
    if (!ok || !engine::QtTransport::isAddress(o.address) || o.name.empty() ||
        (!o.settings.empty() && !NetworkSettings::ParseSettings(o.settings))) {
        std::fprintf(stderr, "lettro-bot: bad arguments; usage: lettro-bot join|host [options], see the README\n");
        return 2;
    }

    // The shipped dictionary beside the program; settings in a folder of its own, so a
    // person's stored options are never touched.
    QTemporaryDir settingsFolder;
    Program program;
    Console console;
    program.prompter = &console;
    program.PlatformType = "Bot";
    // The shipped dictionary, installed or in the build folder; a bot never saves one.
    const QString bin = QCoreApplication::applicationDirPath();
    const QString share = QDir::cleanPath(bin + QStringLiteral("/../share/lettro"));
    program.ProgramFolder =
        DataFolders::Choose(bin.toStdString(), share.toStdString(),
                            QFileInfo::exists(share + QStringLiteral("/Dictionary.dat")), {})
            .programFolder;
    program.settings = std::make_unique<engine::SettingsStore>(settingsFolder.path().toStdString());
    program.Seed = o.seed;
    Game::StartUp(program);
    if (!program.dictionary.LoadResult.ok())
        return 1;
    program.transport = std::make_unique<engine::QtTransport>(o.address);
    program.savedForNetwork = SavedGameSettings{program.game.GameMode, program.game.GameType, program.options.RepeatLetters,
                                            program.game.TimeLimit, program.engine.cMinWordSize(),
                                            program.options.NumWordsLimit, program.dictionary.Language};
    Network::Initialize(program, false);
    Network::PromptClosed(program, Network::PromptAnswer{o.name, o.host ? 2 : 1});
    if (!program.network.Window.PollTimerOn)
        return 1;
    if (!o.host && !o.hostName.empty()) {
        Network::ConnectClick(program, false);
        Network::PromptClosed(program, Network::PromptAnswer{o.hostName});
    }

    Bot bot(program, console, o);
    QTimer poll, clock;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        bot.tick();
        if (bot.finished())
            QCoreApplication::exit(bot.status());
    });
    QObject::connect(&clock, &QTimer::timeout, [&] { bot.second(); });
    program.transport->setArrivalNotice([&] {
        bot.arrived();
        if (bot.finished())
            QCoreApplication::exit(bot.status());
    });
    if (o.timeout > 0)
        QTimer::singleShot(o.timeout * 1000, [&] {
            std::fprintf(stderr, "lettro-bot: %d seconds passed\n", o.timeout);
            QCoreApplication::exit(1);
        });
    // The pipe closes when the program at its other end ends, however it ends.
    QSocketNotifier lifeline(STDIN_FILENO, QSocketNotifier::Read);
    lifeline.setEnabled(o.lifeline);
    QObject::connect(&lifeline, &QSocketNotifier::activated, [&] {
        char buffer[256];
        const ssize_t got = read(STDIN_FILENO, buffer, sizeof buffer);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) {
            lifeline.setEnabled(false);
            Emit("\"event\": \"left\", \"reason\": \"the program that started it ended\"");
            QCoreApplication::exit(0);
        }
    });
    poll.start(Network::kPollMilliseconds);
    clock.start(1000);
    const int status = QCoreApplication::exec();
    if (program.transport) {
        program.transport->setArrivalNotice({});
        program.transport->netShutdown();
    }
    return status;
}
