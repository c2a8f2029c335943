// Leaving the game: the dictionary question, then every window closes.
#include "game/App.h"
#include "game/Common.h"
#include "game/MainWindow.h"
#include "game/OptionsDialog.h"
#include "game/ResultsWindow.h"

#include "dictionary/DictionaryEditor.h"
#include "dictionary/DictionaryStore.h"
#include "dictionary/ProgressWindow.h"
#include "shell/HelpBrowser.h"

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
    if (app.dictionaryEditor)
        app.dictionaryEditor->hide();
    if (app.main)
        app.main->close();
    return true;
}

} // namespace Common
