// SPDX-License-Identifier: GPL-3.0-or-later
#include "PromptWindow.h"

#include "core/game/Program.h"
#include "core/network/NetworkGame.h"
#include "windows/game/Runner.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

PromptWindow::PromptWindow(Program& program, Runner& runner, QWidget* parent)
    : QDialog(parent), m_program(program), m_runner(runner)
{
    setObjectName(QStringLiteral("PromptWindow"));
    setWindowTitle(QStringLiteral("Lettro"));
    setModal(false);

    Question = new QLabel(this);
    Question->setObjectName(QStringLiteral("Question"));
    Text = new QLineEdit(this);
    Text->setObjectName(QStringLiteral("Text"));
    Text->setMinimumWidth(260);
    Option2 = new QRadioButton(this);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option1 = new QRadioButton(this);
    Option1->setObjectName(QStringLiteral("Option1"));
    // The core keeps the two options exclusive; the buttons only show its choice. Tab
    // reaches them (Space chooses); a click leaves the focus in the text.
    for (QRadioButton* option : {Option1, Option2}) {
        option->setAutoExclusive(false);
        option->setFocusPolicy(Qt::TabFocus);
    }

    auto* buttons = new QDialogButtonBox(this);
    OKButton = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    CancelButton->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Question);
    layout->addWidget(Text);
    layout->addWidget(Option2);
    layout->addWidget(Option1);
    layout->addWidget(buttons);

    connect(OKButton, &QPushButton::clicked, this, [this] { ok(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { cancel(); });
    connect(Option1, &QRadioButton::clicked, this, [this] { selectOption(1); });
    connect(Option2, &QRadioButton::clicked, this, [this] { selectOption(2); });
}

void PromptWindow::reject()
{
    cancel();
}

void PromptWindow::closeEvent(QCloseEvent* event)
{
    if (m_runner.exiting()) {
        event->accept();
        return;
    }
    // The core hides the window; closing it here would leave its state saying shown.
    event->ignore();
    cancel();
}

void PromptWindow::ok()
{
    Network::PromptAnswer answer{Text->text().toStdString()};
    if (Option1->isChecked() != Option2->isChecked())
        answer.option = Option1->isChecked() ? 1 : 2;
    m_runner.run([this, &answer] { Network::PromptClosed(m_program, answer); });
}

void PromptWindow::cancel()
{
    m_runner.run([this] { Network::PromptClosed(m_program, std::nullopt); });
}

void PromptWindow::selectOption(int option)
{
    Text->setFocus();
    m_runner.run([this, option] { Network::SelectPromptOption(m_program, option); });
}

void PromptWindow::sync()
{
    const PromptWindowState& prompt = m_program.network.Prompt;
    if (!prompt.Shown) {
        if (isVisible())
            hide();
        return;
    }
    const bool opening = !isVisible();
    Question->setText(QString::fromStdString(prompt.Label));
    if (opening || prompt.Text != m_filledText) {
        Text->setText(QString::fromStdString(prompt.Text));
        m_filledText = prompt.Text;
    }
    Option1->setText(QString::fromStdString(prompt.Option1));
    Option2->setText(QString::fromStdString(prompt.Option2));
    Option1->setVisible(prompt.OptionsShown);
    Option2->setVisible(prompt.OptionsShown);
    Option1->setChecked(prompt.SelectedOption == 1);
    Option2->setChecked(prompt.SelectedOption == 2);
    // Disabling the main window disables its child windows too; this one is in use.
    setEnabled(true);
    if (opening) {
        show();
        raise();
        activateWindow();
        Text->selectAll();
        Text->setFocus();
    }
}
