// Merging word files in steps.
#include "TestFiles.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

namespace {

using engine::Engine;
using enginetest::TempDir;
using enginetest::writeFile;

// Runs a merge to the end; returns the number of steps, failing on a runaway loop.
int mergeAll(Engine& e, const std::string& path, int maxSteps = 100000)
{
    int steps = 1;
    int percent = e.cReadTextFile(path);
    while (percent < 100) {
        EXPECT_GE(percent, 0);
        if (++steps > maxSteps) {
            ADD_FAILURE() << "merge did not finish";
            break;
        }
        percent = e.cReadTextFile("dummy");
    }
    return steps;
}

std::string randomWord(std::mt19937& rng, int minLen, int maxLen)
{
    std::uniform_int_distribution<int> len(minLen, maxLen), letter(0, 25);
    std::string w(static_cast<std::size_t>(len(rng)), 'a');
    for (char& c : w)
        c = static_cast<char>('a' + letter(rng));
    return w;
}

TEST(WordFile, LargeFileMergesInManyRisingSteps)
{
    TempDir dir;
    std::mt19937 rng(1);
    std::set<std::string> expected;
    std::string text;
    for (int i = 0; i < 400000; ++i) {
        const std::string w = randomWord(rng, 3, 12);
        expected.insert(w);
        text += w + '\n';
    }
    writeFile(dir.path("big.txt"), text);

    Engine e;
    std::vector<int> percents{e.cReadTextFile(dir.path("big.txt"))};
    while (percents.back() < 100 && percents.size() < 10000)
        percents.push_back(e.cReadTextFile("dummy"));
    ASSERT_GE(percents.back(), 100);
    EXPECT_GE(percents.size(), 10u) << "a few megabytes should take many small steps";
    for (std::size_t i = 0; i + 1 < percents.size(); ++i) {
        EXPECT_LE(percents[i], 99);
        EXPECT_LE(percents[i], percents[i + 1]);
    }
    EXPECT_GT(percents[percents.size() / 2], 20);
    EXPECT_EQ(e.cNumberOfWords(), static_cast<int>(expected.size()));
    EXPECT_EQ(e.lastMergeAdded(), static_cast<int>(expected.size()));
    EXPECT_EQ(e.lastMergeSkipped(), 0);
    for (const std::string& w : {*expected.begin(), *expected.rbegin()})
        EXPECT_TRUE(e.contains(w)) << w;
}

TEST(WordFile, LinesAreTrimmedAndLowerCased)
{
    TempDir dir;
    writeFile(dir.path("w.txt"), "  Cat\t\r\nDOG\r\n\tmouse  \nHorse"); // no final newline
    Engine e;
    mergeAll(e, dir.path("w.txt"));
    EXPECT_EQ(e.cNumberOfWords(), 4);
    for (const char* w : {"cat", "dog", "mouse", "horse"})
        EXPECT_TRUE(e.contains(w)) << w;
    EXPECT_EQ(e.lastMergeSkipped(), 0);
}

TEST(WordFile, BadLinesAreSkippedAndCounted)
{
    TempDir dir;
    writeFile(dir.path("w.txt"),
              "good\n"
              "ab\n"                     // too short for a word file
              "abcdefghijklmnopq\n"      // 17 letters
              "abcdefghijklmnop\n"       // 16: fine
              "r2d2\n"
              "don't\n"
              "two words\n"
              "caf\xc3\xa9\n"
              "\n   \n\t\r\n"             // blank lines are neither words nor skipped
              "good\n");                  // a repeat is not skipped, just not new
    Engine e;
    mergeAll(e, dir.path("w.txt"));
    EXPECT_EQ(e.cNumberOfWords(), 2);
    EXPECT_EQ(e.lastMergeAdded(), 2);
    EXPECT_EQ(e.lastMergeSkipped(), 6);
    EXPECT_TRUE(e.contains("abcdefghijklmnop"));
}

TEST(WordFile, WordsLongerThanTheMaximumAreSkipped)
{
    TempDir dir;
    writeFile(dir.path("w.txt"), "tree\ntrees\ntreetop\n");
    Engine e;
    e.cSetMaxWordSize(5);
    mergeAll(e, dir.path("w.txt"));
    EXPECT_TRUE(e.contains("trees"));
    EXPECT_FALSE(e.contains("treetop"));
    EXPECT_EQ(e.lastMergeSkipped(), 1);
}

TEST(WordFile, MergeKeepsExistingWordsAndCountsOnlyNewOnes)
{
    TempDir dir;
    writeFile(dir.path("w.txt"), "apple\nbanana\napple\ncherry\n");
    Engine e;
    e.cDictionaryAdd("banana");
    e.cDictionaryAdd("zz");
    mergeAll(e, dir.path("w.txt"));
    EXPECT_EQ(e.lastMergeAdded(), 2);
    EXPECT_EQ(e.cNumberOfWords(), 4);
    EXPECT_TRUE(e.contains("zz"));
}

TEST(WordFile, UnopenableFileFinishesAtOnce)
{
    TempDir dir;
    Engine e;
    e.cDictionaryAdd("keep");
    EXPECT_GE(e.cReadTextFile(dir.path("missing.txt")), 100);
    EXPECT_GE(e.cReadTextFile(dir.path("")), 100); // a folder
    EXPECT_EQ(e.cNumberOfWords(), 1);
    EXPECT_EQ(e.lastMergeAdded(), 0);
}

TEST(WordFile, EmptyFileFinishesWithNothing)
{
    TempDir dir;
    writeFile(dir.path("empty.txt"), "");
    Engine e;
    EXPECT_EQ(mergeAll(e, dir.path("empty.txt")), 1);
    EXPECT_EQ(e.cNumberOfWords(), 0);
}

TEST(WordFile, BinaryFileEndsWithoutTrouble)
{
    TempDir dir;
    std::mt19937 rng(3);
    std::string bytes(3 << 20, '\0');
    for (char& c : bytes)
        c = static_cast<char>(rng());
    writeFile(dir.path("noise.bin"), bytes);
    Engine e;
    mergeAll(e, dir.path("noise.bin"));
    // Whatever few letter runs the noise holds, the engine still answers sanely.
    EXPECT_GE(e.lastMergeSkipped(), 1000);
    EXPECT_EQ(e.lastMergeAdded(), e.cNumberOfWords());
}

TEST(WordFile, HugeLineIsSkippedAndTheRestMerged)
{
    TempDir dir;
    std::string text = "before\n";
    text += std::string(10 << 20, 'x');
    text += "\nafter\n";
    writeFile(dir.path("long.txt"), text);
    Engine e;
    const int steps = mergeAll(e, dir.path("long.txt"));
    EXPECT_GT(steps, 5);
    EXPECT_EQ(e.cNumberOfWords(), 2);
    EXPECT_TRUE(e.contains("before"));
    EXPECT_TRUE(e.contains("after"));
    EXPECT_EQ(e.lastMergeSkipped(), 1);
}

TEST(WordFile, NamingAnotherFileRestartsTheMerge)
{
    TempDir dir;
    std::mt19937 rng(5);
    std::string first;
    for (int i = 0; i < 200000; ++i)
        first += randomWord(rng, 3, 10) + '\n';
    writeFile(dir.path("first.txt"), first);
    writeFile(dir.path("second.txt"), "second\nfile\n");

    Engine e;
    ASSERT_LT(e.cReadTextFile(dir.path("first.txt")), 100);
    const int before = e.cNumberOfWords();
    EXPECT_GT(before, 0); // the first step already merged some
    EXPECT_LT(before, 190000);
    EXPECT_GE(e.cReadTextFile(dir.path("second.txt")), 100);
    EXPECT_TRUE(e.contains("second"));
    EXPECT_EQ(e.lastMergeAdded(), 2);
    EXPECT_EQ(e.cNumberOfWords(), before + 2);
    // The first file is no longer being read.
    EXPECT_GE(e.cReadTextFile("dummy"), 100);
}

TEST(WordFile, ByteOrderMarkIsNotPartOfTheFirstWord)
{
    TempDir dir;
    writeFile(dir.path("bom.txt"), "\xEF\xBB\xBFzebra\nyak\n");
    Engine e;
    mergeAll(e, dir.path("bom.txt"));
    EXPECT_TRUE(e.contains("zebra"));
    EXPECT_EQ(e.cNumberOfWords(), 2);
}

} // namespace
