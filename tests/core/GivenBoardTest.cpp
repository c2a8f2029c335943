// SPDX-License-Identifier: GPL-3.0-or-later
// Boards given by a code or typed in: the codes, playing and solving such a board, and
// the board of the day.
#include "DictionaryProgram.h"

#include "core/game/BoardCode.h"
#include "core/game/GivenBoard.h"
#include "core/game/Results.h"
#include "core/game/SettingsText.h"
#include "engine/Languages.h"

#include <QDate>

#include <random>

namespace {

std::string Cleaned(std::string code)
{
    return std::erase(code, '-'), code;
}

TEST(BoardCode, randomBoardsRoundTripAndEveryTypoIsRefused)
{
    std::mt19937 random(29);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::string symbols = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int round = 0; round < 300; ++round) {
        BoardCode::GivenBoard given;
        given.Language = engine::languages()[static_cast<std::size_t>(pick(7))].code;
        for (int k = 0; k < 16; ++k)
            given.Board += static_cast<char>('A' + pick(26));
        given.GameType = pick(2);
        given.TimeLimit = SettingsText::kTimeLimits[static_cast<std::size_t>(pick(10))];
        given.MinWordSize = 2 + pick(15);
        given.RepeatLetters = pick(2) == 1;
        const std::string code = BoardCode::Encode(given);
        ASSERT_EQ(code.size(), 27u) << given.Board;
        const std::string plain = Cleaned(code);
        for (const std::string& written :
             {code, plain, QString::fromStdString(code).toLower().toStdString()}) {
            const BoardCode::Reading read = BoardCode::Decode(written);
            ASSERT_TRUE(read.given && read.settings) << written << ": " << read.error;
            EXPECT_EQ(*read.given, given) << written;
        }
        // Every kind of typo is refused with a reason, never read as another board.
        std::vector<std::string> typos;
        for (std::size_t at = 0; at < plain.size(); ++at) {
            for (char c : symbols)
                if (c != plain[at])
                    typos.push_back(plain.substr(0, at) + c + plain.substr(at + 1));
            if (at + 1 < plain.size() && plain[at] != plain[at + 1])
                typos.push_back(plain.substr(0, at) + plain[at + 1] + plain[at] + plain.substr(at + 2));
            typos.push_back(plain.substr(0, at)); // cut short
            typos.push_back(plain.substr(0, at) + plain.substr(at + 1)); // a character left out
        }
        typos.push_back(plain + "A");
        for (const std::string& typo : typos) {
            const BoardCode::Reading read = BoardCode::Decode(typo);
            ASSERT_FALSE(read.given) << code << " misread as " << typo;
            ASSERT_FALSE(read.error.empty()) << typo;
        }
    }
    // Reasons a user can act on; 16 letters alone are a board played with one's own settings.
    const std::string example = BoardCode::Encode({"fr", "QETISSOYWOIVAATI", 0, 180, 3, false});
    const struct { std::string text; std::string error; } cases[] = {
        {"qetis soyw-oiva ati", ""}, // read as QETISSOYWOIVAATI by the round trip's rule
        {"2" + Cleaned(example).substr(1), "This board code is of version 2, which this Lettro cannot read"},
        {example.substr(0, 20), "A board code has 22 letters and digits"},
        {"QETISSOYWOIVAAT", "A board is 16 letters (Q for Qu), and this is 15"},
        {"QETISSOYW.IVAATI", "A board code holds only letters, digits"},
        {"QETISSOYW0IVAATI", "A board is 16 letters (Q for Qu), and this is 16 with digits"},
        {example.substr(0, 26) + (example.back() == 'Z' ? 'Y' : 'Z'), "This board code has a typo"},
        {"", "Type a board code"},
    };
    for (const auto& c : cases) {
        const BoardCode::Reading read = BoardCode::Decode(c.text);
        EXPECT_EQ(read.error.substr(0, c.error.size()), c.error) << c.text;
        EXPECT_EQ(read.given.has_value(), c.error.empty()) << c.text;
    }
    EXPECT_EQ(BoardCode::Encode({"xx", "QETISSOYWOIVAATI", 0, 180, 3, false}), "");
    EXPECT_EQ(BoardCode::Encode({"en", "QETISSOYWOIVAATI", 0, 170, 3, false}), "");
}

TEST(GivenBoard, theBoardOfTheDayIsTheDatesAndLanguagesAndChangesEveryDay)
{
    for (const engine::Language& language : engine::languages()) {
        std::string yesterday;
        for (QDate day(2026, 1, 1); day.year() == 2026; day = day.addDays(1)) {
            const std::string date = day.toString(Qt::ISODate).toStdString();
            const BoardCode::GivenBoard board = Given::BoardOfTheDay(language.code, date);
            ASSERT_EQ(board, Given::BoardOfTheDay(language.code, date));
            ASSERT_NE(board.Board, yesterday) << date;
            ASSERT_EQ(BoardCode::Encode(board).substr(1, 4),
                      QString::fromLatin1(language.code).toUpper().toStdString() + "42") // Standard, 3:00, 3 letters, no repeats
                << date;
            yesterday = board.Board;
        }
    }
}

// A given board plays with its code's settings and no shake, its solve is the results'
// "All Words" with their paths and points, and the user's own settings come back after.
TEST(GivenBoard, playsWithItsSettingsAndSolvesAsTheResultsShow)
{
    DictionaryProgram d({"cat", "cats", "cod", "coda", "stag", "stage", "quit", "quite", "dog",
                         "gods", "tact", "zebra"},
                        false);
    Program& p = d.p;
    auto* draws = new ScriptedRandom({0.0f});
    p.random.reset(draws);
    Game::StartUp(p);
    const std::string board = BoardFromText("CATS/ODGE/BQIT/LXYZ");
    const BoardCode::GivenBoard given{"en", board, Frantic, 60, 4, true};
    ASSERT_TRUE(Given::PlayGivenBoard(p, given));
    EXPECT_EQ(draws->draws, 0) << "a given board is not shaken";
    EXPECT_EQ(p.game.TimeRemaining, 15);
    Enter(p, {"cats", "tact", "dog"});
    Game::EndGameNow(p);
    ASSERT_TRUE(p.results.Open);
    Results::ChooseItem(p, Results::Selector::Dict, 0); // "All Words"
    const std::vector<Given::SolvedWord> solved = Given::SolveBoard(p.engine, board, true);
    const std::vector<Results::ShownRow> rows = Results::ShownRows(p, Results::Selector::Dict);
    ASSERT_EQ(rows.size(), solved.size());
    std::string words;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        words += solved[i].Word + ' ';
        EXPECT_EQ(rows[i].text + std::to_string(rows[i].points),
                  solved[i].Word + std::to_string(solved[i].Points));
        Results::ShowWordPath(p, rows[i].text);
        EXPECT_EQ(p.results.PathOrder, solved[i].Path) << rows[i].text;
    }
    EXPECT_EQ(words, "cats coda quit quite stag stage ") << "four letters at least";
    Results::ResultsWindowClosed(p);
    EXPECT_EQ(p.game.TimeLimit * 100 + p.engine.cMinWordSize() * 10 + p.options.RepeatLetters,
              180 * 100 + 30);
    EXPECT_FALSE(p.highScores.GameToEnter) << "a given board enters no high-score table";
}

} // namespace
