// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include "core/game/BoardLanguage.h"
#include "core/game/Program.h"
#include "core/game/SettingsText.h"

#include <optional>
#include <string>

namespace Settings {

namespace {
std::string Flag(bool value)
{
    return value ? "1" : "0";
}

std::optional<std::string> Stored(Program& app, const char* name)
{
    if (!app.settings)
        return std::nullopt;
    return app.settings->cGetRegValue(engine::kSettingsKey, name, kGameValueLength);
}

// A stored word size: its number when it is a whole number from 2 to 16.
std::optional<int> WordSize(const std::string& text)
{
    const auto n = SettingsText::WholeNumber(text);
    if (n && *n >= engine::kAbsoluteMinWordSize && *n <= engine::kAbsoluteMaxWordSize)
        return n;
    return std::nullopt;
}

} // namespace

void ReadSettings(Program& app)
{
    app.game.TimeLimit = 180;
    app.options.SoundsOn = true;
    // The window as laid out is the left-handed layout.
    app.options.LeftHandedDisplay = true;

    if (const auto text = Stored(app, kTimeLimit)) {
        const auto seconds = SettingsText::WholeNumber(*text);
        app.game.TimeLimit = seconds && SettingsText::IsTimeLimit(*seconds) ? *seconds : 180;
    }

    if (const auto text = Stored(app, kMinWordSize))
        app.engine.cSetMinWordSize(WordSize(*text).value_or(engine::kDefaultMinWordSize));

    if (const auto text = Stored(app, kMaxWordSize)) {
        const int wanted = WordSize(*text).value_or(engine::kAbsoluteMaxWordSize);
        const int limit = app.engine.cMaxWordSize();
        if (wanted > limit) {
            Ask(app, QStringLiteral("WARNING - dictionary is limited to words that have no more "
                                    "than %1 letters, resetting Max Word Size option")
                         .arg(limit));
        } else if (wanted < limit) {
            const auto answer = AskBeforeLosing(
                app, QStringLiteral("Dictionary contains words longer than %1 letters, is it OK "
                                    "to remove the longer words from the dictionary?")
                         .arg(wanted));
            if (answer == core::Answer::Yes) {
                app.engine.cSetMaxWordSize(wanted);
                app.engine.cReduceWordSize();
                app.dictionary.DictionaryUpdated = true;
            } else {
                Ask(app, QStringLiteral("Setting Max Word Size option to %1 letters").arg(limit));
            }
        }
    }

    const auto code = Stored(app, kNumWordsLimit);
    app.options.NumWordsLimit = code && SettingsText::IsNumWordsCode(*code) ? *code : "-";

    const auto sounds = Stored(app, kSounds);
    app.options.SoundsOn = sounds ? *sounds == "1" : true;
    const auto unused = Stored(app, kShowUnusedWords);
    app.options.ShowUnusedWords = unused && *unused == "1";
    const auto repeat = Stored(app, kRepeatLetters);
    app.options.RepeatLetters = repeat && *repeat == "1";
    const auto leftHanded = Stored(app, kLeftHandedDisplay);
    app.options.LeftHandedDisplay = leftHanded && *leftHanded == "1";
    const auto opponents = Stored(app, kComputerOpponents);
    const auto count = opponents ? SettingsText::WholeNumber(*opponents) : std::nullopt;
    app.options.ComputerOpponents =
        count && *count >= 0 && *count <= Opponents::kMaxOpponents ? *count : 0;
    const auto strength = Stored(app, kComputerStrength).value_or("");
    app.options.ComputerLevel = ComputerPlayer::kDefaultLevel;
    for (int l = 0; l < ComputerPlayer::kLevels; ++l)
        if (strength == ComputerPlayer::LevelName(ComputerPlayer::LevelAt(l)))
            app.options.ComputerLevel = ComputerPlayer::LevelAt(l);

    app.options.LoadedMaxWordSize = app.engine.cMaxWordSize();
    app.game.GameType = Standard;
    app.game.GameMode = SinglePlayer;
}

void SaveSettings(Program& app)
{
    if (!app.settings)
        return;
    engine::SettingsStore& store = *app.settings;
    const std::string key = engine::kSettingsKey;
    store.cSetRegValue(key, kTimeLimit, std::to_string(app.game.TimeLimit));
    store.cSetRegValue(key, kMinWordSize, std::to_string(app.engine.cMinWordSize()));
    store.cSetRegValue(key, kMaxWordSize, std::to_string(app.engine.cMaxWordSize()));
    store.cSetRegValue(key, kNumWordsLimit, app.options.NumWordsLimit);
    store.cSetRegValue(key, kSounds, Flag(app.options.SoundsOn));
    store.cSetRegValue(key, kShowUnusedWords, Flag(app.options.ShowUnusedWords));
    store.cSetRegValue(key, kRepeatLetters, Flag(app.options.RepeatLetters));
    store.cSetRegValue(key, kLeftHandedDisplay, Flag(app.options.LeftHandedDisplay));
    store.cSetRegValue(key, kComputerOpponents, std::to_string(app.options.ComputerOpponents));
    store.cSetRegValue(key, kComputerStrength, ComputerPlayer::LevelName(app.options.ComputerLevel));
    store.cSetRegValue(key, BoardLanguage::kBoardLanguage, app.options.BoardLanguage);
    store.sync();
}

} // namespace Settings
