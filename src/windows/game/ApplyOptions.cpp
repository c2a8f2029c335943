// SPDX-License-Identifier: GPL-3.0-or-later
// The options window's procedures and the way into network play: the controls are read
// into the core's values and show what the core decides.
#include "core/game/Options.h"
#include "core/network/NetworkGame.h"
#include "windows/game/App.h"
#include "windows/game/Common.h"
#include "windows/game/MainWindow.h"
#include "windows/game/OptionsDialog.h"
#include "windows/game/WindowPlace.h"

#include <QCheckBox>
#include <QComboBox>

namespace Common {

namespace {
void FillCombo(QComboBox* combo, const std::vector<std::string>& items)
{
    combo->clear();
    for (const std::string& item : items)
        combo->addItem(QString::fromStdString(item));
}

void Select(QComboBox* combo, const std::string& text)
{
    combo->setCurrentIndex(combo->findText(QString::fromStdString(text)));
}

std::string Chosen(const QComboBox* combo)
{
    return combo->currentIndex() < 0 ? std::string() : combo->currentText().toStdString();
}

OptionsValues ReadDialog(const OptionsDialog& d)
{
    OptionsValues v;
    v.GameType = d.GameTypeCombo->currentIndex();
    v.GameMode = d.GameModeCombo->currentIndex();
    v.Time = Chosen(d.TimeCombo);
    v.MinWordSize = Chosen(d.MinWordSizeCombo);
    v.WordSize = Chosen(d.WordSizeCombo);
    v.NumWords = Chosen(d.NumWordsCombo);
    v.Sounds = d.SoundsOption->isChecked();
    v.ShowUnusedWords = d.ShowUnusedWordsOption->isChecked();
    v.RepeatLetters = d.RepeatLettersOption->isChecked();
    v.LeftHandDisplay = d.LeftHandDisplay->isChecked();
    v.TimeEnabled = d.TimeCombo->isEnabled();
    v.ComputerOpponents = d.ComputerOpponentsCombo->currentIndex();
    v.ComputerStrength = d.ComputerStrengthCombo->currentIndex();
    return v;
}

// Back to the main window once the dialog is done with.
void ReturnToMain(App& app)
{
    if (app.optionsDialog)
        app.optionsDialog->hide();
    ReturnToMainWindow(app);
}
} // namespace

void OpenOptions(App& app)
{
    if (IsNetworkGame(app))
        return;
    if (!app.optionsDialog) {
        app.optionsDialog = new OptionsDialog(app, app.main);
        WindowPlace::Remember(app, *app.optionsDialog, QStringLiteral("Options"));
        FillOptionsDialog(app);
    }
    ShowOverMainWindow(app, *app.optionsDialog);
}

void FillOptionsDialog(App& app)
{
    OptionsDialog& d = *app.optionsDialog;
    const OptionsItems& items = OptionsDialogItems();
    FillCombo(d.GameTypeCombo, items.GameType);
    FillCombo(d.GameModeCombo, items.GameMode);
    FillCombo(d.TimeCombo, items.Time);
    FillCombo(d.MinWordSizeCombo, items.WordSize);
    FillCombo(d.WordSizeCombo, items.WordSize);
    FillCombo(d.NumWordsCombo, items.NumWords);
    FillCombo(d.ComputerOpponentsCombo, items.ComputerOpponents);
    FillCombo(d.ComputerStrengthCombo, items.ComputerStrength);

    const OptionsValues v = FillOptionsDialog(static_cast<const Program&>(app));
    d.GameTypeCombo->setCurrentIndex(v.GameType);
    d.GameModeCombo->setCurrentIndex(v.GameMode);
    Select(d.TimeCombo, v.Time);
    Select(d.MinWordSizeCombo, v.MinWordSize);
    Select(d.WordSizeCombo, v.WordSize);
    Select(d.NumWordsCombo, v.NumWords);
    d.TimeCombo->setEnabled(v.TimeEnabled);
    d.SoundsOption->setChecked(v.Sounds);
    d.ShowUnusedWordsOption->setChecked(v.ShowUnusedWords);
    d.RepeatLettersOption->setChecked(v.RepeatLetters);
    d.LeftHandDisplay->setChecked(v.LeftHandDisplay);
    d.ComputerOpponentsCombo->setCurrentIndex(v.ComputerOpponents);
    d.ComputerStrengthCombo->setCurrentIndex(v.ComputerStrength);
    d.ComputerStrengthCombo->setEnabled(v.ComputerOpponents > 0);
}

void GameTypeChanged(App& app)
{
    OptionsDialog& d = *app.optionsDialog;
    d.TimeCombo->setEnabled(GameTypeChanged(d.GameTypeCombo->currentIndex()));
}

void ApplyOptions(App& app)
{
    const OptionsOutcome outcome = ApplyOptions(app, ReadDialog(*app.optionsDialog));
    if (outcome.refill)
        FillOptionsDialog(app);
    if (!outcome.abortGame)
        app.main->LayOutForHand(app.options.LeftHandedDisplay);
    app.main->sync();
    // After a No the dialog stays up with the settings as they now are, for another try.
    if (!outcome.refill)
        ReturnToMain(app);
}

void CancelOptions(App& app)
{
    ReturnToMain(app);
}

void EnterNetworkGame(App& app)
{
    const NetworkEntry entry = EnterNetworkGame(static_cast<Program&>(app));
    app.main->sync();
    if (entry == NetworkEntry::Stay)
        return;
    // The main window waits while network play asks for a name and runs its lobby.
    app.mainHeldByNetwork = true;
    app.main->setEnabled(false);
    RunNetworkCall(app, [&app] { Network::Initialize(app, false); });
}

} // namespace Common
