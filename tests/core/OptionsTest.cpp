// SPDX-License-Identifier: GPL-3.0-or-later
// The options' rules on a program without windows: stored settings read at start-up,
// what the options dialog shows, what OK changes, and the way into network play.
#include "DictionaryProgram.h"

#include "core/game/Options.h"

#include <functional>
#include <sstream>

namespace {

using Common::OptionsValues;
using core::Answer;

// The stored settings, and two that must never be stored.
const char* kNames[] = {"TimeLimit", "MinWordSize",     "MaxWordSize",   "NumWordsLimit",
                        "Sounds",    "ShowUnusedWords", "RepeatLetters", "LeftHandedDisplay",
                        "ComputerOpponents", "ComputerStrength", "ShowWhereWordCanGo", "GameType",  "GameMode"};

// A program with a settings store in a temporary folder and a dictionary of words up to
// `limit` letters.
struct Machine : DictionaryProgram {
    explicit Machine(int limit = 16, int timeRemaining = 0, int type = 0, int mode = 0)
        : DictionaryProgram({"cat", "steam", "teamsters", "encyclopaedia"}, false)
    {
        p.engine.cSetMaxWordSize(limit);
        p.engine.cReduceWordSize();
        p.game.TimeRemaining = timeRemaining, p.game.GameType = type, p.game.GameMode = mode;
    }
    // The settings as they are stored, then the game's type, mode and time remaining.
    std::string settings() const
    {
        const Options& o = p.options;
        std::ostringstream s;
        s << p.game.TimeLimit << ' ' << p.engine.cMinWordSize() << ' '
          << p.engine.cMaxWordSize() << ' ' << o.NumWordsLimit << ' ' << o.SoundsOn << ' '
          << o.ShowUnusedWords << ' ' << o.RepeatLetters << ' ' << o.LeftHandedDisplay << ' '
          << o.ComputerOpponents << ' ' << ComputerPlayer::LevelName(o.ComputerLevel) << ' '
          << o.ShowWhereWordCanGo << " / "
          << p.game.GameType << ' ' << p.game.GameMode << ' ' << p.game.TimeRemaining;
        return s.str();
    }
    // The stored values in the order of kNames, "." for an absent one.
    std::string stored() const
    {
        std::string s;
        for (const char* name : kNames)
            s += (s.empty() ? "" : " ") +
                 p.settings->cGetRegValue(engine::kSettingsKey, name, 50).value_or(".");
        return s;
    }
};

TEST(ReadSettings, eachStoredValueOrItsDefaultAndTheLargestSizeAgainstTheDictionarysLimit)
{
    const QString shrink = "Dictionary contains words longer than 8 letters, is it OK to remove "
                           "the longer words from the dictionary?",
                  warning = "WARNING - dictionary is limited to words that have no more than 12 "
                            "letters, resetting Max Word Size option";
    // Stored values in the order of kNames ("." not stored), what start-up makes of them, and
    // for a dictionary of words up to `limit` letters, the questions asked and their answers.
    const struct {
        std::vector<std::string> values;
        std::string loaded;
        int limit = 16;
        std::vector<Answer> answers = {};
        QStringList texts = {};
    } cases[] = {
        {{}, "180 3 16 - 1 0 0 0 0 Medium 1"},
        {{"90", "1", "20", ">30", "2", "2", "yes", "2", "4", "hard", "no"}, "180 3 16 - 0 0 0 0 0 Medium 1"}, // only "1" is true, only "0" false
        {{"1200", "17", "0", "<50", "0", "1", "1", "1", "3", "Hard", "0"}, "1200 3 16 <50 0 1 1 1 3 Hard 0"},
        {{" 60 ", "4a", ".", ">100", ".", ".", ".", "."}, "60 3 16 >100 1 0 0 0 0 Medium 1"},
        {{"15", "2", "16", "-", "1", "0", "0", "0"}, "15 2 16 - 1 0 0 0 0 Medium 1"},
        {{"1800", "16", "16", "<25", "1", "0", "0", "0"}, "1800 16 16 <25 1 0 0 0 0 Medium 1"},
        {{".", ".", "20"}, "180 3 12 - 1 0 0 0 0 Medium 1", 12, {Answer::Ok}, {warning}},
        {{".", ".", "8"}, "180 3 8 - 1 0 0 0 0 Medium 1", 12, {Answer::Yes}, {shrink}},
        {{".", ".", "8"}, "180 3 12 - 1 0 0 0 0 Medium 1", 12, {Answer::No, Answer::Ok},
         {shrink, "Setting Max Word Size option to 12 letters"}},
    };
    for (const auto& c : cases) {
        Machine m(c.limit, 0, Frantic, TwoPlayer);
        for (std::size_t i = 0; i < c.values.size(); ++i)
            if (c.values[i] != ".")
                m.p.settings->cSetRegValue(engine::kSettingsKey, kNames[i], c.values[i]);
        for (Answer a : c.answers)
            m.prompter.answer(a);
        Settings::ReadSettings(m.p);
        EXPECT_EQ(m.settings(), c.loaded + " / 0 0 0") << "Standard, one player, after " << c.loaded;
        EXPECT_EQ(m.prompter.texts(), c.texts) << c.loaded;
        for (const core::Prompt& p : m.prompter.shown)
            EXPECT_EQ(p.defaultNo, p.text == shrink) << p.text.toStdString();
        const int max = m.p.engine.cMaxWordSize();
        EXPECT_EQ(std::tuple(m.p.options.LoadedMaxWordSize, m.p.dictionary.DictionaryUpdated,
                             m.p.engine.contains("teamsters"), m.p.engine.contains("steam")),
                  std::tuple(max, max == 8, max > 8, true))
            << c.loaded;
    }
}

QString Changing(const char* what, const char* ending)
{
    return QStringLiteral("Changing the %1 now will %2 the current game.  Are you sure you want "
                          "to do this?")
        .arg(what, ending);
}

TEST(ApplyOptions, eachChangeWithYesAndNo)
{
    using Edit = std::function<void(OptionsValues&)>;
    const Edit all = [](OptionsValues& v) {
        v = {1, 1, "10:00", "4 letters", "16 letters", "Less than 100", false, true, true, false};
        v.ComputerOpponents = 1, v.ComputerStrength = 0, v.ShowWhereWordCanGo = false;
    };
    // Each edit of the dialog, from the given sizes, is applied without a question, or with Yes
    // and with No. Yes gives `settings` (the type and mode abort the game and drop the rest of
    // the dialog); No refills the dialog and nothing changes.
    const struct {
        int timeRemaining, min, max;
        Edit edit;
        QString question; // empty: none
        const char* settings;
    } cases[] = {
        {0, 3, 16, all, "", "600 4 16 <100 0 1 1 0 1 Easy 0 / 1 1 0"},
        {9, 3, 16, all, Changing("game type", "abort"), "180 3 16 - 1 0 0 1 0 Medium 1 / 1 0 0"},
        {9, 3, 16, [](OptionsValues& v) { v.GameMode = 1, v.Time = "5:00"; },
         Changing("game mode", "abort"), "180 3 16 - 1 0 0 1 0 Medium 1 / 0 1 0"},
        {9, 3, 16, [](OptionsValues& v) { v.MinWordSize = "5 letters", v.Sounds = false; },
         Changing("minimum word size", "stop"), "180 5 16 - 0 0 0 1 0 Medium 1 / 0 0 1"},
        {9, 3, 16, [](OptionsValues& v) { v.WordSize = "10 letters", v.Sounds = false; },
         "Are you sure you want to remove words longer than 10 letters from the dictionary?",
         "180 3 10 - 0 0 0 1 0 Medium 1 / 0 0 9"},
        {0, 3, 12, [](OptionsValues& v) { v.WordSize = "14 letters"; }, "",
         "180 3 14 - 1 0 0 1 0 Medium 1 / 0 0 0"},
    };
    for (const auto& c : cases) {
        const bool asked = !c.question.isEmpty();
        for (Answer answer :
             asked ? std::vector{Answer::Yes, Answer::No} : std::vector{Answer::Ok}) {
            Machine m(16, c.timeRemaining);
            m.p.engine.cSetMinWordSize(c.min);
            m.p.engine.cSetMaxWordSize(c.max);
            OptionsValues v = Common::FillOptionsDialog(m.p);
            c.edit(v);
            const std::string before = m.settings();
            if (asked)
                m.prompter.answer(answer);
            const auto outcome = Common::ApplyOptions(m.p, v);
            const bool no = answer == Answer::No, abort = !no && c.question.contains("abort");
            const std::string now = no ? before : c.settings, what = now + (no ? " No" : "");
            EXPECT_EQ(m.prompter.texts().join(""), c.question) << what;
            // Only the removal of words defaults to No.
            for (const core::Prompt& p : m.prompter.shown)
                EXPECT_EQ(p.defaultNo, p.text.contains("remove")) << what;
            EXPECT_EQ(m.settings(), now) << what;
            EXPECT_EQ(std::pair(outcome.abortGame, outcome.refill), std::pair(abort, no)) << what;
            EXPECT_EQ(m.p.dictionary.DictionaryUpdated, !m.p.engine.contains("encyclopaedia"));
            // Saved unless the game was aborted; the type and mode never are.
            EXPECT_EQ(m.stored(),
                      abort ? ". . . . . . . . . . . . ." : now.substr(0, now.find(" /")) + " . .");
        }
    }
}

TEST(EnterNetworkGame, questionAndSavedSettings)
{
    using enum Common::NetworkEntry;
    const QString kEntering = "Entering a network game now will abort the current game.  Are you "
                              "sure you want to do this?";
    // Each case: the mode, the time left, the answer (Ok: no question), the way in.
    const std::tuple<int, int, Answer, Common::NetworkEntry> cases[] = {
        {SinglePlayer, 0, Answer::Ok, Enter}, {TwoPlayer, 9, Answer::No, Stay},
        {TwoPlayer, 9, Answer::Yes, AbortAndEnter}, {NetworkPlayer, 9, Answer::Ok, Stay}};
    for (const auto& [mode, timeRemaining, answer, entry] : cases) {
        Machine m(16, timeRemaining, Frantic, mode);
        m.p.game.TimeLimit = 300;
        m.p.options = {.RepeatLetters = true, .NumWordsLimit = "<75"};
        m.p.engine.cSetMinWordSize(5);
        if (answer != Answer::Ok)
            m.prompter.answer(answer);
        EXPECT_EQ(Common::EnterNetworkGame(m.p), entry) << mode;
        EXPECT_EQ(m.prompter.texts().join(""), answer == Answer::Ok ? "" : kEntering);
        EXPECT_EQ(m.p.game.TimeRemaining, entry == AbortAndEnter ? 0 : timeRemaining);
        const auto s = m.p.savedForNetwork.value_or(SavedGameSettings{.TimeLimit = -1});
        EXPECT_EQ(std::tie(s.GameMode, s.GameType, s.RepeatLetters, s.TimeLimit, s.MinWordSize, s.NumWordsLimit),
                  entry == Stay ? std::tuple(0, 0, false, -1, 3, "-") : std::tuple(mode, 1, true, 300, 5, "<75"));
    }
}

} // namespace
