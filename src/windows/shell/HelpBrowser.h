// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the help page in a text browser, with Contents, Back, Forward and
// Exit in its menu bar. Exit only hides it, so its history lasts until the next opening;
// closing it by its frame destroys it.
#pragma once

#include <QMainWindow>
#include <QTextBrowser>

class QAction;
struct Program;

// A text browser that shows a short "page not found" text where a page is missing,
// as a web browser would, instead of an empty window.
class HelpPageView : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override;

    // Takes the text cursor off the link last followed, keeping the view where it is.
    // The history keeps such a cursor with each place and puts it back, scrolled into
    // view, when the place is shown again: Forward after Back would show the link (in the
    // contents) instead of the place Back left.
    void dropLinkFocus();
};

class HelpBrowser : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpBrowser(const Program& program, QWidget* parent = nullptr);

    // The Contents command: back to the help page.
    void showContents();

private:
    const Program& m_program;
    HelpPageView* WebBrowser = nullptr;
    QAction* Contents = nullptr;
    QAction* Back = nullptr;
    QAction* Forward = nullptr;
    QAction* Exit = nullptr;
};
