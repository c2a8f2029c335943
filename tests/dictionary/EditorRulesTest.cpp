// The editor's rules without windows: word checks, two-letter starts, listings, the bar.
#include "dictionary/EditorRules.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

namespace {

using Dictionary::CheckEditorWord;
using Dictionary::EditorWordCheck;

TEST(EditorRules, wordChecks)
{
    EXPECT_EQ(CheckEditorWord(""), EditorWordCheck::Empty);
    EXPECT_EQ(CheckEditorWord("ab"), EditorWordCheck::BadLength);
    EXPECT_EQ(CheckEditorWord("abc"), EditorWordCheck::Ok);
    EXPECT_EQ(CheckEditorWord("abcdefghijklmnop"), EditorWordCheck::Ok); // 16
    EXPECT_EQ(CheckEditorWord("abcdefghijklmnopq"), EditorWordCheck::BadLength); // 17
    EXPECT_EQ(CheckEditorWord("ca7"), EditorWordCheck::NonAlphabetic);
    EXPECT_EQ(CheckEditorWord("ice cream"), EditorWordCheck::NonAlphabetic);
    EXPECT_EQ(CheckEditorWord("caf\u00e9"), EditorWordCheck::NonAlphabetic);
    EXPECT_EQ(CheckEditorWord("Cat"), EditorWordCheck::NonAlphabetic)
        << "the caller lower-cases; a capital here is not a letter a-z";
    // Length comes first: a short word with a digit gets the length message.
    EXPECT_EQ(CheckEditorWord("a1"), EditorWordCheck::BadLength);
}

TEST(EditorRules, startsAndListings)
{
    engine::Engine e;
    EXPECT_TRUE(Dictionary::StartingLetterPairs(e).empty());
    for (const char* w : {"zebra", "cattle", "cat", "aardvark", "cow"})
        e.cDictionaryAdd(w);
    EXPECT_EQ(Dictionary::StartingLetterPairs(e),
              (std::vector<QString>{"AA", "CA", "CO", "ZE"}));

    EXPECT_EQ(Dictionary::WordsStartingWith(e, "CA"),
              (std::vector<std::string>{"cat", "cattle"}));
    EXPECT_EQ(Dictionary::WordsStartingWith(e, "co"), (std::vector<std::string>{"cow"}));
    EXPECT_TRUE(Dictionary::WordsStartingWith(e, "CB").empty());
    for (const char* bad : {"", "C", "CAT", "C1", "@A", "\u00c9A"})
        EXPECT_TRUE(Dictionary::WordsStartingWith(e, bad).empty()) << bad;
}

TEST(EditorRules, indicatorWidth)
{
    EXPECT_EQ(Dictionary::IndicatorWidth(316, 0), 0);
    EXPECT_EQ(Dictionary::IndicatorWidth(316, 50), 158);
    EXPECT_EQ(Dictionary::IndicatorWidth(316, 33), 104); // 104.28
    EXPECT_EQ(Dictionary::IndicatorWidth(316, 99), 313); // 312.84
    EXPECT_EQ(Dictionary::IndicatorWidth(316, 100), 316);
    EXPECT_EQ(Dictionary::IndicatorWidth(316, 250), 316) << "never wider than the bar";
    EXPECT_EQ(Dictionary::IndicatorWidth(316, -5), 0);
}

} // namespace
