// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary editor's rules and state, without widgets: browsing by two-letter
// starts, single words, Clear, the merge of a word file in steps, saving as text. The
// editor windows ask for file names and mirror program.dictionary.Editor.
#pragma once

#include <QString>

#include <string>
#include <vector>

namespace engine {
class Engine;
}
struct Program;

namespace Dictionary {

// The editor's own word bounds; they do not follow the word-size options.
inline constexpr int kEditorMinWordLength = 3;
inline constexpr int kEditorMaxWordLength = 16;

enum class EditorWordCheck { Empty, Ok, BadLength, NonAlphabetic };

// Judges a word already turned to lower case: the length is checked before the letters.
EditorWordCheck CheckEditorWord(const QString& word);

// Every two-letter start that has words, as upper-case pairs "AA".."ZZ" in order.
std::vector<std::string> StartingLetterPairs(const engine::Engine& engine);

// The words that begin with an upper-case pair such as "CA", in the engine's order;
// nothing for a text that is not two letters A-Z or a start without words.
std::vector<std::string> WordsStartingWith(engine::Engine& engine, const std::string& pair,
                                           int letterBase = 'a');

// "N words added, M lines skipped", the numbers in the locale's digit grouping.
QString MergeSummary(int added, int skipped);

// The progress bar's width for `percent` of a full bar, clamped to the bar.
int IndicatorWidth(int fullWidth, int percent);

// The Dictionary button: opens the editor on the first start. False, and nothing opens,
// during network play.
bool OpenDictionaryEditor(Program& program);
// Refills the starts. Unless `reset`, the selected start stays selected while it still
// has words; otherwise the first start is selected.
void FillStartingLetters(Program& program, bool reset);
// The word count and the words of the selected start.
void ListWords(Program& program);
void SelectStart(Program& program, int index);
// The search box: lower-cased like an added word, the typed text selects the exact word,
// else the first word that starts with it, listing its start first. When no word is or
// starts with it, nothing is selected, SearchMissed is set and, if the text's start has
// words, NearWord is where it would stand. An empty text only clears the search.
void FindEditorWord(Program& program, const QString& typed);

// Add: the typed word, lower-cased, 3 to 16 letters a-z; a refusal is said in a message.
// Either way the typed word is used up. A word added is then found as by the search.
void AddEditorWord(Program& program, const QString& typed);
// Remove: the selected word ("" when none is selected asks for one).
void RemoveEditorWord(Program& program, const std::string& selected);
// Undo: the word the last Remove took out goes back in, selected under its start. False
// when there is none (nothing removed since the editor opened, or already put back).
bool UndoEditorRemoval(Program& program);
// Clear, after asking.
void ClearDictionary(Program& program);
// Merge: starts merging the word file at `path` ("" is a cancelled dialog). A file the
// engine takes in one call is done at once; otherwise Merging is set and MergeStep
// goes on with it. A finished merge leaves its MergeSummary in Status.
void MergeWordFile(Program& program, const QString& path);
// One step of a running merge; nothing when none runs.
void MergeStep(Program& program);
// Save As: every word as text at `path` ("" is a cancelled dialog).
void SaveWordFile(Program& program, const QString& path);
// Exit, or closing the editor.
void CloseDictionaryEditor(Program& program);

} // namespace Dictionary
