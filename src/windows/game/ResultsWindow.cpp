#include "ResultsWindow.h"

#include "core/game/Results.h"
#include "core/network/NetworkGame.h"
#include "windows/game/App.h"
#include "windows/game/HighScoresWindow.h"
#include "windows/game/MainWindow.h"
#include "windows/game/WindowPlace.h"

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

std::size_t Index(int i)
{
    return static_cast<std::size_t>(i);
}

int SelectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void FillSelector(QComboBox* combo, const std::vector<SelectorItem>& items, int chosen)
{
    // Filling must not be taken for the user's choice.
    const QSignalBlocker block(combo);
    combo->clear();
    for (const SelectorItem& item : items)
        combo->addItem(QString::fromStdString(item.text));
    combo->setCurrentIndex(chosen);
}

void FillList(QListWidget* list, const Words& rows, bool keepSelection)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    const QString kept =
        keepSelection && !selected.isEmpty() ? selected.first()->text() : QString();
    list->clear();
    for (const std::string& row : rows)
        list->addItem(QString::fromStdString(row));
    const auto found = list->findItems(kept, Qt::MatchExactly);
    if (!kept.isEmpty() && !found.isEmpty())
        list->setCurrentItem(found.first());
}

} // namespace

ResultsWindow::ResultsWindow(App& app, QWidget* parent) : QDialog(parent), m_app(app)
{
    setObjectName(QStringLiteral("Results"));
    setWindowTitle(QStringLiteral("Lettro Results"));
    setModal(true);

    const int listTop = 56;
    const int listHeight = 250;
    UserWordsLabel =
        MakeLabel(this, QStringLiteral("UserWordsLabel"), tr("Your Words"), QRect(12, 8, 180, 20));
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
    WordsLabel =
        MakeLabel(this, QStringLiteral("WordsLabel"), {}, QRect(boardLeft, textTop, 260, 22));
    ScoreLabel =
        MakeLabel(this, QStringLiteral("ScoreLabel"), {}, QRect(boardLeft, textTop + 24, 260, 22));
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

    using Results::Selector;
    connect(UserWordsCombo, &QComboBox::currentIndexChanged, this, [this](int item) {
        Results::ChooseItem(m_app, Selector::User, item);
        showLists(false);
    });
    connect(DictWordsCombo, &QComboBox::currentIndexChanged, this, [this](int item) {
        Results::ChooseItem(m_app, Selector::Dict, item);
        showLists(false);
    });
    const auto clicked = [this](QListWidgetItem* item) {
        Results::ShowWordPath(m_app, item->text().toStdString());
        showPath();
    };
    connect(UserWords, &QListWidget::itemClicked, this, clicked);
    connect(DictWords, &QListWidget::itemClicked, this, clicked);
    connect(AddToDict, &QPushButton::clicked, this, [this] {
        const int next = Results::AddToDict(m_app, SelectedRow(UserWords));
        refresh(true);
        if (next >= 0)
            UserWords->setCurrentRow(next);
    });
    connect(RemoveFromDict, &QPushButton::clicked, this, [this] {
        Results::RemoveFromDict(m_app, SelectedRow(DictWords));
        // The removed word is gone from the list, so nothing stays selected for a
        // second press to remove.
        refresh(true);
    });
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

void ResultsWindow::refresh(bool keepSelection)
{
    using Results::Selector;
    FillSelector(UserWordsCombo, Results::SelectorItems(m_app, Selector::User),
                 Results::ChosenItem(m_app, Selector::User));
    FillSelector(DictWordsCombo, Results::SelectorItems(m_app, Selector::Dict),
                 Results::ChosenItem(m_app, Selector::Dict));
    showLists(keepSelection);
    WordsLabel->setText(QString::fromStdString(m_app.results.Words));
    ScoreLabel->setText(QString::fromStdString(m_app.results.Score));
    BadWordsLabel->setText(QString::fromStdString(m_app.results.BadWords));
    for (int i = 0; i < 16; ++i) {
        const std::string& face = m_app.board.BoardGrid[Index(i / 4)][Index(i % 4)];
        ResultCubes[Index(i)]->setText(face == "qu" ? QStringLiteral("Qu")
                                                    : QString::fromStdString(face).toUpper());
    }
    showPath();
}

void ResultsWindow::showLists(bool keepSelection)
{
    using Results::Selector;
    const bool corrections = Results::CorrectionsShown(m_app);
    AddToDict->setVisible(Results::AddToDictShown(m_app));
    RemoveFromDict->setVisible(corrections);
    UserWordsLabel->setVisible(corrections);
    DictWordsLabel->setVisible(corrections);
    if (!m_app.results.Open) {
        UserWords->clear();
        DictWords->clear();
        ScoreList->clear();
        return;
    }
    FillList(UserWords, Results::ShownList(m_app, Selector::User), keepSelection);
    const bool table = Results::ShowsScoreTable(m_app);
    FillList(table ? ScoreList : DictWords, Results::ShownList(m_app, Selector::Dict),
             keepSelection);
    ScoreList->setVisible(table);
    DictWords->setVisible(!table);
}

void ResultsWindow::showPath()
{
    for (int i = 0; i < 16; ++i)
        SetCubeColour(ResultCubes[Index(i)],
                      m_app.results.Path[Index(i / 4)][Index(i % 4)] ? kOnPath : kOffPath);
}

namespace Common {

namespace {

// The window is emptied and the main window given back, whichever way it was closed.
void CloseAndReturn(App& app)
{
    ResultsWindow& r = ResultsWindowFor(app);
    r.hide();
    r.refresh();
    if (!IsNetworkGame(app)) {
        ReturnToMainWindow(app);
        // A game that entered its high-score table shows it now.
        ShowHighScoresWhenOpen(app);
        return;
    }
    // The main window, disabled for the results, is network play's to give back.
    app.mainHeldByNetwork = true;
    RunNetworkCall(app, [&app] { Network::ReturnToLobby(app); });
}

} // namespace

ResultsWindow& ResultsWindowFor(App& app)
{
    if (!app.resultsWindow) {
        app.resultsWindow = new ResultsWindow(app, app.main);
        WindowPlace::Remember(app, *app.resultsWindow, QStringLiteral("Results"));
    }
    return *app.resultsWindow;
}

void PrepareResultsWindow(App& app)
{
    ResultsWindowFor(app).refresh();
}

void CloseResults(App& app)
{
    if (Results::CloseResults(app))
        CloseAndReturn(app);
}

void ResultsWindowClosed(App& app)
{
    Results::ResultsWindowClosed(app);
    CloseAndReturn(app);
}

} // namespace Common
