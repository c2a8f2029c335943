// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/network/NetworkSettings.h"

#include "core/game/BoardLanguage.h"
#include "core/game/Program.h"
#include "core/game/SettingsText.h"
#include "core/network/Messages.h"
#include "core/network/Wire.h"

#include <algorithm>

namespace NetworkSettings {

namespace {

const std::vector<std::string> kGameTypes = {"Standard", "Frantic"};
const std::vector<std::string> kTimes = {"0:15", "0:30", "1:00",  "2:00",  "3:00",
                                         "4:00", "5:00", "10:00", "20:00", "30:00"};
const std::vector<std::string> kNumWords = {"Any",  ">25", ">50", ">75", ">100",
                                            "<100", "<75", "<50", "<25"};

int IndexOf(const std::vector<std::string>& items, const std::string& item)
{
    const auto at = std::find(items.begin(), items.end(), item);
    return at == items.end() ? -1 : static_cast<int>(at - items.begin());
}

// A change made in the host's lobby goes to every player at once.
void Publish(Program& program)
{
    if (program.game.GameMode != NetworkHost)
        return;
    ++program.network.TableVersion;
    Messages::BroadcastPlayerTable(program);
}

} // namespace

std::string EncodeSettings(const Program& program)
{
    return std::string(program.game.GameType == Frantic ? "Frantic" : "Standard") +
           (program.options.RepeatLetters ? ",RepeatLetters," : ",NoRepeatLetters,") +
           std::to_string(program.game.TimeLimit) + ',' + std::to_string(program.engine.cMinWordSize()) +
           ',' + program.options.NumWordsLimit +
           // English games stay as every peer has always read them.
           (program.dictionary.Language == engine::kEnglish ? "" : ',' + program.dictionary.Language);
}

std::optional<SettingsValues> ParseSettings(std::string_view text)
{
    std::vector<std::string_view> items;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (items.size() != 5 && items.size() != 6)
        return std::nullopt;
    const auto time = Wire::ReadNumber(items[2], 16), size = Wire::ReadNumber(items[3], 32);
    if (!time || !size)
        return std::nullopt;
    return SettingsValues{std::string(items[0]), items[1] == "RepeatLetters", *time, *size,
                          std::string(items[4]),
                          items.size() == 6 ? std::string(items[5]) : engine::kEnglish};
}

bool ApplySettings(Program& program, std::string_view text)
{
    const auto values = ParseSettings(text);
    if (!values)
        return false;
    // The board words come from the host; the language's dictionary takes the results'
    // corrections, and a computer player searches it.
    BoardLanguage::UseLanguage(program, values->Language);
    if (const int type = IndexOf(kGameTypes, values->GameType); type >= 0)
        program.game.GameType = type;
    program.options.RepeatLetters = values->RepeatLetters;
    const int longest = SettingsText::kTimeLimits.back();
    program.game.TimeLimit = std::clamp<int>(values->TimeLimit, SettingsText::kTimeLimits[0], longest);
    program.engine.cSetMinWordSize(
        std::clamp<int>(values->MinWordSize, 3, std::max(3, program.engine.cMaxWordSize())));
    program.options.NumWordsLimit =
        SettingsText::IsNumWordsCode(values->NumWordsLimit) ? values->NumWordsLimit : "-";
    ShowLobbySettings(program, true);
    return true;
}

void ShowLobbySettings(Program& program, bool show)
{
    LobbySettings& lobby = program.network.Lobby;
    lobby.Shown = show;
    if (!show)
        return;
    if (program.network.SettingsListsPending) {
        lobby.GameTypeItems = kGameTypes;
        lobby.TimeItems = kTimes;
        lobby.NumWordsItems = kNumWords;
        lobby.MinWordSizeItems.clear();
        for (int size = 3; size <= program.engine.cMaxWordSize(); ++size)
            lobby.MinWordSizeItems.push_back(std::to_string(size));
    }
    lobby.Editable = program.game.GameMode == NetworkHost;
    lobby.GameTypeIndex = program.game.GameType;
    lobby.RepeatLetters = program.options.RepeatLetters;
    // A time the list does not offer leaves the list as it was.
    if (const int time = IndexOf(lobby.TimeItems, TimeFormat::FormatTime(program.game.TimeLimit));
        time >= 0)
        lobby.TimeIndex = time;
    lobby.TimeShown = program.game.GameType != Frantic;
    lobby.NumWordsIndex = IndexOf(
        lobby.NumWordsItems, program.options.NumWordsLimit == "-" ? "Any" : program.options.NumWordsLimit);
    const int size = program.engine.cMinWordSize() - 3;
    lobby.MinWordSizeIndex =
        size >= 0 && size < static_cast<int>(lobby.MinWordSizeItems.size()) ? size : -1;
    program.network.SettingsListsPending = false;
}

void GameTypeClick(Program& program, int index)
{
    if (index < 0 || index >= static_cast<int>(kGameTypes.size()))
        return;
    program.game.GameType = index;
    program.network.Lobby.GameTypeIndex = index;
    program.network.Lobby.TimeShown = index != Frantic;
    Publish(program);
}

void GameTimeClick(Program& program, const std::string& item)
{
    const int index = IndexOf(kTimes, item);
    if (index < 0)
        return;
    program.game.TimeLimit = SettingsText::SecondsFromTimeItem(item);
    program.network.Lobby.TimeIndex = index;
    Publish(program);
}

void RepeatLettersClick(Program& program, bool checked)
{
    program.options.RepeatLetters = checked;
    program.network.Lobby.RepeatLetters = checked;
    Publish(program);
}

void MinWordSizeClick(Program& program, const std::string& item)
{
    const int index = IndexOf(program.network.Lobby.MinWordSizeItems, item);
    if (index < 0)
        return;
    program.engine.cSetMinWordSize(index + 3);
    program.network.Lobby.MinWordSizeIndex = index;
    Publish(program);
}

void NumWordsClick(Program& program, const std::string& item)
{
    const int index = IndexOf(kNumWords, item);
    if (index < 0)
        return;
    program.options.NumWordsLimit = index == 0 ? "-" : item;
    program.network.Lobby.NumWordsIndex = index;
    Publish(program);
}

void RestoreSavedSettings(Program& program)
{
    if (!program.savedForNetwork)
        return;
    const SavedGameSettings saved = *program.savedForNetwork;
    RestoreGameSettings(program, saved);
    program.savedForNetwork.reset();
    BoardLanguage::UseLanguage(program, saved.Language);
}

} // namespace NetworkSettings
