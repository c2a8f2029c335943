// SPDX-License-Identifier: GPL-3.0-or-later
#include "Program.h"

namespace {
core::Answer AskPrompt(Program& program, const core::Prompt& prompt)
{
    // Every program installs a prompter before the first question; without one the
    // cautious answer is No.
    if (!program.prompter)
        return prompt.buttons == core::Buttons::YesNo ? core::Answer::No : core::Answer::Ok;
    return program.prompter->ask(prompt);
}
} // namespace

SavedGameSettings GameSettings(const Program& program)
{
    return {program.game.GameMode,  program.game.GameType,         program.options.RepeatLetters,
            program.game.TimeLimit, program.engine.cMinWordSize(), program.options.NumWordsLimit,
            program.dictionary.Language};
}

void RestoreGameSettings(Program& program, const SavedGameSettings& saved)
{
    program.game.GameType = saved.GameType;
    program.game.GameMode = saved.GameMode;
    program.options.RepeatLetters = saved.RepeatLetters;
    program.game.TimeLimit = saved.TimeLimit;
    program.engine.cSetMinWordSize(saved.MinWordSize);
    program.options.NumWordsLimit = saved.NumWordsLimit;
}

core::Answer Ask(Program& program, const QString& text, core::Buttons buttons,
                 const QString& title, core::Owner owner)
{
    return AskPrompt(program, core::Prompt{text, title, buttons, owner});
}

core::Answer AskBeforeLosing(Program& program, const QString& text, core::Owner owner)
{
    return AskPrompt(program, core::Prompt{.text = text,
                                           .buttons = core::Buttons::YesNo,
                                           .owner = owner,
                                           .defaultNo = true});
}

std::optional<QString> AskText(Program& program, const QString& text, const QString& initial,
                               const QString& title, core::Owner owner)
{
    if (!program.prompter)
        return std::nullopt;
    return program.prompter->askText(core::Prompt{.text = text, .title = title, .owner = owner},
                                     initial);
}

void RejectionSound(Program& program)
{
    if (program.options.SoundsOn && program.prompter)
        program.prompter->warningSound();
}
