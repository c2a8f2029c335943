#include "App.h"

#include "windows/game/MainWindow.h"

#include "windows/dictionary/DictionaryEditor.h"
#include "windows/game/ResultsWindow.h"

core::Answer WindowsPrompter::ask(const core::Prompt& prompt)
{
    // The box shows over the game as the core left it (a "Hit OK" box over a hidden board).
    if (m_app.main)
        m_app.main->sync();
    QWidget* parent = m_app.main;
    if (prompt.owner == core::Owner::Results && m_app.resultsWindow)
        parent = m_app.resultsWindow;
    else if (prompt.owner == core::Owner::Editor && m_app.dictionaryEditor)
        parent = m_app.dictionaryEditor;
    return m_app.desktop.ask(parent, prompt);
}

void WindowsPrompter::warningSound()
{
    m_app.desktop.warningSound();
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
