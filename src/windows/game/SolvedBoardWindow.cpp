// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolvedBoardWindow.h"

#include "windows/board/SmallBoard.h"
#include "windows/game/Runner.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

QString Minutes(int seconds)
{
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

SolvedBoardWindow::SolvedBoardWindow(Runner& runner, QWidget* parent)
    : QDialog(parent), m_runner(runner)
{
    setObjectName(QStringLiteral("SolvedBoard"));
    setWindowTitle(tr("Lettro - All Words of a Board"));
    setModal(true);
    QFont courier(QStringLiteral("Courier New"), 11);
    courier.setStyleHint(QFont::TypeWriter);

    SolvedWords = new QTreeWidget(this);
    SolvedWords->setObjectName(QStringLiteral("SolvedWords"));
    SolvedWords->setColumnCount(2);
    SolvedWords->setHeaderLabels({tr("All Words"), tr("Points")});
    SolvedWords->setRootIsDecorated(false);
    SolvedWords->setFont(courier);
    SolvedWords->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    SolvedWords->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    SolvedWords->header()->setStretchLastSection(false);
    SolvedWords->setMinimumSize(240, 320);

    // The results window's small board, so that the two read alike.
    const int cubeSize = 40;
    SolvedCubes = new SmallBoard(this);
    SolvedCubes->setObjectName(QStringLiteral("SolvedCubes"));
    SolvedCubes->setFixedSize(4 * cubeSize, 4 * cubeSize);
    SolvedSummary = new QLabel(this);
    SolvedSummary->setObjectName(QStringLiteral("SolvedSummary"));
    SolvedSummary->setWordWrap(true);
    SolvedSummary->setFixedWidth(4 * cubeSize + 40);
    SolvedSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SolvedOK = new QPushButton(tr("OK"), this);
    SolvedOK->setObjectName(QStringLiteral("SolvedOK"));
    SolvedOK->setDefault(true);

    auto* side = new QVBoxLayout;
    side->addWidget(SolvedCubes);
    side->addSpacing(12);
    side->addWidget(SolvedSummary);
    side->addStretch();
    side->addWidget(SolvedOK, 0, Qt::AlignRight);
    auto* row = new QHBoxLayout(this);
    row->addWidget(SolvedWords, 1);
    row->addLayout(side);

    connect(SolvedOK, &QPushButton::clicked, this, &QDialog::reject);
    connect(SolvedWords, &QTreeWidget::currentItemChanged, this, [this] {
        showPath(SolvedWords->indexOfTopLevelItem(SolvedWords->currentItem()));
    });
}

void SolvedBoardWindow::reject()
{
    hide();
    m_runner.returnToMain();
}

void SolvedBoardWindow::showSolved(const BoardCode::GivenBoard& given,
                             const std::vector<Given::SolvedWord>& words, const QString& note)
{
    m_words = words;
    {
        const QSignalBlocker block(SolvedWords);
        SolvedWords->clear();
        for (const Given::SolvedWord& w : words) {
            auto* item = new QTreeWidgetItem(SolvedWords);
            item->setText(0, QString::fromStdString(w.Word));
            item->setText(1, QString::number(w.Points));
            item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    std::array<QString, 16> faces;
    for (std::size_t i = 0; i < 16 && i < given.Board.size(); ++i)
        faces[i] = given.Board[i] == 'Q' ? QStringLiteral("Qu") : QString(QChar(given.Board[i]));
    SolvedCubes->setFaces(faces);
    int points = 0;
    for (const Given::SolvedWord& w : words)
        points += w.Points;
    QStringList lines;
    lines << (words.size() == 1 ? tr("1 word") : tr("%1 words").arg(words.size())) +
                 (points == 1 ? tr(", 1 point in all.") : tr(", %1 points in all.").arg(points));
    lines << tr("Board language %1, %2 %3, words of %4 letters or more%5.")
                 .arg(QString::fromStdString(given.Language).toUpper())
                 .arg(given.GameType == 1 ? tr("Frantic") : tr("Standard"))
                 .arg(Minutes(given.TimeLimit))
                 .arg(given.MinWordSize)
                 .arg(given.RepeatLetters ? tr(", cubes repeated") : QString());
    const std::string code = BoardCode::Encode(given);
    if (!code.empty())
        lines << tr("Board code: %1").arg(QString::fromStdString(code));
    if (!note.isEmpty())
        lines << note;
    SolvedSummary->setText(lines.join(QStringLiteral("\n\n")));
    showPath(-1);
}

void SolvedBoardWindow::showPath(int row)
{
    std::vector<int> path;
    if (row >= 0 && row < int(m_words.size()))
        path = m_words[std::size_t(row)].Path;
    SolvedCubes->setPath(path);
}
