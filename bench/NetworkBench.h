// SPDX-License-Identifier: GPL-3.0-or-later
// lettro-bench --network: a bot host and `players` bot players on 127.0.0.x play `games`
// short games in a private network namespace (entered here with unshare when not in one
// already); prints the hand-over times and the host's CPU time per poll tick.
#pragma once

#include <filesystem>

int networkFigures(const std::filesystem::path& bin, int players, int games, char** argv);
