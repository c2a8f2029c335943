// SPDX-License-Identifier: GPL-3.0-or-later
// lettro-bench: how fast the dictionary engine is on this machine.
//   lettro-bench [--dict PATH]            every figure, as "name: value" lines
//   lettro-bench [--dict PATH] --boards FILE   the solver alone on the boards of FILE
//   lettro-bench [--dict PATH] --shaken N      N shaken boards solved once each, for
//                                              instruction counts under callgrind
//   lettro-bench --network [--players N] [--games N]   network hand-over times and the
//                                              host's CPU per poll tick (lettro-bot copies
//                                              on 127.0.0.x in a private network namespace)
#include "NetworkBench.h"
#include "core/board/Dice.h"
#include "core/game/Scoring.h"
#include "core/network/Wire.h"
#include "engine/BoardText.h"
#include "engine/Engine.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The game's own shake, from a fixed seed so every run times the same boards.
class Shaker {
public:
    explicit Shaker(std::uint32_t seed) : m_random(seed) { Dice::InitDice(m_faces); }
    std::string operator()() { return *engine::boardFromText(Dice::ShakeDice(m_faces, m_random)); }

private:
    Dice::Faces m_faces;
    Dice::ClockRandom m_random;
};

// Solving a board includes fetching its words, as the game does.
std::size_t solveAndFetch(engine::Engine& e, const std::string& board)
{
    const int n = e.cCheckForAllDefinedWords(board);
    std::size_t letters = 0;
    for (int i = 0; i < n; ++i)
        letters += e.cGetDefinedWord(i).size();
    return letters;
}

// The largest results message a host can send (21 lists of 9,500 four-letter words, just
// under the 1 MiB a message may hold, every word found by everybody), read and evaluated as
// a player does: the best of three, in milliseconds.
double largestResultsMs()
{
    Words words;
    for (int i = 0; i < 9500; ++i)
        words.push_back(
            {char('a' + i % 26), char('a' + i / 26 % 26), char('a' + i / 676 % 26), 'e'});
    const std::string text = Wire::Text(Wire::GameResults{1, std::vector<Words>(21, words)});
    double best = 1e9;
    for (int pass = 0; pass < 3; ++pass) {
        const auto start = Clock::now();
        const Wire::ParseResult received = Wire::Parse(text);
        GameState game;
        game.GameMode = NetworkPlayer;
        game.PlayerCount = 21;
        game.PlayerWords = std::get<Wire::GameResults>(received.message).PlayerWords;
        Evaluation eval;
        Scoring::ClassifyWords(game, words, eval);
        Scoring::FindUnusedAndCommon(game, words, eval);
        Scoring::ScoreTexts(game, words, eval);
        best = std::min(best, secondsSince(start) * 1000);
    }
    return best;
}

double bestBoardsPerSecond(engine::Engine& e, const std::vector<std::string>& boards, int passes,
                           std::size_t& words)
{
    double best = 0;
    for (int pass = 0; pass < passes; ++pass) {
        std::size_t letters = 0;
        const auto start = Clock::now();
        for (const std::string& b : boards)
            letters += solveAndFetch(e, b);
        const double s = secondsSince(start);
        best = std::max(best, double(boards.size()) / s);
        words = letters;
    }
    return best;
}

std::filesystem::path programFolder(const char* argv0)
{
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        self = std::filesystem::absolute(argv0, ec);
    return self.parent_path();
}

bool loadOrComplain(engine::Engine& e, const std::string& path)
{
    const engine::FileResult r = e.cReadBinaryDictionary(path);
    if (!r.ok())
        std::cerr << "lettro-bench: " << path << ": " << engine::describe(r.status) << '\n';
    return r.ok();
}

// Merging a word file into an empty engine, step by step as the editor does it.
struct Merge {
    double wordsPerSecond = 0; // file lines per second, the trie rebuild included
    double slowestStepMs = 0;  // the longest single cReadTextFile call
    double rebuildMs = 0;      // the first board solved afterwards, which rebuilds the trie
};

