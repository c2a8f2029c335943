// SPDX-License-Identifier: GPL-3.0-or-later
// A desktop for window tests: message boxes answered from a script (as the scripted
// prompter does), the foreground question and file dialogs answered from fields, opened
// web pages recorded.
#pragma once

#include "Scripted.h"
#include "windows/ui/Desktop.h"

#include <QString>
#include <QUrl>

#include <deque>
#include <vector>

class ScriptedDesktop : public ui::Desktop, public ScriptedPrompter {
public:
    using ScriptedPrompter::ask;
    using ScriptedPrompter::askText;
    ui::Answer ask(QWidget*, const ui::Prompt& prompt) override { return ask(prompt); }
    void warningSound() override { ScriptedPrompter::warningSound(); }
    std::optional<QString> askText(QWidget*, const ui::Prompt& prompt,
                                   const QString& initial) override
    {
        return ScriptedPrompter::askText(prompt, initial);
    }
    bool isForeground(const QWidget*) override { return foreground; }
    QString openFileName(QWidget*, const ui::FileDialog& d) override { return fileName(d, "open"); }
    QString saveFileName(QWidget*, const ui::FileDialog& d) override { return fileName(d, "save"); }
    void openUrl(const QUrl& url) override { openedUrls.push_back(url); }

    bool foreground = true;
    std::deque<QString> fileNames; // answers to file dialogs; "" is a cancel
    std::vector<ui::FileDialog> fileDialogs;
    std::vector<QUrl> openedUrls; // pages opened in the browser

private:
    QString fileName(const ui::FileDialog& dialog, const char* kind);
};
