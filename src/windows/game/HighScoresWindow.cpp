// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighScoresWindow.h"

#include "core/game/BoardLanguage.h"
#include "core/game/HighScores.h"
#include "core/game/Opponents.h"
#include "core/game/Program.h"
#include "windows/game/Runner.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidgetItem* Cell(const QString& text, bool marked, bool number)
{
    auto* item = new QTableWidgetItem(text);
    QFont font = item->font();
    font.setBold(marked);
    item->setFont(font);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QString DateText(const std::string& date)
{
    const QDate d = QDate::fromString(QString::fromStdString(date), Qt::ISODate);
    return QLocale().toString(d, QLocale::ShortFormat);
}

} // namespace

HighScoresWindow::HighScoresWindow(Program& program, Runner& runner, QWidget* parent)
    : QDialog(parent), m_program(program), m_runner(runner)
{
    setObjectName(QStringLiteral("HighScores"));
    setWindowTitle(tr("Lettro High Scores"));
    setModal(true);

    KeyCombo = new QComboBox(this);
    KeyCombo->setObjectName(QStringLiteral("KeyCombo"));
    ScoreTable = new QTableWidget(0, 5, this);
    ScoreTable->setObjectName(QStringLiteral("ScoreTable"));
    ScoreTable->setHorizontalHeaderLabels(
        {tr("Name"), tr("Date"), tr("Points"), tr("Words"), tr("Found")});
    ScoreTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ScoreTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    ScoreTable->setSelectionMode(QAbstractItemView::SingleSelection);
    // The name takes what the date and the numbers leave.
    ScoreTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ScoreTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ScoreTable->setMinimumSize(460, 330);
    NameLabel = new QLabel(this);
    NameLabel->setObjectName(QStringLiteral("NameLabel"));
    ChangeName = new QPushButton(tr("Change &Name..."), this);
    ChangeName->setObjectName(QStringLiteral("ChangeName"));
    ChangeName->setAutoDefault(false);
    CloseButton = new QPushButton(tr("&Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setDefault(true);

    auto* keyLabel = new QLabel(tr("&Game:"), this);
    keyLabel->setBuddy(KeyCombo);
    auto* top = new QHBoxLayout;
    top->addWidget(keyLabel);
    top->addWidget(KeyCombo, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(NameLabel, 1);
    bottom->addWidget(ChangeName);
    bottom->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ScoreTable);
    RecordLabel = new QLabel(this);
    RecordLabel->setObjectName(QStringLiteral("RecordLabel"));
    layout->addWidget(RecordLabel);
    layout->addLayout(bottom);

    connect(KeyCombo, &QComboBox::activated, this, [this](int item) {
        m_runner.run([this, item] {
            const std::vector<HighScores::Key> keys = HighScores::OfferedKeys(m_program);
            if (item >= 0 && static_cast<std::size_t>(item) < keys.size())
                HighScores::ShowKey(m_program, keys[static_cast<std::size_t>(item)]);
        });
    });
    connect(ChangeName, &QPushButton::clicked, this,
            [this] { m_runner.run([this] { HighScores::ChangePlayerName(m_program); }); });
    connect(CloseButton, &QPushButton::clicked, this, [this] { reject(); });
}

void HighScoresWindow::reject()
{
    m_runner.run([this] { HighScores::CloseHighScores(m_program); });
}

void HighScoresWindow::sync()
{
    const HighScoreState& hs = m_program.highScores;
    // Each board language keeps tables of its own.
    setWindowTitle(
        BoardLanguage::WindowTitle(tr("Lettro High Scores"), m_program.dictionary.Language));
    const std::vector<HighScores::Key> keys = HighScores::OfferedKeys(m_program);
    {
        const QSignalBlocker block(KeyCombo);
        KeyCombo->clear();
        for (const HighScores::Key& key : keys) {
            KeyCombo->addItem(QString::fromStdString(HighScores::KeyText(key)));
            if (key == hs.Shown)
                KeyCombo->setCurrentIndex(KeyCombo->count() - 1);
        }
    }
    const auto found = hs.Table.find(hs.Shown);
    const std::vector<HighScores::Row> none;
    const std::vector<HighScores::Row>& rows = found == hs.Table.end() ? none : found->second;
    ScoreTable->clearSelection();
    ScoreTable->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < ScoreTable->rowCount(); ++r) {
        const HighScores::Row& row = rows[static_cast<std::size_t>(r)];
        const bool marked = r == hs.MarkedRow;
        ScoreTable->setItem(r, 0, Cell(QString::fromStdString(row.Name), marked, false));
        ScoreTable->setItem(r, 1, Cell(DateText(row.Date), marked, false));
        ScoreTable->setItem(r, 2, Cell(QString::number(row.Points), marked, true));
        ScoreTable->setItem(r, 3, Cell(QString::number(row.Words), marked, true));
        ScoreTable->setItem(r, 4, Cell(QStringLiteral("%1%").arg(row.Percent), marked, true));
    }
    if (hs.MarkedRow >= 0 && hs.MarkedRow < ScoreTable->rowCount())
        ScoreTable->selectRow(hs.MarkedRow);
    QStringList record;
    for (const std::string& line : Opponents::RecordLines(m_program))
        record << QString::fromStdString(line);
    RecordLabel->setText(record.join(QLatin1Char('\n')));
    const std::string name = HighScores::PlayerName(m_program);
    NameLabel->setText(name.empty() ? tr("Player: not chosen yet")
                                    : tr("Player: %1").arg(QString::fromStdString(name)));
}
