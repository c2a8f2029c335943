// Test helper: saves two dictionaries over one file, turn about, until it is killed.
//   dictionary-save-loop TARGET FIRST.dat SECOND.dat
// Prints "ready" once both are loaded, then "begin N" and "end N" around save N,
// written straight to the descriptor so that what a killer reads is what happened.
#include "engine/Engine.h"

#include <unistd.h>

#include <cstdio>
#include <string>

static void Say(const std::string& line)
{
    const std::string text = line + '\n';
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(STDOUT_FILENO, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: dictionary-save-loop TARGET FIRST.dat SECOND.dat\n");
        return 2;
    }
    engine::Engine dictionaries[2];
    for (int i = 0; i < 2; ++i)
        if (!dictionaries[i].cReadBinaryDictionary(argv[2 + i]).ok())
            return std::fprintf(stderr, "dictionary-save-loop: cannot load %s\n", argv[2 + i]), 1;
    Say("ready");
    for (long long n = 1;; ++n) {
        Say("begin " + std::to_string(n));
        if (!dictionaries[n % 2].cWriteBinaryDictionary(argv[1]).ok())
            return std::fprintf(stderr, "dictionary-save-loop: cannot save %s\n", argv[1]), 1;
        Say("end " + std::to_string(n));
    }
}
