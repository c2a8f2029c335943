// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsWindow.h"

#include "core/dictionary/Definitions.h"
#include "core/game/BoardLanguage.h"
#include "core/game/GivenBoard.h"
#include "core/game/Program.h"
#include "core/game/Results.h"
#include "core/game/Tr.h"
#include "core/network/NetworkGame.h"
#include "windows/board/SmallBoard.h"
#include "windows/dictionary/DefinitionPanel.h"
#include "windows/game/DailyStreak.h"
#include "windows/game/Runner.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>

namespace {

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
        painter->setPen(item.palette.color(
            item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(item.rect.adjusted(0, 0, -margin, 0), Qt::AlignRight | Qt::AlignVCenter,
                          suffix);
        painter->restore();
    }
};

// A table the window fills: read only, its columns sized by the widget, no row numbers.
QTableWidget* MakeTable(QWidget* parent, const QString& name, const QStringList& headers)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

// Fills one row of a table: the first cell as text, then numbers right-aligned; a number
// below 0 leaves its cell empty.
void SetTableRow(QTableWidget* table, int row, const QString& label,
                 std::initializer_list<int> numbers)
{
    table->setItem(row, 0, new QTableWidgetItem(label));
    int column = 1;
    for (const int number : numbers) {
        auto* cell = new QTableWidgetItem(number < 0 ? QString() : QString::number(number));
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column++, cell);
    }
}

QFont Courier(int points)
{
    QFont font(QStringLiteral("Courier New"), points);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QListWidget* MakeList(QWidget* parent, const QString& name)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setFont(Courier(11));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(180, 250);
    list->setItemDelegate(new SuffixDelegate(list));
    return list;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
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
    QStringList texts;
    for (const SelectorItem& item : items)
        texts << QString::fromStdString(item.text);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    if (shown != texts) {
        combo->clear();
        combo->addItems(texts);
    }
    combo->setCurrentIndex(chosen);
}

// The rows a list was last filled with, kept on the list: a list filled again loses its
// place, so it is filled only when its rows change.
constexpr const char* kRowsProperty = "shownRows";

QString RowsKey(const std::vector<Results::ShownRow>& rows)
{
    QStringList key;
    for (const Results::ShownRow& row : rows)
        key << QStringLiteral("%1 %2 %3")
                   .arg(QString::fromStdString(row.text))
                   .arg(row.points)
                   .arg(row.found);
    return key.join(QLatin1Char('\n'));
}

