// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordEntry.h"

#include "core/board/BoardView.h"
#include "core/board/CheckCubes.h"
#include "core/game/Game.h"
#include "core/game/Program.h"
#include "core/game/Scoring.h"

#include <algorithm>

namespace WordEntry {

namespace {
void ChopLastCharacter(QString& text)
{
    // A character outside the basic plane is two UTF-16 units; never leave half of it.
    const bool pair = text.size() >= 2 && text.back().isLowSurrogate() &&
                      text.at(text.size() - 2).isHighSurrogate();
    text.chop(pair ? 2 : 1);
}

// The box as the program rewrites it: a change runs the typing filter, as a change
// made by the player does.
void WriteBox(Program& program, const QString& text)
{
    if (text != program.entry.NewWordText)
        NewWordChanged(program, text);
}

// The box turns red at every refusal, so it is seen with sounds off too.
void Refuse(Program& program)
{
    program.entry.Refusals += 1;
    program.entry.Refused = true;
    RejectionSound(program);
}

// Empties the box and shows the board without a path: a word was dropped.
void DropWord(Program& program)
{
    WriteBox(program, QString());
    BoardView::ShowBoardUnselected(program);
}
} // namespace

void NewWordChanged(Program& program, const QString& typed)
{
    EntryState& entry = program.entry;
    entry.NewWordText = typed;
    QString text = typed.toLower();
    if (text.isEmpty() && !entry.LastNewWordText.empty()) {
        entry.Refused = false;
        BoardView::ShowBoardUnselected(program);
        return;
    }
    std::string word = text.toStdString();
    if (word == entry.LastNewWordText)
        return;
    entry.LastNewWordText = word;
    // A key that changed the word; the search below turns the box red again if it was not
    // accepted.
    entry.Refused = false;
    // A cube click wrote this text and has chosen its own selection.
    if (word == entry.ClickedWord)
        return;

    while (!CheckCubes::WordOnBoard(program, word)) {
        Refuse(program);
        ChopLastCharacter(text);
        word = text.toStdString();
        entry.LastNewWordText = word;
    }
    entry.NewWordText = text;
    BoardView::ShowUsedCubes(program);
}

void EnterWord(Program& program)
{
    if (program.game.TimeRemaining == 0)
        return;
    EntryState& entry = program.entry;
    const QString text = entry.NewWordText.toLower();
    entry.ClickedWord.clear();
    entry.ClickedCount = 0;
    entry.Refused = false;

    if (text.isEmpty()) {
        // "Last": the newest word comes back.
        if (!entry.ListedWords.empty())
            RecallListedWord(program, 0);
        return;
    }
    const auto length = text.size();
    if (length < program.engine.cMinWordSize()) {
        // Silent, as ever, but the box turns red.
        entry.Refusals += 1;
        entry.Refused = true;
        return;
    }
    if (length > program.engine.cMaxWordSize()) {
        DropWord(program);
        return;
    }

    const std::string word = text.toStdString();
    if (CheckCubes::WordOnBoard(program, word)) {
        const auto listed = std::find_if(entry.ListedWords.begin(), entry.ListedWords.end(),
                                         [&](const ListedWord& w) { return w.Word == text; });
        if (listed != entry.ListedWords.end()) {
            DropWord(program);
            return;
        }
        const bool boardWord = Scoring::Contains(program.board.BoardWords, word);
        entry.ListedWords.insert(entry.ListedWords.begin(), ListedWord{text, boardWord});
        entry.SelectedRow = 0;
        if (!boardWord) {
            Refuse(program);
        } else if (program.game.GameType == Frantic) {
            const int bonus = 2 * static_cast<int>(length) - 4;
            program.game.TimeRemaining += bonus;
            Game::SetClockLabels(
                program, QStringLiteral("Time Remaining"),
                QString::fromStdString(TimeFormat::FormatTime(program.game.TimeRemaining)));
            Game::ShowBonus(program, bonus);
        }
        const auto rows = entry.ListedWords.size();
        program.screen.PlayerWordText = rows == 1 ? QStringLiteral("1 word entered")
                                                  : QStringLiteral("%1 words entered").arg(rows);
    }
    // The program empties the box without running the filter.
    entry.NewWordText.clear();
    BoardView::ShowBoardUnselected(program);
}

void RemoveLastLetter(Program& program)
{
    EntryState& entry = program.entry;
    entry.Refused = false;
    QString text = entry.NewWordText;
    const auto n = text.size();
    const qsizetype k = n >= 2 && text.right(2).toLower() == QStringLiteral("qu") ? 2 : 1;
    if (n > 0) {
        text.truncate(n - k);
        if (n > k) {
            const std::string rest = text.toLower().toStdString();
            const auto kept = static_cast<std::size_t>(n - k);
            // Built by clicking: the last clicked cube goes back to unselected.
            if (entry.ClickedWord.substr(0, kept) == rest && entry.ClickedCount > 0) {
                entry.ClickedWord.resize(std::min(kept, entry.ClickedWord.size()));
                const int cube = entry.ClickedPath[static_cast<std::size_t>(entry.ClickedCount)];
                if (cube >= 0 && cube < 16)
                    program.view.WantedLooks[static_cast<std::size_t>(cube)] =
                        BoardView::Unselected;
                if (!program.view.ShownPath.empty() && program.view.ShownPath.back() == cube)
                    program.view.ShownPath.pop_back();
                entry.BoardClean = false;
                entry.ClickedCount -= 1;
            }
        } else {
            entry.ClickedWord.clear();
            entry.ClickedCount = 0;
            BoardView::ShowBoardUnselected(program);
        }
    }
    // The filter shows the path of what is left.
    WriteBox(program, text);
}

void RecallListedWord(Program& program, int row)
{
    EntryState& entry = program.entry;
    if (entry.ListedWords.empty() || program.game.TimeRemaining == 0)
        return;
    row = std::clamp(row, 0, static_cast<int>(entry.ListedWords.size()) - 1);
    entry.SelectedRow = row;
    const QString word = entry.ListedWords[static_cast<std::size_t>(row)].Word;
    entry.ClickedWord.clear();
    entry.ClickedCount = 0;
    BoardView::ShowBoardUnselected(program);
    entry.LastNewWordText.clear();
    NewWordChanged(program, word);
}

QString EnterCaption(const Program& program)
{
    return program.entry.NewWordText.isEmpty() && !program.entry.ListedWords.empty()
               ? QStringLiteral("Last")
               : QStringLiteral("Enter");
}

void CubeClicked(Program& program, int i)
{
    if (program.game.TimeRemaining == 0 || i < 0 || i > 15)
        return;
    EntryState& entry = program.entry;
    const std::string typed = entry.NewWordText.toLower().toStdString();

    // The last clicked cube once more: that is the whole word.
    if (entry.ClickedCount > 0 &&
        entry.ClickedPath[static_cast<std::size_t>(entry.ClickedCount)] == i &&
        typed == entry.ClickedWord && !program.options.RepeatLetters) {
        EnterWord(program);
        return;
    }
    // The path table has room for 17 clicks; one more is refused like a wrong cube.
    if (entry.ClickedCount >= static_cast<int>(entry.ClickedPath.size()) - 1) {
        Refuse(program);
        return;
    }
    const std::string& face =
        program.board.BoardGrid[static_cast<std::size_t>(i / 4)][static_cast<std::size_t>(i % 4)];
    if (!CheckCubes::WordOnBoard(program, typed + face)) {
        Refuse(program);
        return;
    }
    entry.ClickedCount += 1;
    entry.ClickedPath[static_cast<std::size_t>(entry.ClickedCount)] = i;
    program.view.WantedLooks[static_cast<std::size_t>(i)] = BoardView::Selected;
    program.view.ShownPath.push_back(i);
    entry.BoardClean = false;
    entry.ClickedWord += face;
    entry.Refused = false;

    // The filter must see no change, so that the clicked cubes stay selected.
    entry.NewWordText += QString::fromStdString(face);
    entry.LastNewWordText = entry.NewWordText.toLower().toStdString();
}

void CubeDragged(Program& program, int i)
{
    const std::vector<int>& shown = program.view.ShownPath;
    if (shown.empty() || shown.back() != i)
        CubeClicked(program, i);
}

void CubeDragReleased(Program& program, int i)
{
    // The last cube the board shows for the word, however the word was begun.
    const std::vector<int>& shown = program.view.ShownPath;
    if (program.game.TimeRemaining != 0 && !shown.empty() && shown.back() == i)
        EnterWord(program);
}

QString ScoreSoFarText(const Program& program)
{
    if (program.game.TimeRemaining == 0)
        return {};
    int words = 0, points = 0;
    for (const ListedWord& listed : program.entry.ListedWords)
        if (listed.BoardWord)
            words += 1, points += Scoring::ScoreForWord(listed.Word.toStdString());
    return QStringLiteral("Score so far: %1 %2 (%3 %4)")
        .arg(points)
        .arg(points == 1 ? "point" : "points")
        .arg(words)
        .arg(words == 1 ? "word" : "words");
}

void ClearEntry(Program& program)
{
    EntryState& entry = program.entry;
    entry.ListedWords.clear();
    entry.SelectedRow = 0;
    program.screen.PlayerWordText.clear();
    entry.NewWordEnabled = true;
    entry.LastNewWordText.clear();
    entry.ClickedWord.clear();
    entry.ClickedCount = 0;
    entry.Refused = false;
    program.view.ShownPath.clear();
}

} // namespace WordEntry
