// The options' rules on a program without windows: stored settings read at start-up,
// what the options dialog shows, what OK changes, and the way into network play.
#include "Scripted.h"

#include "core/game/Options.h"
#include "core/game/Program.h"
#include "core/game/Settings.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

using core::Answer;
using Common::OptionsValues;
using State = std::map<std::string, std::string>;

// A program with a settings store in a temporary folder and a dictionary of words up to
// `limit` letters.
struct Machine {
    explicit Machine(int limit = 16, int timeRemaining = 0, int type = 0, int mode = 0)
    {
        app.prompter = &prompter;
        app.settings = std::make_unique<engine::SettingsStore>(folder.path().toStdString());
        app.engine.cSetMaxWordSize(limit);
        for (const char* w : {"cat", "steam", "teamsters", "encyclopaedia"})
            app.engine.cDictionaryAdd(w);
        app.game.TimeRemaining = timeRemaining, app.game.GameType = type, app.game.GameMode = mode;
    }
    std::string stored(const std::string& name)
    {
        return app.settings->cGetRegValue(engine::kSettingsKey, name, 50).value_or("<absent>");
    }
    // The settings as they would be stored, and the game's type, mode and clock.
    State state() const
    {
        const auto n = [](int i) { return std::to_string(i); };
        const auto f = [](bool b) { return std::string(b ? "1" : "0"); };
        const Options& o = app.options;
        return {{"TimeLimit", n(app.game.TimeLimit)}, {"MinWordSize", n(app.engine.cMinWordSize())},
                {"MaxWordSize", n(app.engine.cMaxWordSize())}, {"NumWordsLimit", o.NumWordsLimit},
                {"Sounds", f(o.SoundsOn)}, {"ShowUnusedWords", f(o.ShowUnusedWords)},
                {"RepeatLetters", f(o.RepeatLetters)}, {"LeftHandedDisplay", f(o.LeftHandedDisplay)},
                {"Game", n(app.game.GameType * 10 + app.game.GameMode) + "/" + n(app.game.TimeRemaining)}};
    }
    QTemporaryDir folder;
    ScriptedPrompter prompter;
    Program app;
};

TEST(ReadSettings, eachStoredValueOrItsDefault)
{
    // Per name: the value when absent or empty, when not a number or too long, more cases.
    const struct {
        const char *name, *absent, *unusable;
        State more;
    } names[] = {
        {"TimeLimit", "180", "180", {{"90", "180"}, {"1200", "1200"}, {" 60 ", "60"}}},
        {"MinWordSize", "3", "3", {{"1", "3"}, {"17", "3"}, {"4a", "3"}, {"2", "2"}, {"16", "16"}}},
        {"MaxWordSize", "16", "16", {{"20", "16"}, {"0", "16"}}}, // as 16: the dictionary's limit
        {"NumWordsLimit", "-", "-", {{">30", "-"}, {"<50", "<50"}, {">100", ">100"}}},
        {"Sounds", "1", "0", {{"0", "0"}, {"1", "1"}}}, // only "1" is true
        {"ShowUnusedWords", "0", "0", {{"1", "1"}}},
        {"RepeatLetters", "0", "0", {{"yes", "0"}, {"1", "1"}}},
        {"LeftHandedDisplay", "0", "0", {{"1", "1"}}},
    };
    for (const auto& n : names) {
        State cases = n.more;
        cases.insert({{"<absent>", n.absent}, {"", n.absent}, {"x", n.unusable},
                      {std::string(5000, '1'), n.unusable}});
        for (const auto& [stored, loaded] : cases) {
            Machine m(16, 0, Frantic, TwoPlayer);
            if (stored != "<absent>")
                m.app.settings->cSetRegValue(engine::kSettingsKey, n.name, stored);
            Settings::ReadSettings(m.app);
            const State s = m.state();
            EXPECT_EQ(s.at(n.name), loaded) << n.name << " = " << stored.substr(0, 9);
            EXPECT_EQ(s.at("Game"), "0/0") << "Standard, one player";
            EXPECT_TRUE(m.prompter.shown.empty()) << n.name;
        }
    }
}