void FillList(QListWidget* list, const std::vector<Results::ShownRow>& rows, int selectedRow)
{
    // Filling and selecting mirror the core; they are no choice of the user's.
    const QSignalBlocker block(list);
    const QString key = RowsKey(rows);
    if (list->property(kRowsProperty).toString() == key && list->count() == int(rows.size())) {
        if (SelectedRow(list) != selectedRow) {
            list->clearSelection();
            if (selectedRow >= 0 && selectedRow < list->count())
                list->setCurrentRow(selectedRow);
        }
        return;
    }
    list->setProperty(kRowsProperty, key);
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
        QString tip = core::TrN("ResultsWindow", "%n points", nullptr, row.points);
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

ResultsWindow::ResultsWindow(Program& program, Runner& runner, ui::Desktop& desktop,
                             Definitions::Library& definitions, QWidget* parent)
    : QDialog(parent), m_program(program), m_runner(runner)
{
    setObjectName(QStringLiteral("Results"));
    setWindowTitle(tr("Lettro Results"));
    setModal(true);

    UserWordsLabel = MakeLabel(this, QStringLiteral("UserWordsLabel"), tr("Your Words"));
    UserWordsCombo = new QComboBox(this);
    UserWordsCombo->setObjectName(QStringLiteral("UserWordsCombo"));
    UserWords = MakeList(this, QStringLiteral("UserWords"));

    DictWordsLabel = MakeLabel(this, QStringLiteral("DictWordsLabel"), tr("Lettro's Words"));
    DictWordsCombo = new QComboBox(this);
    DictWordsCombo->setObjectName(QStringLiteral("DictWordsCombo"));
    DictWords = MakeList(this, QStringLiteral("DictWords"));
    ScoreList = MakeTable(this, QStringLiteral("ScoreList"),
                          {QString(), tr("Score"), tr("# of words"), tr("# undefined")});
    ScoreList->setMinimumSize(180, 250);
    ScoreList->hide();

    // The small board grows with the window, square.
    const int cubeSize = 40;
    ResultBoard = new SmallBoard(this);
    ResultBoard->setObjectName(QStringLiteral("ResultBoard"));
    ResultBoard->setMinimumSize(4 * cubeSize, 4 * cubeSize);
    QSizePolicy square(QSizePolicy::Expanding, QSizePolicy::Preferred);
    square.setHeightForWidth(true);
    ResultBoard->setSizePolicy(square);

    WordsLabel = MakeLabel(this, QStringLiteral("WordsLabel"));
    ScoreLabel = MakeLabel(this, QStringLiteral("ScoreLabel"));
    BadWordsLabel = MakeLabel(this, QStringLiteral("BadWordsLabel"));
    DailyLabel = MakeLabel(this, QStringLiteral("DailyLabel"));
    LengthTable = MakeTable(this, QStringLiteral("LengthTable"),
                            {tr("Letters"), tr("Found"), tr("Total"), tr("Points")});
    LengthTable->horizontalHeaderItem(3)->setToolTip(tr("Points for each word of this length"));
    LengthTable->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    LengthTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LengthTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LengthTable->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* lines = new QVBoxLayout;
    for (QLabel* line : {WordsLabel, ScoreLabel, BadWordsLabel, DailyLabel}) {
        line->setWordWrap(true);
        line->setMinimumWidth(5 * cubeSize / 2);
        lines->addWidget(line);
    }
    lines->addStretch();
    auto* results = new QHBoxLayout;
    results->addLayout(lines, 1);
    results->addWidget(LengthTable, 0, Qt::AlignTop);
    auto* side = new QVBoxLayout;
    side->addWidget(ResultBoard);
    side->addSpacing(12);
    side->addLayout(results);
    side->addStretch();

    AddToDict = new QPushButton(tr("Add to Dictionary"), this);
    AddToDict->setObjectName(QStringLiteral("AddToDict"));
    AddToDict->setAutoDefault(false);
    RemoveFromDict = new QPushButton(tr("Remove from Dictionary"), this);
    RemoveFromDict->setObjectName(QStringLiteral("RemoveFromDict"));
    RemoveFromDict->setAutoDefault(false);
    UndoCorrection = new QPushButton(tr("Undo"), this);
    UndoCorrection->setObjectName(QStringLiteral("UndoCorrection"));
    UndoCorrection->setAutoDefault(false);
    UndoCorrection->setShortcut(QKeySequence::Undo);
    UndoCorrection->setToolTip(tr("Take back the last change to the dictionary"));
    CopyBoardCode = new QPushButton(tr("Copy Board Code"), this);
    CopyBoardCode->setObjectName(QStringLiteral("CopyBoardCode"));
    CopyBoardCode->setAutoDefault(false);
    CopyBoardCode->setToolTip(tr("The board and its settings as a short code: Game > Play a "
                                 "Board in any Lettro plays the same game."));
    ResultsOK = new QPushButton(tr("OK"), this);
    ResultsOK->setObjectName(QStringLiteral("ResultsOK"));
    ResultsOK->setMinimumWidth(100);
    ResultsOK->setDefault(true);

    Definition = new DefinitionPanel(definitions, desktop, this);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);
    grid->addWidget(UserWordsLabel, 0, 0);
    grid->addWidget(UserWordsCombo, 1, 0);
    grid->addWidget(UserWords, 2, 0);
    grid->addWidget(AddToDict, 3, 0);
    grid->addWidget(DictWordsLabel, 0, 1);
    grid->addWidget(DictWordsCombo, 1, 1);
    grid->addWidget(DictWords, 2, 1);
    grid->addWidget(ScoreList, 2, 1); // one of the two is shown
    grid->addWidget(RemoveFromDict, 3, 1);
    grid->addWidget(UndoCorrection, 3, 2, Qt::AlignLeft);
    grid->addLayout(side, 1, 2, 2, 1);
    grid->addWidget(Definition, 1, 3, 2, 1);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(CopyBoardCode);
    closing->addWidget(ResultsOK);
    grid->addLayout(closing, 3, 3);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(3, 1);
    // A hidden correction button keeps its row.
    for (QPushButton* button : {AddToDict, RemoveFromDict, UndoCorrection}) {
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        button->setSizePolicy(policy);
    }

    using Results::Selector;
    for (const Selector selector : {Selector::User, Selector::Dict}) {
        const bool user = selector == Selector::User;
        connect(user ? UserWordsCombo : DictWordsCombo, &QComboBox::currentIndexChanged, this,
                [this, selector](int item) {
                    m_runner.run([=, this] { Results::ChooseItem(m_program, selector, item); });
                });
        // A click shows the word's path even when it was already selected (the other
        // list's word may be showing); keys that move the selection move the path too.
        QListWidget* list = user ? UserWords : DictWords;
        const auto selected = [this, list, selector] {
            const int row = SelectedRow(list);
            m_runner.run([=, this] { Results::SelectRow(m_program, selector, row); });
        };
        connect(list, &QListWidget::itemClicked, this, selected);
        connect(list, &QListWidget::itemSelectionChanged, this, selected);
    }
    connect(AddToDict, &QPushButton::clicked, this, [this] {
        const int row = SelectedRow(UserWords);
        m_runner.run([this, row] { Results::AddToDict(m_program, row); });
    });
    connect(RemoveFromDict, &QPushButton::clicked, this, [this] {
        const int row = SelectedRow(DictWords);
        m_runner.run([this, row] { Results::RemoveFromDict(m_program, row); });
    });
    connect(UndoCorrection, &QPushButton::clicked, this,
            [this] { m_runner.run([this] { Results::UndoCorrection(m_program); }); });
    connect(ResultsOK, &QPushButton::clicked, this, [this] { closeResults(false); });
    connect(CopyBoardCode, &QPushButton::clicked, this, [this] {
        QGuiApplication::clipboard()->setText(
            QString::fromStdString(Given::CurrentBoardCode(m_program)));
    });
}