Merge timeMerge(const std::string& path, long long lines)
{
    engine::Engine e;
    Merge m;
    const auto start = Clock::now();
    // The first call names the file, later ones carry on.
    for (int percent = 0, step = 0; percent < 100; ++step) {
        const auto stepStart = Clock::now();
        percent = e.cReadTextFile(step == 0 ? path : "dummy");
        m.slowestStepMs = std::max(m.slowestStepMs, secondsSince(stepStart) * 1000);
    }
    const auto rebuild = Clock::now();
    e.cCheckForAllDefinedWords("abcdefghijklmnop");
    m.rebuildMs = secondsSince(rebuild) * 1000;
    m.wordsPerSecond = double(lines) / secondsSince(start);
    return m;
}

int boardsFromFile(const std::string& dict, const std::string& file)
{
    std::ifstream in(file);
    if (!in) {
        std::cerr << "lettro-bench: cannot open " << file << '\n';
        return 1;
    }
    std::vector<std::string> boards;
    std::string line;
    int bad = 0;
    while (std::getline(in, line)) {
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos)
            continue;
        const auto last = line.find_last_not_of(" \t\r");
        if (auto b = engine::boardFromText(std::string_view(line).substr(first, last - first + 1)))
            boards.push_back(*b);
        else
            ++bad;
    }
    if (bad)
        std::cerr << "lettro-bench: " << bad << " lines of " << file << " are not boards\n";
    if (boards.empty()) {
        std::cerr << "lettro-bench: no boards in " << file << '\n';
        return 1;
    }
    engine::Engine e;
    if (!loadOrComplain(e, dict))
        return 1;
    // Enough passes for about half a million boards, at least three.
    const int passes = std::max<int>(3, int(500000 / boards.size()));
    std::size_t letters = 0;
    const double rate = bestBoardsPerSecond(e, boards, std::min(passes, 50), letters);
    std::cout << "boards: " << boards.size() << "\nletters_found: " << letters
              << "\nsolve_boards_per_second: " << static_cast<long long>(rate) << '\n';
    return 0;
}

