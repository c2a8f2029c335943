// SPDX-License-Identifier: GPL-3.0-or-later
// The game's one door to whoever sits in front of it: notices, questions and the warning
// sound. The windows answer with real message boxes; tests and windowless programs
// answer from a script.
#pragma once

#include <QString>

#include <optional>

namespace core {

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };
// The window a message belongs over (the main window is disabled while the others are up).
enum class Owner { Main, Results, Editor, Lobby, HighScores };

struct Prompt {
    QString text;
    QString title = QStringLiteral("Lettro");
    Buttons buttons = Buttons::Ok;
    Owner owner = Owner::Main;
    // Yes would throw data away: No is the default button, so Enter keeps everything.
    bool defaultNo = false;
    // A long text the box shows only when asked (a licence notice); "" none.
    QString details = QString();
};

class Prompter {
public:
    virtual ~Prompter() = default;
    // Shows the prompt until it is answered; returns the button pressed.
    virtual Answer ask(const Prompt& prompt) = 0;
    // The desktop's warning ("exclamation") sound.
    virtual void warningSound() = 0;
    // Asks for one line of text, `initial` filled in; nothing when cancelled. A program
    // without windows has nobody to ask.
    virtual std::optional<QString> askText(const Prompt& /*prompt*/, const QString& /*initial*/)
    {
        return std::nullopt;
    }
};

} // namespace core
