// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayFeedback.h"

#include "core/board/WordEntry.h"
#include "core/game/Game.h"
#include "core/game/Program.h"
#include "windows/game/ClockLook.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVariantAnimation>

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

    // The tint fades back into the box's own colour.
    m_flash = new QVariantAnimation(this);
    m_flash->setDuration(500);
    m_flash->setStartValue(QColor(255, 170, 170));
    m_flash->setEndValue(box->palette().color(QPalette::Base));
    connect(m_flash, &QVariantAnimation::valueChanged, this, [this](const QVariant& colour) {
        QPalette palette = m_box->palette();
        palette.setColor(QPalette::Base, colour.value<QColor>());
        m_box->setPalette(palette);
    });
    connect(m_flash, &QVariantAnimation::finished, this, [this] { m_box->setPalette(QPalette()); });
}

void PlayFeedback::sync(const Program& p)
{
    if (p.entry.Refusals != m_refusals) {
        m_refusals = p.entry.Refusals;
        m_flash->stop();
        m_flash->start();
        // The first frame comes with the next timer event; the tint shows at once.
        QPalette palette = m_box->palette();
        palette.setColor(QPalette::Base, m_flash->startValue().value<QColor>());
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
