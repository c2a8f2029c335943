#include "ResultsWindow.h"

#include "core/board/CheckCubes.h"
#include "core/dictionary/DictionaryStore.h"
#include "windows/game/App.h"
#include "windows/game/EndOfGame.h"
#include "windows/game/MainWindow.h"
#include "core/game/Scoring.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

const QColor kOffPath(255, 192, 128);
const QColor kOnPath(128, 255, 128);

QFont Courier(int points)
{
    QFont font(QStringLiteral("Courier New"), points);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QListWidget* MakeList(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setFont(Courier(11));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setGeometry(geometry);
    return list;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

void SetCubeColour(QLabel* cube, const QColor& colour)
{
    QPalette palette = cube->palette();
    palette.setColor(QPalette::Window, colour);
    cube->setPalette(palette);
}

} // namespace

ResultsWindow::ResultsWindow(App& app, QWidget* parent) : QDialog(parent), m_app(app)
{
    setObjectName(QStringLiteral("Results"));
    setWindowTitle(QStringLiteral("Lettro Results"));
    setModal(true);

    const int listTop = 56;
    const int listHeight = 250;
    UserWordsLabel = MakeLabel(this, QStringLiteral("UserWordsLabel"), tr("Your Words"),
                               QRect(12, 8, 180, 20));
    UserWordsCombo = new QComboBox(this);
    UserWordsCombo->setObjectName(QStringLiteral("UserWordsCombo"));
    UserWordsCombo->setGeometry(12, 28, 180, 24);
    UserWords = MakeList(this, QStringLiteral("UserWords"), QRect(12, listTop, 180, listHeight));

    DictWordsLabel = MakeLabel(this, QStringLiteral("DictWordsLabel"), tr("Lettro's Words"),
                               QRect(204, 8, 180, 20));
    DictWordsCombo = new QComboBox(this);
    DictWordsCombo->setObjectName(QStringLiteral("DictWordsCombo"));
    DictWordsCombo->setGeometry(204, 28, 180, 24);
    DictWords = MakeList(this, QStringLiteral("DictWords"), QRect(204, listTop, 180, listHeight));
    ScoreList = MakeList(this, QStringLiteral("ScoreList"), QRect(204, listTop, 180, listHeight));
    ScoreList->setSelectionMode(QAbstractItemView::NoSelection);
    ScoreList->hide();

    const int cubeSize = 40;
    const int boardLeft = 400;
    for (int i = 0; i < 16; ++i) {
        auto* cube = new QLabel(this);
        cube->setObjectName(QStringLiteral("ResultCubes%1").arg(i));
        cube->setFont(Courier(16));
        cube->setAlignment(Qt::AlignCenter);
        cube->setFrameShape(QFrame::Box);
        cube->setAutoFillBackground(true);
        cube->setGeometry(boardLeft + (i % 4) * cubeSize, listTop + (i / 4) * cubeSize, cubeSize,
                          cubeSize);
        SetCubeColour(cube, kOffPath);
        ResultCubes[static_cast<std::size_t>(i)] = cube;
    }

    const int textTop = listTop + 4 * cubeSize + 16;
    WordsLabel = MakeLabel(this, QStringLiteral("WordsLabel"), {},
                           QRect(boardLeft, textTop, 260, 22));
    ScoreLabel = MakeLabel(this, QStringLiteral("ScoreLabel"), {},
                           QRect(boardLeft, textTop + 24, 260, 22));
    BadWordsLabel = MakeLabel(this, QStringLiteral("BadWordsLabel"), {},
                              QRect(boardLeft, textTop + 48, 260, 22));

    const int buttonTop = listTop + listHeight + 10;
    AddToDict = new QPushButton(tr("Add to Dictionary"), this);
    AddToDict->setObjectName(QStringLiteral("AddToDict"));
    AddToDict->setGeometry(12, buttonTop, 180, 30);
    AddToDict->setAutoDefault(false);
    RemoveFromDict = new QPushButton(tr("Remove from Dictionary"), this);
    RemoveFromDict->setObjectName(QStringLiteral("RemoveFromDict"));
    RemoveFromDict->setGeometry(204, buttonTop, 180, 30);
    RemoveFromDict->setAutoDefault(false);
    ResultsOK = new QPushButton(tr("OK"), this);
    ResultsOK->setObjectName(QStringLiteral("ResultsOK"));
    ResultsOK->setGeometry(boardLeft + 4 * cubeSize - 100, buttonTop, 100, 30);
    ResultsOK->setDefault(true);

    setFixedSize(boardLeft + 4 * cubeSize + 110, buttonTop + 42);

    connect(UserWordsCombo, &QComboBox::currentIndexChanged, this,
            [this] { Common::FillResultLists(m_app); });
    connect(DictWordsCombo, &QComboBox::currentIndexChanged, this,
            [this] { Common::FillResultLists(m_app); });
    const auto showPath = [this](QListWidgetItem* item) {
        Common::ShowWordPath(m_app, item->text().toStdString());
    };
    connect(UserWords, &QListWidget::itemClicked, this, showPath);
    connect(DictWords, &QListWidget::itemClicked, this, showPath);
    connect(AddToDict, &QPushButton::clicked, this, [this] { Common::AddToDict(m_app); });
    connect(RemoveFromDict, &QPushButton::clicked, this, [this] { Common::RemoveFromDict(m_app); });
    connect(ResultsOK, &QPushButton::clicked, this, [this] { Common::CloseResults(m_app); });
}

ResultsWindow::~ResultsWindow()
{
    if (m_app.resultsWindow == this)
        m_app.resultsWindow = nullptr;
}

void ResultsWindow::reject()
{
    Common::ResultsWindowClosed(m_app);
}

namespace Common {

namespace {

std::size_t Index(int i)
{
    return static_cast<std::size_t>(i);
}

// Messages from here belong over the results window: the main window is disabled.
void Notice(App& app, const QString& text)
{
    Ask(app, text, core::Buttons::Ok, QStringLiteral("Lettro"), core::Owner::Results);
}

void FillSelector(QComboBox* combo, std::vector<int>& codes,
                  const std::vector<Scoring::SelectorItem>& items)
{
    combo->clear();
    codes.clear();
    for (const Scoring::SelectorItem& item : items) {
        combo->addItem(QString::fromStdString(item.text));
        codes.push_back(item.code);
    }
}

// The code of the selector's current item, or -1 when nothing is selected.
int SelectedCode(const QComboBox* combo, const std::vector<int>& codes)
{
    const int index = combo->currentIndex();
    return index >= 0 && Index(index) < codes.size() ? codes[Index(index)] : -1;
}

Words& PlayerList(std::vector<Words>& lists, int p)
{
    if (Index(p) >= lists.size())
        lists.resize(Index(p) + 1);
    return lists[Index(p)];
}

const Words& LocalPlayerWords(App& app)
{
    return PlayerList(app.game.PlayerWords, std::max(app.game.LocalPlayerIndex, 0));
}

void RemoveFirstItem(QListWidget* list, const QString& text)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == text) {
            delete list->takeItem(row);
            return;
        }
    }
}

