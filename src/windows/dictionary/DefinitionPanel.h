// SPDX-License-Identifier: GPL-3.0-or-later
// The panel beside a word list that says what the selected word means: its definition
// from the data installed, or "No definition here" and a link to the word on Wiktionary.
#pragma once

#include "core/dictionary/Definitions.h"

#include <QTextBrowser>
#include <QTimer>

namespace ui {
class Desktop;
}

class DefinitionPanel : public QTextBrowser {
    Q_OBJECT
public:
    DefinitionPanel(Definitions::Library& library, ui::Desktop& desktop, QWidget* parent);

    // Shows `word` of the board language `language`; "" empties the panel at once. The
    // lookup waits until the selection has rested a moment, so running through a long
    // list reads no files on the way.
    void define(const QString& language, const QString& word);

private:
    void lookUp();
    void showDefinition();
    void linkClicked(const QUrl& url);

    Definitions::Library& m_library;
    ui::Desktop& m_desktop;
    QTimer m_wait;
    QString m_language;
    QString m_word; // "": the panel is empty
    Definitions::Definition m_definition;
    bool m_full = false; // "and N more" was clicked
};
