// SPDX-License-Identifier: GPL-3.0-or-later
#include "Options.h"

#include "core/game/BoardLanguage.h"
#include "core/game/Game.h"
#include "core/game/Opponents.h"
#include "core/game/Program.h"
#include "core/game/Settings.h"
#include "core/game/SettingsText.h"
#include "core/game/TimeFormat.h"

#include <algorithm>

namespace Common {

namespace {
bool GameRunning(const Program& app)
{
    return app.game.TimeRemaining != 0;
}

bool Confirm(Program& app, const char* question)
{
    return Ask(app, QString::fromLatin1(question), core::Buttons::YesNo) == core::Answer::Yes;
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

OptionsValues FillOptionsDialog(const Program& app)
{
    const OptionsItems& items = OptionsDialogItems();
    OptionsValues v;
    v.GameType = Offered(items.GameType, app.game.GameType);
    v.GameMode = Offered(items.GameMode, app.game.GameMode);
    v.Time = Offered(items.Time, TimeFormat::FormatTime(app.game.TimeLimit));
    v.MinWordSize = Offered(items.WordSize, SizeItem(app.engine.cMinWordSize()));
    v.WordSize = Offered(items.WordSize, SizeItem(app.engine.cMaxWordSize()));
    v.NumWords = Offered(items.NumWords, SettingsText::NumWordsItem(app.options.NumWordsLimit));
    v.Sounds = app.options.SoundsOn;
    v.ShowUnusedWords = app.options.ShowUnusedWords;
    v.RepeatLetters = app.options.RepeatLetters;
    v.LeftHandDisplay = app.options.LeftHandedDisplay;
    v.TimeEnabled = GameTypeChanged(app.game.GameType);
    v.ComputerOpponents = app.options.ComputerOpponents;
    v.ComputerStrength = static_cast<int>(app.options.ComputerLevel);
    const auto languages = engine::languages();
    for (std::size_t i = 0; i < languages.size(); ++i)
        if (app.options.BoardLanguage == languages[i].code)
            v.BoardLanguage = static_cast<int>(i);
    return v;
}

bool GameTypeChanged(int shownType)
{
    return shownType != Frantic;
}

OptionsOutcome ApplyOptions(Program& app, const OptionsValues& dialog)
{
    const OptionsItems& items = OptionsDialogItems();
    OptionsOutcome outcome;
    OptionsValues v = dialog;
    // A declined question shows the current settings again, so the later steps find them
    // and change nothing.
    const auto decline = [&] {
        v = FillOptionsDialog(app);
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
        if (index < 0 || index == app.game.*choice.value)
            continue;
        if (!GameRunning(app)) {
            app.game.*choice.value = index;
        } else if (Confirm(app, choice.question)) {
            app.game.*choice.value = index;
            Game::AbortGame(app);
            outcome.abortGame = true;
            return outcome;
        } else {
            decline();
        }
    }

    // The board language: asked about as the game type is, and played from the next game.
    const auto languages = engine::languages();
    std::string language = app.options.BoardLanguage;
    if (v.BoardLanguage >= 0 && v.BoardLanguage < static_cast<int>(languages.size()) &&
        languages[static_cast<std::size_t>(v.BoardLanguage)].code != language) {
        const std::string chosen = languages[static_cast<std::size_t>(v.BoardLanguage)].code;
        if (!GameRunning(app)) {
            language = chosen;
        } else if (Confirm(app, "Changing the board language now will abort the current game.  "
                                "Are you sure you want to do this?")) {
            Game::AbortGame(app);
            BoardLanguage::ChooseLanguage(app, chosen);
            outcome.abortGame = true;
            return outcome;
        } else {
            decline();
        }
    }

    if (!v.Time.empty())
        app.game.TimeLimit = SettingsText::SecondsFromTimeItem(v.Time);

    // An empty selection (a stored size the list does not offer) leaves the size alone.
    if (const auto n = SettingsText::SizeFromItem(v.MinWordSize);
        n && *n != app.engine.cMinWordSize()) {
        if (!GameRunning(app)) {
            app.engine.cSetMinWordSize(*n);
        } else if (Confirm(app, "Changing the minimum word size now will stop the current game.  "
                                "Are you sure you want to do this?")) {
            app.game.TimeRemaining = 1; // ends at the next tick, with results
            app.engine.cSetMinWordSize(*n);
        } else {
            decline();
        }
    }

    if (const auto m = SettingsText::SizeFromItem(v.WordSize)) {
        if (app.engine.cMaxWordSize() <= *m) {
            app.engine.cSetMaxWordSize(*m);
        } else if (AskBeforeLosing(app, QStringLiteral("Are you sure you want to remove words "
                                                       "longer than %1 letters from the "
                                                       "dictionary?")
                                            .arg(*m)) == core::Answer::Yes) {
            app.engine.cSetMaxWordSize(*m);
            app.engine.cReduceWordSize();
            app.dictionary.DictionaryUpdated = true;
        } else {
            decline();
        }
    }

    if (!v.NumWords.empty())
        app.options.NumWordsLimit = SettingsText::NumWordsCode(v.NumWords);
    app.options.SoundsOn = v.Sounds;
    app.options.ShowUnusedWords = v.ShowUnusedWords;

    if (v.RepeatLetters != app.options.RepeatLetters) {
        if (!GameRunning(app)) {
            app.options.RepeatLetters = v.RepeatLetters;
        } else if (Confirm(app, "Changing the repeat letters setting now will stop the current "
                                "game.  Are you sure you want to do this?")) {
            app.game.TimeRemaining = 1;
            app.options.RepeatLetters = v.RepeatLetters;
        } else {
            decline();
        }
    }

    app.options.LeftHandedDisplay = v.LeftHandDisplay;
    // Computer opponents join from the next game on.
    if (Offered(items.ComputerOpponents, v.ComputerOpponents) >= 0)
        app.options.ComputerOpponents = v.ComputerOpponents;
    if (Offered(items.ComputerStrength, v.ComputerStrength) >= 0)
        app.options.ComputerLevel = ComputerPlayer::LevelAt(v.ComputerStrength);
    Settings::SaveSettings(app);
    if (language != app.options.BoardLanguage)
        BoardLanguage::ChooseLanguage(app, language);
    return outcome;
}

NetworkEntry EnterNetworkGame(Program& app)
{
    if (IsNetworkGame(app))
        return NetworkEntry::Stay;
    NetworkEntry entry = NetworkEntry::Enter;
    if (GameRunning(app)) {
        if (!Confirm(app, "Entering a network game now will abort the current game.  Are you "
                          "sure you want to do this?"))
            return NetworkEntry::Stay;
        Game::AbortGame(app);
        entry = NetworkEntry::AbortAndEnter;
    }
    // Restored when the network game ends.
    app.savedForNetwork = SavedGameSettings{
        app.game.GameMode,         app.game.GameType,          app.options.RepeatLetters,
        app.game.TimeLimit,        app.engine.cMinWordSize(), app.options.NumWordsLimit,
        app.dictionary.Language};
    return entry;
}

} // namespace Common
