#include "WordEntry.h"

#include "windows/board/BoardDrawing.h"
#include "core/board/CheckCubes.h"
#include "windows/game/App.h"
#include "windows/game/Common.h"
#include "windows/game/MainWindow.h"
#include "core/game/TimeFormat.h"
#include "core/game/WordLists.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace WordEntry {

namespace {
// Sets a flag for as long as the program itself rewrites the word box.
class Guard {
public:
    explicit Guard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~Guard() { m_flag = false; }
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

private:
    bool& m_flag;
};

QString LowerBoxText(App& app)
{
    return app.main->NewWord->text().toLower();
}

void WriteBox(App& app, const QString& text)
{
    app.main->NewWord->setText(text);
    app.main->NewWord->setCursorPosition(static_cast<int>(text.size()));
}

// Empties the box and shows the board without a path: a word was dropped.
void DropWord(App& app)
{
    app.main->NewWord->clear();
    BoardView::ShowBoardUnselected(app);
    UpdateEnterCaption(app);
}

void ChopLastCharacter(QString& text)
{
    // A character outside the basic plane is two UTF-16 units; never leave half of it.
    const bool pair = text.size() >= 2 && text.back().isLowSurrogate() &&
                      text.at(text.size() - 2).isHighSurrogate();
    text.chop(pair ? 2 : 1);
}

void AddListedWord(App& app, const QString& word, bool boardWord)
{
    QTableWidget& list = *app.main->WordList;
    list.setUpdatesEnabled(false);
    list.insertRow(0);
    auto* item = new QTableWidgetItem(word);
    QFont font(QStringLiteral("Courier New"), 18);
    font.setStyleHint(QFont::TypeWriter);
    font.setStrikeOut(!boardWord);
    item->setFont(font);
    if (!boardWord)
        item->setForeground(QColor(150, 40, 40));
    list.setItem(0, 0, item);
    list.setCurrentCell(0, 0);
    list.scrollToTop();
    list.setUpdatesEnabled(true);
}
} // namespace

void NewWordChanged(App& app)
{
    EntryState& entry = app.entry;
    if (entry.InWordChange)
        return;
    Guard guard(entry.InWordChange);

    QString text = LowerBoxText(app);
    if (text.isEmpty() && !entry.LastNewWordText.empty()) {
        BoardView::ShowBoardUnselected(app);
        UpdateEnterCaption(app);
        return;
    }
    std::string word = text.toStdString();
    if (word == entry.LastNewWordText)
        return;
    entry.LastNewWordText = word;
    // A cube click wrote this text and has drawn its own selection.
    if (word == entry.ClickedWord)
        return;

    while (!CheckCubes::WordOnBoard(app, word)) {
        RejectionSound(app);
        ChopLastCharacter(text);
        word = text.toStdString();
        entry.LastNewWordText = word;
    }
    if (text != app.main->NewWord->text()) {
        WriteBox(app, text);
        UpdateEnterCaption(app);
    }
    UpdateEnterCaption(app);
    BoardView::ShowUsedCubes(app);
}

void EnterWord(App& app)
{
    if (app.game.TimeRemaining == 0)
        return;
    MainWindow& w = *app.main;
    EntryState& entry = app.entry;
    const QString text = LowerBoxText(app);
    entry.ClickedWord.clear();
    entry.ClickedCount = 0;

    if (text.isEmpty()) {
        // "Last": the newest word comes back.
        if (w.WordList->rowCount() > 0) {
            w.WordList->setCurrentCell(0, 0);
            RecallListedWord(app);
        }
        return;
    }
    const auto length = text.size();
    if (length < app.engine.cMinWordSize())
        return;
    if (length > app.engine.cMaxWordSize()) {
        DropWord(app);
        return;
    }

    const std::string word = text.toStdString();
    if (CheckCubes::WordOnBoard(app, word)) {
        for (int row = 0; row < w.WordList->rowCount(); ++row) {
            const QTableWidgetItem* item = w.WordList->item(row, 0);
            if (item && item->text() == text) {
                DropWord(app);
                return;
            }
        }
        const bool boardWord = WordLists::IsBoardWord(app.board.BoardWords, word);
        AddListedWord(app, text, boardWord);
        if (!boardWord) {
            RejectionSound(app);
        } else if (app.game.GameType == Frantic) {
            app.game.TimeRemaining += 2 * static_cast<int>(length) - 4;
            Common::SetClockLabels(
                app, QStringLiteral("Time Remaining"),
                QString::fromStdString(TimeFormat::FormatTime(app.game.TimeRemaining)));
        }
        const int rows = w.WordList->rowCount();
        w.PlayerWordLabel->setText(rows == 1 ? QStringLiteral("1 word entered")
                                             : QStringLiteral("%1 words entered").arg(rows));
    }

    Guard guard(entry.InWordChange);
    w.NewWord->clear();
    w.NewWord->setFocus();
    w.Enter->setDefault(true);
    BoardView::ShowBoardUnselected(app);
    UpdateEnterCaption(app);
}

