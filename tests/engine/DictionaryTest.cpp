// Word storage: adding, removing, looking up, listing and the word-size limits.
#include "TestFiles.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

using engine::Engine;

int idx(char c) { return c - 'a'; }

std::vector<std::string> listing(Engine& e, char a, char b)
{
    std::vector<std::string> out;
    e.cStartDecodingWords(idx(a), idx(b));
    for (std::string w = e.cDecodeNextWord(); !w.empty(); w = e.cDecodeNextWord())
        out.push_back(w);
    return out;
}

std::vector<std::string> allWords(Engine& e)
{
    std::vector<std::string> out;
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'z'; ++b) {
            auto part = listing(e, a, b);
            out.insert(out.end(), part.begin(), part.end());
        }
    return out;
}

TEST(Dictionary, EmptyEngineHasDefaultsAndNoWords)
{
    Engine e;
    EXPECT_EQ(e.cNumberOfWords(), 0);
    EXPECT_EQ(e.cMinWordSize(), 3);
    EXPECT_EQ(e.cMaxWordSize(), 16);
    EXPECT_FALSE(e.contains("cat"));
    EXPECT_EQ(e.cDictIndex(0, 0), -1);
    EXPECT_TRUE(allWords(e).empty());
}

TEST(Dictionary, AddRemoveContainsAndCount)
{
    Engine e;
    e.cDictionaryAdd("cat");
    e.cDictionaryAdd("cart");
    e.cDictionaryAdd("ca");
    EXPECT_EQ(e.cNumberOfWords(), 3);
    EXPECT_TRUE(e.contains("cat"));
    EXPECT_TRUE(e.contains("ca"));
    EXPECT_FALSE(e.contains("car")); // a prefix of a word is not a word
    EXPECT_FALSE(e.contains("cats"));

    e.cDictionaryAdd("cat"); // already there
    EXPECT_EQ(e.cNumberOfWords(), 3);
    e.cDictionaryRemove("dog"); // not there
    e.cDictionaryRemove("car"); // only a prefix
    EXPECT_EQ(e.cNumberOfWords(), 3);

    e.cDictionaryRemove("cat");
    EXPECT_FALSE(e.contains("cat"));
    EXPECT_TRUE(e.contains("cart"));
    EXPECT_EQ(e.cNumberOfWords(), 2);

    e.cDictionaryClear();
    EXPECT_EQ(e.cNumberOfWords(), 0);
    EXPECT_FALSE(e.contains("cart"));
}

TEST(Dictionary, AddIgnoresAnythingButTwoToSixteenLowerCaseLetters)
{
    Engine e;
    for (const char* bad : {"", "a", "Cat", "CAT", "ca t", "cat1", "don't", "caf\xc3\xa9",
                            "abcdefghijklmnopq", "\n", "cat\n"})
        e.cDictionaryAdd(bad);
    EXPECT_EQ(e.cNumberOfWords(), 0);
    e.cDictionaryAdd("ab");
    e.cDictionaryAdd("abcdefghijklmnop");
    EXPECT_EQ(e.cNumberOfWords(), 2);
    EXPECT_TRUE(e.contains("abcdefghijklmnop"));
    EXPECT_FALSE(e.contains("Ab"));
}

TEST(Dictionary, LookupsAgreeWithASetThroughManyEdits)
{
    // Interleave edits with the questions that need the compact form, so both forms of
    // the word store are exercised and converted back and forth.
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> len(2, 6), letter(0, 3), op(0, 9);
    Engine e;
    std::set<std::string> model;
    for (int step = 0; step < 3000; ++step) {
        std::string w(static_cast<std::size_t>(len(rng)), 'a');
        for (char& c : w)
            c = static_cast<char>('a' + letter(rng));
        const int o = op(rng);
        if (o < 5) {
            e.cDictionaryAdd(w);
            model.insert(w);
        } else if (o < 8) {
            e.cDictionaryRemove(w);
            model.erase(w);
        } else if (o == 8) {
            ASSERT_EQ(e.cDictIndex(idx(w[0]), idx(w[1])) >= 0,
                      std::any_of(model.begin(), model.end(),
                                  [&](const std::string& m) { return m.compare(0, 2, w, 0, 2) == 0; }));
        }
        ASSERT_EQ(e.contains(w), model.count(w) == 1) << w;
        ASSERT_EQ(e.cNumberOfWords(), static_cast<int>(model.size()));
    }
    EXPECT_EQ(allWords(e), std::vector<std::string>(model.begin(), model.end()));
}

