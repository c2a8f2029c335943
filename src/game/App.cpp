#include "App.h"

#include "game/MainWindow.h"

ui::Answer Ask(App& app, const QString& text, ui::Buttons buttons, const QString& title)
{
    return app.desktop.ask(app.main, ui::Prompt{text, title, buttons});
}

void RejectionSound(App& app)
{
    if (app.options.SoundsOn)
        app.desktop.warningSound();
}
