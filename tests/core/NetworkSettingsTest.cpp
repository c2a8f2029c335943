// SPDX-License-Identifier: GPL-3.0-or-later
// The network game's settings: their text, applying a received one within the options'
// ranges, as the lobby's controls show them; the board language with them. The host's
// changes are made through the lobby's controls in LobbyTest.
#include "MemoryTransport.h"

#include "core/network/NetworkSettings.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using namespace NetworkSettings;

struct SettingsLobby : InMemory {
    explicit SettingsLobby(int mode)
    {
        p.game.GameMode = mode;
        p.engine.cSetMaxWordSize(12);
        p.network.Players = {{.PlayerId = 1}, {.PlayerId = 100, .Connected = true, .Handle = 5}};
    }
    // The lobby's controls: items chosen, shown or not, editable or not.
    std::string shown() const
    {
        const LobbySettings& l = p.network.Lobby;
        const auto item = [](const std::vector<std::string>& items, int i) {
            return i >= 0 && i < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(i)] : "?";
        };
        return item(l.GameTypeItems, l.GameTypeIndex) + (l.RepeatLetters ? " repeat " : " ") +
               (l.TimeShown ? item(l.TimeItems, l.TimeIndex) : "(" + item(l.TimeItems, l.TimeIndex) + ")") +
               " " + item(l.MinWordSizeItems, l.MinWordSizeIndex) + " " + item(l.NumWordsItems, l.NumWordsIndex) +
               (l.Shown ? "" : " hidden") + (l.Editable ? " editable" : "");
    }
};

TEST(NetworkSettings, receivedTextsAreAppliedWithinTheOptionsRanges)
{
    // Each case: the text received, the settings it leaves as text, what the lobby shows.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Frantic,RepeatLetters,300,4,>50", "Frantic,RepeatLetters,300,4,>50", "Frantic repeat (5:00) 4 >50"},
        {"Standard,NoRepeatLetters,5,99,>30", "Standard,NoRepeatLetters,15,12,-", "Standard 0:15 12 Any"},
        {"Blitz,repeatletters,32767,-3,<25", "Standard,NoRepeatLetters,1800,3,<25", "Standard 30:00 3 <25"},
    };
    SettingsLobby player(NetworkPlayer);
    for (const auto& [text, applied, shown] : cases) {
        EXPECT_TRUE(ApplySettings(player.p, text));
        EXPECT_EQ(EncodeSettings(player.p), applied);
        EXPECT_EQ(player.shown(), shown);
    }
    // Not settings texts: nothing changes.
    for (const char* bad : {"Standard,NoRepeatLetters,180,3", "Frantic,RepeatLetters,180,3,-,fr,x",
                            "Frantic,RepeatLetters,40000,3,-", "Frantic,RepeatLetters,3:00,3,-"})
        EXPECT_FALSE(ApplySettings(player.p, bad)) << bad;
    EXPECT_EQ(EncodeSettings(player.p), "Standard,NoRepeatLetters,1800,3,<25");
    EXPECT_TRUE(player.net->sent.empty()) << "a player publishes nothing";

    // A time the list does not offer keeps the list's choice.
    ASSERT_TRUE(ApplySettings(player.p, "Standard,NoRepeatLetters,100,3,-"));
    EXPECT_EQ(player.shown(), "Standard 30:00 3 Any");

    // The host's board language comes with its settings; leaving brings the own back.
    player.p.ProgramFolder = QFileInfo(LETTRO_SHIPPED_DICTIONARY).absolutePath().toStdString();
    player.p.savedForNetwork = SavedGameSettings{};
    ASSERT_TRUE(ApplySettings(player.p, "Standard,NoRepeatLetters,180,3,-,fr"));
    EXPECT_EQ(EncodeSettings(player.p), "Standard,NoRepeatLetters,180,3,-,fr");
    EXPECT_TRUE(player.p.engine.contains("eleve")) << "the French dictionary";
    RestoreSavedSettings(player.p);
    EXPECT_EQ(player.p.dictionary.Language, "en");
    EXPECT_FALSE(player.p.engine.contains("eleve"));
}

} // namespace
