// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scoring.h"

#include "core/game/Tr.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace Scoring {

namespace {

// How the results show a game: a single-player game against the computer as a network
// game of several players.
int Kind(const GameState& game)
{
    return game.GameMode == SinglePlayer && game.Opponents > 0 ? NetworkPlayer : game.GameMode;
}

std::size_t Index(int i)
{
    return static_cast<std::size_t>(i);
}

int Count(const Words& list)
{
    return static_cast<int>(list.size());
}

// The player's list, or an empty one for an index the lists do not hold.
const Words& PlayerList(const std::vector<Words>& lists, int p)
{
    static const Words none;
    return p >= 0 && Index(p) < lists.size() ? lists[Index(p)] : none;
}

int PlayerScore(const Evaluation& eval, int p)
{
    return p >= 0 && Index(p) < eval.PlayerScores.size() ? eval.PlayerScores[Index(p)] : 0;
}

// "1 word", "0 words", "7 words".
QString WordCount(int n)
{
    return core::TrN("Scoring", "%n words", nullptr, n);
}

std::string Out(const QString& text)
{
    return text.toStdString();
}

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The first `chars` characters of UTF-8 text, never splitting a character.
std::string FirstChars(const std::string& text, std::size_t chars)
{
    std::size_t taken = 0;
    std::size_t end = 0;
    while (end < text.size()) {
        if (!IsContinuationByte(text[end])) {
            if (taken == chars)
                break;
            ++taken;
        }
        ++end;
    }
    return text.substr(0, end);
}

// Lookups in long lists (a network game may bring many words) stay cheap.
using WordSet = std::unordered_set<std::string_view>;

WordSet SetOf(const Words& words)
{
    return WordSet(words.begin(), words.end());
}

std::size_t CharCount(const std::string& text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

} // namespace

void AppendWord(Words& list, const std::string& word)
{
    list.push_back(word);
}

void RemoveWord(Words& list, const std::string& word)
{
    const auto at = std::find(list.begin(), list.end(), word);
    if (at != list.end())
        list.erase(at);
}

bool Contains(const Words& list, const std::string& word)
{
    return std::find(list.begin(), list.end(), word) != list.end();
}

int ScoreForWord(const std::string& word)
{
    const std::size_t length = word.size();
    if (length <= 4)
        return 1;
    if (length == 5)
        return 2;
    if (length == 6)
        return 3;
    if (length == 7)
        return 5;
    return 11;
}

int ScoreForWords(const Words& words)
{
    int total = 0;
    for (const std::string& w : words)
        total += ScoreForWord(w);
    return total;
}

int Percent(long long part, long long whole)
{
    if (whole <= 0)
        return 0;
    return static_cast<int>(100 * part / whole);
}

std::string PlayerName(const GameState& game, int i)
{
    return i >= 0 && Index(i) < game.PlayerNames.size() ? game.PlayerNames[Index(i)]
                                                        : std::string();
}

void SizeForPlayers(const GameState& game, Evaluation& eval)
{
    const std::size_t players = Index(std::max(game.PlayerCount, 0));
    eval.PlayerDefinedWords.resize(players);
    eval.PlayerUndefinedWords.resize(players);
    eval.PlayerScores.resize(players, 0);
}

void ClassifyWords(const GameState& game, const Words& boardWords, Evaluation& eval)
{
    SizeForPlayers(game, eval);
    const WordSet board = SetOf(boardWords);
    for (int p = 0; p < game.PlayerCount; ++p) {
        Words& defined = eval.PlayerDefinedWords[Index(p)];
        Words& undefined = eval.PlayerUndefinedWords[Index(p)];
        defined.clear();
        undefined.clear();
        for (const std::string& w : PlayerList(game.PlayerWords, p))
            AppendWord(board.contains(w) ? defined : undefined, w);
    }
}

void FindUnusedAndCommon(const GameState& game, const Words& boardWords, Evaluation& eval)
{
    SizeForPlayers(game, eval);
    eval.UnusedWords.clear();
    eval.CommonWords.clear();
    std::vector<WordSet> entered;
    for (int p = 0; p < game.PlayerCount; ++p)
        entered.push_back(SetOf(PlayerList(game.PlayerWords, p)));
    // Each common word leaves every finder's list once per time the board lists it. The
    // lists are filtered once at the end: erasing word by word made a results message of
    // 21 long lists cost seconds.
    std::unordered_map<std::string_view, int> common;
    for (const std::string& d : boardWords) {
        int finders = 0;
        for (int p = 0; p < game.PlayerCount && finders < 2; ++p)
            finders += entered[Index(p)].contains(d) ? 1 : 0;
        if (finders == 0) {
            AppendWord(eval.UnusedWords, d);
        } else if (finders >= 2) {
            AppendWord(eval.CommonWords, d);
            ++common[d];
        }
    }
    if (common.empty())
        return;
    for (int p = 0; p < game.PlayerCount; ++p) {
        Words& defined = eval.PlayerDefinedWords[Index(p)];
        std::unordered_map<std::string_view, int> left; // removals still due, by word
        for (const auto& [word, times] : common)
            if (entered[Index(p)].contains(word))
                left[word] = times;
        if (left.empty())
            continue;
        Words kept;
        kept.reserve(defined.size());
        for (std::string& w : defined) {
            const auto due = left.find(w);
            if (due != left.end() && due->second > 0)
                --due->second; // the first occurrences go, as one removal at a time took them
            else
                kept.push_back(std::move(w));
        }
        defined.swap(kept);
    }
}

ResultTexts ScoreTexts(const GameState& game, const Words& boardWords, Evaluation& eval)
{
    ResultTexts texts;
    if (Kind(game) == SinglePlayer) {
        const int L = game.LocalPlayerIndex;
        const Words& defined = PlayerList(eval.PlayerDefinedWords, L);
        const int found = Count(defined);
        const int undefined = Count(PlayerList(eval.PlayerUndefinedWords, L));
        const int total = Count(boardWords);

        texts.Words = Out(total != 0 ? core::Tr("Scoring", "%1 found out of %2 (%3%)")
                                           .arg(WordCount(found))
                                           .arg(total)
                                           .arg(Percent(found, total))
                                     : core::Tr("Scoring", "%1 found").arg(WordCount(found)));

        const int score = ScoreForWords(defined);
        const int best = ScoreForWords(boardWords);
        texts.Score = Out(best != 0 ? core::Tr("Scoring", "Score is %1 out of %2 (%3%)")
                                          .arg(score)
                                          .arg(best)
                                          .arg(Percent(score, best))
                                    : core::Tr("Scoring", "Score is %1").arg(score));

        if (undefined != 0)
            texts.BadWords =
                Out(core::Tr("Scoring", "%1 not in dictionary").arg(WordCount(undefined)));
        return texts;
    }

    SizeForPlayers(game, eval);
    for (int p = 0; p < game.PlayerCount; ++p)
        eval.PlayerScores[Index(p)] = ScoreForWords(eval.PlayerDefinedWords[Index(p)]);

    if (game.GameMode == TwoPlayer) {
        const int first = PlayerScore(eval, 0);
        const int second = PlayerScore(eval, 1);
        texts.Words = Out(core::Tr("Scoring", "%1 = Player 1 score").arg(first));
        texts.Score = Out(core::Tr("Scoring", "%1 = Player 2 score").arg(second));
        texts.BadWords = first == second  ? core::TrS("Scoring", "Tie Game!!!")
                         : first > second ? core::TrS("Scoring", "Player 1 Wins")
                                          : core::TrS("Scoring", "Player 2 Wins");
        return texts;
    }

    int high = 0;
    for (int p = 0; p < game.PlayerCount; ++p)
        high = std::max(high, PlayerScore(eval, p));
    texts.Words =
        Out(core::Tr("Scoring", "Your score = %1").arg(PlayerScore(eval, game.LocalPlayerIndex)));
    texts.Score = Out(core::Tr("Scoring", "High score = %1").arg(high));
    int tied = 0;
    for (int p = 0; p < game.PlayerCount; ++p) {
        if (PlayerScore(eval, p) != high)
            continue;
        ++tied;
        texts.BadWords = tied == 1 ? Out(core::Tr("Scoring", "%1 wins")
                                             .arg(QString::fromStdString(PlayerName(game, p))))
                                   : Out(core::Tr("Scoring", "%1 players tie").arg(tied));
    }
    return texts;
}

namespace {
std::string Only(const GameState& game, int p)
{
    return Out(core::Tr("Scoring", "%1 only").arg(QString::fromStdString(PlayerName(game, p))));
}

std::string Undefined(const GameState& game, int p)
{
    return Out(
        core::Tr("Scoring", "%1 undefined").arg(QString::fromStdString(PlayerName(game, p))));
}
} // namespace

std::vector<SelectorItem> UserSelectorItems(const GameState& game)
{
    const int L = game.LocalPlayerIndex;
    switch (Kind(game)) {
    case SinglePlayer:
        return {{core::TrS("Scoring", "Defined"), DefinedBase + L},
                {core::TrS("Scoring", "Undefined"), UndefinedBase + L}};
    case TwoPlayer:
        return {{core::TrS("Scoring", "Player 1 Only"), DefinedBase},
                {core::TrS("Scoring", "Common Words"), Common},
                {core::TrS("Scoring", "Player 1 Undefined"), UndefinedBase},
                {core::TrS("Scoring", "All Words"), AllBoardWords},
                {core::TrS("Scoring", "Unused Words"), Unused}};
    default: {
        std::vector<SelectorItem> items = {{Only(game, L), DefinedBase + L},
                                           {Undefined(game, L), UndefinedBase + L},
                                           {core::TrS("Scoring", "Common Words"), Common},
                                           {core::TrS("Scoring", "All Words"), AllBoardWords},
                                           {core::TrS("Scoring", "Unused Words"), Unused}};
        for (int p = 0; p < game.PlayerCount; ++p) {
            if (p == L)
                continue;
            items.push_back({Only(game, p), DefinedBase + p});
            items.push_back({Undefined(game, p), UndefinedBase + p});
        }
        return items;
    }
    }
}

std::vector<SelectorItem> DictSelectorItems(const GameState& game)
{
    switch (Kind(game)) {
    case SinglePlayer:
        return {{core::TrS("Scoring", "All Words"), AllBoardWords},
                {core::TrS("Scoring", "Unused Words"), Unused}};
    case TwoPlayer:
        return {{core::TrS("Scoring", "Player 2 Only"), DefinedBase + 1},
                {core::TrS("Scoring", "Common Words"), Common},
                {core::TrS("Scoring", "Player 2 Undefined"), UndefinedBase + 1},
                {core::TrS("Scoring", "All Words"), AllBoardWords},
                {core::TrS("Scoring", "Unused Words"), Unused}};
    default: {
        std::vector<SelectorItem> items = {{core::TrS("Scoring", "Scores"), ScoreTable},
                                           {core::TrS("Scoring", "Common Words"), Common},
                                           {core::TrS("Scoring", "All Words"), AllBoardWords},
                                           {core::TrS("Scoring", "Unused Words"), Unused}};
        for (int p = 0; p < game.PlayerCount; ++p) {
            items.push_back({Only(game, p), DefinedBase + p});
            items.push_back({Undefined(game, p), UndefinedBase + p});
        }
        return items;
    }
    }
}

const Words* ListForCode(const Words& boardWords, const Evaluation& eval, int code)
{
    if (code == AllBoardWords)
        return &boardWords;
    if (code == Unused)
        return &eval.UnusedWords;
    if (code == Common)
        return &eval.CommonWords;
    const auto player = [](const std::vector<Words>& lists, int p) -> const Words* {
        return p >= 0 && Index(p) < lists.size() ? &lists[Index(p)] : nullptr;
    };
    if (code >= DefinedBase && code < UndefinedBase)
        return player(eval.PlayerDefinedWords, code - DefinedBase);
    if (code >= UndefinedBase)
        return player(eval.PlayerUndefinedWords, code - UndefinedBase);
    return nullptr;
}

int ListedWordPoints(int code, const std::string& word)
{
    if (code == Common || code >= UndefinedBase)
        return 0;
    return ScoreForWord(word);
}

std::string FormatScoreRow(const std::string& label, int number)
{
    constexpr std::size_t width = 15;
    const std::string n = std::to_string(number);
    const std::size_t room = n.size() + 1 < width ? width - (n.size() + 1) : 0;
    std::string row = FirstChars(label, room) + ":";
    const std::size_t used = CharCount(row) + n.size();
    if (used < width)
        row.append(width - used, ' ');
    return row + n;
}

std::vector<ScoreGridRow> ScoreTableGrid(const GameState& game, const Words& boardWords,
                                         const Evaluation& eval)
{
    std::vector<ScoreGridRow> rows;
    for (int p = 0; p < game.PlayerCount; ++p)
        rows.push_back({.label = PlayerName(game, p),
                        .score = PlayerScore(eval, p),
                        .words = Count(PlayerList(eval.PlayerDefinedWords, p)),
                        .undefined = Count(PlayerList(eval.PlayerUndefinedWords, p))});
    rows.push_back({.label = "COMMON", .words = Count(eval.CommonWords)});
    rows.push_back({.label = "UNUSED", .words = Count(eval.UnusedWords)});
    rows.push_back({.label = "TOTAL", .words = Count(boardWords)});
    return rows;
}

std::vector<std::string> ScoreTableRows(const GameState& game, const Words& boardWords,
                                        const Evaluation& eval)
{
    const std::vector<ScoreGridRow> grid = ScoreTableGrid(game, boardWords, eval);
    const std::string rule(16, '_');
    std::vector<std::string> rows;
    const auto column = [&](int ScoreGridRow::*cell) {
        for (const ScoreGridRow& row : grid)
            if (row.*cell >= 0)
                rows.push_back(FormatScoreRow(row.label, row.*cell));
    };
    column(&ScoreGridRow::score);
    rows.insert(rows.end(), {rule, core::TrS("Scoring", "# of words")});
    column(&ScoreGridRow::words);
    rows.insert(rows.end(), {rule, core::TrS("Scoring", "# undefined")});
    column(&ScoreGridRow::undefined);
    return rows;
}

std::vector<LengthRow> WordsByLength(const Words& boardWords, const Words& found)
{
    const std::unordered_set<std::string_view> entered(found.begin(), found.end());
    std::map<std::size_t, LengthRow> byLength;
    for (const std::string& w : boardWords) {
        LengthRow& row = byLength[w.size()];
        row.length = static_cast<int>(w.size());
        row.points = ScoreForWord(w);
        ++row.there;
        row.found += entered.contains(w) ? 1 : 0;
    }
    std::vector<LengthRow> rows;
    for (const auto& [length, row] : byLength)
        rows.push_back(row);
    return rows;
}

} // namespace Scoring
