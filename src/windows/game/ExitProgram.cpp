// SPDX-License-Identifier: GPL-3.0-or-later
// Leaving the game: the dictionary question, then every window closes.
#include "windows/game/App.h"
#include "windows/game/Common.h"
#include "windows/game/HighScoresWindow.h"
#include "windows/game/MainWindow.h"
#include "windows/game/OptionsDialog.h"
#include "windows/game/ResultsWindow.h"

#include "windows/dictionary/DictionaryEditor.h"
#include "core/dictionary/DictionaryStore.h"
#include "windows/dictionary/ProgressWindow.h"
#include "windows/network/NetworkDialog.h"
#include "windows/network/PromptWindow.h"
#include "windows/shell/HelpBrowser.h"

#include <QTimer>

namespace Common {

bool ExitProgram(App& app)
{
    if (app.exiting)
        return true;
    // A save that failed has been reported; quitting now would lose the changes anyway.
    if (!Dictionary::OfferDictionarySave(app))
        return false;
    app.exiting = true;
    if (app.main)
        app.main->GameClock->stop();

    if (app.progressWindow) {
        app.progressWindow->DictionaryTimer->stop();
        app.progressWindow->hide();
    }
    if (app.optionsDialog)
        app.optionsDialog->hide();
    if (app.resultsWindow)
        app.resultsWindow->hide();
    if (app.helpBrowser)
        app.helpBrowser->hide();
    if (app.highScoresWindow)
        app.highScoresWindow->hide();
    if (app.dictionaryEditor)
        app.dictionaryEditor->hide();
    if (app.networkDialog) {
        app.networkDialog->PollTimer->stop();
        app.networkDialog->hide();
    }
    if (app.promptWindow)
        app.promptWindow->hide();
    if (app.main)
        app.main->close();
    return true;
}

} // namespace Common