void ResultsWindow::reject()
{
    closeResults(true);
}

void ResultsWindow::closeResults(bool always)
{
    m_runner.run([this, always] {
        if (always)
            Results::ResultsWindowClosed(m_program);
        else if (!Results::CloseResults(m_program))
            return;
        // Network play gives the main window back from its lobby.
        if (IsNetworkGame(m_program))
            Network::ReturnToLobby(m_program);
    });
}

void ResultsWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ResultsOK->setFocus();
}

void ResultsWindow::sync()
{
    if (!m_program.results.Open && isVisible())
        hide();
    // The corrections go to this language's dictionary.
    setWindowTitle(BoardLanguage::WindowTitle(tr("Lettro Results"), m_program.dictionary.Language));
    using Results::Selector;
    FillSelector(UserWordsCombo, Results::SelectorItems(m_program, Selector::User),
                 Results::ChosenItem(m_program, Selector::User));
    FillSelector(DictWordsCombo, Results::SelectorItems(m_program, Selector::Dict),
                 Results::ChosenItem(m_program, Selector::Dict));
    showLists();
    showTables();
    WordsLabel->setText(QString::fromStdString(m_program.results.Words));
    ScoreLabel->setText(QString::fromStdString(m_program.results.Score));
    BadWordsLabel->setText(QString::fromStdString(m_program.results.BadWords));
    std::array<QString, 16> faces;
    for (int i = 0; i < 16; ++i) {
        const std::string& face = m_program.board.BoardGrid[Index(i / 4)][Index(i % 4)];
        faces[Index(i)] =
            face == "qu" ? QStringLiteral("Qu") : QString::fromStdString(face).toUpper();
    }
    ResultBoard->setFaces(faces);
    showPath();
    // The streak is read once per board of the day, not at every step of the window.
    const QString daily = QString::fromStdString(m_program.board.DailyDate);
    if (daily != m_dailyShown) {
        m_dailyShown = daily;
        DailyLabel->setText(
            daily.isEmpty()
                ? QString()
                : tr("Board of the day, %1.").arg(daily) + QLatin1Char(' ') +
                      DailyStreakText(m_program,
                                      QDate::currentDate().toString(Qt::ISODate).toStdString(),
                                      m_program.board.DailyDate));
    }
    DailyLabel->setVisible(!daily.isEmpty());
    // A network game's board is the host's, played with the host's settings.
    CopyBoardCode->setVisible(!IsNetworkGame(m_program) &&
                              !Given::CurrentBoardCode(m_program).empty());
    // The word whose path is shown, from either list.
    const ResultsState& r = m_program.results;
    const std::string& word = r.PathFrom == int(Selector::User) ? r.UserSelected : r.DictSelected;
    Definition->define(QString::fromStdString(m_program.dictionary.Language),
                       r.Open && r.PathFrom >= 0 && Definitions::Shown(m_program)
                           ? QString::fromStdString(word)
                           : QString());
}

