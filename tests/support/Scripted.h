// SPDX-License-Identifier: GPL-3.0-or-later
// Test stand-ins for the game's seams that need no windows: a prompter that answers
// from a script, dice that draw scripted values, and boards from pictures.
#pragma once

#include "core/board/Dice.h"
#include "core/game/Prompter.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Boards as pictures: "CATS/ODGE/QRIN/TXYZ" (slashes and spaces ignored) -> board text.
std::string BoardFromText(std::string picture);

// Scripted values for RandomIndex: each value is the draw r in [0, 1), repeated in turn.
class ScriptedRandom : public Dice::RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values) : m_values(std::move(values)) {}
    float next() override;
    int draws = 0;

private:
    std::vector<float> m_values;
};

// Answers prompts from a script and records every prompt and sound. A prompt nobody
// scripted fails the test (a real box would wait for ever).
class ScriptedPrompter : public core::Prompter {
public:
    // Queues the answer to the next prompt; `check` may look at the game meanwhile.
    void answer(core::Answer answer, std::function<void()> check = {});
    // Answers every OK-only prompt with OK without scripting each one.
    bool autoOk = false;

    core::Answer ask(const core::Prompt& prompt) override;
    void warningSound() override { ++sounds; }
    // Text questions take their answers from `typed` (a null QString: Cancel), recorded
    // in `shown`.
    std::optional<QString> askText(const core::Prompt& prompt, const QString& initial) override;
    std::deque<QString> typed;
    QStringList initialTexts;

    std::vector<core::Prompt> shown;
    int sounds = 0;

    QStringList texts() const;
    // Unanswered scripted prompts left at the end of a test are a failure too.
    int pending() const { return static_cast<int>(m_script.size()); }

private:
    struct Step {
        core::Answer answer;
        std::function<void()> check;
    };
    std::deque<Step> m_script;
};