// One pass over `count` boards of the benchmark's shake: a steady load for profilers,
// which count the instructions of solveAndFetch.
int shakenOnce(const std::string& dict, int count)
{
    engine::Engine e;
    if (!loadOrComplain(e, dict))
        return 1;
    Shaker shake(20240607);
    std::vector<std::string> boards;
    for (int i = 0; i < count; ++i)
        boards.push_back(shake());
    std::size_t letters = 0;
    for (const std::string& b : boards)
        letters += solveAndFetch(e, b);
    std::cout << "boards: " << boards.size() << "\nletters_found: " << letters << '\n';
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Beside the program in a build folder, under share/lettro when installed.
    const std::filesystem::path bin = programFolder(argv[0]);
    std::string dict = (bin / "Dictionary.dat").string();
    if (std::error_code ec; !std::filesystem::exists(dict, ec))
        dict = (bin / ".." / "share" / "lettro" / "Dictionary.dat").lexically_normal().string();
    std::string boardsFile;
    int shaken = 0;
    bool network = false;
    int players = 20, games = 3;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--dict" && i + 1 < argc) {
            dict = argv[++i];
        } else if (a == "--boards" && i + 1 < argc) {
            boardsFile = argv[++i];
        } else if (a == "--shaken" && i + 1 < argc) {
            shaken = std::atoi(argv[++i]);
            if (shaken <= 0) {
                std::cerr << "lettro-bench: --shaken needs a positive count\n";
                return 2;
            }
        } else if (a == "--network") {
            network = true;
        } else if ((a == "--players" || a == "--games") && i + 1 < argc) {
            int& into = a == "--players" ? players : games;
            into = std::atoi(argv[++i]);
            if (into < 1 || into > (a == "--players" ? 20 : 100)) {
                std::cerr << "lettro-bench: " << a << " is out of range\n";
                return 2;
            }
        } else {
            std::cerr << "usage: lettro-bench [--dict PATH] [--boards FILE | --shaken N]\n"
                         "       lettro-bench --network [--players N] [--games N]\n";
            return 2;
        }
    }
    if (network)
        return networkFigures(bin, players, games, argv);
    if (!boardsFile.empty())
        return boardsFromFile(dict, boardsFile);
    if (shaken > 0)
        return shakenOnce(dict, shaken);

    engine::Engine e;
    if (!loadOrComplain(e, dict))
        return 1;
    std::cout << "dictionary: " << dict << "\nwords: " << e.cNumberOfWords() << '\n';

    std::vector<double> loads;
    for (int i = 0; i < 20; ++i) {
        engine::Engine fresh;
        const auto start = Clock::now();
        fresh.cReadBinaryDictionary(dict);
        loads.push_back(secondsSince(start) * 1000);
    }
    std::sort(loads.begin(), loads.end());
    std::cout << "dictionary_load_ms: " << loads[loads.size() / 2] << '\n';
    std::cout << "dictionary_memory_bytes: " << e.memoryBytes() << '\n';

    Shaker shake(20240607);
    std::mt19937 rng(20240607);
    std::vector<std::string> boards;
    for (int i = 0; i < 10000; ++i)
        boards.push_back(shake());
    std::size_t words = 0;
    for (const std::string& b : boards)
        words += static_cast<std::size_t>(e.cCheckForAllDefinedWords(b));
    std::cout << "words_per_board: " << double(words) / double(boards.size()) << '\n';
    std::size_t letters = 0;
    const double rate = bestBoardsPerSecond(e, boards, 7, letters);
    std::cout << "solve_boards_per_second: " << static_cast<long long>(rate) << '\n';

    // The game shakes until a board has enough words, at most 100 times.
    double worst = 0;
    for (int trial = 0; trial < 50; ++trial) {
        const auto start = Clock::now();
        std::string board;
        for (int i = 0; i < 100; ++i) {
            board = shake();
            e.cCheckForAllDefinedWords(board);
        }
        const int n = e.cCheckForAllDefinedWords(board);
        std::size_t sink = 0;
        for (int i = 0; i < n; ++i)
            sink += e.cGetDefinedWord(i).size();
        worst = std::max(worst, secondsSince(start) * 1000);
        if (sink == 0 && n > 0)
            std::cerr << "?\n";
    }
    std::cout << "setup_board_worst_ms: " << worst << '\n';

    const auto tmp = std::filesystem::temp_directory_path();
    const std::string tag = std::to_string(std::random_device{}());
    const auto shipped = (tmp / ("lettro-bench-words-" + tag + ".txt")).string();
    const auto generated = (tmp / ("lettro-bench-1m-" + tag + ".txt")).string();
    double slowestStepMs = 0;
    double rebuildMs = 0;
    if (e.cWriteTextFile(shipped)) {
        const Merge m = timeMerge(shipped, e.cNumberOfWords());
        std::cout << "merge_words_per_second: " << static_cast<long long>(m.wordsPerSecond) << '\n';
        slowestStepMs = m.slowestStepMs;
        rebuildMs = m.rebuildMs;
    }
    {
        std::ofstream out(generated, std::ios::binary);
        std::uniform_int_distribution<int> len(3, 12), letter(0, 25);
        std::string line;
        for (int i = 0; i < 1000000; ++i) {
            line.assign(static_cast<std::size_t>(len(rng)), 'a');
            for (char& c : line)
                c = static_cast<char>('a' + letter(rng));
            line += '\n';
            out << line;
        }
    }
    const Merge m = timeMerge(generated, 1000000);
    std::cout << "merge_1m_lines_words_per_second: " << static_cast<long long>(m.wordsPerSecond)
              << '\n';
    // Of both merges: the longest wait between two progress updates, and the one-off cost
    // the next listing or board pays for the merged words.
    std::cout << "merge_slowest_step_ms: " << std::max(slowestStepMs, m.slowestStepMs) << '\n';
    std::cout << "merge_rebuild_ms: " << std::max(rebuildMs, m.rebuildMs) << '\n';
    std::filesystem::remove(shipped);
    std::filesystem::remove(generated);
    std::cout << "results_largest_ms: " << largestResultsMs() << '\n';
    return 0;
}
