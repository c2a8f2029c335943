// SPDX-License-Identifier: GPL-3.0-or-later
// lettro-bench: how fast the dictionary engine is on this machine.
//   lettro-bench [--language XX] [--dict PATH]   every figure, as "name: value" lines
//   lettro-bench [--dict PATH] --boards FILE   the solver alone on the boards of FILE
//   lettro-bench [--language XX] [--dict PATH] --shaken N   N shaken boards solved once
//                                              each: the words a board holds, the boards
//                                              per second; steady for callgrind too
//   lettro-bench --language XX --make-dice     the language's dice, made from its letter
//                                              frequencies and checked on shaken boards
//   lettro-bench --network [--players N] [--games N]   network hand-over times and the
//                                              host's CPU per poll tick (lettro-bot copies
//                                              on 127.0.0.x in a private network namespace)
#include "DefinitionBench.h"
#include "NetworkBench.h"
#include "core/board/Dice.h"
#include "core/game/Scoring.h"
#include "core/network/Wire.h"
#include "engine/BoardText.h"
#include "engine/Engine.h"
#include "engine/Languages.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iomanip>
#include <sstream>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The seed of every shake the figures time or count, so every run sees the same boards.
constexpr std::uint32_t kBoardSeed = 20240607;

// The game's own shake of a language's dice (or of `faces`), from a fixed seed.
class Shaker {
public:
    Shaker(std::uint32_t seed, const std::string& language) : m_random(seed)
    {
        Dice::InitDice(m_faces, language);
    }
    Shaker(std::uint32_t seed, const Dice::Faces& faces) : m_faces(faces), m_random(seed) {}
    std::string operator()() { return *engine::boardFromText(Dice::ShakeDice(m_faces, m_random)); }

private:
    Dice::Faces m_faces;
    Dice::ClockRandom m_random;
};

// How many dictionary words shaken boards hold: the mean, the 1st and 5th percentiles
// (the counts that 1% and 5% of the boards fall below or reach), and the share of boards
// with 15 words or more.
struct WordsPerBoard {
    double mean = 0;
    int first = 0, fifth = 0;
    double fifteenOrMore = 0;
};

WordsPerBoard measureBoards(std::vector<int> counts)
{
    WordsPerBoard m;
    if (counts.empty())
        return m;
    std::sort(counts.begin(), counts.end());
    const auto n = counts.size();
    const auto percentile = [&](std::size_t p) { return counts[(n * p + 99) / 100 - 1]; };
    long long sum = 0;
    for (int c : counts)
        sum += c;
    m.mean = double(sum) / double(n);
    m.first = percentile(1);
    m.fifth = percentile(5);
    const auto below = std::lower_bound(counts.begin(), counts.end(), 15) - counts.begin();
    m.fifteenOrMore = double(n - std::size_t(below)) / double(n);
    return m;
}

std::string describeBoards(const WordsPerBoard& m)
{
    std::ostringstream out;
    out << std::fixed << std::setprecision(1) << "words per board: mean " << m.mean
        << ", 1st percentile " << m.first << ", 5th percentile " << m.fifth;
    return out.str();
}

// What the dice of a board language must give on 10,000 shaken boards.
bool meetsTheMeasure(const WordsPerBoard& m)
{
    return m.mean >= 40 && m.mean <= 150 && m.fifteenOrMore >= 0.95;
}

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

// One pass over `count` boards of the language's shake: how many words they hold and how
// fast they are solved. A steady load for profilers too, which count the instructions of
// solveAndFetch.
int shakenOnce(const std::string& dict, const std::string& language, int count)
{
    engine::Engine e;
    const auto load = Clock::now();
    if (!loadOrComplain(e, dict))
        return 1;
    const double loadMs = secondsSince(load) * 1000;
    Shaker shake(kBoardSeed, language);
    std::vector<std::string> boards;
    for (int i = 0; i < count; ++i)
        boards.push_back(shake());
    std::vector<int> words;
    words.reserve(boards.size());
    std::size_t letters = 0;
    const auto start = Clock::now();
    for (const std::string& b : boards) {
        const int n = e.cCheckForAllDefinedWords(b);
        for (int i = 0; i < n; ++i)
            letters += e.cGetDefinedWord(i).size();
        words.push_back(n);
    }
    const double seconds = secondsSince(start);
    const WordsPerBoard m = measureBoards(words);
    std::cout << "language: " << language << "\ndictionary: " << dict
              << "\ndictionary_load_ms: " << loadMs
              << "\ndictionary_memory_bytes: " << e.memoryBytes() << "\nboards: " << boards.size()
              << "\nletters_found: " << letters << '\n'
              << describeBoards(m) << "\nboards with 15 words or more: " << std::fixed
              << std::setprecision(1) << m.fifteenOrMore * 100 << "%\n"
              << "boards per second: " << static_cast<long long>(double(boards.size()) / seconds)
              << '\n';
    return 0;
}

