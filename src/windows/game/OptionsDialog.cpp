// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsDialog.h"

#include "core/game/Options.h"
#include "core/game/Program.h"
#include "core/game/SettingsText.h"
#include "windows/game/Runner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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

// The core's items are English (they are stored); each shows translated and keeps its own.
void FillCombo(QComboBox* combo, const std::vector<std::string>& items)
{
    combo->clear();
    for (const std::string& item : items)
        combo->addItem(SettingsText::Shown(item), QString::fromStdString(item));
}

void Select(QComboBox* combo, const std::string& text)
{
    combo->setCurrentIndex(combo->findData(QString::fromStdString(text)));
}

std::string Chosen(const QComboBox* combo)
{
    return combo->currentIndex() < 0 ? std::string()
                                     : combo->currentData().toString().toStdString();
}
} // namespace

OptionsDialog::OptionsDialog(Program& program, Runner& runner, QWidget* parent)
    : QDialog(parent), m_program(program), m_runner(runner)
{
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowTitle(tr("Lettro Options"));
    setModal(true);

    auto* game = new QGroupBox(tr("Game"), this);
    auto* gameForm = new QFormLayout(game);
    GameTypeCombo = Combo("GameTypeCombo", game);
    GameModeCombo = Combo("GameModeCombo", game);
    TimeCombo = Combo("TimeCombo", game);
    NumWordsCombo = Combo("NumWordsCombo", game);
    Label3 = Label("Label3", tr("Game Type"), game);
    Label4 = Label("Label4", tr("Game Mode"), game);
    TimeLabel = Label("TimeLabel", tr("Game Time"), game);
    Label5 = Label("Label5", tr("Number of Words in Game"), game);
    gameForm->addRow(Label3, GameTypeCombo);
    gameForm->addRow(Label4, GameModeCombo);
    gameForm->addRow(TimeLabel, TimeCombo);
    gameForm->addRow(Label5, NumWordsCombo);
    ComputerOpponentsCombo = Combo("ComputerOpponentsCombo", game);
    ComputerStrengthCombo = Combo("ComputerStrengthCombo", game);
    ComputerOpponentsLabel = Label("ComputerOpponentsLabel", tr("Computer opponents"), game);
    ComputerStrengthLabel = Label("ComputerStrengthLabel", tr("Computer strength"), game);
    gameForm->addRow(ComputerOpponentsLabel, ComputerOpponentsCombo);
    gameForm->addRow(ComputerStrengthLabel, ComputerStrengthCombo);

    auto* words = new QGroupBox(tr("Words"), this);
    auto* wordsForm = new QFormLayout(words);
    MinWordSizeCombo = Combo("MinWordSizeCombo", words);
    WordSizeCombo = Combo("WordSizeCombo", words);
    MinWordSizeLabel = Label("MinWordSizeLabel", tr("Min Word Size"), words);
    WordSizeLabel = Label("WordSizeLabel", tr("Max Word Size"), words);
    wordsForm->addRow(MinWordSizeLabel, MinWordSizeCombo);
    wordsForm->addRow(WordSizeLabel, WordSizeCombo);
    RepeatLettersOption = Check("RepeatLettersOption", tr("Allow Repeated Letters"), words);
    wordsForm->addRow(RepeatLettersOption);
    // The dice and the dictionary of the next game.
    BoardLanguageCombo = Combo("BoardLanguageCombo", words);
    BoardLanguageLabel = Label("BoardLanguageLabel", tr("Board language"), words);
    wordsForm->addRow(BoardLanguageLabel, BoardLanguageCombo);

    auto* display = new QGroupBox(tr("Display"), this);
    auto* displayLayout = new QVBoxLayout(display);
    SoundsOption = Check("SoundsOption", tr("Play Sounds"), display);
    ShowUnusedWordsOption = Check("ShowUnusedWordsOption", tr("Show Unused Words Only"), display);
    LeftHandDisplay = Check("LeftHandDisplay", tr("Left Handed Display"), display);
    displayLayout->addWidget(SoundsOption);
    displayLayout->addWidget(ShowUnusedWordsOption);
    displayLayout->addWidget(LeftHandDisplay);
    ShowWhereWordCanGoOption =
        Check("ShowWhereWordCanGoOption", tr("Show where the word can go"), display);
    displayLayout->addWidget(ShowWhereWordCanGoOption);
    // The windows' language is set up before the first of them opens.
    InterfaceLanguageCombo = Combo("InterfaceLanguageCombo", display);
    InterfaceLanguageLabel = Label("InterfaceLanguageLabel", tr("Interface language"), display);
    auto* interfaceRow = new QHBoxLayout;
    interfaceRow->addWidget(InterfaceLanguageLabel);
    interfaceRow->addWidget(InterfaceLanguageCombo, 1);
    displayLayout->addLayout(interfaceRow);
    auto* nextStart = Label("InterfaceLanguageNote",
                            tr("A new interface language applies at the next start."), display);
    nextStart->setWordWrap(true);
    displayLayout->addWidget(nextStart);

    auto* buttons = new QDialogButtonBox(this);
    OKButton = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(game);
    layout->addWidget(words);
    layout->addWidget(display);
    layout->addWidget(buttons);

    connect(OKButton, &QPushButton::clicked, this, [this] { apply(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { cancel(); });
    connect(GameTypeCombo, &QComboBox::activated, this, [this] {
        TimeCombo->setEnabled(Common::GameTypeChanged(GameTypeCombo->currentIndex()));
    });
    // The strength matters only with an opponent.
    connect(ComputerOpponentsCombo, &QComboBox::currentIndexChanged, this,
            [this](int index) { ComputerStrengthCombo->setEnabled(index > 0); });
    sync();
}

void OptionsDialog::reject()
{
    cancel();
}

void OptionsDialog::sync()
{
    const Common::OptionsItems& items = Common::OptionsDialogItems();
    FillCombo(GameTypeCombo, items.GameType);
    FillCombo(GameModeCombo, items.GameMode);
    FillCombo(TimeCombo, items.Time);
    FillCombo(MinWordSizeCombo, items.WordSize);
    FillCombo(WordSizeCombo, items.WordSize);
    FillCombo(NumWordsCombo, items.NumWords);
    FillCombo(ComputerOpponentsCombo, items.ComputerOpponents);
    FillCombo(ComputerStrengthCombo, items.ComputerStrength);
    FillCombo(BoardLanguageCombo, items.BoardLanguage);
    FillCombo(InterfaceLanguageCombo, items.InterfaceLanguage);

    const Common::OptionsValues v = Common::FillOptionsDialog(m_program);
    GameTypeCombo->setCurrentIndex(v.GameType);
    GameModeCombo->setCurrentIndex(v.GameMode);
    Select(TimeCombo, v.Time);
    Select(MinWordSizeCombo, v.MinWordSize);
    Select(WordSizeCombo, v.WordSize);
    Select(NumWordsCombo, v.NumWords);
    TimeCombo->setEnabled(v.TimeEnabled);
    SoundsOption->setChecked(v.Sounds);
    ShowUnusedWordsOption->setChecked(v.ShowUnusedWords);
    RepeatLettersOption->setChecked(v.RepeatLetters);
    LeftHandDisplay->setChecked(v.LeftHandDisplay);
    ShowWhereWordCanGoOption->setChecked(v.ShowWhereWordCanGo);
    ComputerOpponentsCombo->setCurrentIndex(v.ComputerOpponents);
    ComputerStrengthCombo->setCurrentIndex(v.ComputerStrength);
    ComputerStrengthCombo->setEnabled(v.ComputerOpponents > 0);
    BoardLanguageCombo->setCurrentIndex(v.BoardLanguage);
    InterfaceLanguageCombo->setCurrentIndex(v.InterfaceLanguage);
}

void OptionsDialog::apply()
{
    Common::OptionsValues v;
    v.GameType = GameTypeCombo->currentIndex();
    v.GameMode = GameModeCombo->currentIndex();
    v.Time = Chosen(TimeCombo);
    v.MinWordSize = Chosen(MinWordSizeCombo);
    v.WordSize = Chosen(WordSizeCombo);
    v.NumWords = Chosen(NumWordsCombo);
    v.Sounds = SoundsOption->isChecked();
    v.ShowUnusedWords = ShowUnusedWordsOption->isChecked();
    v.RepeatLetters = RepeatLettersOption->isChecked();
    v.LeftHandDisplay = LeftHandDisplay->isChecked();
    v.ShowWhereWordCanGo = ShowWhereWordCanGoOption->isChecked();
    v.TimeEnabled = TimeCombo->isEnabled();
    v.ComputerOpponents = ComputerOpponentsCombo->currentIndex();
    v.ComputerStrength = ComputerStrengthCombo->currentIndex();
    v.BoardLanguage = BoardLanguageCombo->currentIndex();
    v.InterfaceLanguage = InterfaceLanguageCombo->currentIndex();
    Common::OptionsOutcome outcome;
    m_runner.run([this, &outcome, &v] { outcome = Common::ApplyOptions(m_program, v); });
    // After a No the dialog stays up with the settings as they now are, for another try.
    if (outcome.refill)
        sync();
    else
        cancel();
}

void OptionsDialog::cancel()
{
    hide();
    m_runner.returnToMain();
}
