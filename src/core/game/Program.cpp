#include "Program.h"

core::Answer Ask(Program& program, const QString& text, core::Buttons buttons,
                 const QString& title, core::Owner owner)
{
    // Every program installs a prompter before the first question; without one the
    // cautious answer is No.
    if (!program.prompter)
        return buttons == core::Buttons::YesNo ? core::Answer::No : core::Answer::Ok;
    return program.prompter->ask(core::Prompt{text, title, buttons, owner});
}

void RejectionSound(Program& program)
{
    if (program.options.SoundsOn && program.prompter)
        program.prompter->warningSound();
}