TEST(ReadSettings, largestSizeAgainstTheDictionarysLimit)
{
    const QString shrink = "Dictionary contains words longer than 8 letters, is it OK to remove "
                           "the longer words from the dictionary?";
    const struct {
        const char* stored;
        std::vector<Answer> answers;
        QStringList texts;
        int max;
    } cases[] = {
        {"20", {Answer::Ok}, {"WARNING - dictionary is limited to words that have no more than "
                              "12 letters, resetting Max Word Size option"}, 12},
        {"12", {}, {}, 12},
        {"8", {Answer::Yes}, {shrink}, 8},
        {"8", {Answer::No, Answer::Ok}, {shrink, "Setting Max Word Size option to 12 letters"}, 12},
    };
    for (const auto& c : cases) {
        Machine m(12);
        for (Answer a : c.answers)
            m.prompter.answer(a);
        m.app.settings->cSetRegValue(engine::kSettingsKey, "MaxWordSize", c.stored);
        Settings::ReadSettings(m.app);
        EXPECT_EQ(m.prompter.texts(), c.texts) << c.stored;
        EXPECT_EQ(std::tuple(m.app.engine.cMaxWordSize(), m.app.options.LoadedMaxWordSize,
                             m.app.dictionary.DictionaryUpdated, m.app.engine.contains("teamsters")),
                  std::tuple(c.max, c.max, c.max == 8, c.max > 8)) << c.stored;
        EXPECT_TRUE(m.app.engine.contains("steam"));
    }
}

QString Changing(const char* what, const char* ending)
{
    return QStringLiteral("Changing the %1 now will %2 the current game.  Are you sure you want "
                          "to do this?").arg(what, ending);
}

TEST(ApplyOptions, eachChangeWithYesAndNo)
{
    using Edit = std::function<void(Program&, OptionsValues&)>;
    const Edit all = [](Program&, OptionsValues& v) {
        v = {1, 1, "10:00", "4 letters", "16 letters", "Less than 100", false, true, true, true};
    };
    // Each edit runs once without a question, or once with Yes and once with No: No refills
    // the dialog, so nothing of it changes; Yes changes `changed`, or aborts for type and mode.
    const struct {
        bool running;
        Edit edit;
        QString question; // empty: none
        State changed;
    } cases[] = {
        {false, all, {}, {{"Game", "11/0"}, {"TimeLimit", "600"}, {"MinWordSize", "4"},
         {"NumWordsLimit", "<100"}, {"Sounds", "0"}, {"ShowUnusedWords", "1"},
         {"RepeatLetters", "1"}, {"LeftHandedDisplay", "1"}}},
        {true, all, Changing("game type", "abort"), {{"Game", "10/180"}}}, // the rest is dropped
        {true, [](Program&, OptionsValues& v) { v.GameMode = 1, v.Time = "5:00"; },
         Changing("game mode", "abort"), {{"Game", "1/180"}}},
        {true, [](Program&, OptionsValues& v) { v.MinWordSize = "5 letters", v.Sounds = false; },
         Changing("minimum word size", "stop"), {{"MinWordSize", "5"}, {"Game", "0/1"}, {"Sounds", "0"}}},
        {true, [](Program&, OptionsValues& v) { v.RepeatLetters = true, v.LeftHandDisplay = true; },
         Changing("repeat letters setting", "stop"),
         {{"RepeatLetters", "1"}, {"Game", "0/1"}, {"LeftHandedDisplay", "1"}}},
        {true, [](Program&, OptionsValues& v) { v.WordSize = "10 letters", v.Sounds = false; },
         "Are you sure you want to remove words longer than 10 letters from the dictionary?",
         {{"MaxWordSize", "10"}, {"Sounds", "0"}}},
        // An empty size selection (a stored size the lists do not offer) leaves it alone.
        {true, [](Program& a, OptionsValues& v) { a.engine.cSetMinWordSize(2), v.MinWordSize = ""; },
         {}, {}},
        {false, [](Program& a, OptionsValues& v) { a.engine.cSetMaxWordSize(12), v.WordSize = ""; },
         {}, {}},
        {false, [](Program& a, OptionsValues& v) { a.engine.cSetMaxWordSize(12), v.WordSize = "12 letters"; },
         {}, {}},
        {false, [](Program& a, OptionsValues& v) { a.engine.cSetMaxWordSize(12), v.WordSize = "14 letters"; },
         {}, {{"MaxWordSize", "14"}}},
    };
    for (const auto& c : cases) {
        for (Answer answer : c.question.isEmpty() ? std::vector{Answer::Ok} : std::vector{Answer::Yes, Answer::No}) {
            Machine m(16, c.running ? 180 : 0);
            OptionsValues v = Common::FillOptionsDialog(m.app);
            c.edit(m.app, v);
            State expected = m.state();
            if (answer != Answer::No)
                for (const auto& [name, value] : c.changed)
                    expected[name] = value;
            if (answer != Answer::Ok)
                m.prompter.answer(answer);
            const auto outcome = Common::ApplyOptions(m.app, v);
            const std::string what = c.question.toStdString() + (answer == Answer::No ? " No" : "");
            const bool abort = answer == Answer::Yes && c.question.contains("abort");
            EXPECT_EQ(m.prompter.texts().join(""), c.question) << what;
            EXPECT_EQ(m.state(), expected) << what;
            EXPECT_EQ(std::pair(outcome.abortGame, outcome.refill), std::pair(abort, answer == Answer::No)) << what;
            EXPECT_EQ(m.app.dictionary.DictionaryUpdated, !m.app.engine.contains("encyclopaedia")) << what;
            for (const auto& [name, value] : expected) // saved unless the game was aborted
                EXPECT_EQ(m.stored(name), name == "Game" || abort ? "<absent>" : value) << what;
            EXPECT_EQ(m.stored("GameType") + m.stored("GameMode"), "<absent><absent>") << what;
        }
    }
}

