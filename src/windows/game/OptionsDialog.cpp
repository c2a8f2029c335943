// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsDialog.h"

#include "windows/game/App.h"
#include "windows/game/Common.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QComboBox* Combo(const char* name, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    return combo;
}

QLabel* Label(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QCheckBox* Check(const char* name, const QString& text, QWidget* parent)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}
} // namespace

OptionsDialog::OptionsDialog(App& app, QWidget* parent) : QDialog(parent), m_app(app)
{
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowTitle(QStringLiteral("Lettro Options"));
    setModal(true);

    auto* game = new QGroupBox(tr("Game"), this);
    auto* gameForm = new QFormLayout(game);
    GameTypeCombo = Combo("GameTypeCombo", game);
    GameModeCombo = Combo("GameModeCombo", game);
    TimeCombo = Combo("TimeCombo", game);
    NumWordsCombo = Combo("NumWordsCombo", game);
    Label3 = Label("Label3", QStringLiteral("Game Type"), game);
    Label4 = Label("Label4", QStringLiteral("Game Mode"), game);
    TimeLabel = Label("TimeLabel", QStringLiteral("Game Time"), game);
    Label5 = Label("Label5", QStringLiteral("Number of Words in Game"), game);
    gameForm->addRow(Label3, GameTypeCombo);
    gameForm->addRow(Label4, GameModeCombo);
    gameForm->addRow(TimeLabel, TimeCombo);
    gameForm->addRow(Label5, NumWordsCombo);
    ComputerOpponentsCombo = Combo("ComputerOpponentsCombo", game);
    ComputerStrengthCombo = Combo("ComputerStrengthCombo", game);
    ComputerOpponentsLabel = Label("ComputerOpponentsLabel", QStringLiteral("Computer opponents"), game);
    ComputerStrengthLabel = Label("ComputerStrengthLabel", QStringLiteral("Computer strength"), game);
    gameForm->addRow(ComputerOpponentsLabel, ComputerOpponentsCombo);
    gameForm->addRow(ComputerStrengthLabel, ComputerStrengthCombo);

    auto* words = new QGroupBox(tr("Words"), this);
    auto* wordsForm = new QFormLayout(words);
    MinWordSizeCombo = Combo("MinWordSizeCombo", words);
    WordSizeCombo = Combo("WordSizeCombo", words);
    MinWordSizeLabel = Label("MinWordSizeLabel", QStringLiteral("Min Word Size"), words);
    WordSizeLabel = Label("WordSizeLabel", QStringLiteral("Max Word Size"), words);
    wordsForm->addRow(MinWordSizeLabel, MinWordSizeCombo);
    wordsForm->addRow(WordSizeLabel, WordSizeCombo);
    RepeatLettersOption = Check("RepeatLettersOption", QStringLiteral("Allow Repeated Letters"), words);
    wordsForm->addRow(RepeatLettersOption);

    auto* display = new QGroupBox(tr("Display"), this);
    auto* displayLayout = new QVBoxLayout(display);
    SoundsOption = Check("SoundsOption", QStringLiteral("Play Sounds"), display);
    ShowUnusedWordsOption =
        Check("ShowUnusedWordsOption", QStringLiteral("Show Unused Words Only"), display);
    LeftHandDisplay = Check("LeftHandDisplay", QStringLiteral("Left Handed Display"), display);
    displayLayout->addWidget(SoundsOption);
    displayLayout->addWidget(ShowUnusedWordsOption);
    displayLayout->addWidget(LeftHandDisplay);

    auto* buttons = new QDialogButtonBox(this);
    OKButton = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(game);
    layout->addWidget(words);
    layout->addWidget(display);
    layout->addWidget(buttons);

    connect(OKButton, &QPushButton::clicked, this, [this] { Common::ApplyOptions(m_app); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { Common::CancelOptions(m_app); });
    connect(GameTypeCombo, &QComboBox::activated, this,
            [this] { Common::GameTypeChanged(m_app); });
    // The strength matters only with an opponent.
    connect(ComputerOpponentsCombo, &QComboBox::currentIndexChanged, this,
            [this](int index) { ComputerStrengthCombo->setEnabled(index > 0); });
}

void OptionsDialog::reject()
{
    Common::CancelOptions(m_app);
}
