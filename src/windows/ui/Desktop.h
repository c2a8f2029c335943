// SPDX-License-Identifier: GPL-3.0-or-later
// The one door to the desktop: message boxes, the warning sound, the foreground
// question and file dialogs. The game installs the real one; tests install a script.
#pragma once

#include "core/game/Prompter.h"

#include <QString>

#include <optional>

class QMessageBox;
class QUrl;
class QWidget;

namespace ui {

using core::Answer;
using core::Buttons;
using core::Prompt;

struct FileDialog {
    QString caption;
    QString folder;          // start folder
    QString filter;          // Qt filter text: "All Files (*)" ";;" separated
    QString selectedFilter;  // the filter shown first
    QString defaultSuffix;   // save dialogs: added when the name has none
};

class Desktop {
public:
    virtual ~Desktop() = default;
    // Shows a modal message box over `parent` and returns the button pressed.
    virtual Answer ask(QWidget* parent, const Prompt& prompt) = 0;
    // The desktop's warning ("exclamation") sound.
    virtual void warningSound() = 0;
    // Asks for one line of text over `parent`, `initial` filled in; nothing when cancelled.
    virtual std::optional<QString> askText(QWidget* parent, const Prompt& prompt,
                                           const QString& initial) = 0;
    // Whether `window` is the window the user is working in now.
    virtual bool isForeground(const QWidget* window) = 0;
    // File dialogs: the chosen path, or "" when cancelled.
    virtual QString openFileName(QWidget* parent, const FileDialog& dialog) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialog& dialog) = 0;
    // Opens a web page in the user's browser.
    virtual void openUrl(const QUrl& url) = 0;
};

// Sets up `box` to show `prompt`: title, text, icon, buttons and the default button.
void FillMessageBox(QMessageBox& box, const Prompt& prompt);

// The real desktop: QMessageBox, QInputDialog, the freedesktop sound theme (or a plain beep),
// QApplication::activeWindow, QFileDialog and QDesktopServices.
class QtDesktop : public Desktop {
public:
    QtDesktop();
    ~QtDesktop() override;
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;
    Answer ask(QWidget* parent, const Prompt& prompt) override;
    void warningSound() override;
    std::optional<QString> askText(QWidget* parent, const Prompt& prompt,
                                   const QString& initial) override;
    bool isForeground(const QWidget* window) override;
    QString openFileName(QWidget* parent, const FileDialog& dialog) override;
    QString saveFileName(QWidget* parent, const FileDialog& dialog) override;
    void openUrl(const QUrl& url) override;

private:
    struct Sound;
    Sound* m_sound = nullptr;
};

} // namespace ui
