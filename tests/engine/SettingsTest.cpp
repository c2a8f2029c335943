// The settings store, kept in a temporary folder.
#include "TestFiles.h"
#include "engine/Settings.h"

#include <gtest/gtest.h>

namespace {

using engine::kSettingsKey;
using engine::SettingsStore;

TEST(Settings, AbsentAndEmptyValuesGiveNothing)
{
    enginetest::TempDir dir;
    SettingsStore store(dir.dir().string());
    EXPECT_FALSE(store.cGetRegValue(kSettingsKey, "Player", 64).has_value());
    store.cSetRegValue(kSettingsKey, "Player", "");
    EXPECT_FALSE(store.cGetRegValue(kSettingsKey, "Player", 64).has_value());
    store.cSetRegValue(kSettingsKey, "Player", "Ann");
    EXPECT_FALSE(store.cGetRegValue(kSettingsKey, "Player", 0).has_value());
    EXPECT_FALSE(store.cGetRegValue(kSettingsKey, "Player", -3).has_value());
}

TEST(Settings, ValuesAreCutToTheMaximumLength)
{
    enginetest::TempDir dir;
    SettingsStore store(dir.dir().string());
    store.cSetRegValue(kSettingsKey, "Player", "Bartholomew");
    EXPECT_EQ(store.cGetRegValue(kSettingsKey, "Player", 4), "Bart");
    EXPECT_EQ(store.cGetRegValue(kSettingsKey, "Player", 11), "Bartholomew");
    EXPECT_EQ(store.cGetRegValue(kSettingsKey, "Player", 100), "Bartholomew");
}

TEST(Settings, CuttingNeverSplitsACharacter)
{
    enginetest::TempDir dir;
    SettingsStore store(dir.dir().string());
    store.cSetRegValue(kSettingsKey, "Player", "Z\xc3\xb3\xc3\xa9");  // "Zóé": 5 bytes
    EXPECT_EQ(store.cGetRegValue(kSettingsKey, "Player", 2), "Z");
    EXPECT_EQ(store.cGetRegValue(kSettingsKey, "Player", 3), "Z\xc3\xb3");
    EXPECT_EQ(store.cGetRegValue(kSettingsKey, "Player", 4), "Z\xc3\xb3");
    store.cSetRegValue(kSettingsKey, "Mark", "\xe2\x82\xac"); // one 3-byte character
    EXPECT_FALSE(store.cGetRegValue(kSettingsKey, "Mark", 2).has_value());
}

TEST(Settings, ValuesSurviveANewStoreOnTheSameFolder)
{
    enginetest::TempDir dir;
    {
        SettingsStore store(dir.dir().string());
        store.cSetRegValue(kSettingsKey, "Dictionary", "/home/ann/words.dat");
        store.cSetRegValue(kSettingsKey, "Odd/Name\\", "slashes dropped");
        EXPECT_TRUE(store.sync());
    }
    SettingsStore again(dir.dir().string());
    EXPECT_EQ(again.cGetRegValue(kSettingsKey, "Dictionary", 260), "/home/ann/words.dat");
    EXPECT_EQ(again.cGetRegValue(kSettingsKey, "OddName", 260), "slashes dropped");
    // Every key lands in the same group: its last part names it.
    EXPECT_EQ(again.cGetRegValue("Other\\Path\\Default", "Dictionary", 260),
              "/home/ann/words.dat");
}

} // namespace
