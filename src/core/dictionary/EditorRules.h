// The dictionary editor's rules, without widgets: which words may be added, which
// two-letter starts exist, the words of one start, and the progress bar's width.
#pragma once

#include <QString>

#include <string>
#include <vector>

namespace engine {
class Engine;
}

namespace Dictionary {

// The editor's own word bounds; they do not follow the word-size options.
inline constexpr int kEditorMinWordLength = 3;
inline constexpr int kEditorMaxWordLength = 16;

enum class EditorWordCheck { Empty, Ok, BadLength, NonAlphabetic };

// Judges a word already turned to lower case: the length is checked before the letters.
EditorWordCheck CheckEditorWord(const QString& word);

// Every two-letter start that has words, as upper-case pairs "AA".."ZZ" in order.
std::vector<QString> StartingLetterPairs(const engine::Engine& engine);

// The words that begin with an upper-case pair such as "CA", in the engine's order;
// nothing for a text that is not two letters A-Z or a start without words.
std::vector<std::string> WordsStartingWith(engine::Engine& engine, const QString& pair,
                                           int letterBase = 'a');

// The progress bar's width for `percent` of a full bar, clamped to the bar.
int IndicatorWidth(int fullWidth, int percent);

} // namespace Dictionary
