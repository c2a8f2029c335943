// SPDX-License-Identifier: GPL-3.0-or-later
// The messages' wire form: exact texts at the edges, random messages read back as they
// were written, and every malformed shape dropped.
#include "core/network/Wire.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace Wire;

const std::string kSettings = "Standard,NoRepeatLetters,180,3,-";

TEST(Wire, textsAtTheEdges)
{
    const PlayerEntry host{1, "PlayerA", "DESK1", "192.0.2.5", "PC", "Host", "Waiting for players"};
    const std::pair<Message, std::string> cases[] = {
        {Ack{812, 100, "PT"}, "AK|812|100|PT"},
        // A table of the host alone: 11 fields after the code.
        {PlayerTable{812, 7, kSettings, {host}},
         "PT|812|7|" + kSettings + "|1|1|PlayerA|DESK1|192.0.2.5|PC|Host|Waiting for players"},
        {GameResults{812, {{}, {"emu"}}}, "GR|812|0|1|emu"}, // the next count follows at once
        {NewGame{812, kSettings, "ABCDEFGHIJKLMNOP", {}}, "NG|812|" + kSettings + "|ABCDEFGHIJKLMNOP|0"},
        // An empty name keeps the later fields in place; the reserved field ends it.
        {Identify{1, 0, "", "DESK7", "192.0.2.9", "PC", "->192.0.2.5"}, "ID|1|0||DESK7|192.0.2.9|PC|->192.0.2.5|"},
        {IdentityReply{812, 100}, "IR|812|100|812"},
        // The separator cannot travel inside a name; names stop at 50 characters.
        {HostAnswer{"a|b"}, "HA|a\xC2\xA6" "b"},
        {HostAnswer{"\xC3\xA9" + std::string(60, 'x')}, "HA|\xC3\xA9" + std::string(49, 'x')},
    };
    for (const auto& [message, text] : cases)
        EXPECT_EQ(Text(message), text);
    // Capitals from a peer are folded: words to lower case, the board to capitals.
    const auto pr = Parse("PR|812|100|2|CAT|Dog"), ng = Parse("NG|1|" + kSettings + "|abcdefghijklmnoq|0");
    EXPECT_EQ(std::get<PlayerResults>(pr.message).PlayerWords, (Words{"cat", "dog"}));
    EXPECT_EQ(std::get<NewGame>(ng.message).Board, "ABCDEFGHIJKLMNOQ");
}

// Random messages of every kind are read back as written; dropping the last field of any
// whose fields are all required makes it malformed.
TEST(Wire, randomMessagesReadBackAsWritten)
{
    std::mt19937 draw(5);
    const auto below = [&](int n) { return static_cast<int>(draw() % static_cast<unsigned>(n)); };
    const auto number = [&](int bits) { return static_cast<std::int32_t>(draw() >> (bits == 16 ? 17 : 1)) * (below(2) ? 1 : -1); };
    const auto name = [&] {
        std::string s;
        for (int i = below(52); i > 0; --i)
            s += std::vector<std::string>{"a", "Z", " ", ",", "-", ">", "\xC3\xA9", "\xE2\x82\xAC"}[below(8)];
        return CleanName(s);
    };
    const auto words = [&] {
        Words w(static_cast<std::size_t>(below(4)));
        for (std::string& word : w)
            word = std::string(static_cast<std::size_t>(1 + below(16)), static_cast<char>('a' + below(26)));
        return w;
    };
    const auto settings = [&] {
        return std::string(below(2) ? "Frantic" : "Blitz") + (below(2) ? ",RepeatLetters," : ",x,") +
               std::to_string(number(16)) + "," + std::to_string(number(32)) + "," + (below(2) ? "-" : ">25,fr");
    };
    const auto entry = [&] { return PlayerEntry{number(16), name(), name(), name(), name(), name(), name()}; };
    for (int round = 0; round < 1000; ++round) {
        const std::int32_t id = number(32);
        std::vector<Message> all = {
            Ack{id, number(16), name()}, Goodbye{id, number(16)}, HostAnswer{name()}, Hello{},
            Identify{number(16), number(16), name(), name(), name(), name(), name()},
            IdentityReply{id, 2 + below(32000)}, NewGame{id, settings(), "QUITABCDEFGHIJKL", words()},
            PlayerResults{id, number(16), words()}, Ignored{below(2) ? "RC" : "RQ", id}, WrongGame{},
            TableCurrent{id}, StatusReport{id, number(16), number(32)}};
        GameResults results{id, {}};
        PlayerTable table{id, number(32), settings(), {}};
        for (int i = below(21); i >= 0; --i)
            results.PlayerWords.push_back(words()), table.Players.push_back(entry());
        all.push_back(results);
        all.push_back(table);
        for (const Message& m : all) {
            const std::string text = Text(m);
            const ParseResult back = Parse(text);
            ASSERT_EQ(back.outcome, Parsed::Ok) << text;
            EXPECT_TRUE(back.message == m && back.code == CodeOf(m) && back.gameId == GameIdOf(m)) << text;
            const std::string code = CodeOf(m);
            if (code != "GR" && code != "HI" && code != "WG" && code != "IR") {
                EXPECT_EQ(Parse(text.substr(0, text.rfind('|'))).outcome, Parsed::Malformed) << text;
            }
        }
    }
}

