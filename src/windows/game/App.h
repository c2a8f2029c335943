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
struct App;

// Answers the game's prompts with message boxes over the window they belong to.
class WindowsPrompter : public core::Prompter {
public:
    explicit WindowsPrompter(App& app) : m_app(app) {}
    core::Answer ask(const core::Prompt& prompt) override;
    void warningSound() override;

private:
    App& m_app;
};

struct App : Program {
    explicit App(ui::Desktop& desktop) : desktop(desktop) { prompter = &windowsPrompter; }
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    ui::Desktop& desktop;
    WindowsPrompter windowsPrompter{*this};
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

// Shows the main window enabled and in front again, when a dialog or window is done.
void ReturnToMainWindow(App& app);
