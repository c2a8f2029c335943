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

std::optional<std::string> Stored(Program& program, const char* name)
{
    if (!program.settings)
        return std::nullopt;
    return program.settings->cGetRegValue(engine::kSettingsKey, name, kGameValueLength);
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

void ReadSettings(Program& program)
{
    program.game.TimeLimit = 180;
    program.options.SoundsOn = true;
    // The window as laid out is the left-handed layout.
    program.options.LeftHandedDisplay = true;

    if (const auto text = Stored(program, kTimeLimit)) {
        const auto seconds = SettingsText::WholeNumber(*text);
        program.game.TimeLimit = seconds && SettingsText::IsTimeLimit(*seconds) ? *seconds : 180;
    }

    if (const auto text = Stored(program, kMinWordSize))
        program.engine.cSetMinWordSize(WordSize(*text).value_or(engine::kDefaultMinWordSize));

    if (const auto text = Stored(program, kMaxWordSize)) {
        const int wanted = WordSize(*text).value_or(engine::kAbsoluteMaxWordSize);
        const int limit = program.engine.cMaxWordSize();
        if (wanted > limit) {
            Ask(program,
                QStringLiteral("WARNING - dictionary is limited to words that have no more "
                               "than %1 letters, resetting Max Word Size option")
                    .arg(limit));
        } else if (wanted < limit) {
            const auto answer = AskBeforeLosing(
                program,
                QStringLiteral("Dictionary contains words longer than %1 letters, is it OK "
                               "to remove the longer words from the dictionary?")
                    .arg(wanted));
            if (answer == core::Answer::Yes) {
                program.engine.cSetMaxWordSize(wanted);
                program.engine.cReduceWordSize();
                program.dictionary.DictionaryUpdated = true;
            } else {
                Ask(program,
                    QStringLiteral("Setting Max Word Size option to %1 letters").arg(limit));
            }
        }
    }

    const auto code = Stored(program, kNumWordsLimit);
    program.options.NumWordsLimit = code && SettingsText::IsNumWordsCode(*code) ? *code : "-";

    const auto sounds = Stored(program, kSounds);
    program.options.SoundsOn = sounds ? *sounds == "1" : true;
    const auto unused = Stored(program, kShowUnusedWords);
    program.options.ShowUnusedWords = unused && *unused == "1";
    const auto repeat = Stored(program, kRepeatLetters);
    program.options.RepeatLetters = repeat && *repeat == "1";
    const auto leftHanded = Stored(program, kLeftHandedDisplay);
    program.options.LeftHandedDisplay = leftHanded && *leftHanded == "1";
    const auto whereNext = Stored(program, kShowWhereWordCanGo);
    program.options.ShowWhereWordCanGo = !whereNext || *whereNext != "0";
    const auto opponents = Stored(program, kComputerOpponents);
    const auto count = opponents ? SettingsText::WholeNumber(*opponents) : std::nullopt;
    program.options.ComputerOpponents =
        count && *count >= 0 && *count <= Opponents::kMaxOpponents ? *count : 0;
    const auto strength = Stored(program, kComputerStrength).value_or("");
    program.options.ComputerLevel = ComputerPlayer::kDefaultLevel;
    for (int l = 0; l < ComputerPlayer::kLevels; ++l)
        if (strength == ComputerPlayer::LevelName(ComputerPlayer::LevelAt(l)))
            program.options.ComputerLevel = ComputerPlayer::LevelAt(l);

    program.options.LoadedMaxWordSize = program.engine.cMaxWordSize();
    program.game.GameType = Standard;
    program.game.GameMode = SinglePlayer;
}

void SaveSettings(Program& program)
{
    if (!program.settings)
        return;
    engine::SettingsStore& store = *program.settings;
    const std::string key = engine::kSettingsKey;
    // A given board's settings are for its game only.
    const std::optional<SavedGameSettings>& own = program.savedForGivenBoard;
    store.cSetRegValue(key, kTimeLimit, std::to_string(own ? own->TimeLimit : program.game.TimeLimit));
    store.cSetRegValue(key, kMinWordSize,
                       std::to_string(own ? own->MinWordSize : program.engine.cMinWordSize()));
    store.cSetRegValue(key, kMaxWordSize, std::to_string(program.engine.cMaxWordSize()));
    store.cSetRegValue(key, kNumWordsLimit, program.options.NumWordsLimit);
    store.cSetRegValue(key, kSounds, Flag(program.options.SoundsOn));
    store.cSetRegValue(key, kShowUnusedWords, Flag(program.options.ShowUnusedWords));
    store.cSetRegValue(key, kRepeatLetters,
                       Flag(own ? own->RepeatLetters : program.options.RepeatLetters));
    store.cSetRegValue(key, kLeftHandedDisplay, Flag(program.options.LeftHandedDisplay));
    store.cSetRegValue(key, kShowWhereWordCanGo, Flag(program.options.ShowWhereWordCanGo));
    store.cSetRegValue(key, kComputerOpponents, std::to_string(program.options.ComputerOpponents));
    store.cSetRegValue(key, kComputerStrength,
                       ComputerPlayer::LevelName(program.options.ComputerLevel));
    store.cSetRegValue(key, BoardLanguage::kBoardLanguage, program.options.BoardLanguage);
    store.sync();
}

} // namespace Settings
