#include "Results.h"

#include "core/board/CheckCubes.h"
#include "core/dictionary/DictionaryStore.h"
#include "core/game/HighScores.h"
#include "core/game/Scoring.h"

#include <QDate>

#include <algorithm>
#include <cstddef>

namespace Results {

namespace {

std::size_t Index(int i)
{
    return static_cast<std::size_t>(i);
}

int& Choice(Program& program, Selector selector)
{
    return selector == Selector::User ? program.results.UserChoice : program.results.DictChoice;
}

// The local player's list; grown when the evaluation did not size it, so that a
// correction never reaches outside it.
Words& LocalList(const Program& program, std::vector<Words>& lists)
{
    const std::size_t p = Index(std::max(program.game.LocalPlayerIndex, 0));
    if (p >= lists.size())
        lists.resize(p + 1);
    return lists[p];
}

bool EnteredByLocalPlayer(const Program& program, const std::string& word)
{
    const auto& all = program.game.PlayerWords;
    const std::size_t p = Index(std::max(program.game.LocalPlayerIndex, 0));
    return p < all.size() && Scoring::Contains(all[p], word);
}

// The word in a row of a selector's list; false when the row holds none.
bool WordInRow(const Program& program, Selector selector, int row, std::string& word)
{
    const Words shown = ShownList(program, selector);
    if (row < 0 || Index(row) >= shown.size())
        return false;
    word = shown[Index(row)];
    return true;
}

// Messages from here belong over the results window: the main window is disabled.
void Notice(Program& program, const QString& text)
{
    Ask(program, text, core::Buttons::Ok, QStringLiteral("Lettro"), core::Owner::Results);
}

} // namespace

void PrepareResults(Program& program, Clock::time_point now)
{
    ResultsState& r = program.results;
    r.UserItems = Scoring::UserSelectorItems(program.game);
    r.DictItems = Scoring::DictSelectorItems(program.game);
    r.UserChoice = 0;
    r.DictChoice = program.game.GameMode == SinglePlayer && program.options.ShowUnusedWords ? 1 : 0;
    r.Path = {};
    r.ShownAt = now;
    ShowScores(program);
    r.Open = true;
}

void ShowScores(Program& program)
{
    const Scoring::ResultTexts texts =
        Scoring::ScoreTexts(program.game, program.board.BoardWords, program.eval);
    program.results.Words = texts.Words;
    program.results.Score = texts.Score;
    program.results.BadWords = texts.BadWords;
}

const std::vector<SelectorItem>& SelectorItems(const Program& program, Selector selector)
{
    return selector == Selector::User ? program.results.UserItems : program.results.DictItems;
}

int ChosenItem(const Program& program, Selector selector)
{
    return selector == Selector::User ? program.results.UserChoice : program.results.DictChoice;
}

void ChooseItem(Program& program, Selector selector, int item)
{
    if (item >= 0 && Index(item) < SelectorItems(program, selector).size())
        Choice(program, selector) = item;
}

int ChosenCode(const Program& program, Selector selector)
{
    const auto& items = SelectorItems(program, selector);
    const int item = ChosenItem(program, selector);
    return item >= 0 && Index(item) < items.size() ? items[Index(item)].code : -1;
}

Words ShownList(const Program& program, Selector selector)
{
    const int code = ChosenCode(program, selector);
    if (code == Scoring::ScoreTable)
        return Scoring::ScoreTableRows(program.game, program.board.BoardWords, program.eval);
    const Words* words = Scoring::ListForCode(program.board.BoardWords, program.eval, code);
    return words ? *words : Words();
}

bool ShowsScoreTable(const Program& program)
{
    return ChosenCode(program, Selector::Dict) == Scoring::ScoreTable;
}

bool CorrectionsShown(const Program& program)
{
    return program.game.GameMode == SinglePlayer;
}

bool AddToDictShown(const Program& program)
{
    return CorrectionsShown(program) && ChosenCode(program, Selector::User) ==
                                            Scoring::UndefinedBase + program.game.LocalPlayerIndex;
}

int AddToDict(Program& program, int selectedRow)
{
    if (!AddToDictShown(program))
        return -1;
    std::string w;
    if (!WordInRow(program, Selector::User, selectedRow, w)) {
        Notice(program, QStringLiteral("You must select a word in the 'undefined' list first"));
        return -1;
    }
    Dictionary::AddDictionaryWord(program, w);
    Scoring::RemoveWord(LocalList(program, program.eval.PlayerUndefinedWords), w);
    const bool playerWord = EnteredByLocalPlayer(program, w);
    if (playerWord)
        Scoring::AppendWord(LocalList(program, program.eval.PlayerDefinedWords), w);
    Scoring::AppendWord(program.board.BoardWords, w);
    if (!playerWord)
        Scoring::AppendWord(program.eval.UnusedWords, w);
    ShowScores(program);
    // The word now in the removed one's place, or the last when it was the last.
    const int left = static_cast<int>(ShownList(program, Selector::User).size());
    return left == 0 ? -1 : std::min(selectedRow, left - 1);
}

void RemoveFromDict(Program& program, int selectedRow)
{
    if (!CorrectionsShown(program))
        return;
    std::string w;
    if (!WordInRow(program, Selector::Dict, selectedRow, w)) {
        Notice(program, QStringLiteral("You must select a word in the 'dictionary' list first"));
        return;
    }
    Dictionary::RemoveDictionaryWord(program, w);
    Scoring::RemoveWord(program.board.BoardWords, w);
    Scoring::RemoveWord(program.eval.UnusedWords, w);
    Scoring::RemoveWord(LocalList(program, program.eval.PlayerDefinedWords), w);
    if (EnteredByLocalPlayer(program, w))
        Scoring::AppendWord(LocalList(program, program.eval.PlayerUndefinedWords), w);
    ShowScores(program);
}

void ShowWordPath(Program& program, const std::string& word)
{
    // A word that cannot be traced shows no path rather than the marks of an older search.
    const bool onBoard =
        CheckCubes::WordOnBoard(program.board, program.options.RepeatLetters, word);
    program.results.Path = onBoard ? program.board.UsedCubes : CheckCubes::Marks{};
}

bool CloseResults(Program& program, Clock::time_point now)
{
    // A word typed with Return just as the game ended must not close the results unseen.
    if (!program.results.Open || now - program.results.ShownAt <= std::chrono::seconds(1))
        return false;
    ResultsWindowClosed(program);
    return true;
}

void ResultsWindowClosed(Program& program)
{
    ResultsState& r = program.results;
    r.Open = false;
    r.Words.clear();
    r.Score.clear();
    r.BadWords.clear();
    r.Path = {};
    program.game.GameInProgress = false;
    HighScores::EnterFinishedGame(program,
                                  QDate::currentDate().toString(Qt::ISODate).toStdString());
}

} // namespace Results