void ResultsWindow::showLists()
{
    using Results::Selector;
    const bool corrections = Results::CorrectionsShown(m_program);
    AddToDict->setVisible(Results::AddToDictShown(m_program));
    RemoveFromDict->setVisible(corrections);
    UndoCorrection->setVisible(corrections);
    UndoCorrection->setEnabled(Results::CanUndoCorrection(m_program));
    UserWordsLabel->setVisible(corrections);
    DictWordsLabel->setVisible(corrections);
    if (!m_program.results.Open) {
        for (QListWidget* list : {UserWords, DictWords}) {
            list->clear();
            list->setProperty(kRowsProperty, QString());
        }
        return;
    }
    FillList(UserWords, Results::ShownRows(m_program, Selector::User),
             Results::SelectedRow(m_program, Selector::User));
    const bool table = Results::ShowsScoreTable(m_program);
    if (!table)
        FillList(DictWords, Results::ShownRows(m_program, Selector::Dict),
                 Results::SelectedRow(m_program, Selector::Dict));
    ScoreList->setVisible(table);
    DictWords->setVisible(!table);
}

void ResultsWindow::showTables()
{
    const bool open = m_program.results.Open;
    const std::vector<Scoring::ScoreGridRow> scores = open && Results::ShowsScoreTable(m_program)
                                                          ? Results::ScoreGrid(m_program)
                                                          : std::vector<Scoring::ScoreGridRow>();
    ScoreList->setRowCount(static_cast<int>(scores.size()));
    for (int i = 0; i < ScoreList->rowCount(); ++i) {
        const Scoring::ScoreGridRow& row = scores[Index(i)];
        SetTableRow(ScoreList, i, QString::fromStdString(row.label),
                    {row.score, row.words, row.undefined});
    }
    // Every column shows whole: the table is as wide as its columns at the least.
    ScoreList->resizeColumnsToContents();
    ScoreList->setMinimumWidth(
        std::max(180, ScoreList->horizontalHeader()->length() + 2 * ScoreList->frameWidth()));
    const std::vector<Scoring::LengthRow> lengths =
        open ? Results::LengthTable(m_program) : std::vector<Scoring::LengthRow>();
    LengthTable->setRowCount(static_cast<int>(lengths.size()));
    for (int i = 0; i < LengthTable->rowCount(); ++i) {
        const Scoring::LengthRow& row = lengths[Index(i)];
        SetTableRow(LengthTable, i, QString::number(row.length),
                    {row.found, row.there, row.points});
        LengthTable->item(i, 0)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    LengthTable->setVisible(!lengths.empty());
}

void ResultsWindow::showPath()
{
    ResultBoard->setPath(m_program.results.PathOrder);
}