// The window and its lists are emptied whichever way it was closed.
void CloseAndReturn(App& app)
{
    ResultsWindow& r = *app.resultsWindow;
    r.hide();
    r.UserWords->clear();
    r.DictWords->clear();
    r.WordsLabel->clear();
    r.ScoreLabel->clear();
    r.BadWordsLabel->clear();
    app.game.GameInProgress = false;
    // TODO: a network game goes back to the lobby (ReturnToLobby) once network play
    // exists; until then every game gives the main window back so nobody is locked out.
    ReturnToMainWindow(app);
}

} // namespace

ResultsWindow& ResultsWindowFor(App& app)
{
    if (!app.resultsWindow)
        app.resultsWindow = new ResultsWindow(app, app.main);
    return *app.resultsWindow;
}

void PrepareResultsWindow(App& app)
{
    ResultsWindow& r = ResultsWindowFor(app);
    const GameState& game = app.game;
    const bool single = game.GameMode == SinglePlayer;
    {
        // Filling the selectors must not refill the lists at every item.
        const QSignalBlocker userBlock(r.UserWordsCombo);
        const QSignalBlocker dictBlock(r.DictWordsCombo);
        FillSelector(r.UserWordsCombo, r.UserListCodes, Scoring::UserSelectorItems(game));
        FillSelector(r.DictWordsCombo, r.DictListCodes, Scoring::DictSelectorItems(game));
        r.UserWordsCombo->setCurrentIndex(0);
        r.DictWordsCombo->setCurrentIndex(single && app.options.ShowUnusedWords ? 1 : 0);
    }
    r.AddToDict->setVisible(single);
    r.RemoveFromDict->setVisible(single);
    r.UserWordsLabel->setVisible(single);
    r.DictWordsLabel->setVisible(single);
    FillResultLists(app);
    r.ResultsShownAt = std::chrono::steady_clock::now();
    for (int i = 0; i < 16; ++i) {
        const std::string& face = app.board.BoardGrid[Index(i / 4)][Index(i % 4)];
        QLabel* cube = r.ResultCubes[Index(i)];
        cube->setText(face == "qu" ? QStringLiteral("Qu") : QString::fromStdString(face).toUpper());
        SetCubeColour(cube, kOffPath);
    }
}

void FillResultLists(App& app)
{
    ResultsWindow& r = ResultsWindowFor(app);
    const int userCode = SelectedCode(r.UserWordsCombo, r.UserListCodes);
    if (userCode >= 0)
        FillList(app, userCode, r.UserWords);
    const int dictCode = SelectedCode(r.DictWordsCombo, r.DictListCodes);
    if (dictCode >= 0)
        FillList(app, dictCode, r.DictWords);
    if (app.game.GameMode == SinglePlayer)
        r.AddToDict->setVisible(userCode == Scoring::UndefinedBase + app.game.LocalPlayerIndex);
}

