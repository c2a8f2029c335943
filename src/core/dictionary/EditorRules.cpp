#include "EditorRules.h"

#include "engine/Engine.h"

#include <algorithm>
#include <cmath>

namespace Dictionary {

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

std::vector<QString> StartingLetterPairs(const engine::Engine& engine)
{
    std::vector<QString> pairs;
    for (int i = 0; i < 26; ++i)
        for (int j = 0; j < 26; ++j)
            if (engine.cDictIndex(i, j) != -1)
                pairs.push_back(QString(QChar('A' + i)) + QChar('A' + j));
    return pairs;
}

std::vector<std::string> WordsStartingWith(engine::Engine& engine, const QString& pair,
                                           int letterBase)
{
    std::vector<std::string> words;
    const QString lower = pair.toLower();
    if (lower.size() != 2)
        return words;
    const int i = lower[0].unicode() - letterBase;
    const int j = lower[1].unicode() - letterBase;
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

} // namespace Dictionary
