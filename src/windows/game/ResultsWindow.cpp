// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsWindow.h"

#include "core/game/Results.h"
#include "core/network/NetworkGame.h"
#include "windows/game/App.h"
#include "windows/game/HighScoresWindow.h"
#include "windows/game/MainWindow.h"
#include "windows/game/WindowPlace.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace {

const QColor kOffPath(255, 192, 128);
const QColor kOnPath(128, 255, 128);
// What a word row shows after its word: the found mark and the points.
constexpr int kSuffixRole = Qt::UserRole + 1;

// Draws a row's suffix right-aligned after its word, the word shortened when both would
// not fit: the item's text stays the word itself, for the path and the corrections.
class SuffixDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const QString suffix = index.data(kSuffixRole).toString();
        if (suffix.isEmpty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const int margin = 4;
        const int room =
            item.rect.width() - item.fontMetrics.horizontalAdvance(suffix) - 3 * margin;
        item.text = item.fontMetrics.elidedText(item.text, Qt::ElideRight, room);
        const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
        painter->save();
        painter->setFont(item.font);
        painter->setPen(item.palette.color(item.state & QStyle::State_Selected
                                               ? QPalette::HighlightedText
                                               : QPalette::Text));
        painter->drawText(item.rect.adjusted(0, 0, -margin, 0), Qt::AlignRight | Qt::AlignVCenter,
                          suffix);
        painter->restore();
    }
};

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
    list->setItemDelegate(new SuffixDelegate(list));
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

// "1", or "2,5" for a cube the path comes back to (repeat letters).
QString StepsOn(const std::vector<int>& order, int cube)
{
    QStringList steps;
    for (std::size_t i = 0; i < order.size(); ++i)
        if (order[i] == cube)
            steps.append(QString::number(i + 1));
    return steps.join(QLatin1Char(','));
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

void FillList(QListWidget* list, const std::vector<Results::ShownRow>& rows, int selectedRow)
{
    // Filling and selecting mirror the core; they are no choice of the user's.
    const QSignalBlocker block(list);
    list->clear();
    QFont bold = list->font();
    bold.setBold(true);
    for (const Results::ShownRow& row : rows) {
        auto* item = new QListWidgetItem(QString::fromStdString(row.text), list);
        if (row.points < 0)
            continue;
        item->setData(kSuffixRole, QStringLiteral("%1%2")
                                       .arg(row.found ? QStringLiteral("\u2713 ") : QString())
                                       .arg(row.points, 2));
        QString tip = row.points == 1 ? QObject::tr("1 point") : QObject::tr("%1 points").arg(row.points);
        if (row.found) {
            item->setFont(bold);
            tip += QObject::tr(", found");
        }
        item->setToolTip(tip);
    }
    if (selectedRow >= 0 && selectedRow < list->count())
        list->setCurrentRow(selectedRow);
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
        // The step numbers sit in the cube's top left corner, clear of its letter.
        auto* steps = new QLabel(cube);
        steps->setObjectName(QStringLiteral("PathSteps%1").arg(i));
        QFont small = font();
        small.setPointSize(8);
        small.setBold(true);
        steps->setFont(small);
        steps->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        steps->setGeometry(3, 1, cubeSize - 6, 14);
        steps->setAttribute(Qt::WA_TransparentForMouseEvents);
        PathSteps[static_cast<std::size_t>(i)] = steps;
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
    for (const Selector selector : {Selector::User, Selector::Dict}) {
        const bool user = selector == Selector::User;
        connect(user ? UserWordsCombo : DictWordsCombo, &QComboBox::currentIndexChanged, this,
                [this, selector](int item) {
                    Results::ChooseItem(m_app, selector, item);
                    showLists();
                    showPath();
                });
        // A click shows the word's path even when it was already selected (the other
        // list's word may be showing); keys that move the selection move the path too.
        QListWidget* list = user ? UserWords : DictWords;
        const auto selected = [this, list, selector] {
            Results::SelectRow(m_app, selector, SelectedRow(list));
            showPath();
        };
        connect(list, &QListWidget::itemClicked, this, selected);
        connect(list, &QListWidget::itemSelectionChanged, this, selected);
    }
    connect(AddToDict, &QPushButton::clicked, this, [this] {
        Results::AddToDict(m_app, SelectedRow(UserWords));
        refresh();
    });
    connect(RemoveFromDict, &QPushButton::clicked, this, [this] {
        Results::RemoveFromDict(m_app, SelectedRow(DictWords));
        refresh();
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

void ResultsWindow::refresh()
{
    using Results::Selector;
    FillSelector(UserWordsCombo, Results::SelectorItems(m_app, Selector::User),
                 Results::ChosenItem(m_app, Selector::User));
    FillSelector(DictWordsCombo, Results::SelectorItems(m_app, Selector::Dict),
                 Results::ChosenItem(m_app, Selector::Dict));
    showLists();
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

void ResultsWindow::showLists()
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
    FillList(UserWords, Results::ShownRows(m_app, Selector::User),
             Results::SelectedRow(m_app, Selector::User));
    const bool table = Results::ShowsScoreTable(m_app);
    FillList(table ? ScoreList : DictWords, Results::ShownRows(m_app, Selector::Dict),
             Results::SelectedRow(m_app, Selector::Dict));
    ScoreList->setVisible(table);
    DictWords->setVisible(!table);
}

void ResultsWindow::showPath()
{
    for (int i = 0; i < 16; ++i) {
        SetCubeColour(ResultCubes[Index(i)],
                      m_app.results.Path[Index(i / 4)][Index(i % 4)] ? kOnPath : kOffPath);
        PathSteps[Index(i)]->setText(StepsOn(m_app.results.PathOrder, i));
    }
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
