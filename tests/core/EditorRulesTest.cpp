// The dictionary editor's rules as scripts: each step an action, the editor state after
// it and the message it said.
#include "DictionaryProgram.h"

#include "core/dictionary/EditorRules.h"

#include <QDir>

#include <functional>

namespace {

using namespace Dictionary;

// The editor in one line: the starts, [the selected one], its words, the word count,
// "changed" once the dictionary differs from its file, the percentage of a running merge.
std::string State(Program& p)
{
    const EditorState& e = p.dictionary.Editor;
    std::string line;
    for (int i = 0; i < int(e.StartingLetters.size()); ++i)
        line += (i == e.SelectedStart ? "[" + e.StartingLetters[i] + "]" : e.StartingLetters[i]) + " ";
    for (const std::string& word : e.ShownWords)
        line += word + " ";
    line += std::to_string(e.WordCount) + (p.dictionary.DictionaryUpdated ? " changed" : "");
    return e.Merging ? line + " merging " + std::to_string(e.MergePercent) : line;
}

struct Step {
    std::function<void(Program&)> act;
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
            const core::Prompt shown = prompter.shown.empty() ? core::Prompt() : prompter.shown.back();
            const bool said = !step.message.isEmpty(), question = step.answer != core::Answer::Ok;
            EXPECT_EQ(std::tuple(prompter.shown.size(), shown.text, shown.title, shown.owner, shown.buttons),
                      std::tuple(said ? 1u : 0u, step.message, QString("Lettro"),
                                 said ? core::Owner::Editor : core::Owner::Main,
                                 question ? core::Buttons::YesNo : core::Buttons::Ok))
                << step.state << " " << shown.text.toStdString();
            prompter.shown.clear();
        }
    }
};

std::function<void(Program&)> Add(const char* word)
{
    return [word](Program& p) { AddEditorWord(p, QString::fromUtf8(word)); };
}
std::function<void(Program&)> Remove(const char* word)
{
    return [word](Program& p) { RemoveEditorWord(p, word); };
}
std::function<void(Program&)> Select(int index)
{
    return [index](Program& p) { SelectStart(p, index); };
}

// The bounds are 3 to 16 letters a-z whatever the word-size options say, the length
// judged first; words go in lower case; the starts are refilled keeping the selection.
TEST(EditorRules, wordsAddedRefusedAndRemoved)
{
    Editor t;
    t.p.engine.cSetMinWordSize(5);
    t.p.engine.cSetMaxWordSize(6);
    const QString letters = "Word has a non-alphabetic character, no added.";
    const QString length = "Words must be 3 to 16 letters long.";
    std::vector<Step> steps = {{OpenDictionaryEditor, "[CA] CO DO ZE cat cats cattle 7"},
                               {Select(2), "CA CO [DO] ZE dog dot 7"}};
    for (const char* word : {"ca7", "ice cream", "caf\u00e9", "`ab", "{}~"})
        steps.push_back({Add(word), "CA CO [DO] ZE dog dot 7", letters});
    for (const char* word : {"ox", "a1", "abcdefghijklmnopq"})
        steps.push_back({Add(word), "CA CO [DO] ZE dog dot 7", length});
    t.run(steps);
    t.run({{Remove(""), "CA CO [DO] ZE dog dot 7", "You must select a word to remove."},
           {Add(""), "CA CO [DO] ZE dog dot 7"},
           {Add("BEAR"), "BE CA CO [DO] ZE dog dot 8 changed"},
           {Add("abcdefghijklmnop"), "AB BE CA CO [DO] ZE dog dot 9 changed"},
           {Remove("dot"), "AB BE CA CO [DO] ZE dog 8 changed"},
           {Select(5), "AB BE CA CO DO [ZE] zebra 8 changed"},
           {Remove("zebra"), "[AB] BE CA CO DO abcdefghijklmnop 7 changed"}});
}