void FillList(App& app, int code, QListWidget* target)
{
    ResultsWindow& r = ResultsWindowFor(app);
    if (target == r.DictWords)
        r.ScoreList->hide();
    target->hide();
    QListWidget* list = code == Scoring::ScoreTable ? r.ScoreList : target;
    list->clear();
    if (code == Scoring::ScoreTable) {
        const auto rows = Scoring::ScoreTableRows(app.game, app.board.BoardWords, app.eval);
        for (const std::string& row : rows)
            list->addItem(QString::fromStdString(row));
    } else if (const Words* words = Scoring::ListForCode(app.board.BoardWords, app.eval, code)) {
        for (const std::string& w : *words)
            list->addItem(QString::fromStdString(w));
    }
    list->show();
}

void ShowWordPath(App& app, const std::string& word)
{
    ResultsWindow& r = ResultsWindowFor(app);
    CheckCubes::WordOnBoard(app.board, app.options.RepeatLetters, word);
    for (int i = 0; i < 16; ++i)
        SetCubeColour(r.ResultCubes[Index(i)],
                      app.board.UsedCubes[Index(i / 4)][Index(i % 4)] ? kOnPath : kOffPath);
}

void AddToDict(App& app)
{
    ResultsWindow& r = ResultsWindowFor(app);
    const QList<QListWidgetItem*> selected = r.UserWords->selectedItems();
    if (selected.isEmpty()) {
        Notice(app, QStringLiteral("You must select a word in the 'undefined' list first"));
        return;
    }
    const int L = std::max(app.game.LocalPlayerIndex, 0);
    const std::string w = selected.first()->text().toStdString();
    Dictionary::AddDictionaryWord(app, w);

    const int row = r.UserWords->row(selected.first());
    delete r.UserWords->takeItem(row);
    r.UserWords->clearSelection();
    if (r.UserWords->count() > 0)
        r.UserWords->setCurrentRow(std::min(row, r.UserWords->count() - 1));

    Scoring::RemoveWord(PlayerList(app.eval.PlayerUndefinedWords, L), w);
    const bool playerWord = Scoring::Contains(LocalPlayerWords(app), w);
    if (playerWord)
        Scoring::AppendWord(PlayerList(app.eval.PlayerDefinedWords, L), w);
    const int dictCode = SelectedCode(r.DictWordsCombo, r.DictListCodes);
    Scoring::AppendWord(app.board.BoardWords, w);
    if (dictCode == Scoring::AllBoardWords)
        r.DictWords->addItem(QString::fromStdString(w));
    if (!playerWord) {
        Scoring::AppendWord(app.eval.UnusedWords, w);
        if (dictCode == Scoring::Unused)
            r.DictWords->addItem(QString::fromStdString(w));
    }
    ShowScores(app);
}

void RemoveFromDict(App& app)
{
    ResultsWindow& r = ResultsWindowFor(app);
    const QList<QListWidgetItem*> selected = r.DictWords->selectedItems();
    if (selected.isEmpty()) {
        Notice(app, QStringLiteral("You must select a word in the 'dictionary' list first"));
        return;
    }
    const int L = std::max(app.game.LocalPlayerIndex, 0);
    const std::string w = selected.first()->text().toStdString();
    Dictionary::RemoveDictionaryWord(app, w);
    delete r.DictWords->takeItem(r.DictWords->row(selected.first()));
    // The list would select the next word by itself; a second press must not remove it.
    r.DictWords->clearSelection();

    Scoring::RemoveWord(app.board.BoardWords, w);
    Scoring::RemoveWord(app.eval.UnusedWords, w);
    Scoring::RemoveWord(PlayerList(app.eval.PlayerDefinedWords, L), w);
    const int userCode = SelectedCode(r.UserWordsCombo, r.UserListCodes);
    if (userCode == Scoring::DefinedBase + L)
        RemoveFirstItem(r.UserWords, QString::fromStdString(w));
    if (Scoring::Contains(LocalPlayerWords(app), w)) {
        Scoring::AppendWord(PlayerList(app.eval.PlayerUndefinedWords, L), w);
        if (userCode == Scoring::UndefinedBase + L)
            r.UserWords->addItem(QString::fromStdString(w));
    }
    ShowScores(app);
}

void CloseResults(App& app)
{
    if (!app.resultsWindow)
        return;
    // A word typed with Return just as the game ended must not close the results unseen.
    if (std::chrono::steady_clock::now() - app.resultsWindow->ResultsShownAt <=
        std::chrono::seconds(1))
        return;
    CloseAndReturn(app);
}

void ResultsWindowClosed(App& app)
{
    if (app.resultsWindow)
        CloseAndReturn(app);
}

} // namespace Common
