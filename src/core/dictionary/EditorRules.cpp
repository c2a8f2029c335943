// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorRules.h"

#include "core/dictionary/DictionaryStore.h"
#include "core/game/Program.h"
#include "core/game/Tr.h"
#include "engine/Engine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <utility>

namespace Dictionary {

namespace {

// The editor's messages belong over the editor, in front of the disabled main window.
core::Answer EditorAsk(Program& program, const QString& text,
                       core::Buttons buttons = core::Buttons::Ok)
{
    return Ask(program, text, buttons, QStringLiteral("Lettro"), core::Owner::Editor);
}

EditorState& Editor(Program& program)
{
    return program.dictionary.Editor;
}

// The engine counts the merge: a line is skipped when it is not a word the dictionary
// takes (letters other than a-z, a space inside, fewer than 3 or more than the largest
// word size letters). Blank lines and words the dictionary or the file already had are
// neither added nor skipped: a file that overlaps the dictionary is not faulty.
void MergeDone(Program& program)
{
    ListWords(program);
    program.dictionary.DictionaryUpdated = true;
    Editor(program).Status =
        MergeSummary(program.engine.lastMergeAdded(), program.engine.lastMergeSkipped());
    if (program.engine.lastMergeCut())
        EditorAsk(program, core::Tr("DictionaryEditor",
                                    "The word file is larger than %1 MiB: only its first %1 MiB "
                                    "were merged.")
                               .arg(engine::kMaxWordFileBytes >> 20));
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

QString MergeSummary(int added, int skipped)
{
    const QLocale locale;
    return core::Tr("DictionaryEditor", "%1 words added, %2 lines skipped")
        .arg(locale.toString(added), locale.toString(skipped));
}

int IndicatorWidth(int fullWidth, int percent)
{
    const int p = std::clamp(percent, 0, 100);
    return static_cast<int>(std::lround(static_cast<double>(fullWidth) * p / 100.0));
}

bool OpenDictionaryEditor(Program& program)
{
    if (IsNetworkGame(program))
        return false;
    Editor(program).Open = true;
    Editor(program).Status.clear();
    Editor(program).LastRemoved.clear();
    FillStartingLetters(program, true);
    ListWords(program);
    return true;
}

void FillStartingLetters(Program& program, bool reset)
{
    EditorState& editor = Editor(program);
    const std::string remembered =
        (!reset && editor.SelectedStart >= 0) ? editor.StartingLetters[editor.SelectedStart]
                                              : std::string();
    editor.StartingLetters = StartingLetterPairs(program.engine);
    const auto found =
        std::find(editor.StartingLetters.begin(), editor.StartingLetters.end(), remembered);
    if (found != editor.StartingLetters.end())
        editor.SelectedStart = static_cast<int>(found - editor.StartingLetters.begin());
    else
        editor.SelectedStart = editor.StartingLetters.empty() ? -1 : 0;
}

void ListWords(Program& program)
{
    EditorState& editor = Editor(program);
    editor.WordCount = program.engine.cNumberOfWords();
    ++editor.Listing;
    editor.FoundWord = editor.NearWord = -1;
    editor.SearchMissed = false;
    editor.ShownWords.clear();
    if (editor.SelectedStart >= 0)
        editor.ShownWords =
            WordsStartingWith(program.engine, editor.StartingLetters[editor.SelectedStart],
                              program.dictionary.LetterBase);
}

void SelectStart(Program& program, int index)
{
    EditorState& editor = Editor(program);
    editor.SelectedStart =
        (index >= 0 && index < static_cast<int>(editor.StartingLetters.size())) ? index : -1;
    ListWords(program);
}

void FindEditorWord(Program& program, const QString& typed)
{
    EditorState& editor = Editor(program);
    editor.FoundWord = editor.NearWord = -1;
    const QString text = typed.trimmed().toLower();
    editor.SearchMissed = !text.isEmpty();
    if (text.isEmpty() || text.size() > kEditorMaxWordLength ||
        !std::all_of(text.begin(), text.end(),
                     [](QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); }))
        return;
    // Both lists are sorted, so each look-up is a binary search: one letter finds the
    // first start with that letter, more find the start of their first two.
    const std::string word = text.toStdString();
    const std::string start = text.left(2).toUpper().toStdString();
    const std::vector<std::string>& starts = editor.StartingLetters;
    const auto pair = std::lower_bound(starts.begin(), starts.end(), start);
    if (pair == starts.end() || !pair->starts_with(start))
        return;
    const int index = static_cast<int>(pair - starts.begin());
    if (index != editor.SelectedStart)
        SelectStart(program, index);
    const Words& words = editor.ShownWords;
    const auto at = std::lower_bound(words.begin(), words.end(), word);
    const int row = static_cast<int>(at - words.begin());
    editor.SearchMissed = at == words.end() || !at->starts_with(word);
    (editor.SearchMissed ? editor.NearWord : editor.FoundWord) = row;
}

void AddEditorWord(Program& program, const QString& typed)
{
    const QString word = typed.toLower();
    switch (CheckEditorWord(word)) {
    case EditorWordCheck::Empty:
        return;
    case EditorWordCheck::BadLength:
        EditorAsk(program, core::Tr("DictionaryEditor", "Words must be 3 to 16 letters long."));
        return;
    case EditorWordCheck::NonAlphabetic:
        EditorAsk(program,
                  core::Tr("DictionaryEditor", "Word has a non-alphabetic character, no added."));
        return;
    case EditorWordCheck::Ok:
        break;
    }
    AddDictionaryWord(program, word.toStdString());
    FillStartingLetters(program, false);
    ListWords(program);
    // The chosen start stays chosen; the new word is selected when it is listed under it.
    EditorState& editor = Editor(program);
    const auto at = std::find(editor.ShownWords.begin(), editor.ShownWords.end(),
                              word.toStdString());
    if (at != editor.ShownWords.end())
        editor.FoundWord = static_cast<int>(at - editor.ShownWords.begin());
}

void RemoveEditorWord(Program& program, const std::string& selected)
{
    if (!selected.empty()) {
        RemoveDictionaryWord(program, selected);
        Editor(program).LastRemoved = selected;
    } else
        EditorAsk(program, core::Tr("DictionaryEditor", "You must select a word to remove."));
    FillStartingLetters(program, false);
    ListWords(program);
}

bool UndoEditorRemoval(Program& program)
{
    const std::string word = std::exchange(Editor(program).LastRemoved, std::string());
    if (word.empty())
        return false;
    AddDictionaryWord(program, word);
    FillStartingLetters(program, false);
    ListWords(program);
    // Shown where it stood, selected.
    FindEditorWord(program, QString::fromStdString(word));
    return true;
}

void ClearDictionary(Program& program)
{
    if (AskBeforeLosing(program, core::Tr("DictionaryEditor", "Clear the dictionary?"),
                        core::Owner::Editor) != core::Answer::Yes)
        return;
    program.engine.cDictionaryClear();
    Editor(program).LastRemoved.clear(); // one word back into an emptied dictionary is no undo
    FillStartingLetters(program, true);
    ListWords(program);
}

void MergeWordFile(Program& program, const QString& path)
{
    if (path.isEmpty() || Editor(program).Merging)
        return;
    Editor(program).Status.clear();
    // The engine takes a file it cannot open for an empty merge; say so instead of
    // pretending that the words went in.
    QFile probe(path);
    if (!QFileInfo(path).isFile() || !probe.open(QIODevice::ReadOnly)) {
        EditorAsk(program, core::Tr("DictionaryEditor", "The word file %1 could not be opened.")
                               .arg(QDir::toNativeSeparators(path)));
        return;
    }
    probe.close();
    const int percent = program.engine.cReadTextFile(QFile::encodeName(path).toStdString());
    if (percent >= 100) {
        // Taken at once: the word count and list change, the starts are not rebuilt.
        MergeDone(program);
        return;
    }
    Editor(program).Merging = true;
    Editor(program).MergePercent = percent;
}

void MergeStep(Program& program)
{
    EditorState& editor = Editor(program);
    // With no merge running the engine would take "dummy" for a file name.
    if (!editor.Merging)
        return;
    const int percent = program.engine.cReadTextFile("dummy");
    if (percent < 100) {
        editor.MergePercent = percent;
        return;
    }
    editor.Merging = false;
    editor.MergePercent = 0;
    FillStartingLetters(program, true);
    MergeDone(program);
}

void SaveWordFile(Program& program, const QString& path)
{
    if (path.isEmpty())
        return;
    // A word file that silently failed to appear would be found missing only later.
    if (!program.engine.cWriteTextFile(QFile::encodeName(path).toStdString()))
        EditorAsk(program, core::Tr("DictionaryEditor", "The word file %1 could not be written.")
                               .arg(QDir::toNativeSeparators(path)));
}

void CloseDictionaryEditor(Program& program)
{
    Editor(program).Open = false;
    Editor(program).ShownWords.clear();
}

} // namespace Dictionary