void RemoveLastLetter(App& app)
{
    EntryState& entry = app.entry;
    QString text = app.main->NewWord->text();
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
                BoardView::DrawCube(app, entry.ClickedPath[static_cast<std::size_t>(
                                             entry.ClickedCount)]);
                entry.BoardClean = false;
                entry.ClickedCount -= 1;
            }
        } else {
            entry.ClickedWord.clear();
            entry.ClickedCount = 0;
            BoardView::ShowBoardUnselected(app);
        }
    }
    // Writing the box runs the typing filter, which shows the path of what is left.
    WriteBox(app, text);
    UpdateEnterCaption(app);
}

void RecallListedWord(App& app)
{
    MainWindow& w = *app.main;
    if (w.WordList->rowCount() == 0 || app.game.TimeRemaining == 0)
        return;
    const QTableWidgetItem* item = w.WordList->item(std::max(w.WordList->currentRow(), 0), 0);
    if (!item)
        return;
    const QString word = item->text();
    EntryState& entry = app.entry;
    entry.ClickedWord.clear();
    entry.ClickedCount = 0;
    BoardView::ShowBoardUnselected(app);
    entry.LastNewWordText.clear();
    WriteBox(app, word);
    w.NewWord->setFocus();
    UpdateEnterCaption(app);
    NewWordChanged(app);
}

void UpdateEnterCaption(App& app)
{
    MainWindow& w = *app.main;
    const QString caption = w.NewWord->text().isEmpty() && w.WordList->rowCount() > 0
                                ? QStringLiteral("Last")
                                : QStringLiteral("Enter");
    if (w.Enter->text() != caption)
        w.Enter->setText(caption);
}

void CubeClicked(App& app, int i)
{
    MainWindow& w = *app.main;
    if (w.NewWord->isEnabled())
        w.NewWord->setFocus();
    if (app.game.TimeRemaining == 0 || i < 0 || i > 15)
        return;
    EntryState& entry = app.entry;
    const std::string typed = LowerBoxText(app).toStdString();

    // The last clicked cube once more: that is the whole word.
    if (entry.ClickedCount > 0 &&
        entry.ClickedPath[static_cast<std::size_t>(entry.ClickedCount)] == i &&
        typed == entry.ClickedWord && !app.options.RepeatLetters) {
        EnterWord(app);
        return;
    }
    // The path table has room for 17 clicks; one more is refused like a wrong cube.
    if (entry.ClickedCount >= static_cast<int>(entry.ClickedPath.size()) - 1) {
        RejectionSound(app);
        return;
    }
    const std::string& face =
        app.board.BoardGrid[static_cast<std::size_t>(i / 4)][static_cast<std::size_t>(i % 4)];
    if (!CheckCubes::WordOnBoard(app, typed + face)) {
        RejectionSound(app);
        return;
    }
    entry.ClickedCount += 1;
    entry.ClickedPath[static_cast<std::size_t>(entry.ClickedCount)] = i;
    BoardView::DrawSelectedCube(app, i);
    entry.BoardClean = false;
    entry.ClickedWord += face;

    const QString text = w.NewWord->text() + QString::fromStdString(face);
    // The filter must see no change, so that the clicked cubes stay selected.
    entry.LastNewWordText = text.toLower().toStdString();
    WriteBox(app, text);
    w.NewWord->setFocus();
    w.NewWord->update();
    UpdateEnterCaption(app);
}

} // namespace WordEntry
