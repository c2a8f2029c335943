// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighScoreTable.h"

#include "core/game/Fields.h"
#include "core/game/SettingsText.h"
#include "core/game/TimeFormat.h"
#include "core/game/Tr.h"

#include <QDate>
#include <QString>

#include <algorithm>

namespace HighScores {

namespace {

// A plain run of 1 to 7 digits (no sign, no spaces) no larger than `most`; -1 otherwise.
int Number(const std::string& text, int most)
{
    if (text.empty() || text.size() > 7 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    const int value = std::stoi(text);
    return value <= most ? value : -1;
}

bool IsDate(const std::string& text)
{
    return text.size() == 10 &&
           QDate::fromString(QString::fromStdString(text), Qt::ISODate).isValid();
}

// Far above any score a board allows, yet small enough that nothing overflows.
constexpr int kMostPoints = 1000000;

// One row of the file; false when any field is missing, extra or out of range.
bool ParseRow(const std::string& line, Key& key, Row& row)
{
    const std::vector<std::string> f = SplitFields(line, '\t');
    if (f.size() != 7)
        return false;
    key = {Number(f[0], kBoardOfTheDay.GameType), Number(f[1], 100000)};
    row = {CleanName(f[6]), f[5], Number(f[2], kMostPoints), Number(f[3], kMostPoints),
           Number(f[4], 100)};
    return IsKey(key) && row.Points >= 0 && row.Words >= 0 && row.Percent >= 0 &&
           IsDate(row.Date) && !row.Name.empty();
}

} // namespace

Key KeyFor(int gameType, int timeLimit)
{
    return {gameType, gameType == 1 ? 0 : timeLimit};
}

bool IsKey(const Key& key)
{
    if (key == kBoardOfTheDay)
        return true;
    if (key.GameType == 1)
        return key.Seconds == 0;
    return key.GameType == 0 && SettingsText::IsTimeLimit(key.Seconds);
}

std::string KeyText(const Key& key)
{
    if (key == kBoardOfTheDay)
        return core::TrS("HighScores", "Board of the Day");
    if (key.GameType == 1)
        return core::TrS("HighScores", "Frantic");
    return core::Tr("HighScores", "Standard %1")
        .arg(QString::fromStdString(TimeFormat::FormatTime(key.Seconds)))
        .toStdString();
}

bool RanksAbove(const Row& a, const Row& b)
{
    if (a.Points != b.Points)
        return a.Points > b.Points;
    if (a.Words != b.Words)
        return a.Words > b.Words;
    return a.Date < b.Date; // yyyy-mm-dd sorts as text
}

int Place(const Table& table, const Key& key, const Row& row)
{
    const auto found = table.find(key);
    if (found == table.end())
        return 0;
    const std::vector<Row>& rows = found->second;
    // Below every row it does not rank above: a tie never pushes an older row down.
    const auto index = std::find_if(rows.begin(), rows.end(),
                                    [&](const Row& old) { return RanksAbove(row, old); }) -
                       rows.begin();
    return static_cast<std::size_t>(index) < kRowsPerKey ? static_cast<int>(index) : -1;
}

int Insert(Table& table, const Key& key, const Row& row)
{
    const int place = Place(table, key, row);
    if (place < 0)
        return -1;
    std::vector<Row>& rows = table[key];
    rows.insert(rows.begin() + place, row);
    if (rows.size() > kRowsPerKey)
        rows.resize(kRowsPerKey);
    return place;
}

std::string CleanName(const std::string& name)
{
    QString text = QString::fromStdString(name);
    // Tabs and line breaks would split the file's rows; other invisible characters would
    // make two names that look the same.
    for (QChar& c : text)
        if (c.isSpace())
            c = QLatin1Char(' ');
    text.removeIf([](QChar c) { return !c.isPrint() && !c.isSurrogate(); });
    text = text.simplified();
    if (text.size() > kNameLength) {
        text.truncate(kNameLength);
        if (text.back().isHighSurrogate())
            text.chop(1);
    }
    return text.toStdString();
}

std::string Serialize(const Table& table)
{
    std::string text = std::string(kHeader) + ' ' + std::to_string(kVersion) + '\n';
    for (const auto& [key, rows] : table)
        for (const Row& row : rows) {
            const std::string name = CleanName(row.Name);
            for (const std::string& field :
                 {std::to_string(key.GameType), std::to_string(key.Seconds),
                  std::to_string(row.Points), std::to_string(row.Words),
                  std::to_string(row.Percent), row.Date})
                text.append(field).push_back('\t');
            text.append(name).push_back('\n');
        }
    return text;
}

ParseResult Parse(const std::string& text)
{
    if (text.empty())
        return {{}, core::TrS("HighScores", "it is empty")};
    std::vector<std::string> lines = SplitFields(text, '\n');
    for (std::string& line : lines)
        if (!line.empty() && line.back() == '\r')
            line.pop_back(); // edited on Windows
    const std::string header = std::string(kHeader) + ' ';
    if (lines[0].rfind(header, 0) != 0)
        return {{}, core::TrS("HighScores", "it is not a Lettro high-score file")};
    const int version = Number(lines[0].substr(header.size()), 1000000);
    if (version < 0)
        return {{}, core::TrS("HighScores", "it is not a Lettro high-score file")};
    if (version != kVersion)
        return {{}, core::Tr("HighScores", "it was written by another version of Lettro (format %1)")
                        .arg(version)
                        .toStdString()};
    ParseResult result;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        Key key;
        Row row;
        if (!ParseRow(lines[i], key, row))
            return {{}, core::Tr("HighScores", "line %1 is damaged").arg(i + 1).toStdString()};
        result.table[key].push_back(row);
    }
    // A file put together by hand may be out of order or too long.
    for (auto& [key, rows] : result.table) {
        std::stable_sort(rows.begin(), rows.end(), RanksAbove);
        if (rows.size() > kRowsPerKey)
            rows.resize(kRowsPerKey);
    }
    return result;
}

} // namespace HighScores
