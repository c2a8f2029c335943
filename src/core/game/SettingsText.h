// SPDX-License-Identifier: GPL-3.0-or-later
// Settings as text: what the store holds and what the options dialog shows.
#pragma once

#include <QString>

#include <array>
#include <optional>
#include <string>

namespace SettingsText {

// The game lengths offered, in seconds.
inline constexpr std::array<int, 10> kTimeLimits = {15, 30, 60, 120, 180, 240, 300, 600, 1200, 1800};
// The board-word limit codes, in the order the dialog lists them.
inline constexpr std::array<const char*, 9> kNumWordsCodes = {"-",    ">25",  ">50", ">75", ">100",
                                                               "<100", "<75", "<50", "<25"};

// A whole decimal number and nothing else (spaces around it allowed); nothing when the
// text is empty, has other characters, or is too large to be any setting.
std::optional<int> WholeNumber(const std::string& text);

bool IsTimeLimit(int seconds);
bool IsNumWordsCode(const std::string& code);

// Options dialog items.
std::string NumWordsItem(const std::string& code);  // ">25" -> "More than 25", "-" -> "No limits"
std::string NumWordsCode(const std::string& item);  // the reverse
int SecondsFromTimeItem(const std::string& item);   // "2:00" -> 120, "10:00" -> 600
std::optional<int> SizeFromItem(const std::string& item); // "12 letters" -> 12
// An item as the dialogs show it, in the interface language; the items themselves stay
// English, as they are stored and sent.
QString Shown(const std::string& item);

} // namespace SettingsText
