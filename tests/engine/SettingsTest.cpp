// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store, kept in a temporary folder.
#include "TestFiles.h"
#include "engine/Settings.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using engine::kSettingsKey;
using engine::SettingsStore;

TEST(Settings, ValuesAreCutToTheLengthWithoutSplittingACharacter)
{
    enginetest::TempDir dir;
    SettingsStore store(dir.path());
    EXPECT_FALSE(store.cGetRegValue(kSettingsKey, "Player", 64)) << "absent";
    // Each case: the stored value, the longest value read, what is read (nothing: "").
    const struct { const char* value; int length; const char* read; } cases[] = {
        {"", 64, ""}, {"Ann", -3, ""}, {"Ann", 1, "A"}, {"Bartholomew", 4, "Bart"}, {"Bartholomew", 11, "Bartholomew"},
        {"Z\xc3\xb3\xc3\xa9", 2, "Z"}, {"Z\xc3\xb3\xc3\xa9", 4, "Z\xc3\xb3"}, {"\xe2\x82\xac", 2, ""}};
    for (const auto& c : cases) {
        store.cSetRegValue(kSettingsKey, "Player", c.value);
        EXPECT_EQ(store.cGetRegValue(kSettingsKey, "Player", c.length).value_or(""), c.read)
            << c.value << " " << c.length;
        EXPECT_EQ(store.cGetRegValue(kSettingsKey, "Player", c.length).has_value(), *c.read != 0);
    }
    // The file keeps the key's last part as its group, as players who edit it expect.
    ASSERT_TRUE(store.sync());
    EXPECT_EQ(QSettings(dir.filePath("Lettro.ini"), QSettings::IniFormat).value("Default/Player").toString().toStdString(),
              "\xe2\x82\xac");
}

// A pipe in place of the file, which would be waited on for ever, is left alone: nothing
// is read from it or stored.
TEST(Settings, APipeInPlaceOfTheFileIsNotUsed)
{
    enginetest::TempDir dir;
    ASSERT_EQ(mkfifo(dir.path("Lettro.ini").c_str(), 0600), 0);
    SettingsStore store(dir.path());
    store.cSetRegValue(kSettingsKey, "Player", "Ann");
    EXPECT_FALSE(store.cGetRegValue(kSettingsKey, "Player", 64));
    EXPECT_FALSE(store.sync());
}

} // namespace
