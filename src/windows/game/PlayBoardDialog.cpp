// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayBoardDialog.h"

#include "core/game/GivenBoard.h"
#include "core/game/Program.h"
#include "windows/game/Runner.h"
#include "windows/ui/Colours.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

PlayBoardDialog::PlayBoardDialog(Program& program, Runner& runner, QWidget* parent)
    : QDialog(parent), m_program(program), m_runner(runner)
{
    setObjectName(QStringLiteral("PlayBoard"));
    setWindowTitle(tr("Play a Board"));
    auto* intro = new QLabel(tr("A board code, as the results' Copy Board Code gives it, or "
                                "the 16 letters of a board row by row (Q for the Qu cube):"),
                             this);
    intro->setWordWrap(true);
    BoardCodeEdit = new QLineEdit(this);
    BoardCodeEdit->setObjectName(QStringLiteral("BoardCodeEdit"));
    BoardCodeEdit->setMaxLength(64);
    BoardCodeMessage = new QLabel(this);
    BoardCodeMessage->setObjectName(QStringLiteral("BoardCodeMessage"));
    BoardCodeMessage->setWordWrap(true);
    QPalette warning = BoardCodeMessage->palette();
    warning.setColor(QPalette::WindowText, Colours::Warning(warning));
    BoardCodeMessage->setPalette(warning);
    auto* note = new QLabel(tr("A code plays with its own settings; typed letters with yours."),
                            this);
    note->setWordWrap(true);

    PlayButton = new QPushButton(tr("&Play"), this);
    PlayButton->setObjectName(QStringLiteral("PlayButton"));
    PlayButton->setDefault(true);
    SolveButton = new QPushButton(tr("&Solve"), this);
    SolveButton->setObjectName(QStringLiteral("SolveButton"));
    SolveButton->setAutoDefault(false);
    CancelButton = new QPushButton(tr("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {PlayButton, SolveButton, CancelButton})
        buttons->addWidget(button);
    auto* column = new QVBoxLayout(this);
    column->addWidget(intro);
    column->addWidget(BoardCodeEdit);
    column->addWidget(BoardCodeMessage);
    column->addWidget(note);
    column->addLayout(buttons);
    setMinimumWidth(460);

    connect(PlayButton, &QPushButton::clicked, this, [this] { useBoard(true); });
    connect(SolveButton, &QPushButton::clicked, this, [this] { useBoard(false); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { reject(); });
    connect(BoardCodeEdit, &QLineEdit::textEdited, BoardCodeMessage, &QLabel::clear);
}

void PlayBoardDialog::prepare(const QString& text)
{
    BoardCodeEdit->setText(text);
    BoardCodeMessage->clear();
    BoardCodeEdit->setFocus();
}

void PlayBoardDialog::reject()
{
    hide();
    m_runner.returnToMain();
}

void PlayBoardDialog::useBoard(bool play)
{
    const BoardCode::Reading reading = BoardCode::Decode(BoardCodeEdit->text().toStdString());
    if (!reading.given) {
        BoardCodeMessage->setText(QString::fromStdString(reading.error));
        return;
    }
    const BoardCode::GivenBoard given =
        reading.settings ? *reading.given : Given::WithOwnSettings(m_program, reading.given->Board);
    QString trouble;
    if (play) {
        bool started = false;
        m_runner.run([&] { started = Given::PlayGivenBoard(m_program, given); });
        if (!started)
            trouble = tr("This board cannot be played now: not during a network game, and "
                         "only in a board language Lettro has a dictionary for.");
    } else {
        trouble = m_runner.openSolvedBoard(given);
    }
    if (!trouble.isEmpty()) {
        BoardCodeMessage->setText(trouble);
        return;
    }
    hide();
    if (play)
        m_runner.returnToMain();
}