// Every word of the dictionary, in the order the editor lists them.
template <typename Visit> void forEachWord(engine::Engine& e, Visit visit)
{
    for (int a = 0; a < 26; ++a)
        for (int b = 0; b < 26; ++b) {
            if (e.cDictIndex(a, b) < 0)
                continue;
            e.cStartDecodingWords(a, b);
            for (std::string w = e.cDecodeNextWord(); !w.empty(); w = e.cDecodeNextWord())
                visit(w);
        }
}

// Sixteen dice for a language, from the letter frequencies of its dictionary, with one Qu
// face when q is nearly always followed by u (and no q at all otherwise). The 96
// faces go to the letters in proportion to their frequency raised to a power; powers from
// 0.5 to 1.5 are tried, and the dice kept are those of the power nearest 1 whose boards
// meet the measure with room to spare (a mean of 50 to 130 words, 97% of the boards with
// 15 or more), or failing that just meet it. The faces are dealt out in six rounds,
// commonest letters first, each round to the dice in an order drawn from a fixed seed,
// and no die gets a letter twice where a swap within its round avoids it. The boards
// measured here are shaken from another seed than the check of --shaken, so that check
// is not the one the dice were chosen on.
int makeDice(const std::string& dict, const std::string& language)
{
    engine::Engine e;
    if (!loadOrComplain(e, dict))
        return 1;
    std::array<double, 26> count{};
    double q = 0, qu = 0;
    forEachWord(e, [&](const std::string& w) {
        for (std::size_t i = 0; i < w.size(); ++i) {
            count[std::size_t(w[i] - 'a')] += 1;
            if (w[i] == 'q') {
                q += 1;
                qu += i + 1 < w.size() && w[i + 1] == 'u';
            }
        }
    });
    const bool quFace = q > 0 && qu / q >= 0.95;
    std::cerr << language << ": q followed by u " << (q > 0 ? 100 * qu / q : 0) << "% of "
              << q << " times\n";
    // The u of a Qu face comes with it.
    count[std::size_t('u' - 'a')] -= quFace ? qu : 0;
    count[std::size_t('q' - 'a')] = quFace ? count[std::size_t('q' - 'a')] : 0;

    struct Made {
        double power = 0;
        Dice::Faces faces;
        WordsPerBoard m;
    };
    std::vector<Made> made;
    for (int step = 0; step <= 20; ++step) {
        const double power = 0.5 + 0.05 * step;
        std::array<double, 26> weight{};
        double total = 0;
        for (std::size_t l = 0; l < 26; ++l)
            total += weight[l] = std::pow(count[l], power);
        // One Qu face, as on English's dice; the rest by largest remainder.
        std::array<int, 26> faces{};
        const std::size_t qIndex = 'q' - 'a';
        int left = 96;
        if (quFace) {
            faces[qIndex] = 1;
            --left;
        }
        total -= weight[qIndex];
        weight[qIndex] = 0;
        std::vector<std::pair<double, std::size_t>> remainders;
        int given = 0;
        for (std::size_t l = 0; l < 26; ++l) {
            const double share = left * weight[l] / total;
            faces[l] += int(share);
            given += int(share);
            remainders.push_back({-(share - int(share)), l});
        }
        std::sort(remainders.begin(), remainders.end());
        for (int i = 0; i < left - given; ++i)
            ++faces[remainders[std::size_t(i)].second];

        std::vector<char> deck;
        std::vector<std::size_t> order(26);
        for (std::size_t l = 0; l < 26; ++l)
            order[l] = l;
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return faces[a] > faces[b]; });
        for (std::size_t l : order)
            deck.insert(deck.end(), std::size_t(faces[l]), char('A' + l));
        // dice[d][round]
        std::array<std::array<char, 6>, 16> dice{};
        std::mt19937 rng(20260126);
        for (std::size_t round = 0; round < 6; ++round) {
            std::array<std::size_t, 16> to;
            for (std::size_t d = 0; d < 16; ++d)
                to[d] = d;
            for (std::size_t i = 15; i > 0; --i)
                std::swap(to[i], to[rng() % (i + 1)]);
            for (std::size_t d = 0; d < 16; ++d)
                dice[to[d]][round] = deck[round * 16 + d];
        }
        const auto holds = [&](std::size_t d, char c) {
            return std::count(dice[d].begin(), dice[d].end(), c);
        };
        for (std::size_t d = 0; d < 16; ++d)
            for (std::size_t round = 0; round < 6; ++round) {
                const char c = dice[d][round];
                if (holds(d, c) < 2)
                    continue;
                for (std::size_t other = 0; other < 16; ++other) {
                    const char swap = dice[other][round];
                    if (other != d && holds(other, c) == 0 && holds(d, swap) == 0) {
                        std::swap(dice[d][round], dice[other][round]);
                        break;
                    }
                }
            }
        Made candidate{power, {}, {}};
        for (std::size_t d = 0; d < 16; ++d)
            candidate.faces[d] = std::string(dice[d].begin(), dice[d].end());
        Shaker shake(1, candidate.faces);
        std::vector<int> words;
        for (int i = 0; i < 10000; ++i)
            words.push_back(e.cCheckForAllDefinedWords(shake()));
        candidate.m = measureBoards(words);
        std::cerr << language << " power " << power << ": " << describeBoards(candidate.m)
                  << ", 15 words or more " << candidate.m.fifteenOrMore * 100 << "%\n";
        made.push_back(candidate);
    }
    // The letters' own frequencies (power 1) when their boards fit the band with room to
    // spare on every side; else the nearest power that does; else the nearest that fits.
    const auto roomy = [](const WordsPerBoard& m) {
        return m.mean >= 50 && m.mean <= 130 && m.fifteenOrMore >= 0.97;
    };
    const Made* best = nullptr;
    for (const auto& fits : {std::function<bool(const WordsPerBoard&)>(roomy),
                             std::function<bool(const WordsPerBoard&)>(meetsTheMeasure)}) {
        for (const Made& m : made)
            if (fits(m.m) && (!best || std::abs(m.power - 1) < std::abs(best->power - 1) - 1e-9))
                best = &m;
        if (best)
            break;
    }
    if (!best) {
        std::cerr << "lettro-bench: no dice for " << language << " meet the measure\n";
        return 1;
    }
    std::cout << "    // power " << best->power << ", " << describeBoards(best->m) << "\n    {\""
              << language << "\", {";
    for (std::size_t d = 0; d < 16; ++d)
        std::cout << (d ? ", " : "") << '"' << best->faces[d] << '"';
    std::cout << "}},\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Where the lettro-bot copies of the network figures are.
    const std::filesystem::path bin = programFolder(argv[0]);
    std::string dict;
    std::string language = engine::kEnglish;
    std::string boardsFile;
    int shaken = 0;
    bool network = false, makeDiceWanted = false;
    int players = 20, games = 3;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--dict" && i + 1 < argc) {
            dict = argv[++i];
        } else if (a == "--language" && i + 1 < argc) {
            language = argv[++i];
            if (!engine::findLanguage(language)) {
                std::cerr << "lettro-bench: no board language \"" << language
                          << "\" (en fr de es it pt nl)\n";
                return 2;
            }
        } else if (a == "--make-dice") {
            makeDiceWanted = true;
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
            std::cerr << "usage: lettro-bench [--language XX] [--dict PATH] [--boards FILE | "
                         "--shaken N | --make-dice]\n"
                         "       lettro-bench --network [--players N] [--games N]\n";
            return 2;
        }
    }
    if (network)
        return networkFigures(bin, players, games, argv);
    // Beside the program in a build folder, under share/lettro when installed.
    if (dict.empty())
        dict = engine::shippedDictionary(argv[0], language);
    if (makeDiceWanted)
        return makeDice(dict, language);
    if (shaken > 0)
        return shakenOnce(dict, language, shaken);
    if (!boardsFile.empty())
        return boardsFromFile(dict, boardsFile);

    engine::Engine e;
    if (!loadOrComplain(e, dict))
        return 1;
    std::cout << "language: " << language << "\ndictionary: " << dict
              << "\nwords: " << e.cNumberOfWords() << '\n';

    // The processor time too: on a shared machine it is what the load itself costs.
    std::vector<double> loads, cpu;
    for (int i = 0; i < 20; ++i) {
        engine::Engine fresh;
        const auto start = Clock::now();
        const std::clock_t startCpu = std::clock();
        fresh.cReadBinaryDictionary(dict);
        cpu.push_back(double(std::clock() - startCpu) * 1000 / CLOCKS_PER_SEC);
        loads.push_back(secondsSince(start) * 1000);
    }
    std::sort(loads.begin(), loads.end());
    std::sort(cpu.begin(), cpu.end());
    std::cout << "dictionary_load_ms: " << loads[loads.size() / 2]
              << "\ndictionary_load_cpu_ms: " << cpu[cpu.size() / 2] << '\n';
    std::cout << "dictionary_memory_bytes: " << e.memoryBytes() << '\n';

    Shaker shake(kBoardSeed, language);
    std::mt19937 rng(kBoardSeed);
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
    printDefinitionFigures(e);
    std::cout << "results_largest_ms: " << largestResultsMs() << '\n';
    return 0;
}