// A field or a list entry cut off is caught by the random round trip above.
TEST(Wire, malformedAndUnknownTextsAreDropped)
{
    const std::string table1 = "|1|1|n|d|a|PC|Host|s";
    const std::pair<std::string, Parsed> cases[] = {
        {"AK|1|\xC0\xAF|GB", Parsed::Malformed}, // not UTF-8, so Windows-1252: "À¯"
        {"GB|1|32768", Parsed::Malformed},
        {"GB|1|-32768", Parsed::Ok},
        {"WT|-2147483648|2|007", Parsed::Ok},
        {"PR|1|100|-1", Parsed::Malformed},
        {"PT|1|1|" + kSettings + "|0", Parsed::Malformed},
        {"PT|1|1|" + kSettings + "|1" + table1, Parsed::Ok},
        {"PT|1|1|" + kSettings + "|22", Parsed::Malformed},
        {"NG|1|Standard,NoRepeatLetters,3:00,3,-|ABCDEFGHIJKLMNOP|0", Parsed::Malformed},
        {"NG|1|" + kSettings + "|ABCDEFGHIJKLMNO|0", Parsed::Malformed},
        {"NG|1|" + kSettings + "|ABCDEFGHIJKLMNO1|0", Parsed::Malformed},
        {"IR|1|1|1", Parsed::Malformed},
        {"GR|1", Parsed::Malformed},
        {"GR|1|1", Parsed::Malformed},
        {"GR|1|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0|0", Parsed::Malformed}, // 22 lists
        {"XX|1", Parsed::Unknown},
        {"ak|1|2|GB", Parsed::Unknown},
        {"", Parsed::Unknown},
    };
    for (const auto& [text, outcome] : cases)
        EXPECT_EQ(Parse(text).outcome, outcome) << text;
    for (const std::string number : {"x", "+5", " 5", "", "1e3", "0x10", "-", "2147483648"})
        EXPECT_EQ(Parse("GB|" + number + "|1").outcome, Parsed::Malformed) << number;
    EXPECT_EQ(Parse("XX|77").gameId, 77) << "an unknown code's game id is still checked";
}

// Names lose what would make them lie or split a table cell; text from a peer that writes
// its system's code page (not UTF-8) is read as Windows-1252.
TEST(Wire, namesShowWhatTheySay)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\xE2\x80\xAE" "evil", "evil"}, // a right-to-left override made it read "live"
        {"a\xE2\x80\x8E\xE2\x80\x8F\xE2\x80\xAA\xE2\x80\xAC\xE2\x81\xA6\xE2\x81\xA9" "b", "ab"},
        {"A\r\nB\nC\rD\xE2\x80\xA8" "E", "A B C D E"},
        {"a\x01\x1B\x7F\xC2\x80\xC2\x9F" "b\t", "ab"},
        {std::string(3, '\x01') + std::string(52, 'x'), std::string(50, 'x')}, // removed, not counted
        {"Ren\xE9", "Ren\xC3\xA9"},
        {"\xC2\xA1" "a\xC2\xA0" "b", "\xC2\xA1" "a\xC2\xA0" "b"}, // just past the C1 controls
        {"\x80 \x81\x9F", "\xE2\x82\xAC \xC5\xB8"}, // undefined 0x81 is a C1 control
        {"\xE2\x82", "\xC3\xA2\xE2\x80\x9A"}, // a cut UTF-8 sequence is not UTF-8
    };
    for (const auto& [raw, shown] : cases) {
        const ParseResult r = Parse("HA|" + raw);
        ASSERT_EQ(r.outcome, Parsed::Ok) << raw;
        EXPECT_EQ(std::get<HostAnswer>(r.message).Address, shown) << raw;
    }
}

} // namespace