TEST(FillOptionsDialog, showsTheSettingsAndOnlyWhatTheListsOffer)
{
    const auto& items = Common::OptionsDialogItems();
    EXPECT_EQ(items.Time, (std::vector<std::string>{"0:15", "0:30", "1:00", "2:00", "3:00", "4:00",
                                                    "5:00", "10:00", "20:00", "30:00"}));
    EXPECT_EQ(items.NumWords, (std::vector<std::string>{
                                  "No limits", "More than 25", "More than 50", "More than 75",
                                  "More than 100", "Less than 100", "Less than 75",
                                  "Less than 50", "Less than 25"}));
    EXPECT_EQ(items.WordSize.front() + "/" + items.WordSize.back() + "/" +
                  std::to_string(items.WordSize.size()), "3 letters/16 letters/14");
    EXPECT_EQ(items.GameType[1] + "/" + items.GameMode[1], "Frantic/Two Player");
    Machine m;
    EXPECT_EQ(Common::FillOptionsDialog(m.app), (OptionsValues{0, 0, "3:00", "3 letters", "16 letters",
                                                  "No limits", true, false, false, true, true}));
    m.app.game.TimeLimit = 1200, m.app.game.GameType = Frantic, m.app.game.GameMode = NetworkHost;
    m.app.options = {.RepeatLetters = true, .NumWordsLimit = "<50", .SoundsOn = false,
                     .ShowUnusedWords = true, .LeftHandedDisplay = false};
    m.app.engine.cSetMinWordSize(2);
    m.app.engine.cSetMaxWordSize(12);
    // No item for a size of 2 or a network mode; Frantic disables the time list.
    EXPECT_EQ(Common::FillOptionsDialog(m.app), (OptionsValues{1, -1, "20:00", "", "12 letters",
                                                  "Less than 50", false, true, true, false, false}));
    EXPECT_EQ(std::pair(Common::GameTypeChanged(Frantic), Common::GameTypeChanged(0)), std::pair(false, true));
}

TEST(EnterNetworkGame, questionAndSavedSettings)
{
    const struct {
        int mode, timeRemaining;
        Answer answer; // Ok: no question
        Common::NetworkEntry entry;
    } cases[] = {
        {SinglePlayer, 0, Answer::Ok, Common::NetworkEntry::Enter},
        {TwoPlayer, 9, Answer::No, Common::NetworkEntry::Stay},
        {TwoPlayer, 9, Answer::Yes, Common::NetworkEntry::AbortAndEnter},
        {NetworkPlayer, 9, Answer::Ok, Common::NetworkEntry::Stay},
        {NetworkHost, 0, Answer::Ok, Common::NetworkEntry::Stay},
    };
    for (const auto& c : cases) {
        Machine m(16, c.timeRemaining, Frantic, c.mode);
        m.app.game.TimeLimit = 300;
        m.app.options = {.RepeatLetters = true, .NumWordsLimit = "<75"};
        m.app.engine.cSetMinWordSize(5);
        if (c.answer != Answer::Ok)
            m.prompter.answer(c.answer);
        EXPECT_EQ(Common::EnterNetworkGame(m.app), c.entry) << c.mode;
        EXPECT_EQ(m.prompter.texts().join(""), c.answer == Answer::Ok ? "" : "Entering a network game now "
                  "will abort the current game.  Are you sure you want to do this?") << c.mode;
        EXPECT_EQ(m.app.game.TimeRemaining, c.timeRemaining) << "the window aborts the game";
        const auto& s = m.app.savedForNetwork;
        EXPECT_EQ(s.has_value(), c.entry != Common::NetworkEntry::Stay) << c.mode;
        if (s) {
            EXPECT_EQ(std::tie(s->GameMode, s->GameType, s->RepeatLetters, s->TimeLimit, s->MinWordSize,
                               s->NumWordsLimit), std::tuple(c.mode, 1, true, 300, 5, "<75"));
        }
    }
}

} // namespace
