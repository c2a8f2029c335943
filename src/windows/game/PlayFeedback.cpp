// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayFeedback.h"

#include "core/board/WordEntry.h"
#include "core/game/Game.h"
#include "core/game/Program.h"
#include "windows/game/ClockLook.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <optional>

namespace {
QColor ToColour(ClockLook::Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

void Paint(QLabel* label, ClockLook::Rgb text, std::optional<ClockLook::Rgb> panel = {})
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ToColour(text));
    if (panel)
        palette.setColor(QPalette::Window, ToColour(*panel));
    if (palette != label->palette())
        label->setPalette(palette);
}

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

PlayFeedback::PlayFeedback(QLabel* time, QLabel* caption, QLabel* words, QLineEdit* box,
                           QObject* parent)
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
    // The caption and the time draw their own panel, whatever the desktop's colours.
    caption->setAutoFillBackground(true);
    Paint(caption, ClockLook::kCaptionText, ClockLook::kCaptionPanel);
    time->setAutoFillBackground(true);
}

void PlayFeedback::sync(const Program& p)
{
    if (p.entry.Refused != m_refused) {
        m_refused = p.entry.Refused;
        // A red strong enough to be seen at a glance, with white text that reads on it
        // whatever the desktop's colours; back to the desktop's own box colours after.
        QPalette palette;
        if (m_refused) {
            palette = m_box->palette();
            palette.setColor(QPalette::Base, QColor(198, 40, 40));
            palette.setColor(QPalette::Text, QColor(255, 255, 255));
            palette.setColor(QPalette::Highlight, QColor(120, 10, 10));
            palette.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
        }
        m_box->setPalette(palette);
    }
    const ClockLook::Look look = ClockLook::LookFor(p.screen.ClockColour);
    Paint(m_time, look.time, look.panel);
    Paint(Turn, look.text);
    Paint(Bonus, look.bonus);
    Turn->setText(Game::TurnText(p.game));
    Bonus->setText(p.screen.BonusText);
    Score->setText(WordEntry::ScoreSoFarText(p));
}
