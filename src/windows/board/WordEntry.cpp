// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordEntry.h"

#include "windows/game/App.h"
#include "windows/game/MainWindow.h"

#include <QLineEdit>
#include <QPushButton>

namespace WordEntry {

namespace {
// The typing goes on in the word box whatever was clicked.
void FocusBox(App& app)
{
    app.main->NewWord->setFocus();
}
} // namespace

void NewWordChanged(App& app, const QString& text)
{
    NewWordChanged(static_cast<Program&>(app), text);
    app.main->sync();
}

void EnterWord(App& app)
{
    EnterWord(static_cast<Program&>(app));
    app.main->sync();
    FocusBox(app);
    app.main->Enter->setDefault(true);
}

void RemoveLastLetter(App& app)
{
    RemoveLastLetter(static_cast<Program&>(app));
    app.main->sync();
}

void RecallListedWord(App& app, int row)
{
    RecallListedWord(static_cast<Program&>(app), row);
    app.main->sync();
    FocusBox(app);
}

void CubeClicked(App& app, int i)
{
    if (app.main->NewWord->isEnabled())
        FocusBox(app);
    CubeClicked(static_cast<Program&>(app), i);
    app.main->sync();
}

} // namespace WordEntry
