// SPDX-License-Identifier: GPL-3.0-or-later
// Word storage: adding, removing, looking up, listing, the word-size limits, word files.
#include "../support/PlainWords.h"
#include "TestFiles.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include <sys/stat.h>

namespace {

using engine::Engine;
using namespace enginetest;
using Words = std::vector<std::string>;

TEST(Dictionary, AgreesWithASetThroughManyEdits)
{
    // Edits interleaved with the questions that need the compact form, so both forms of
    // the word store are exercised and converted back and forth.
    std::mt19937 rng(7);
    Engine e;
    std::set<std::string> model;
    for (int step = 0; step < 3000; ++step) {
        const std::string w = RandomText(rng, "abcd", 2 + rng() % 5);
        const unsigned op = rng() % 10;
        if (op < 5) {
            e.cDictionaryAdd(w);
            model.insert(w);
        } else if (op < 8) {
            e.cDictionaryRemove(op == 7 ? w.substr(0, 2) : w); // also a prefix of words
            model.erase(op == 7 ? w.substr(0, 2) : w);
        } else if (op == 8) {
            const auto next = model.lower_bound(w.substr(0, 2));
            ASSERT_EQ(e.cDictIndex(w[0] - 'a', w[1] - 'a') >= 0,
                      next != model.end() && next->starts_with(w.substr(0, 2)));
        } else {
            ASSERT_EQ(EveryWord(e), Words(model.begin(), model.end()));
        }
        ASSERT_EQ(e.contains(w), model.count(w) == 1) << w;
        ASSERT_EQ(e.cNumberOfWords(), int(model.size()));
    }
    e.cDictionaryClear();
    EXPECT_TRUE(e.cNumberOfWords() == 0 && EveryWord(e).empty());
}

TEST(Dictionary, OnlyTwoToSixteenLowerCaseLettersAreWordsAndSizesClamp)
{
    Engine e;
    for (const char* bad : {"", "a", "Cat", "ca t", "cat1", "don't", "caf\xc3\xa9",
                            "abcdefghijklmnopq", "cat\n"})
        e.cDictionaryAdd(bad);
    for (const char* good : {"ox", "abcdefghijklmnop"})
        e.cDictionaryAdd(good);
    EXPECT_EQ(EveryWord(e), (Words{"abcdefghijklmnop", "ox"}));
    EXPECT_GE(e.cDictIndex('o' - 'a', 'x' - 'a'), 0); // a two-letter word counts too
    for (auto [a, b] : {std::pair{-1, 0}, {0, -1}, {26, 4}, {25, 26}})
        EXPECT_EQ(e.cDictIndex(a, b), -1) << a << "," << b;
    e.cStartDecodingWords(-1, 30); // out of range: an empty listing
    EXPECT_EQ(e.cDecodeNextWord(), "");
    EXPECT_EQ(e.cDecodeNextWord(), "") << "after the end the listing keeps answering \"\"";

    // The word sizes clamp, and reducing them removes only longer words.
    e.cDictionaryClear();
    for (auto [min, max, wantMin, wantMax] : {std::array{1, -5, 2, 2}, {99, 17, 16, 16}, {4, 8, 4, 8}}) {
        e.cSetMinWordSize(min);
        e.cSetMaxWordSize(max);
        EXPECT_TRUE(e.cMinWordSize() == wantMin && e.cMaxWordSize() == wantMax) << min << " " << max;
    }
    for (const char* w : {"ab", "abcde", "abcdef", "abcdefg", "zzzzzzzzzzzzzzzz"})
        e.cDictionaryAdd(w);
    e.cSetMaxWordSize(6);
    e.cReduceWordSize();
    EXPECT_EQ(EveryWord(e), (Words{"ab", "abcde", "abcdef"}));
    EXPECT_EQ(e.cNumberOfWords(), 3);
}

// Runs a merge to the end; returns the percentages, failing on a runaway loop.
std::vector<int> Merge(Engine& e, const std::string& path)
{
    std::vector<int> percents{e.cReadTextFile(path)};
    while (percents.back() < 100 && percents.size() < 100000)
        percents.push_back(e.cReadTextFile("dummy"));
    EXPECT_GE(percents.back(), 100) << "the merge did not finish";
    return percents;
}

// Each case: the file, the largest word size, the words before, then after the merge,
// and the counts of new words and of skipped lines; then files that cannot be read.
TEST(WordFile, MergedWordsSkippedLinesAndUnreadableFiles)
{
    const struct { std::string text; int max; Words before, after; int added, skipped; } cases[] = {
        // Trimmed, lower-cased, no final newline needed.
        {"  Cat\t\r\nDOG\r\n\tmouse  \nHorse", 16, {}, {"cat", "dog", "horse", "mouse"}, 4, 0},
        // Too short, 17 letters, not letters; blank lines are neither; a repeat is not new.
        {"good\nab\nabcdefghijklmnopq\nabcdefghijklmnop\nr2d2\ndon't\ntwo words\ncaf\xc3\xa9\n"
         "\n   \n\t\r\ngood\n",
         16, {}, {"abcdefghijklmnop", "good"}, 2, 6},
        // A word already held or read before is not new; the largest size holds.
        {"tree\ntrees\ntree\ntreetop\n", 5, {"trees", "zz"}, {"tree", "trees", "zz"}, 1, 1},
        {"\xEF\xBB\xBFzebra\nyak\n", 16, {}, {"yak", "zebra"}, 2, 0}, // a byte order mark
        {"", 16, {"keep"}, {"keep"}, 0, 0},
        // A line of megabytes is skipped, in steps, and the words after it still count.
        {"before\n" + std::string(10 << 20, 'x') + "\nafter\n", 16, {}, {"after", "before"}, 2, 1},
    };
    TempDir dir;
    for (const auto& c : cases) {
        writeFile(dir.path("w.txt"), c.text);
        Engine e;
        e.cSetMaxWordSize(c.max);
        for (const std::string& w : c.before)
            e.cDictionaryAdd(w);
        const std::vector<int> percents = Merge(e, dir.path("w.txt"));
        EXPECT_EQ(EveryWord(e), c.after) << c.text.substr(0, 20);
        EXPECT_EQ(e.lastMergeAdded(), c.added) << c.text.substr(0, 20);
        EXPECT_EQ(e.lastMergeSkipped(), c.skipped) << c.text.substr(0, 20);
        // Big files take steps, and the steps show how far the merge has got.
        const int middle = percents[percents.size() / 2];
        EXPECT_EQ(percents.size() > 5 && middle > 0 && middle < 100, c.text.size() > 1000);
        EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    }
    // Files that cannot be read end the merge at once and change nothing: a folder, a pipe
    // (which would block) and a device (which would never end) too.
    Engine e;
    e.cDictionaryAdd("keep");
    ASSERT_EQ(mkfifo(dir.path("pipe").c_str(), 0600), 0);
    for (const std::string& bad : {dir.path("missing.txt"), dir.path(), dir.path("pipe"), std::string("/dev/zero")})
        EXPECT_EQ(Merge(e, bad).size(), 1u) << bad;
    EXPECT_EQ(EveryWord(e), Words{"keep"});
    // A file past the limit (zeros, then a word) is merged up to it, and says so.
    writeFile(dir.path("w.txt"), "zebra\n");
    std::filesystem::resize_file(dir.path("w.txt"), engine::kMaxWordFileBytes);
    std::ofstream(dir.path("w.txt"), std::ios::app) << "\nafter\n";
    Merge(e, dir.path("w.txt"));
    EXPECT_TRUE(e.lastMergeCut());
    EXPECT_EQ(EveryWord(e), (Words{"keep", "zebra"}));
}

} // namespace
