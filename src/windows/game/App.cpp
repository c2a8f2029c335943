#include "App.h"

#include "windows/game/MainWindow.h"

ui::Answer Ask(App& app, const QString& text, ui::Buttons buttons, const QString& title)
{
    return app.desktop.ask(app.main, ui::Prompt{text, title, buttons});
}

void ReturnToMainWindow(App& app)
{
    if (!app.main)
        return;
    MainWindow& w = *app.main;
    // Enabled first: a disabled window cannot become the active one.
    w.setEnabled(true);
    w.show();
    w.raise();
    w.activateWindow();
}

void RejectionSound(App& app)
{
    if (app.options.SoundsOn)
        app.desktop.warningSound();
}
