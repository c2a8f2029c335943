#include "core/game/SettingsText.h"

#include <gtest/gtest.h>

namespace {

using namespace SettingsText;

TEST(SettingsText, wholeNumbersOnly)
{
    EXPECT_EQ(WholeNumber("180"), 180);
    EXPECT_EQ(WholeNumber(" 42 "), 42);
    EXPECT_EQ(WholeNumber("0"), 0);
    EXPECT_FALSE(WholeNumber(""));
    EXPECT_FALSE(WholeNumber("   "));
    EXPECT_FALSE(WholeNumber("12a"));
    EXPECT_FALSE(WholeNumber("1.5"));
    EXPECT_FALSE(WholeNumber("-3"));
    EXPECT_FALSE(WholeNumber("+3"));
    EXPECT_FALSE(WholeNumber("99999999999")) << "too large for any setting";
    EXPECT_FALSE(WholeNumber("0x10"));
}

TEST(SettingsText, allowedValues)
{
    EXPECT_TRUE(IsTimeLimit(15));
    EXPECT_TRUE(IsTimeLimit(1200));
    EXPECT_FALSE(IsTimeLimit(90));
    EXPECT_FALSE(IsTimeLimit(0));
    for (const char* code : kNumWordsCodes)
        EXPECT_TRUE(IsNumWordsCode(code)) << code;
    EXPECT_FALSE(IsNumWordsCode(">30"));
    EXPECT_FALSE(IsNumWordsCode(""));
    EXPECT_FALSE(IsNumWordsCode("-1"));
}

TEST(SettingsText, dialogItemsRoundTrip)
{
    for (const char* code : kNumWordsCodes)
        EXPECT_EQ(NumWordsCode(NumWordsItem(code)), code);
    EXPECT_EQ(NumWordsItem(">100"), "More than 100");
    EXPECT_EQ(NumWordsItem("<25"), "Less than 25");
    EXPECT_EQ(NumWordsItem("-"), "No limits");

    EXPECT_EQ(SecondsFromTimeItem("0:15"), 15);
    EXPECT_EQ(SecondsFromTimeItem("3:00"), 180);
    EXPECT_EQ(SecondsFromTimeItem("10:00"), 600);
    EXPECT_EQ(SecondsFromTimeItem("30:00"), 1800);

    EXPECT_EQ(SizeFromItem("3 letters"), 3);
    EXPECT_EQ(SizeFromItem("16 letters"), 16);
    EXPECT_FALSE(SizeFromItem(""));
}

} // namespace
