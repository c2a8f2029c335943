// SPDX-License-Identifier: GPL-3.0-or-later
#include "Options.h"

#include "core/game/BoardLanguage.h"
#include "core/game/Game.h"
#include "core/game/GivenBoard.h"
#include "core/game/Opponents.h"
#include "core/game/Program.h"
#include "core/game/Settings.h"
#include "core/game/SettingsText.h"
#include "core/game/TimeFormat.h"

#include <algorithm>

namespace Common {

namespace {
bool GameRunning(const Program& program)
{
    return program.game.TimeRemaining != 0;
}

bool Confirm(Program& program, const char* question)
{
    return Ask(program, QString::fromLatin1(question), core::Buttons::YesNo) == core::Answer::Yes;
}

std::string SizeItem(int size)
{
    return std::to_string(size) + " letters";
}

// The text when the list offers it, else no selection.
std::string Offered(const std::vector<std::string>& items, const std::string& text)
{
    return std::find(items.begin(), items.end(), text) != items.end() ? text : std::string();
}

int Offered(const std::vector<std::string>& items, int index)
{
    return index >= 0 && index < static_cast<int>(items.size()) ? index : -1;
}

OptionsItems MakeItems()
{
    OptionsItems items;
    items.GameType = {"Standard", "Frantic"};
    items.GameMode = {"Single Player", "Two Player"};
    for (int seconds : SettingsText::kTimeLimits)
        items.Time.push_back(TimeFormat::FormatTime(seconds));
    for (int size = 3; size <= 16; ++size)
        items.WordSize.push_back(SizeItem(size));
    for (const char* code : SettingsText::kNumWordsCodes)
        items.NumWords.push_back(SettingsText::NumWordsItem(code));
    for (const engine::Language& language : engine::languages())
        items.BoardLanguage.push_back(language.name);
    items.ComputerOpponents = {"None"};
    for (int n = 1; n <= Opponents::kMaxOpponents; ++n)
        items.ComputerOpponents.push_back(std::to_string(n));
    for (int l = 0; l < ComputerPlayer::kLevels; ++l)
        items.ComputerStrength.push_back(ComputerPlayer::LevelName(ComputerPlayer::LevelAt(l)));
    return items;
}
} // namespace

const OptionsItems& OptionsDialogItems()
{
    static const OptionsItems items = MakeItems();
    return items;
}

OptionsValues FillOptionsDialog(const Program& program)
{
    const OptionsItems& items = OptionsDialogItems();
    OptionsValues v;
    v.GameType = Offered(items.GameType, program.game.GameType);
    v.GameMode = Offered(items.GameMode, program.game.GameMode);
    v.Time = Offered(items.Time, TimeFormat::FormatTime(program.game.TimeLimit));
    v.MinWordSize = Offered(items.WordSize, SizeItem(program.engine.cMinWordSize()));
    v.WordSize = Offered(items.WordSize, SizeItem(program.engine.cMaxWordSize()));
    v.NumWords = Offered(items.NumWords, SettingsText::NumWordsItem(program.options.NumWordsLimit));
    v.Sounds = program.options.SoundsOn;
    v.ShowUnusedWords = program.options.ShowUnusedWords;
    v.RepeatLetters = program.options.RepeatLetters;
    v.LeftHandDisplay = program.options.LeftHandedDisplay;
    v.ShowWhereWordCanGo = program.options.ShowWhereWordCanGo;
    v.TimeEnabled = GameTypeChanged(program.game.GameType);
    v.ComputerOpponents = program.options.ComputerOpponents;
    v.ComputerStrength = static_cast<int>(program.options.ComputerLevel);
    const auto languages = engine::languages();
    for (std::size_t i = 0; i < languages.size(); ++i)
        if (program.options.BoardLanguage == languages[i].code)
            v.BoardLanguage = static_cast<int>(i);
    return v;
}

bool GameTypeChanged(int shownType)
{
    return shownType != Frantic;
}

OptionsOutcome ApplyOptions(Program& program, const OptionsValues& dialog)
{
    const OptionsItems& items = OptionsDialogItems();
    OptionsOutcome outcome;
    OptionsValues v = dialog;
    // What the dialog shows and OK confirms are the user's own from now on, also when a
    // given board's game had set them.
    program.savedForGivenBoard.reset();
    // A declined question shows the current settings again, so the later steps find them
    // and change nothing.
    const auto decline = [&] {
        v = FillOptionsDialog(program);
        outcome.refill = true;
    };

    // Game type and mode: changing either during a game aborts it and ends the dialog.
    const struct {
        int OptionsValues::*chosen;
        int GameState::*value;
        const char* question;
    } choices[] = {
        {&OptionsValues::GameType, &GameState::GameType,
         "Changing the game type now will abort the current game.  Are you sure you want to "
         "do this?"},
        {&OptionsValues::GameMode, &GameState::GameMode,
         "Changing the game mode now will abort the current game.  Are you sure you want to "
         "do this?"},
    };
    for (const auto& choice : choices) {
        const int index = v.*choice.chosen;
        if (index < 0 || index == program.game.*choice.value)
            continue;
        if (!GameRunning(program)) {
            program.game.*choice.value = index;
        } else if (Confirm(program, choice.question)) {
            program.game.*choice.value = index;
            Game::AbortGame(program);
            outcome.abortGame = true;
            return outcome;
        } else {
            decline();
        }
    }

    // The board language: asked about as the game type is, and played from the next game.
    const auto languages = engine::languages();
    std::string language = program.options.BoardLanguage;
    if (v.BoardLanguage >= 0 && v.BoardLanguage < static_cast<int>(languages.size()) &&
        languages[static_cast<std::size_t>(v.BoardLanguage)].code != language) {
        const std::string chosen = languages[static_cast<std::size_t>(v.BoardLanguage)].code;
        if (!GameRunning(program)) {
            language = chosen;
        } else if (Confirm(program, "Changing the board language now will abort the current game.  "
                                    "Are you sure you want to do this?")) {
            Game::AbortGame(program);
            BoardLanguage::ChooseLanguage(program, chosen);
            outcome.abortGame = true;
            return outcome;
        } else {
            decline();
        }
    }

    if (!v.Time.empty())
        program.game.TimeLimit = SettingsText::SecondsFromTimeItem(v.Time);

    // An empty selection (a stored size the list does not offer) leaves the size alone.
    if (const auto n = SettingsText::SizeFromItem(v.MinWordSize);
        n && *n != program.engine.cMinWordSize()) {
        if (!GameRunning(program)) {
            program.engine.cSetMinWordSize(*n);
        } else if (Confirm(program,
                           "Changing the minimum word size now will stop the current game.  "
                           "Are you sure you want to do this?")) {
            program.game.TimeRemaining = 1; // ends at the next tick, with results
            program.engine.cSetMinWordSize(*n);
        } else {
            decline();
        }
    }

    if (const auto m = SettingsText::SizeFromItem(v.WordSize)) {
        if (program.engine.cMaxWordSize() <= *m) {
            program.engine.cSetMaxWordSize(*m);
        } else if (AskBeforeLosing(program, QStringLiteral("Are you sure you want to remove words "
                                                           "longer than %1 letters from the "
                                                           "dictionary?")
                                                .arg(*m)) == core::Answer::Yes) {
            program.engine.cSetMaxWordSize(*m);
            program.engine.cReduceWordSize();
            program.dictionary.DictionaryUpdated = true;
        } else {
            decline();
        }
    }

    if (!v.NumWords.empty())
        program.options.NumWordsLimit = SettingsText::NumWordsCode(v.NumWords);
    program.options.SoundsOn = v.Sounds;
    program.options.ShowUnusedWords = v.ShowUnusedWords;

    if (v.RepeatLetters != program.options.RepeatLetters) {
        if (!GameRunning(program)) {
            program.options.RepeatLetters = v.RepeatLetters;
        } else if (Confirm(program, "Changing the repeat letters setting now will stop the current "
                                    "game.  Are you sure you want to do this?")) {
            program.game.TimeRemaining = 1;
            program.options.RepeatLetters = v.RepeatLetters;
        } else {
            decline();
        }
    }

    program.options.LeftHandedDisplay = v.LeftHandDisplay;
    program.options.ShowWhereWordCanGo = v.ShowWhereWordCanGo;
    // Computer opponents join from the next game on.
    if (Offered(items.ComputerOpponents, v.ComputerOpponents) >= 0)
        program.options.ComputerOpponents = v.ComputerOpponents;
    if (Offered(items.ComputerStrength, v.ComputerStrength) >= 0)
        program.options.ComputerLevel = ComputerPlayer::LevelAt(v.ComputerStrength);
    Settings::SaveSettings(program);
    if (language != program.options.BoardLanguage)
        BoardLanguage::ChooseLanguage(program, language);
    return outcome;
}

NetworkEntry EnterNetworkGame(Program& program)
{
    if (IsNetworkGame(program))
        return NetworkEntry::Stay;
    NetworkEntry entry = NetworkEntry::Enter;
    if (GameRunning(program)) {
        if (!Confirm(program, "Entering a network game now will abort the current game.  Are you "
                              "sure you want to do this?"))
            return NetworkEntry::Stay;
        Game::AbortGame(program);
        entry = NetworkEntry::AbortAndEnter;
    }
    Given::RestoreOwnSettings(program);
    // Restored when the network game ends.
    program.savedForNetwork = GameSettings(program);
    return entry;
}

} // namespace Common
