// The dictionary editor's rules: what is typed, chosen or merged, and the editor state
// and messages that follow.
#include "DictionaryProgram.h"

#include "core/dictionary/EditorRules.h"

#include <QDir>

namespace {

using namespace Dictionary;
using Starts = std::vector<std::string>;

struct Editor : DictionaryProgram {
    Editor() : DictionaryProgram({"cat", "cats", "cattle", "cow", "dog", "dot", "zebra"})
    {
        EXPECT_TRUE(OpenDictionaryEditor(p));
    }
    EditorState& e() { return p.dictionary.Editor; }
    std::string selected() { return e().SelectedStart < 0 ? "" : e().StartingLetters[e().SelectedStart]; }
    void select(const std::string& start)
    {
        const auto& all = e().StartingLetters;
        SelectStart(p, int(std::find(all.begin(), all.end(), start) - all.begin()));
    }
    // Exactly one editor message since the last look, with this text.
    void expectMessage(const QString& text, core::Buttons buttons = core::Buttons::Ok)
    {
        ASSERT_EQ(prompter.shown.size(), 1u) << text.toStdString();
        const core::Prompt shown = prompter.shown[0];
        EXPECT_EQ(std::tuple(shown.text, shown.title, shown.buttons, shown.owner),
                  std::tuple(text, QString("Lettro"), buttons, core::Owner::Editor))
            << shown.text.toStdString();
        prompter.shown.clear();
    }
};

TEST(EditorRules, opensOnTheFirstStartButNotDuringNetworkPlay)
{
    Editor t;
    EXPECT_EQ(t.e().StartingLetters, (Starts{"CA", "CO", "DO", "ZE"}));
    EXPECT_EQ(t.e().ShownWords, (Words{"cat", "cats", "cattle"}));
    EXPECT_EQ(t.e().WordCount, 7);
    t.select("DO");
    EXPECT_EQ(t.e().ShownWords, (Words{"dog", "dot"}));
    CloseDictionaryEditor(t.p);
    for (int mode : {NetworkPlayer, NetworkHost}) {
        t.p.game.GameMode = mode;
        EXPECT_FALSE(OpenDictionaryEditor(t.p) || t.e().Open) << mode;
    }
    t.p.game.GameMode = SinglePlayer;
    EXPECT_TRUE(OpenDictionaryEditor(t.p));
    EXPECT_EQ(t.selected(), "CA") << "every opening starts on the first start";
}

// The bounds are 3 to 16 letters a-z whatever the word-size options say; the length is
// judged first.
TEST(EditorRules, refusedWordsAreSaidAndLeaveTheDictionaryAlone)
{
    Editor t;
    t.p.engine.cSetMinWordSize(5);
    t.p.engine.cSetMaxWordSize(6);
    const QString letters = "Word has a non-alphabetic character, no added.";
    const QString length = "Words must be 3 to 16 letters long.";
    for (const auto& [word, message] :
         {std::pair{"ca7", letters}, {"ice cream", letters}, {"caf\u00e9", letters}, {"`ab", letters},
          {"{}~", letters}, {"ox", length}, {"a1", length}, {"abcdefghijklmnopq", length}}) {
        t.prompter.answer(core::Answer::Ok);
        AddEditorWord(t.p, QString::fromUtf8(word));
        t.expectMessage(message);
    }
    t.prompter.answer(core::Answer::Ok);
    RemoveEditorWord(t.p, "");
    t.expectMessage("You must select a word to remove.");
    EXPECT_EQ(t.p.engine.cNumberOfWords(), 7);
    EXPECT_FALSE(t.p.dictionary.DictionaryUpdated);
    for (const char* word : {"", "ant", "abcdefghijklmnop"})
        AddEditorWord(t.p, word);
    EXPECT_TRUE(t.prompter.shown.empty());
    EXPECT_EQ(t.e().WordCount, 9);
}

TEST(EditorRules, wordsGoInLowerCaseAndTheStartsAreRefilledKeepingTheSelection)
{
    Editor t;
    t.select("DO");
    AddEditorWord(t.p, "BEAR"); // a new start before "DO"
    EXPECT_TRUE(t.p.engine.contains("bear"));
    EXPECT_TRUE(t.p.dictionary.DictionaryUpdated);
    EXPECT_EQ(t.e().StartingLetters, (Starts{"BE", "CA", "CO", "DO", "ZE"}));
    EXPECT_EQ(t.selected(), "DO");
    EXPECT_EQ(t.e().WordCount, 8);
    RemoveEditorWord(t.p, "dot");
    EXPECT_EQ(t.e().ShownWords, Words{"dog"});
    t.select("ZE");
    RemoveEditorWord(t.p, "zebra"); // its start is gone: back to the first
    EXPECT_EQ(t.e().StartingLetters, (Starts{"BE", "CA", "CO", "DO"}));
    EXPECT_EQ(t.e().ShownWords, Words{"bear"});
}

TEST(EditorRules, clearAsksFirstAndDoesNotMarkAChange)
{
    Editor t;
    t.prompter.answer(core::Answer::No);
    ClearDictionary(t.p);
    t.expectMessage("Clear the dictionary?", core::Buttons::YesNo);
    EXPECT_EQ(t.p.engine.cNumberOfWords(), 7);
    t.prompter.answer(core::Answer::Yes);
    ClearDictionary(t.p);
    EXPECT_EQ(t.p.engine.cNumberOfWords(), 0);
    EXPECT_EQ(std::tie(t.e().SelectedStart, t.e().WordCount), std::tuple(-1, 0));
    EXPECT_TRUE(t.e().StartingLetters.empty() && t.e().ShownWords.empty());
    EXPECT_FALSE(t.p.dictionary.DictionaryUpdated);
    AddEditorWord(t.p, "yak");
    EXPECT_EQ(t.e().StartingLetters, Starts{"YA"});
    EXPECT_EQ(t.e().ShownWords, Words{"yak"});
}

TEST(EditorRules, wordFilesCancelledUnopenableUnwritableAndWritten)
{
    Editor t;
    MergeWordFile(t.p, "");
    SaveWordFile(t.p, "");
    MergeStep(t.p); // no merge runs
    EXPECT_TRUE(t.prompter.shown.empty());
    const QString nowhere = t.folder.filePath("no/such/out.txt");
    for (const QString& name : {t.folder.filePath("gone.txt"), t.folder.path(), nowhere}) {
        t.prompter.answer(core::Answer::Ok);
        if (name == nowhere)
            SaveWordFile(t.p, name);
        else
            MergeWordFile(t.p, name);
        t.expectMessage(QStringLiteral("The word file %1 could not be %2.")
                            .arg(QDir::toNativeSeparators(name), name == nowhere ? "written" : "opened"));
    }
    EXPECT_FALSE(t.e().Merging || t.p.dictionary.DictionaryUpdated);
    SaveWordFile(t.p, t.folder.filePath("out.txt"));
    EXPECT_EQ(FileBytes(t.folder.filePath("out.txt")), "cat\ncats\ncattle\ncow\ndog\ndot\nzebra\n");
}

TEST(EditorRules, aMergeInOneStepRelistsTheWordsButNotTheStarts)
{
    Editor t;
    t.select("CO");
    MergeWordFile(t.p, t.writeFile("few.txt", "crow\ncod\nAPPLE\nno\nx1y\n"));
    EXPECT_FALSE(t.e().Merging);
    EXPECT_TRUE(t.p.dictionary.DictionaryUpdated);
    EXPECT_EQ(t.e().WordCount, 10);
    EXPECT_EQ(t.e().ShownWords, (Words{"cod", "cow"}));
    EXPECT_EQ(t.e().StartingLetters, (Starts{"CA", "CO", "DO", "ZE"}));
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
    const QString path = t.writeFile("many.txt", text);
    // A second engine reads the same file and tells the percentage of each step.
    engine::Engine reference;
    std::vector<int> percents{reference.cReadTextFile(QFile::encodeName(path).toStdString())};
    while (percents.back() < 100)
        percents.push_back(reference.cReadTextFile("dummy"));
    ASSERT_GE(percents.size(), 3u);
    t.select("DO");
    MergeWordFile(t.p, path);
    for (std::size_t step = 0; step + 1 < percents.size(); ++step, MergeStep(t.p)) {
        ASSERT_TRUE(t.e().Merging) << step;
        EXPECT_EQ(t.e().MergePercent, percents[step]) << step;
        EXPECT_FALSE(t.p.dictionary.DictionaryUpdated);
    }
    EXPECT_FALSE(t.e().Merging);
    EXPECT_TRUE(t.p.dictionary.DictionaryUpdated);
    EXPECT_EQ(t.e().WordCount, reference.cNumberOfWords() + 7);
    EXPECT_EQ(t.e().StartingLetters, (Starts{"CA", "CO", "DO", "ME", "ZE"}));
    EXPECT_EQ(t.selected(), "CA") << "a long merge starts the list afresh";
    // The bar's width, clamped to the bar.
    EXPECT_EQ(std::tuple(IndicatorWidth(320, 50), IndicatorWidth(320, 150), IndicatorWidth(320, -5)),
              std::tuple(160, 320, 0));
}

} // namespace
