// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary editor's rules as scripts: each step an action, the editor state after
// it and the message it said.
#include "DictionaryProgram.h"

#include "core/dictionary/EditorRules.h"

#include <QDir>

#include <functional>

namespace {

using namespace Dictionary;

// The editor in one line: the starts, [the selected one], its words with [the one found]
// and ^ where a missed search would stand, the word count, "missed" after a search that
// found nothing, "changed" once the dictionary differs from its file, the percentage of a
// running merge, the status.
std::string State(Program& p)
{
    const EditorState& e = p.dictionary.Editor;
    std::string line;
    const auto mark = [](const std::string& text, bool marked) {
        return (marked ? "[" + text + "]" : text) + " ";
    };
    for (int i = 0; i < int(e.StartingLetters.size()); ++i)
        line += mark(e.StartingLetters[i], i == e.SelectedStart);
    for (int i = 0; i <= int(e.ShownWords.size()); ++i)
        line += (i == e.NearWord ? "^" : "") +
                (i < int(e.ShownWords.size()) ? mark(e.ShownWords[i], i == e.FoundWord) : "");
    line += std::to_string(e.WordCount) + (e.SearchMissed ? " missed" : "") +
            (p.dictionary.DictionaryUpdated ? " changed" : "");
    if (e.Merging)
        line += " merging " + std::to_string(e.MergePercent);
    return e.Status.isEmpty() ? line : line + " | " + e.Status.toStdString();
}

using Act = std::function<void(Program&)>;

struct Step {
    Act act;
    std::string state;
    QString message = {}; // an editor message, answered with `answer`
    core::Answer answer = core::Answer::Ok;
};

struct Editor : DictionaryProgram {
    Editor() : DictionaryProgram({"cat", "cats", "cattle", "cow", "dog", "dot", "zebra"}) {}
    void run(const std::vector<Step>& steps)
    {
        for (const Step& step : steps) {
            if (!step.message.isEmpty())
                prompter.answer(step.answer);
            step.act(p);
            EXPECT_EQ(State(p), step.state);
            const core::Prompt shown =
                prompter.shown.empty() ? core::Prompt() : prompter.shown.back();
            const bool said = !step.message.isEmpty(), question = step.answer != core::Answer::Ok;
            // Only clearing destroys words: its No is the default.
            EXPECT_EQ(std::tuple(prompter.shown.size(), shown.text, shown.title, shown.owner,
                                 shown.buttons, shown.defaultNo),
                      std::tuple(said ? 1u : 0u, step.message, QString("Lettro"),
                                 said ? core::Owner::Editor : core::Owner::Main,
                                 question ? core::Buttons::YesNo : core::Buttons::Ok,
                                 step.message == "Clear the dictionary?"))
                << step.state << " " << shown.text.toStdString();
            prompter.shown.clear();
        }
    }
};

// A handler's call: `procedure` with `arg`.
const auto With = [](auto procedure, auto arg) -> Act {
    return [=](Program& p) { procedure(p, arg); };
};
const auto Add = [](const char* word) { return With(AddEditorWord, QString::fromUtf8(word)); };
const auto Remove = [](const char* word) { return With(RemoveEditorWord, std::string(word)); };
const auto Select = [](int index) { return With(SelectStart, index); };
QString Cannot(const QString& path, const char* what)
{
    return QStringLiteral("The word file %1 could not be %2.")
        .arg(QDir::toNativeSeparators(path), what);
}
const std::string kOpened = "[CA] CO DO ZE cat cats cattle 7", kDo = "CA CO [DO] ZE dog dot 7";

// The bounds are 3 to 16 letters a-z whatever the word-size options say, the length
// judged first; words go in lower case; the chosen start stays chosen, and a word added
// under it is selected; the last removal can be undone.
TEST(EditorRules, wordsAddedRefusedAndRemoved)
{
    Editor t;
    t.p.engine.cSetMinWordSize(5);
    t.p.engine.cSetMaxWordSize(6);
    std::vector<Step> steps = {{OpenDictionaryEditor, kOpened}, {Select(2), kDo}};
    for (const char* word : {"ca7", "ice cream", "caf\u00e9", "`ab", "{}~"})
        steps.push_back({Add(word), kDo, "Word has a non-alphabetic character, no added."});
    for (const char* word : {"ox", "a1", "abcdefghijklmnopq"})
        steps.push_back({Add(word), kDo, "Words must be 3 to 16 letters long."});
    t.run(steps);
    t.run({{Remove(""), kDo, "You must select a word to remove."},
           {Add("BEAR"), "BE CA CO [DO] ZE dog dot 8 changed"},
           {Add("abcdefghijklmnop"), "AB BE CA CO [DO] ZE dog dot 9 changed"},
           {Add("doe"), "AB BE CA CO [DO] ZE [doe] dog dot 10 changed"},
           {Remove("doe"), "AB BE CA CO [DO] ZE dog dot 9 changed"},
           {Remove("dot"), "AB BE CA CO [DO] ZE dog 8 changed"},
           {Select(5), "AB BE CA CO DO [ZE] zebra 8 changed"},
           {Remove("zebra"), "[AB] BE CA CO DO abcdefghijklmnop 7 changed"},
           // Undo puts the last removed word back, shown under its start; once.
           {UndoEditorRemoval, "AB BE CA CO DO [ZE] [zebra] 8 changed"},
           {UndoEditorRemoval, "AB BE CA CO DO [ZE] [zebra] 8 changed"}});
}

// Searching selects the exact word, else the first with the typed prefix, else nothing.
TEST(EditorRules, searchFindsTheWordOrItsPrefixOrSaysItMissed)
{
    Editor t;
    const auto Find = [](const char* s) { return With(FindEditorWord, QString::fromUtf8(s)); };
    t.run({{OpenDictionaryEditor, kOpened},
           {Find("cats"), "[CA] CO DO ZE cat [cats] cattle 7"},
           {Find("CATT"), "[CA] CO DO ZE cat cats [cattle] 7"},
           {Find(" Dot "), "CA CO [DO] ZE dog [dot] 7"},
           {Find("c"), "[CA] CO DO ZE [cat] cats cattle 7"},
           {Find("cab"), "[CA] CO DO ZE ^cat cats cattle 7 missed"}, // where it would stand
           {Find("zed"), "CA CO DO [ZE] zebra ^7 missed"},
           {Find("ax"), "CA CO DO [ZE] zebra 7 missed"}, // no start: the list stays
           {Find("z\u00e9"), "CA CO DO [ZE] zebra 7 missed"},
           {Find(""), "CA CO DO [ZE] zebra 7"}});
}

TEST(EditorRules, wordFilesAndClearAndNothingOpensDuringNetworkPlay)
{
    Editor t;
    const QString gone = t.path("gone.txt"), nowhere = t.path("no/such.txt");
    const std::string kSummary = " | 3 words added, 2 lines skipped";
    t.run({{OpenDictionaryEditor, kOpened},
           {With(MergeWordFile, ""), kOpened}, // cancelled dialogs
           {With(SaveWordFile, ""), kOpened},
           {MergeStep, kOpened}, // no merge runs
           {With(MergeWordFile, gone), kOpened, Cannot(gone, "opened")},
           {With(SaveWordFile, nowhere), kOpened, Cannot(nowhere, "written")},
           {With(SaveWordFile, t.path("out.txt")), kOpened},
           {Select(1), "CA [CO] DO ZE cow 7"},
           // Taken at once: the words are listed again, the starts are not rebuilt.
           // Skipped: too short, a digit; a word already there is neither added nor skipped.
           {With(MergeWordFile, t.write("few.txt", "crow\ncod\nAPPLE\nno\nx1y\ncow\n")),
            "CA [CO] DO ZE cod cow 10 changed" + kSummary}});
    EXPECT_EQ(t.bytes("out.txt"), "cat\ncats\ncattle\ncow\ndog\ndot\nzebra\n");
    t.p.dictionary.DictionaryUpdated = false; // Clear does not mark a change
    t.run({{ClearDictionary, "CA [CO] DO ZE cod cow 10" + kSummary, "Clear the dictionary?",
            core::Answer::No},
           {ClearDictionary, "0" + kSummary, "Clear the dictionary?", core::Answer::Yes},
           {Add("yak"), "[YA] [yak] 1 changed" + kSummary},
           {CloseDictionaryEditor, "[YA] 1 changed" + kSummary},
           {OpenDictionaryEditor, "[YA] yak 1 changed"}, // a new visit, no old status
           {CloseDictionaryEditor, "[YA] 1 changed"}});
    for (int mode : {NetworkPlayer, NetworkHost}) {
        t.p.game.GameMode = mode;
        EXPECT_FALSE(OpenDictionaryEditor(t.p) || t.p.dictionary.Editor.Open) << mode;
    }
}

} // namespace
