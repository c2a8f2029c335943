// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressWindow.h"

#include "core/dictionary/EditorRules.h"
#include "core/game/Program.h"
#include "windows/game/Runner.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QTimer>

namespace {
constexpr int kTroughLeft = 20;
constexpr int kTroughWidth = 320;
constexpr int kBarHeight = 20;
} // namespace

ProgressWindow::ProgressWindow(Program& program, Runner& runner, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_program(program), m_runner(runner)
{
    setObjectName(QStringLiteral("Progress"));
    setWindowTitle(QStringLiteral("Lettro"));
    setFixedSize(kTroughWidth + 2 * kTroughLeft, 100);

    ProgressLabel = new QLabel(this);
    ProgressLabel->setObjectName(QStringLiteral("ProgressLabel"));
    ProgressLabel->setGeometry(kTroughLeft, 16, kTroughWidth, 24);

    // The trough is drawn sunken; the bar inside it is placed by hand, not by a layout,
    // so that its width is exactly what a merge step sets.
    auto* trough = new QFrame(this);
    trough->setObjectName(QStringLiteral("ProgressTrough"));
    trough->setFrameShape(QFrame::Panel);
    trough->setFrameShadow(QFrame::Sunken);
    trough->setLineWidth(2);
    trough->setGeometry(kTroughLeft, 52, kTroughWidth, kBarHeight + 4);

    ProgressIndicator = new QFrame(trough);
    ProgressIndicator->setObjectName(QStringLiteral("ProgressIndicator"));
    ProgressIndicator->setAutoFillBackground(true);
    QPalette bar = ProgressIndicator->palette();
    bar.setColor(QPalette::Window, palette().color(QPalette::Highlight));
    ProgressIndicator->setPalette(bar);
    ProgressIndicator->setGeometry(2, 2, kTroughWidth - 4, kBarHeight);

    DictionaryTimer = new QTimer(this);
    DictionaryTimer->setObjectName(QStringLiteral("DictionaryTimer"));
    DictionaryTimer->setInterval(10);
    // One step per tick; the timer runs again only while the merge goes on.
    DictionaryTimer->setSingleShot(true);
    connect(DictionaryTimer, &QTimer::timeout, this,
            [this] { m_runner.run([this] { Dictionary::MergeStep(m_program); }); });
}

void ProgressWindow::sync()
{
    const EditorState& state = m_program.dictionary.Editor;
    if (!state.Merging) {
        if (isVisible()) {
            showPercent(0);
            hide();
        }
        return;
    }
    if (!isVisible()) {
        ProgressLabel->setText(tr("Merging words..."));
        // Disabling the main window disables its child windows too; this one is in use.
        setEnabled(true);
        // Shown without blocking any other window.
        show();
        raise();
        // The bar is left narrowed after a merge: its full width is the first one seen.
        if (m_fullIndicatorWidth == 0)
            m_fullIndicatorWidth = ProgressIndicator->width();
    }
    showPercent(state.MergePercent);
    DictionaryTimer->start();
}

void ProgressWindow::stop()
{
    DictionaryTimer->stop();
}

void ProgressWindow::showPercent(int percent)
{
    ProgressIndicator->resize(Dictionary::IndicatorWidth(m_fullIndicatorWidth, percent),
                              ProgressIndicator->height());
    if (isVisible())
        repaint();
}

void ProgressWindow::closeEvent(QCloseEvent* event)
{
    if (m_program.dictionary.Editor.Merging)
        event->ignore();
    else
        event->accept();
}
