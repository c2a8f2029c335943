// The editor's word rule without windows; the windows' tests cover the messages.
#include "core/dictionary/EditorRules.h"

#include <gtest/gtest.h>

namespace {

using Dictionary::CheckEditorWord;
using Dictionary::EditorWordCheck;

TEST(EditorRules, lengthIsJudgedBeforeLetters)
{
    EXPECT_EQ(CheckEditorWord(""), EditorWordCheck::Empty);
    EXPECT_EQ(CheckEditorWord("abc"), EditorWordCheck::Ok);
    EXPECT_EQ(CheckEditorWord("abcdefghijklmnop"), EditorWordCheck::Ok); // 16
    EXPECT_EQ(CheckEditorWord("a1"), EditorWordCheck::BadLength);
    EXPECT_EQ(CheckEditorWord("abcdefghijklmno7q"), EditorWordCheck::BadLength);
    EXPECT_EQ(CheckEditorWord("Cat"), EditorWordCheck::NonAlphabetic)
        << "the caller lower-cases; a capital here is not a letter a-z";
    EXPECT_EQ(CheckEditorWord("{}~"), EditorWordCheck::NonAlphabetic) << "just past 'z'";
    EXPECT_EQ(CheckEditorWord("`ab"), EditorWordCheck::NonAlphabetic) << "just before 'a'";
}

} // namespace
