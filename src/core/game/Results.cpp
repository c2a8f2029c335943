// SPDX-License-Identifier: GPL-3.0-or-later
#include "Results.h"

#include "core/board/CheckCubes.h"
#include "core/dictionary/DictionaryStore.h"
#include "core/game/GivenBoard.h"
#include "core/game/HighScores.h"
#include "core/game/Opponents.h"
#include "core/game/Progress.h"
#include "core/game/Scoring.h"
#include "core/game/Tr.h"

#include <QDate>
#include <QDateTime>

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <unordered_set>
#include <utility>

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

const std::string& Selected(const Program& program, Selector selector)
{
    return selector == Selector::User ? program.results.UserSelected
                                      : program.results.DictSelected;
}

std::string& Selected(Program& program, Selector selector)
{
    return const_cast<std::string&>(Selected(std::as_const(program), selector));
}

// The player whose finds "All Words" marks: in a two-player game each selector is one
// player's side, otherwise the player at this computer.
int FinderFor(const Program& program, Selector selector)
{
    if (program.results.Mode == TwoPlayer)
        return selector == Selector::User ? 0 : 1;
    return program.game.LocalPlayerIndex;
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

// Drops selections whose word has left its list, then shows the path of the word selected
// last, or none.
void FollowSelection(Program& program)
{
    ResultsState& r = program.results;
    for (Selector s : {Selector::User, Selector::Dict})
        if (SelectedRow(program, s) < 0)
            Selected(program, s).clear();
    const std::string word =
        r.PathFrom < 0 ? std::string() : Selected(program, static_cast<Selector>(r.PathFrom));
    if (!word.empty()) {
        ShowWordPath(program, word);
        return;
    }
    r.PathFrom = -1;
    r.Path = {};
    r.PathOrder.clear();
}

// Keeps what a correction of `word` is about to change, for its undo.
void RememberCorrection(Program& program, const std::string& word, bool added)
{
    program.results.LastCorrection =
        ResultsState::Correction{word, added, program.board.BoardWords, program.eval};
}

} // namespace

void PrepareResults(Program& program, Clock::time_point now)
{
    ResultsState& r = program.results;
    r.UserItems = Scoring::UserSelectorItems(program.game);
    r.DictItems = Scoring::DictSelectorItems(program.game);
    r.UserChoice = 0;
    r.DictChoice = program.game.GameMode == SinglePlayer && program.game.Opponents == 0 &&
                           program.options.ShowUnusedWords
                       ? 1
                       : 0;
    r.Mode = program.game.GameMode;
    r.RepeatLetters = program.options.RepeatLetters;
    r.UserSelected.clear();
    r.DictSelected.clear();
    r.PathFrom = -1;
    r.Path = {};
    r.PathOrder.clear();
    r.LastCorrection.reset();
    r.ShownAt = now;
    ShowScores(program);
    r.Open = true;
    r.Available = true;
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
    if (item < 0 || Index(item) >= SelectorItems(program, selector).size() ||
        item == Choice(program, selector))
        return;
    Choice(program, selector) = item;
    // The list is filled anew with nothing selected.
    Selected(program, selector).clear();
    FollowSelection(program);
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

std::vector<ShownRow> ShownRows(const Program& program, Selector selector)
{
    const int code = ChosenCode(program, selector);
    std::unordered_set<std::string_view> found;
    const auto& entered = program.game.PlayerWords;
    const int finder = FinderFor(program, selector);
    if (code == Scoring::AllBoardWords && finder >= 0 && Index(finder) < entered.size())
        found.insert(entered[Index(finder)].begin(), entered[Index(finder)].end());
    std::vector<ShownRow> rows;
    for (std::string& text : ShownList(program, selector)) {
        ShownRow row{.text = std::move(text)};
        if (code != Scoring::ScoreTable)
            row.points = Scoring::ListedWordPoints(code, row.text);
        row.found = found.contains(row.text);
        rows.push_back(std::move(row));
    }
    return rows;
}

void SelectRow(Program& program, Selector selector, int row)
{
    std::string word;
    if (!(selector == Selector::Dict && ShowsScoreTable(program)))
        WordInRow(program, selector, row, word);
    Selected(program, selector) = word;
    if (!word.empty())
        program.results.PathFrom = static_cast<int>(selector);
    FollowSelection(program);
}

int SelectedRow(const Program& program, Selector selector)
{
    const std::string& word = Selected(program, selector);
    if (word.empty() || (selector == Selector::Dict && ShowsScoreTable(program)))
        return -1;
    const Words shown = ShownList(program, selector);
    const auto at = std::find(shown.begin(), shown.end(), word);
    return at == shown.end() ? -1 : static_cast<int>(at - shown.begin());
}

bool ShowsScoreTable(const Program& program)
{
    return ChosenCode(program, Selector::Dict) == Scoring::ScoreTable;
}

bool CorrectionsShown(const Program& program)
{
    // Shown again after the options turned to another mode, the results of a single-player
    // game would be rescored for that mode: they stay as they are.
    return program.results.Mode == SinglePlayer && program.game.GameMode == SinglePlayer;
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
        Notice(program,
               core::Tr("Results", "You must select a word in the 'undefined' list first"));
        return -1;
    }
    RememberCorrection(program, w, true);
    Dictionary::AddDictionaryWord(program, w);
    Scoring::AppendWord(program.board.BoardWords, w);
    if (program.game.Opponents > 0) {
        Opponents::Rescore(program); // the computers may have entered it too
    } else {
        Scoring::RemoveWord(LocalList(program, program.eval.PlayerUndefinedWords), w);
        Scoring::AppendWord(EnteredByLocalPlayer(program, w)
                                ? LocalList(program, program.eval.PlayerDefinedWords)
                                : program.eval.UnusedWords,
                            w);
        ShowScores(program);
    }
    // The word now in the removed one's place, or the last when it was the last.
    const Words left = ShownList(program, Selector::User);
    const int next = left.empty() ? -1 : std::min(selectedRow, static_cast<int>(left.size()) - 1);
    program.results.UserSelected = next < 0 ? std::string() : left[Index(next)];
    FollowSelection(program);
    return next;
}