TEST(EditorRules, clearAsksAndDoesNotMarkAChangeAndNothingOpensDuringNetworkPlay)
{
    Editor t;
    t.run({{OpenDictionaryEditor, "[CA] CO DO ZE cat cats cattle 7"},
           {ClearDictionary, "[CA] CO DO ZE cat cats cattle 7", "Clear the dictionary?", core::Answer::No},
           {ClearDictionary, "0", "Clear the dictionary?", core::Answer::Yes},
           {Add("yak"), "[YA] yak 1 changed"},
           {CloseDictionaryEditor, "[YA] 1 changed"}});
    for (int mode : {NetworkPlayer, NetworkHost}) {
        t.p.game.GameMode = mode;
        EXPECT_FALSE(OpenDictionaryEditor(t.p) || t.p.dictionary.Editor.Open) << mode;
    }
}

TEST(EditorRules, wordFilesCancelledUnopenableUnwritableWrittenAndMergedAtOnce)
{
    Editor t;
    const QString gone = t.path("gone.txt"), nowhere = t.path("no/such.txt");
    const auto merge = [](const QString& path) { return [path](Program& p) { MergeWordFile(p, path); }; };
    const auto save = [](const QString& path) { return [path](Program& p) { SaveWordFile(p, path); }; };
    const QString cannot = "The word file %1 could not be %2.";
    t.run({{OpenDictionaryEditor, "[CA] CO DO ZE cat cats cattle 7"},
           {merge(""), "[CA] CO DO ZE cat cats cattle 7"},
           {save(""), "[CA] CO DO ZE cat cats cattle 7"},
           {MergeStep, "[CA] CO DO ZE cat cats cattle 7"}, // no merge runs
           {merge(gone), "[CA] CO DO ZE cat cats cattle 7", cannot.arg(QDir::toNativeSeparators(gone), "opened")},
           {merge(t.path("")), "[CA] CO DO ZE cat cats cattle 7",
            cannot.arg(QDir::toNativeSeparators(t.path("")), "opened")},
           {save(nowhere), "[CA] CO DO ZE cat cats cattle 7", cannot.arg(QDir::toNativeSeparators(nowhere), "written")},
           {save(t.path("out.txt")), "[CA] CO DO ZE cat cats cattle 7"},
           {Select(1), "CA [CO] DO ZE cow 7"},
           // Taken at once: the words are listed again, the starts are not rebuilt.
           {merge(t.write("few.txt", "crow\ncod\nAPPLE\nno\nx1y\n")), "CA [CO] DO ZE cod cow 10 changed"}});
    EXPECT_EQ(t.bytes("out.txt"), "cat\ncats\ncattle\ncow\ndog\ndot\nzebra\n");
}

TEST(EditorRules, aLongMergeStepsThroughTheEnginesPercentages)
{
    Editor t;
    QByteArray text;
    for (int i = 0; i < 150000; ++i) { // distinct words "mer..." of 6 letters or more
        text += "mer";
        for (int n = i, length = 3; n > 0 || length < 6; n /= 26, ++length)
            text += char('a' + n % 26);
        text += '\n';
    }
    const QString path = t.write("many.txt", text);
    // A second engine reads the same file and tells the percentage of each step.
    engine::Engine reference;
    std::vector<int> percents{reference.cReadTextFile(QFile::encodeName(path).toStdString())};
    while (percents.back() < 100)
        percents.push_back(reference.cReadTextFile("dummy"));
    ASSERT_GE(percents.size(), 3u);
    std::vector<Step> steps = {{OpenDictionaryEditor, "[CA] CO DO ZE cat cats cattle 7"},
                               {Select(2), "CA CO [DO] ZE dog dot 7"},
                               {[&](Program& p) { MergeWordFile(p, path); },
                                "CA CO [DO] ZE dog dot 7 merging " + std::to_string(percents[0])}};
    for (std::size_t i = 1; i + 1 < percents.size(); ++i)
        steps.push_back({MergeStep, "CA CO [DO] ZE dog dot 7 merging " + std::to_string(percents[i])});
    steps.push_back({MergeStep, "[CA] CO DO ME ZE cat cats cattle 150007 changed"});
    t.run(steps);
    EXPECT_EQ(std::tuple(IndicatorWidth(320, 50), IndicatorWidth(320, 150), IndicatorWidth(320, -5)),
              std::tuple(160, 320, 0)) << "the bar's width, clamped to the bar";
}

} // namespace