TEST(Dictionary, ListingGivesThePrefixWordsAlphabetically)
{
    Engine e;
    for (const char* w : {"cats", "cat", "cab", "ca", "cz", "cabbage", "dog", "bca", "czar"})
        e.cDictionaryAdd(w);
    EXPECT_EQ(listing(e, 'c', 'a'),
              (std::vector<std::string>{"ca", "cab", "cabbage", "cat", "cats"}));
    EXPECT_EQ(listing(e, 'c', 'z'), (std::vector<std::string>{"cz", "czar"}));
    EXPECT_TRUE(listing(e, 'c', 'b').empty());
    // After the end the listing keeps answering "".
    e.cStartDecodingWords(idx('d'), idx('o'));
    EXPECT_EQ(e.cDecodeNextWord(), "dog");
    EXPECT_EQ(e.cDecodeNextWord(), "");
    EXPECT_EQ(e.cDecodeNextWord(), "");
}

TEST(Dictionary, DictIndexTellsWhetherAnyWordStartsWithTwoLetters)
{
    Engine e;
    e.cDictionaryAdd("ox"); // a two-letter word counts for its own two letters
    e.cDictionaryAdd("zebra");
    EXPECT_GE(e.cDictIndex(idx('o'), idx('x')), 0);
    EXPECT_GE(e.cDictIndex(idx('z'), idx('e')), 0);
    EXPECT_EQ(e.cDictIndex(idx('z'), idx('a')), -1);
    EXPECT_EQ(e.cDictIndex(idx('e'), idx('z')), -1);
    for (auto [a, b] : {std::pair{-1, 0}, {0, -1}, {26, 4}, {25, 26}, {1000, 1000}})
        EXPECT_EQ(e.cDictIndex(a, b), -1) << a << "," << b;
    e.cStartDecodingWords(-1, 30); // out of range: an empty listing, no crash
    EXPECT_EQ(e.cDecodeNextWord(), "");
}

TEST(Dictionary, WordSizeSettersClamp)
{
    Engine e;
    e.cSetMinWordSize(1);
    EXPECT_EQ(e.cMinWordSize(), 2);
    e.cSetMinWordSize(99);
    EXPECT_EQ(e.cMinWordSize(), 16);
    e.cSetMaxWordSize(-5);
    EXPECT_EQ(e.cMaxWordSize(), 2);
    e.cSetMaxWordSize(17);
    EXPECT_EQ(e.cMaxWordSize(), 16);
    e.cSetMaxWordSize(8);
    e.cSetMinWordSize(4);
    EXPECT_EQ(e.cMinWordSize(), 4);
    EXPECT_EQ(e.cMaxWordSize(), 8);
}

TEST(Dictionary, ReduceWordSizeRemovesOnlyLongerWords)
{
    Engine e;
    for (const char* w : {"ab", "abcde", "abcdef", "abcdefg", "zzzzzzzzzzzzzzzz"})
        e.cDictionaryAdd(w);
    e.cSetMaxWordSize(16);
    e.cReduceWordSize();
    EXPECT_EQ(e.cNumberOfWords(), 5);
    e.cSetMaxWordSize(6);
    EXPECT_EQ(e.cNumberOfWords(), 5); // lowering the limit alone keeps the words
    e.cReduceWordSize();
    EXPECT_EQ(allWords(e), (std::vector<std::string>{"ab", "abcde", "abcdef"}));
    EXPECT_EQ(e.cNumberOfWords(), 3);
}

TEST(Dictionary, WriteTextFileListsEveryWordAlphabetically)
{
    enginetest::TempDir dir;
    Engine e;
    for (const char* w : {"pear", "apple", "ox", "apples", "zoo"})
        e.cDictionaryAdd(w);
    ASSERT_TRUE(e.cWriteTextFile(dir.path("out.txt")));
    EXPECT_EQ(enginetest::readFile(dir.path("out.txt")), "apple\napples\nox\npear\nzoo\n");
    // After an edit the new word is written too.
    e.cDictionaryAdd("banana");
    ASSERT_TRUE(e.cWriteTextFile(dir.path("out.txt")));
    EXPECT_EQ(enginetest::readFile(dir.path("out.txt")), "apple\napples\nbanana\nox\npear\nzoo\n");

    EXPECT_FALSE(e.cWriteTextFile(dir.path("")));                   // the folder itself
    EXPECT_FALSE(e.cWriteTextFile(dir.path("no/such/folder/x.txt")));
}

} // namespace
