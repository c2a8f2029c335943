// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolvedBoardWindow.h"

#include "core/game/Tr.h"
#include "windows/game/Runner.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// The results window's colours, so that the two read alike.
const QColor kOffPath(255, 192, 128);
const QColor kOnPath(128, 255, 128);

void SetCubeColour(QLabel* cube, const QColor& colour)
{
    QPalette palette = cube->palette();
    palette.setColor(QPalette::Window, colour);
    cube->setPalette(palette);
}

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

    const int cubeSize = 40;
    auto* boardArea = new QWidget(this);
    boardArea->setFixedSize(4 * cubeSize, 4 * cubeSize);
    auto* board = new QGridLayout(boardArea);
    board->setContentsMargins(0, 0, 0, 0);
    board->setSpacing(0);
    QFont big = courier;
    big.setPointSize(16);
    QFont small = font();
    small.setPointSize(8);
    small.setBold(true);
    for (std::size_t i = 0; i < 16; ++i) {
        auto* cube = new QLabel(boardArea);
        cube->setObjectName(QStringLiteral("SolvedCubes%1").arg(i));
        cube->setFont(big);
        cube->setAlignment(Qt::AlignCenter);
        cube->setFrameShape(QFrame::Box);
        cube->setAutoFillBackground(true);
        cube->setFixedSize(cubeSize, cubeSize);
        SetCubeColour(cube, kOffPath);
        board->addWidget(cube, int(i / 4), int(i % 4));
        auto* steps = new QLabel(cube);
        steps->setFont(small);
        steps->setGeometry(3, 1, cubeSize - 6, 14);
        steps->setAttribute(Qt::WA_TransparentForMouseEvents);
        SolvedCubes[i] = cube;
        SolvedSteps[i] = steps;
    }
    SolvedSummary = new QLabel(this);
    SolvedSummary->setObjectName(QStringLiteral("SolvedSummary"));
    SolvedSummary->setWordWrap(true);
    SolvedSummary->setFixedWidth(4 * cubeSize + 40);
    SolvedSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SolvedOK = new QPushButton(tr("OK"), this);
    SolvedOK->setObjectName(QStringLiteral("SolvedOK"));
    SolvedOK->setDefault(true);

    auto* side = new QVBoxLayout;
    side->addWidget(boardArea);
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
    for (std::size_t i = 0; i < 16 && i < given.Board.size(); ++i)
        SolvedCubes[i]->setText(given.Board[i] == 'Q' ? QStringLiteral("Qu")
                                                      : QString(QChar(given.Board[i])));
    int points = 0;
    for (const Given::SolvedWord& w : words)
        points += w.Points;
    QStringList lines;
    lines << tr("%1, %2 in all.")
                 .arg(core::TrN("SolvedBoardWindow", "%n words", nullptr, words.size()),
                      core::TrN("SolvedBoardWindow", "%n points", nullptr, points));
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
    for (int cube = 0; cube < 16; ++cube) {
        QStringList steps;
        for (std::size_t i = 0; i < path.size(); ++i)
            if (path[i] == cube)
                steps << QString::number(i + 1);
        SolvedSteps[std::size_t(cube)]->setText(steps.join(QLatin1Char(',')));
        SetCubeColour(SolvedCubes[std::size_t(cube)], steps.isEmpty() ? kOffPath : kOnPath);
    }
}
