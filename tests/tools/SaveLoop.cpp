// SPDX-License-Identifier: GPL-3.0-or-later
// Test helper: saves two dictionaries over one file, turn about, until it is killed.
//   dictionary-save-loop TARGET FIRST.dat SECOND.dat
// Prints "ready" once both are loaded, then "begin N" and "end N" around save N,
// written straight to the descriptor (a short line reaches a pipe whole) so that what
// a killer reads is what happened.
#include "engine/Engine.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

static void Say(const std::string& line)
{
    const std::string text = line + '\n';
    if (::write(STDOUT_FILENO, text.data(), text.size()) != static_cast<ssize_t>(text.size()))
        std::_Exit(3);
}

int main(int argc, char** argv)
{
    engine::Engine dictionaries[2];
    if (argc != 4 || !dictionaries[0].cReadBinaryDictionary(argv[2]).ok() ||
        !dictionaries[1].cReadBinaryDictionary(argv[3]).ok())
        return std::fprintf(stderr, "usage: dictionary-save-loop TARGET FIRST.dat SECOND.dat\n"), 2;
    Say("ready");
    for (long long n = 1;; ++n) {
        Say("begin " + std::to_string(n));
        if (!dictionaries[n % 2].cWriteBinaryDictionary(argv[1]).ok())
            return std::fprintf(stderr, "dictionary-save-loop: cannot save %s\n", argv[1]), 1;
        Say("end " + std::to_string(n));
    }
}