void RemoveFromDict(Program& program, int selectedRow)
{
    if (!CorrectionsShown(program))
        return;
    std::string w;
    if (!WordInRow(program, Selector::Dict, selectedRow, w)) {
        Notice(program,
               core::Tr("Results", "You must select a word in the 'dictionary' list first"));
        return;
    }
    RememberCorrection(program, w, false);
    Dictionary::RemoveDictionaryWord(program, w);
    Scoring::RemoveWord(program.board.BoardWords, w);
    if (program.game.Opponents > 0) {
        Opponents::Rescore(program);
        program.results.DictSelected.clear();
        FollowSelection(program);
        return;
    }
    Scoring::RemoveWord(program.eval.UnusedWords, w);
    Scoring::RemoveWord(LocalList(program, program.eval.PlayerDefinedWords), w);
    if (EnteredByLocalPlayer(program, w))
        Scoring::AppendWord(LocalList(program, program.eval.PlayerUndefinedWords), w);
    ShowScores(program);
    // The removed word leaves its list, so nothing there stays selected.
    program.results.DictSelected.clear();
    FollowSelection(program);
}

bool CanUndoCorrection(const Program& program)
{
    return CorrectionsShown(program) && program.results.LastCorrection.has_value();
}

bool UndoCorrection(Program& program)
{
    if (!CanUndoCorrection(program))
        return false;
    ResultsState::Correction last = std::move(*program.results.LastCorrection);
    program.results.LastCorrection.reset();
    if (last.added)
        Dictionary::RemoveDictionaryWord(program, last.word);
    else
        Dictionary::AddDictionaryWord(program, last.word);
    program.board.BoardWords = std::move(last.boardWords);
    program.eval = std::move(last.eval);
    ShowScores(program);
    FollowSelection(program);
    return true;
}

std::vector<Scoring::LengthRow> LengthTable(const Program& program)
{
    const auto& entered = program.game.PlayerWords;
    Words found;
    for (std::size_t p = 0; p < entered.size(); ++p)
        if (program.results.Mode == TwoPlayer ||
            static_cast<int>(p) == program.game.LocalPlayerIndex)
            found.insert(found.end(), entered[p].begin(), entered[p].end());
    return Scoring::WordsByLength(program.board.BoardWords, found);
}

std::vector<Scoring::ScoreGridRow> ScoreGrid(const Program& program)
{
    return Scoring::ScoreTableGrid(program.game, program.board.BoardWords, program.eval);
}

void ShowWordPath(Program& program, const std::string& word)
{
    ResultsState& r = program.results;
    CheckCubes::PathSearch search(program.board.BoardGrid, program.board.UsedCubes,
                                  r.RepeatLetters, word);
    // A word that cannot be traced shows no path rather than the marks of an older search.
    r.PathOrder = search.WordOnBoard() ? search.order() : std::vector<int>();
    // Lit from the order, not the search's marks: with repeat letters a failed try may
    // clear the mark of a cube the path comes back to.
    r.Path = {};
    for (int cube : r.PathOrder)
        r.Path[Index(cube / 4)][Index(cube % 4)] = true;
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
    if (r.Open)
        r.KeptLines = {r.Words, r.Score, r.BadWords};
    r.Open = false;
    r.Words.clear();
    r.Score.clear();
    r.BadWords.clear();
    r.UserSelected.clear();
    r.DictSelected.clear();
    r.LastCorrection.reset(); // the editor may change the dictionary before they reopen
    FollowSelection(program);
    program.game.GameInProgress = false;
    HighScores::EnterFinishedGame(program,
                                  QDate::currentDate().toString(Qt::ISODate).toStdString());
    Progress::RecordFinishedGame(
        program, QDateTime::currentDateTime().toString(Qt::ISODate).toStdString());
    Opponents::RecordFinishedGame(program);
    Given::RestoreOwnSettings(program);
}

bool LastResultsAvailable(const Program& program)
{
    const ResultsState& r = program.results;
    return r.Available && !r.Open && !program.game.GameInProgress && !IsNetworkGame(program);
}

bool ReopenResults(Program& program, Clock::time_point now)
{
    if (!LastResultsAvailable(program))
        return false;
    ResultsState& r = program.results;
    r.Words = r.KeptLines[0];
    r.Score = r.KeptLines[1];
    r.BadWords = r.KeptLines[2];
    r.ShownAt = now;
    r.Open = true;
    return true;
}

} // namespace Results
