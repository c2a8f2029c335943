// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayFeedback.h"

#include "core/board/WordEntry.h"
#include "core/game/Game.h"
#include "core/game/Program.h"
#include "windows/game/ClockLook.h"
#include "windows/ui/Colours.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
QLabel* AddLabel(QWidget* parent, const char* name, Qt::Alignment align, int points)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(align | Qt::AlignVCenter);
    if (points > 0) {
        QFont font = label->font();
        font.setPointSize(points);
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}
} // namespace

PlayFeedback::PlayFeedback(QLabel* time, QLabel* words, QLineEdit* box, QObject* parent)
    : QObject(parent), m_time(time), m_box(box)
{
    Turn = AddLabel(time, "TurnLabel", Qt::AlignLeft, 10);
    Bonus = AddLabel(time, "BonusLabel", Qt::AlignRight, 12);
    auto* panel = new QHBoxLayout(time);
    panel->setContentsMargins(6, 0, 6, 0);
    panel->addWidget(Turn);
    panel->addStretch();
    panel->addWidget(Bonus);
    Score = AddLabel(words->parentWidget(), "ScoreLabel", Qt::AlignHCenter, 0);
    Score->setFixedHeight(words->height());
    // The time draws its own panel, which blinks dark on a light desktop.
    time->setAutoFillBackground(true);
}

void PlayFeedback::sync(const Program& p)
{
    if (p.entry.Refused != m_refused) {
        m_refused = p.entry.Refused;
        // Back to the desktop's own box colours after.
        QPalette palette;
        if (m_refused) {
            palette = m_box->palette();
            palette.setColor(QPalette::Base, Colours::kRefusedBox);
            palette.setColor(QPalette::Text, Colours::kRefusedText);
            palette.setColor(QPalette::Highlight, Colours::kRefusedBox.darker(160));
            palette.setColor(QPalette::HighlightedText, Colours::kRefusedText);
        }
        m_box->setPalette(palette);
    }
    // The window's palette, not the label's, which holds the colours painted last.
    const ClockLook::Look look =
        ClockLook::LookFor(p.screen.ClockColour, m_time->parentWidget()->palette());
    // Also under a desktop style sheet, which would replace a palette's yellow and red.
    Colours::PaintFixed(m_time, look.panel, look.time);
    Colours::PaintFixed(Turn, look.panel, look.text);
    Colours::PaintFixed(Bonus, look.panel, look.bonus);
    Turn->setText(Game::TurnText(p.game));
    Bonus->setText(p.screen.BonusText);
    Score->setText(WordEntry::ScoreSoFarText(p));
}
