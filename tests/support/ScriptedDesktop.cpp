#include "ScriptedDesktop.h"

#include <gtest/gtest.h>

void ScriptedDesktop::answer(ui::Answer answer, std::function<void()> check)
{
    m_script.push_back({answer, std::move(check)});
}

ui::Answer ScriptedDesktop::ask(QWidget*, const ui::Prompt& prompt)
{
    shown.push_back({prompt.text, prompt.title, prompt.buttons});
    if (m_script.empty()) {
        if (autoOk && prompt.buttons == ui::Buttons::Ok)
            return ui::Answer::Ok;
        // A real box would wait for ever here; fail loudly instead.
        ADD_FAILURE() << "unexpected message box: " << prompt.text.toStdString();
        return prompt.buttons == ui::Buttons::YesNo ? ui::Answer::No : ui::Answer::Ok;
    }
    Step step = std::move(m_script.front());
    m_script.pop_front();
    if (step.check)
        step.check();
    return step.answer;
}

QString ScriptedDesktop::openFileName(QWidget*, const ui::FileDialog& dialog)
{
    fileDialogs.push_back(dialog);
    if (fileNames.empty()) {
        ADD_FAILURE() << "unexpected open dialog";
        return {};
    }
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString ScriptedDesktop::saveFileName(QWidget*, const ui::FileDialog& dialog)
{
    fileDialogs.push_back(dialog);
    if (fileNames.empty()) {
        ADD_FAILURE() << "unexpected save dialog";
        return {};
    }
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QStringList ScriptedDesktop::texts() const
{
    QStringList list;
    for (const Shown& s : shown)
        list << s.text;
    return list;
}
