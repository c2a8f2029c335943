// Choosing and placing the board of a game, and fetching its dictionary words.
#include "windows/game/App.h"
#include "core/game/BoardSelection.h"
#include "windows/game/Common.h"
#include "windows/game/MainWindow.h"

#include "windows/board/BoardDrawing.h"
#include "windows/board/WordEntry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace Common {

namespace {
std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}
} // namespace

void SetUpBoard(App& app, std::string& board)
{
    MainWindow& w = *app.main;
    w.WordList->setRowCount(0);
    w.PlayerWordLabel->setText(QString());

    const bool joinedPlayer = app.game.GameMode == NetworkPlayer;
    if (!joinedPlayer) {
        const auto choice = BoardSelection::ChooseBoard(
            app.options.NumWordsLimit,
            [&] { return Dice::ShakeDice(app.board.DieFaces, *app.random); },
            [&](const std::string& text) {
                return app.engine.cCheckForAllDefinedWords(Lower(text));
            });
        board = choice.board;
        app.board.EngineWordCount = choice.wordCount;
    }
    app.board.BoardText = board;

    Dice::PlaceBoard(board, app.board.BoardFaces, app.board.BoardGrid,
                     [&](int k) { DrawCube(app, k); });

    EntryState& entry = app.entry;
    entry.BoardClean = true;
    w.NewWord->clear();
    entry.LastNewWordText.clear();
    w.NewWord->setEnabled(true);
    entry.ClickedWord.clear();
    entry.ClickedCount = 0;
    WordEntry::UpdateEnterCaption(app);
    w.Enter->setDefault(true);

    if (!joinedPlayer) {
        // cGetDefinedWord refers to the last board counted, which is the one played.
        app.board.BoardWords.clear();
        app.board.BoardWords.reserve(static_cast<std::size_t>(app.board.EngineWordCount));
        for (int i = 0; i < app.board.EngineWordCount; ++i)
            app.board.BoardWords.push_back(app.engine.cGetDefinedWord(i));
    }
    w.DefinedWordCount->setText(QStringLiteral("Lettro found %1 words")
                                    .arg(app.board.BoardWords.size()));
}

void DrawCube(App& app, int i)
{
    BoardView::DrawCube(app, i);
}

} // namespace Common
