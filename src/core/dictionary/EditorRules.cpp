#include "EditorRules.h"

#include "core/dictionary/DictionaryStore.h"
#include "core/game/Program.h"
#include "engine/Engine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace Dictionary {

namespace {

// The editor's messages belong over the editor, in front of the disabled main window.
core::Answer EditorAsk(Program& app, const QString& text,
                       core::Buttons buttons = core::Buttons::Ok)
{
    return Ask(app, text, buttons, QStringLiteral("Lettro"), core::Owner::Editor);
}

EditorState& Editor(Program& app)
{
    return app.dictionary.Editor;
}

} // namespace

EditorWordCheck CheckEditorWord(const QString& word)
{
    if (word.isEmpty())
        return EditorWordCheck::Empty;
    if (word.size() < kEditorMinWordLength || word.size() > kEditorMaxWordLength)
        return EditorWordCheck::BadLength;
    for (QChar c : word)
        if (c < QLatin1Char('a') || c > QLatin1Char('z'))
            return EditorWordCheck::NonAlphabetic;
    return EditorWordCheck::Ok;
}

std::vector<std::string> StartingLetterPairs(const engine::Engine& engine)
{
    std::vector<std::string> pairs;
    for (int i = 0; i < 26; ++i)
        for (int j = 0; j < 26; ++j)
            if (engine.cDictIndex(i, j) != -1)
                pairs.push_back({char('A' + i), char('A' + j)});
    return pairs;
}

std::vector<std::string> WordsStartingWith(engine::Engine& engine, const std::string& pair,
                                           int letterBase)
{
    std::vector<std::string> words;
    if (pair.size() != 2)
        return words;
    const int i = (pair[0] | 0x20) - letterBase;
    const int j = (pair[1] | 0x20) - letterBase;
    if (i < 0 || i > 25 || j < 0 || j > 25 || engine.cDictIndex(i, j) == -1)
        return words;
    engine.cStartDecodingWords(i, j);
    for (std::string word = engine.cDecodeNextWord(); !word.empty();
         word = engine.cDecodeNextWord())
        words.push_back(std::move(word));
    return words;
}

int IndicatorWidth(int fullWidth, int percent)
{
    const int p = std::clamp(percent, 0, 100);
    return static_cast<int>(std::lround(static_cast<double>(fullWidth) * p / 100.0));
}

bool OpenDictionaryEditor(Program& app)
{
    if (IsNetworkGame(app))
        return false;
    Editor(app).Open = true;
    FillStartingLetters(app, true);
    ListWords(app);
    return true;
}

void FillStartingLetters(Program& app, bool reset)
{
    EditorState& editor = Editor(app);
    const std::string remembered =
        (!reset && editor.SelectedStart >= 0) ? editor.StartingLetters[editor.SelectedStart]
                                              : std::string();
    editor.StartingLetters = StartingLetterPairs(app.engine);
    const auto found =
        std::find(editor.StartingLetters.begin(), editor.StartingLetters.end(), remembered);
    if (found != editor.StartingLetters.end())
        editor.SelectedStart = static_cast<int>(found - editor.StartingLetters.begin());
    else
        editor.SelectedStart = editor.StartingLetters.empty() ? -1 : 0;
}

void ListWords(Program& app)
{
    EditorState& editor = Editor(app);
    editor.WordCount = app.engine.cNumberOfWords();
    editor.ShownWords.clear();
    if (editor.SelectedStart >= 0)
        editor.ShownWords = WordsStartingWith(
            app.engine, editor.StartingLetters[editor.SelectedStart], app.dictionary.LetterBase);
}

void SelectStart(Program& app, int index)
{
    EditorState& editor = Editor(app);
    editor.SelectedStart =
        (index >= 0 && index < static_cast<int>(editor.StartingLetters.size())) ? index : -1;
    ListWords(app);
}

void AddEditorWord(Program& app, const QString& typed)
{
    const QString word = typed.toLower();
    switch (CheckEditorWord(word)) {
    case EditorWordCheck::Empty:
        return;
    case EditorWordCheck::BadLength:
        EditorAsk(app, QStringLiteral("Words must be 3 to 16 letters long."));
        return;
    case EditorWordCheck::NonAlphabetic:
        EditorAsk(app, QStringLiteral("Word has a non-alphabetic character, no added."));
        return;
    case EditorWordCheck::Ok:
        break;
    }
    AddDictionaryWord(app, word.toStdString());
    FillStartingLetters(app, false);
    ListWords(app);
}

void RemoveEditorWord(Program& app, const std::string& selected)
{
    if (!selected.empty())
        RemoveDictionaryWord(app, selected);
    else
        EditorAsk(app, QStringLiteral("You must select a word to remove."));
    FillStartingLetters(app, false);
    ListWords(app);
}

void ClearDictionary(Program& app)
{
    if (AskBeforeLosing(app, QStringLiteral("Clear the dictionary?"), core::Owner::Editor) !=
        core::Answer::Yes)
        return;
    app.engine.cDictionaryClear();
    FillStartingLetters(app, true);
    ListWords(app);
}

void MergeWordFile(Program& app, const QString& path)
{
    if (path.isEmpty() || Editor(app).Merging)
        return;
    // The engine takes a file it cannot open for an empty merge; say so instead of
    // pretending that the words went in.
    QFile probe(path);
    if (!QFileInfo(path).isFile() || !probe.open(QIODevice::ReadOnly)) {
        EditorAsk(app, QStringLiteral("The word file %1 could not be opened.")
                           .arg(QDir::toNativeSeparators(path)));
        return;
    }
    probe.close();
    const int percent = app.engine.cReadTextFile(QFile::encodeName(path).toStdString());
    if (percent >= 100) {
        // Taken at once: the word count and list change, the starts are not rebuilt.
        ListWords(app);
        app.dictionary.DictionaryUpdated = true;
        return;
    }
    Editor(app).Merging = true;
    Editor(app).MergePercent = percent;
}

void MergeStep(Program& app)
{
    EditorState& editor = Editor(app);
    // With no merge running the engine would take "dummy" for a file name.
    if (!editor.Merging)
        return;
    const int percent = app.engine.cReadTextFile("dummy");
    if (percent < 100) {
        editor.MergePercent = percent;
        return;
    }
    editor.Merging = false;
    editor.MergePercent = 0;
    FillStartingLetters(app, true);
    ListWords(app);
    app.dictionary.DictionaryUpdated = true;
}

void SaveWordFile(Program& app, const QString& path)
{
    if (path.isEmpty())
        return;
    // A word file that silently failed to appear would be found missing only later.
    if (!app.engine.cWriteTextFile(QFile::encodeName(path).toStdString()))
        EditorAsk(app, QStringLiteral("The word file %1 could not be written.")
                           .arg(QDir::toNativeSeparators(path)));
}

void CloseDictionaryEditor(Program& app)
{
    Editor(app).Open = false;
    Editor(app).ShownWords.clear();
}

} // namespace Dictionary
