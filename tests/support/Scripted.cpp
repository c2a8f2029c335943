// SPDX-License-Identifier: GPL-3.0-or-later
#include "Scripted.h"

#include <gtest/gtest.h>

std::string BoardFromText(std::string picture)
{
    std::erase_if(picture, [](char c) { return c == '/' || c == ' '; });
    return picture;
}

float ScriptedRandom::next()
{
    const float value = m_values.empty() ? 0.0f : m_values[draws % m_values.size()];
    ++draws;
    return value;
}

void ScriptedPrompter::answer(core::Answer answer, std::function<void()> check)
{
    m_script.push_back({answer, std::move(check)});
}

core::Answer ScriptedPrompter::ask(const core::Prompt& prompt)
{
    shown.push_back(prompt);
    if (m_script.empty()) {
        if (autoOk && prompt.buttons == core::Buttons::Ok)
            return core::Answer::Ok;
        ADD_FAILURE() << "unexpected prompt: " << prompt.text.toStdString();
        return prompt.buttons == core::Buttons::YesNo ? core::Answer::No : core::Answer::Ok;
    }
    Step step = std::move(m_script.front());
    m_script.pop_front();
    if (step.check)
        step.check();
    return step.answer;
}

QStringList ScriptedPrompter::texts() const
{
    QStringList list;
    for (const core::Prompt& p : shown)
        list << p.text;
    return list;
}

std::optional<QString> ScriptedPrompter::askText(const core::Prompt& prompt, const QString& initial)
{
    shown.push_back(prompt);
    initialTexts << initial;
    if (typed.empty()) {
        ADD_FAILURE() << "unexpected text question: " << prompt.text.toStdString();
        return std::nullopt;
    }
    const QString answer = typed.front();
    typed.pop_front();
    if (answer.isNull())
        return std::nullopt;
    return answer;
}
