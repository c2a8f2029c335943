// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsText.h"

#include "core/game/Tr.h"

#include <algorithm>
#include <charconv>

namespace SettingsText {

std::optional<int> WholeNumber(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const auto last = text.find_last_not_of(' ');
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end || *begin == '-' || *begin == '+')
        return std::nullopt;
    return value;
}

bool IsTimeLimit(int seconds)
{
    return std::find(kTimeLimits.begin(), kTimeLimits.end(), seconds) != kTimeLimits.end();
}

bool IsNumWordsCode(const std::string& code)
{
    return std::find_if(kNumWordsCodes.begin(), kNumWordsCodes.end(),
                        [&](const char* c) { return code == c; }) != kNumWordsCodes.end();
}

// The fixed items, for lupdate; the numbered ones are put together in Shown.
[[maybe_unused]] constexpr const char* kItemTexts[] = {
    QT_TRANSLATE_NOOP("SettingItem", "Standard"),
    QT_TRANSLATE_NOOP("SettingItem", "Frantic"),
    QT_TRANSLATE_NOOP("SettingItem", "Single Player"),
    QT_TRANSLATE_NOOP("SettingItem", "Two Player"),
    QT_TRANSLATE_NOOP("SettingItem", "None"),
    QT_TRANSLATE_NOOP("SettingItem", "No limits"),
    QT_TRANSLATE_NOOP("SettingItem", "Any"),
    QT_TRANSLATE_NOOP("SettingItem", "Easy"),
    QT_TRANSLATE_NOOP("SettingItem", "Medium"),
    QT_TRANSLATE_NOOP("SettingItem", "Hard")};

QString Shown(const std::string& item)
{
    const auto number = [&](std::size_t from) { return QString::fromStdString(item.substr(from)); };
    if (item.rfind("More than ", 0) == 0)
        return core::Tr("SettingItem", "More than %1").arg(number(10));
    if (item.rfind("Less than ", 0) == 0)
        return core::Tr("SettingItem", "Less than %1").arg(number(10));
    if (const std::optional<int> size = SizeFromItem(item);
        size && item.find(' ') != std::string::npos)
        return core::TrN("SettingItem", "%n letters", nullptr, *size);
    return QCoreApplication::translate("SettingItem", item.c_str());
}

std::string NumWordsItem(const std::string& code)
{
    if (code.size() < 2)
        return "No limits";
    // Appending, not const char* + string: GCC 12 at -O3 warns (-Wrestrict) on the latter.
    std::string item = code[0] == '>' ? "More than " : "Less than ";
    return item.append(code, 1);
}

std::string NumWordsCode(const std::string& item)
{
    if (item == "No limits" || item.size() < 11)
        return "-";
    std::string code = item.rfind("More", 0) == 0 ? ">" : "<";
    return code.append(item, 10);
}

int SecondsFromTimeItem(const std::string& item)
{
    // "m:ss" or "mm:ss"
    std::string minutes, seconds;
    if (item.size() >= 2 && item[1] == ':') {
        minutes = item.substr(0, 1);
        seconds = item.substr(2);
    } else if (item.size() >= 3) {
        minutes = item.substr(0, 2);
        seconds = item.substr(3);
    }
    return WholeNumber(minutes).value_or(0) * 60 + WholeNumber(seconds).value_or(0);
}

std::optional<int> SizeFromItem(const std::string& item)
{
    return WholeNumber(item.substr(0, std::min<std::size_t>(2, item.size())));
}

} // namespace SettingsText
