// SPDX-License-Identifier: GPL-3.0-or-later
// Test helper: records games in a progress file, one write each.
//   progress-writer FILE TAG N [die]
// Records N games in language TAG with points 0 to N - 1; exits 0 when all were recorded.
// With "die" it then writes one more and is killed just before that write is committed.
#include "core/game/Program.h"
#include "core/game/Progress.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 4 || argc > 5)
        return std::fprintf(stderr, "usage: progress-writer FILE TAG N [die]\n"), 2;
    Program p;
    p.progress.File = argv[1];
    const int n = std::atoi(argv[3]);
    for (int i = 0; i <= n; ++i) {
        if (i == n) {
            if (argc != 5)
                break;
            p.progress.BeforeCommit = [] { std::raise(SIGKILL); };
        }
        Progress::GameRecord game;
        game.Language = argv[2];
        game.Points = i;
        p.progress.Pending.push_back(game);
        if (!Progress::Flush(p))
            return 1;
    }
    return argc == 5 ? 3 : 0;
}
