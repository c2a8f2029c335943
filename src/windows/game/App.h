// The application object: the run's state plus its windows and the desktop seam.
#pragma once

#include "core/game/Program.h"
#include "windows/ui/Desktop.h"

class DictionaryEditor;
class HelpBrowser;
class MainWindow;
class OptionsDialog;
class ProgressWindow;
class ResultsWindow;

struct App : Program {
    explicit App(ui::Desktop& desktop) : desktop(desktop) {}

    ui::Desktop& desktop;
    MainWindow* main = nullptr; // owned by whoever made it (main.cpp or a test)
    // The other windows are made on first use as children of the main window.
    ResultsWindow* resultsWindow = nullptr;
    OptionsDialog* optionsDialog = nullptr;
    DictionaryEditor* dictionaryEditor = nullptr;
    ProgressWindow* progressWindow = nullptr;
    HelpBrowser* helpBrowser = nullptr;
    // Set once the exit sequence has begun, so closing the main window does not run it twice.
    bool exiting = false;
};

// Shows a message box owned by the main window; the title defaults to "Lettro".
ui::Answer Ask(App& app, const QString& text, ui::Buttons buttons = ui::Buttons::Ok,
               const QString& title = QStringLiteral("Lettro"));

// Shows the main window enabled and in front again, when a dialog or window is done.
void ReturnToMainWindow(App& app);

// The rejection sound, made only when sounds are on.
void RejectionSound(App& app);
