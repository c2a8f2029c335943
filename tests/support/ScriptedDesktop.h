// A desktop for tests: answers message boxes from a script and records what was shown.
#pragma once

#include "windows/ui/Desktop.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

class ScriptedDesktop : public ui::Desktop {
public:
    struct Shown {
        QString text;
        QString title;
        ui::Buttons buttons;
    };

    // Queues the answer to the next message box; `check` may look at the app meanwhile.
    void answer(ui::Answer answer, std::function<void()> check = {});
    // Answers every OK-only box with OK without scripting each one.
    bool autoOk = false;

    ui::Answer ask(QWidget* parent, const ui::Prompt& prompt) override;
    void warningSound() override { ++sounds; }
    bool isForeground(const QWidget*) override { return foreground; }
    QString openFileName(QWidget*, const ui::FileDialog& dialog) override;
    QString saveFileName(QWidget*, const ui::FileDialog& dialog) override;

    std::vector<Shown> shown;
    int sounds = 0;
    bool foreground = true;
    std::deque<QString> fileNames; // answers to file dialogs; "" is a cancel
    std::vector<ui::FileDialog> fileDialogs;

    QStringList texts() const;
    // Unanswered scripted prompts left at the end of a test are a failure too.
    int pending() const { return static_cast<int>(m_script.size()); }

private:
    struct Step {
        ui::Answer answer;
        std::function<void()> check;
    };
    std::deque<Step> m_script;
};
