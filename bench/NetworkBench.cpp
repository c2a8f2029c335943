// SPDX-License-Identifier: GPL-3.0-or-later
// The network figures of lettro-bench: a lettro-bot host and its players, each a process
// of its own on 127.0.0.x, play a few short games; their JSON lines, stamped with the
// shared monotonic clock, give the hand-over times, and the host's own count of its poll
// ticks gives the CPU time a tick costs. Everything runs in a private network namespace
// whose only interface is lo, so not one packet can leave the machine.
#include "NetworkBench.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <net/if.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

const char* const kInNamespace = "LETTRO_BENCH_NETNS";

// Whether lo is the only network interface here, as in a private network namespace:
// nothing sent, multicast included, can then leave the machine.
bool onlyLoopback()
{
    struct if_nameindex* list = if_nameindex();
    const bool only =
        list && list[0].if_name && std::string(list[0].if_name) == "lo" && !list[1].if_name;
    if_freenameindex(list);
    return only;
}

bool loopbackUp()
{
    const int s = socket(AF_INET, SOCK_DGRAM, 0);
    if (s < 0)
        return false;
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool ok = ioctl(s, SIOCGIFFLAGS, &request) == 0;
    request.ifr_flags = static_cast<short>(request.ifr_flags | IFF_UP);
    ok = ok && ioctl(s, SIOCSIFFLAGS, &request) == 0;
    close(s);
    return ok;
}

struct Copy {
    std::string name;
    pid_t pid = -1;
    int status = -1;
    std::vector<QJsonObject> lines;
};

pid_t spawn(const std::vector<std::string>& arguments, const std::string& out, const std::string& err)
{
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&files);
    return pid;
}

std::vector<QJsonObject> readLines(const std::string& path)
{
    std::vector<QJsonObject> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        const QJsonDocument d = QJsonDocument::fromJson(QByteArray::fromStdString(line));
        if (d.isObject())
            lines.push_back(d.object());
    }
    return lines;
}

// The time of a copy's line of `event` for game `game`; -1 when it has none.
double timeOf(const Copy& c, const char* event, int game)
{
    for (const QJsonObject& o : c.lines)
        if (o.value(QLatin1String("event")).toString() == QLatin1String(event) &&
            o.value(QLatin1String("game")).toInt() == game)
            return o.value(QLatin1String("t")).toDouble();
    return -1;
}

double worst(const std::vector<double>& values)
{
    return values.empty() ? -1 : *std::max_element(values.begin(), values.end());
}

double mean(const std::vector<double>& values)
{
    double sum = 0;
    for (double v : values)
        sum += v;
    return values.empty() ? -1 : sum / double(values.size());
}

} // namespace

