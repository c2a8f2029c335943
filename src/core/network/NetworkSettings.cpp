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
void Publish(Program& app)
{
    if (app.game.GameMode != NetworkHost)
        return;
    ++app.network.TableVersion;
    Messages::BroadcastPlayerTable(app);
}

} // namespace

std::string EncodeSettings(const Program& app)
{
    return std::string(app.game.GameType == Frantic ? "Frantic" : "Standard") +
           (app.options.RepeatLetters ? ",RepeatLetters," : ",NoRepeatLetters,") +
           std::to_string(app.game.TimeLimit) + ',' + std::to_string(app.engine.cMinWordSize()) +
           ',' + app.options.NumWordsLimit +
           // English games stay as every peer has always read them.
           (app.dictionary.Language == engine::kEnglish ? "" : ',' + app.dictionary.Language);
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

bool ApplySettings(Program& app, std::string_view text)
{
    const auto values = ParseSettings(text);
    if (!values)
        return false;
    // The board words come from the host; the language's dictionary takes the results'
    // corrections, and a computer player searches it.
    BoardLanguage::UseLanguage(app, values->Language);
    if (const int type = IndexOf(kGameTypes, values->GameType); type >= 0)
        app.game.GameType = type;
    app.options.RepeatLetters = values->RepeatLetters;
    const int longest = SettingsText::kTimeLimits.back();
    app.game.TimeLimit = std::clamp<int>(values->TimeLimit, SettingsText::kTimeLimits[0], longest);
    app.engine.cSetMinWordSize(
        std::clamp<int>(values->MinWordSize, 3, std::max(3, app.engine.cMaxWordSize())));
    app.options.NumWordsLimit =
        SettingsText::IsNumWordsCode(values->NumWordsLimit) ? values->NumWordsLimit : "-";
    ShowLobbySettings(app, true);
    return true;
}

void ShowLobbySettings(Program& app, bool show)
{
    LobbySettings& lobby = app.network.Lobby;
    lobby.Shown = show;
    if (!show)
        return;
    if (app.network.SettingsListsPending) {
        lobby.GameTypeItems = kGameTypes;
        lobby.TimeItems = kTimes;
        lobby.NumWordsItems = kNumWords;
        lobby.MinWordSizeItems.clear();
        for (int size = 3; size <= app.engine.cMaxWordSize(); ++size)
            lobby.MinWordSizeItems.push_back(std::to_string(size));
    }
    lobby.Editable = app.game.GameMode == NetworkHost;
    lobby.GameTypeIndex = app.game.GameType;
    lobby.RepeatLetters = app.options.RepeatLetters;
    // A time the list does not offer leaves the list as it was.
    if (const int time = IndexOf(lobby.TimeItems, TimeFormat::FormatTime(app.game.TimeLimit));
        time >= 0)
        lobby.TimeIndex = time;
    lobby.TimeShown = app.game.GameType != Frantic;
    lobby.NumWordsIndex = IndexOf(
        lobby.NumWordsItems, app.options.NumWordsLimit == "-" ? "Any" : app.options.NumWordsLimit);
    const int size = app.engine.cMinWordSize() - 3;
    lobby.MinWordSizeIndex =
        size >= 0 && size < static_cast<int>(lobby.MinWordSizeItems.size()) ? size : -1;
    app.network.SettingsListsPending = false;
}

void GameTypeClick(Program& app, int index)
{
    if (index < 0 || index >= static_cast<int>(kGameTypes.size()))
        return;
    app.game.GameType = index;
    app.network.Lobby.GameTypeIndex = index;
    app.network.Lobby.TimeShown = index != Frantic;
    Publish(app);
}

void GameTimeClick(Program& app, const std::string& item)
{
    const int index = IndexOf(kTimes, item);
    if (index < 0)
        return;
    app.game.TimeLimit = SettingsText::SecondsFromTimeItem(item);
    app.network.Lobby.TimeIndex = index;
    Publish(app);
}

void RepeatLettersClick(Program& app, bool checked)
{
    app.options.RepeatLetters = checked;
    app.network.Lobby.RepeatLetters = checked;
    Publish(app);
}

void MinWordSizeClick(Program& app, const std::string& item)
{
    const int index = IndexOf(app.network.Lobby.MinWordSizeItems, item);
    if (index < 0)
        return;
    app.engine.cSetMinWordSize(index + 3);
    app.network.Lobby.MinWordSizeIndex = index;
    Publish(app);
}

void NumWordsClick(Program& app, const std::string& item)
{
    const int index = IndexOf(kNumWords, item);
    if (index < 0)
        return;
    app.options.NumWordsLimit = index == 0 ? "-" : item;
    app.network.Lobby.NumWordsIndex = index;
    Publish(app);
}

void RestoreSavedSettings(Program& app)
{
    if (!app.savedForNetwork)
        return;
    const SavedGameSettings saved = *app.savedForNetwork;
    RestoreGameSettings(app, saved);
    app.savedForNetwork.reset();
    BoardLanguage::UseLanguage(app, saved.Language);
}

} // namespace NetworkSettings
