// The options window's procedures, ending a game for an option, and the way into
// network play.
#include "windows/game/App.h"
#include "windows/game/Common.h"
#include "windows/game/MainWindow.h"
#include "windows/game/OptionsDialog.h"
#include "core/game/Settings.h"
#include "core/game/SettingsText.h"
#include "core/game/TimeFormat.h"


#include <QCheckBox>
#include <QComboBox>

namespace Common {

namespace {
bool GameRunning(const App& app)
{
    return app.game.TimeRemaining != 0;
}

void FillCombo(QComboBox* combo, const QStringList& items)
{
    combo->clear();
    combo->addItems(items);
}

QString SizeItem(int size)
{
    return QStringLiteral("%1 letters").arg(size);
}

// Back to the main window once the dialog is done with.
void ReturnToMain(App& app)
{
    if (app.optionsDialog)
        app.optionsDialog->hide();
    ReturnToMainWindow(app);
}

bool Confirm(App& app, const QString& question)
{
    return Ask(app, question, ui::Buttons::YesNo) == ui::Answer::Yes;
}
} // namespace

void OpenOptions(App& app)
{
    if (IsNetworkGame(app))
        return;
    if (!app.optionsDialog) {
        app.optionsDialog = new OptionsDialog(app, app.main);
        FillOptionsDialog(app);
    }
    app.main->setEnabled(false);
    app.optionsDialog->setEnabled(true);
    app.optionsDialog->show();
    app.optionsDialog->raise();
    app.optionsDialog->activateWindow();
}

void FillOptionsDialog(App& app)
{
    OptionsDialog& d = *app.optionsDialog;
    FillCombo(d.GameTypeCombo, {QStringLiteral("Standard"), QStringLiteral("Frantic")});
    FillCombo(d.GameModeCombo, {QStringLiteral("Single Player"), QStringLiteral("Two Player")});
    QStringList times;
    for (int seconds : SettingsText::kTimeLimits)
        times << QString::fromStdString(TimeFormat::FormatTime(seconds));
    FillCombo(d.TimeCombo, times);
    QStringList sizes;
    for (int size = 3; size <= 16; ++size)
        sizes << SizeItem(size);
    FillCombo(d.MinWordSizeCombo, sizes);
    FillCombo(d.WordSizeCombo, sizes);
    QStringList limits;
    for (const char* code : SettingsText::kNumWordsCodes)
        limits << QString::fromStdString(SettingsText::NumWordsItem(code));
    FillCombo(d.NumWordsCombo, limits);

    d.GameTypeCombo->setCurrentIndex(app.game.GameType);
    // Modes 2 and 3 are not offered: the dialog shows no selection then.
    d.GameModeCombo->setCurrentIndex(app.game.GameMode <= TwoPlayer ? app.game.GameMode : -1);
    d.TimeCombo->setCurrentIndex(d.TimeCombo->findText(
        QString::fromStdString(TimeFormat::FormatTime(app.game.TimeLimit))));
    d.MinWordSizeCombo->setCurrentIndex(
        d.MinWordSizeCombo->findText(SizeItem(app.engine.cMinWordSize())));
    d.WordSizeCombo->setCurrentIndex(d.WordSizeCombo->findText(SizeItem(app.engine.cMaxWordSize())));
    d.NumWordsCombo->setCurrentIndex(d.NumWordsCombo->findText(
        QString::fromStdString(SettingsText::NumWordsItem(app.options.NumWordsLimit))));
    d.TimeCombo->setEnabled(app.game.GameType != Frantic);
    d.SoundsOption->setChecked(app.options.SoundsOn);
    d.ShowUnusedWordsOption->setChecked(app.options.ShowUnusedWords);
    d.RepeatLettersOption->setChecked(app.options.RepeatLetters);
    d.LeftHandDisplay->setChecked(app.options.LeftHandedDisplay);
}

void GameTypeChanged(App& app)
{
    OptionsDialog& d = *app.optionsDialog;
    d.TimeCombo->setEnabled(d.GameTypeCombo->currentText() != QStringLiteral("Frantic"));
}

void ApplyOptions(App& app)
{
    OptionsDialog& d = *app.optionsDialog;

    // Game type and mode: changing either during a game aborts it and ends the dialog.
    struct Choice {
        QComboBox* combo;
        int* value;
        const char* question;
    };
    const Choice choices[] = {
        {d.GameTypeCombo, &app.game.GameType,
         "Changing the game type now will abort the current game.  Are you sure you want to "
         "do this?"},
        {d.GameModeCombo, &app.game.GameMode,
         "Changing the game mode now will abort the current game.  Are you sure you want to "
         "do this?"},
    };
    for (const Choice& choice : choices) {
        const int index = choice.combo->currentIndex();
        if (index < 0 || index == *choice.value)
            continue;
        if (GameRunning(app)) {
            if (Confirm(app, QString::fromLatin1(choice.question))) {
                AbortGame(app);
                *choice.value = index;
                ReturnToMain(app);
                return;
            }
            FillOptionsDialog(app);
        } else {
            *choice.value = index;
        }
    }

    if (d.TimeCombo->currentIndex() >= 0)
        app.game.TimeLimit = SettingsText::SecondsFromTimeItem(d.TimeCombo->currentText().toStdString());

    // An empty selection (a stored size the list does not offer) leaves the size alone.
    if (const auto n = SettingsText::SizeFromItem(d.MinWordSizeCombo->currentText().toStdString())) {
        if (*n != app.engine.cMinWordSize()) {
            if (!GameRunning(app)) {
                app.engine.cSetMinWordSize(*n);
            } else if (Confirm(app, QStringLiteral("Changing the minimum word size now will stop "
                                                   "the current game.  Are you sure you want to "
                                                   "do this?"))) {
                app.game.TimeRemaining = 1;
                app.engine.cSetMinWordSize(*n);
            } else {
                FillOptionsDialog(app);
            }
        }
    }

    if (const auto m = SettingsText::SizeFromItem(d.WordSizeCombo->currentText().toStdString())) {
        if (app.engine.cMaxWordSize() > *m) {
            if (Confirm(app, QStringLiteral("Are you sure you want to remove words longer than "
                                            "%1 letters from the dictionary?")
                                 .arg(*m))) {
                app.engine.cSetMaxWordSize(*m);
                app.engine.cReduceWordSize();
                app.dictionary.DictionaryUpdated = true;
            } else {
                FillOptionsDialog(app);
            }
        } else {
            app.engine.cSetMaxWordSize(*m);
        }
    }

    if (d.NumWordsCombo->currentIndex() >= 0)
        app.options.NumWordsLimit =
            SettingsText::NumWordsCode(d.NumWordsCombo->currentText().toStdString());
    app.options.SoundsOn = d.SoundsOption->isChecked();
    app.options.ShowUnusedWords = d.ShowUnusedWordsOption->isChecked();

    const bool repeat = d.RepeatLettersOption->isChecked();
    if (repeat != app.options.RepeatLetters) {
        if (!GameRunning(app)) {
            app.options.RepeatLetters = repeat;
        } else if (Confirm(app, QStringLiteral("Changing the repeat letters setting now will stop "
                                               "the current game.  Are you sure you want to do "
                                               "this?"))) {
            app.game.TimeRemaining = 1;
            app.options.RepeatLetters = repeat;
        } else {
            FillOptionsDialog(app);
        }
    }

    app.options.LeftHandedDisplay = d.LeftHandDisplay->isChecked();
    app.main->LayOutForHand(app.options.LeftHandedDisplay);
    Settings::SaveSettings(app);
    ReturnToMain(app);
}

void CancelOptions(App& app)
{
    ReturnToMain(app);
}

void EnterNetworkGame(App& app)
{
    if (IsNetworkGame(app))
        return;
    if (GameRunning(app)) {
        if (!Confirm(app, QStringLiteral("Entering a network game now will abort the current "
                                         "game.  Are you sure you want to do this?")))
            return;
        AbortGame(app);
    }
    // Restored when the network game ends.
    app.savedForNetwork = SavedGameSettings{app.game.GameMode,     app.game.GameType,
                                            app.options.RepeatLetters, app.game.TimeLimit,
                                            app.engine.cMinWordSize(), app.options.NumWordsLimit};
    // TODO: open the network lobby here (it disables the main window while it is up);
    // until network play exists nothing opens, so the main window stays usable.
}

} // namespace Common