int networkFigures(const std::filesystem::path& bin, int players, int games, char** argv)
{
    if (!onlyLoopback()) {
        if (std::getenv(kInNamespace)) {
            std::cerr << "lettro-bench: the network figures need a network namespace whose only "
                         "interface is lo; refusing to run them here\n";
            return 1;
        }
        // Once more inside a private network namespace (unprivileged users map themselves
        // to root there, which is enough to bring lo up).
        setenv(kInNamespace, "1", 1);
        std::vector<std::string> again = {"unshare", "--net"};
        if (geteuid() != 0)
            again.push_back("--map-root-user");
        again.push_back((bin / "lettro-bench").string());
        for (char** a = argv + 1; *a; ++a)
            again.emplace_back(*a);
        std::vector<char*> args;
        for (std::string& a : again)
            args.push_back(a.data());
        args.push_back(nullptr);
        execvp("unshare", args.data());
        std::cerr << "lettro-bench: cannot run unshare: " << std::strerror(errno) << '\n';
        return 1;
    }
    if (!loopbackUp()) {
        std::cerr << "lettro-bench: cannot bring lo up in the network namespace\n";
        return 1;
    }
    char folder[] = "/tmp/lettro-bench-net-XXXXXX";
    if (!mkdtemp(folder)) {
        std::cerr << "lettro-bench: no scratch folder: " << std::strerror(errno) << '\n';
        return 1;
    }
    const std::string bot = (bin / "lettro-bot").string();
    std::vector<Copy> copies;
    // Machines' poll timers keep no common beat: each copy starts at a random moment of a
    // tick, so a message waits for the receiver's next tick as it would between machines.
    std::mt19937 draw(20240607);
    for (int i = 0; i <= players; ++i) {
        usleep(static_cast<useconds_t>(draw() % 200000));
        const std::string address = "127.0.0." + std::to_string(i + 2);
        std::vector<std::string> args = {bot, i == 0 ? "host" : "join", "--address", address,
                                         "--play-seconds", "2", "--seed", std::to_string(i + 1),
                                         "--timeout", "120"};
        if (i == 0)
            args.insert(args.end(), {"--players", std::to_string(players), "--games", std::to_string(games)});
        else
            args.insert(args.end(), {"--name", "P" + std::to_string(i)});
        Copy c;
        c.name = std::string(folder) + "/" + (i == 0 ? "host" : "p" + std::to_string(i));
        c.pid = spawn(args, c.name, c.name + ".err");
        if (c.pid < 0) {
            std::cerr << "lettro-bench: cannot start " << bot << '\n';
            for (const Copy& started : copies)
                kill(started.pid, SIGTERM);
        }
        copies.push_back(c);
        if (c.pid < 0)
            break;
    }
    rusage hostUsage{};
    bool failed = false;
    for (std::size_t i = 0; i < copies.size(); ++i) {
        Copy& c = copies[i];
        if (c.pid < 0) {
            failed = true;
            continue;
        }
        rusage usage{};
        while (wait4(c.pid, &c.status, 0, &usage) < 0 && errno == EINTR) {
        }
        if (i == 0)
            hostUsage = usage;
        c.lines = readLines(c.name);
        if (!WIFEXITED(c.status) || WEXITSTATUS(c.status) != 0) {
            std::cerr << "lettro-bench: " << c.name << " ended with status " << c.status
                      << "; its messages are in " << c.name << ".err\n";
            failed = true;
        }
    }
    if (failed)
        return 1;

    // Per game: from the host's Start to the last copy playing, and from the last copy's
    // end of play to the last copy showing the results.
    std::vector<double> starts, results;
    for (int game = 1; game <= games; ++game) {
        const double start = timeOf(copies[0], "start", game);
        double playing = -1, ended = -1, shown = -1;
        bool everyone = true;
        for (const Copy& c : copies) {
            const double p = timeOf(c, "game", game), e = timeOf(c, "ended", game),
                         r = timeOf(c, "results", game);
            everyone = everyone && p >= 0 && e >= 0 && r >= 0;
            playing = std::max(playing, p), ended = std::max(ended, e), shown = std::max(shown, r);
        }
        if (!everyone || start < 0) {
            std::cerr << "lettro-bench: game " << game << " is missing from some copy's lines in "
                      << folder << '\n';
            return 1;
        }
        starts.push_back(playing - start);
        results.push_back(shown - ended);
    }
    const QJsonObject* left = nullptr;
    for (const QJsonObject& o : copies[0].lines)
        if (o.value(QLatin1String("event")).toString() == QLatin1String("left"))
            left = &o;
    const double ticks = left ? left->value(QLatin1String("ticks")).toDouble() : 0;
    if (ticks <= 0) {
        std::cerr << "lettro-bench: the host counted no poll ticks\n";
        return 1;
    }
    const double hostCpuUs = double(hostUsage.ru_utime.tv_sec + hostUsage.ru_stime.tv_sec) * 1e6 +
                             double(hostUsage.ru_utime.tv_usec + hostUsage.ru_stime.tv_usec);
    std::printf("network_players: %d\nnetwork_games: %d\n", players, games);
    std::printf("network_start_to_all_playing_ms: %.0f (mean %.0f)\n", worst(starts), mean(starts));
    std::printf("network_last_end_to_all_results_ms: %.0f (mean %.0f)\n", worst(results), mean(results));
    std::printf("network_host_ticks: %.0f\n", ticks);
    // The network's whole CPU time (ticks and the messages taken between them) per tick;
    // the worst single tick beside it.
    std::printf("network_host_tick_cpu_us: %.0f (worst tick %.0f)\n",
                left->value(QLatin1String("tick_cpu_us")).toDouble() / ticks,
                left->value(QLatin1String("tick_cpu_max_us")).toDouble());
    std::printf("network_host_process_cpu_per_tick_us: %.0f\n", hostCpuUs / ticks);
    std::filesystem::remove_all(folder);
    return 0;
}
