// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardCode.h"

#include "core/game/SettingsText.h"
#include "core/game/Tr.h"
#include "engine/Engine.h"
#include "engine/Languages.h"

#include <algorithm>
#include <array>

namespace BoardCode {

namespace {

constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

int ValueOf(char c)
{
    const std::size_t at = kDigits.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// One step of the check: s = a * s + v in GF(4) x GF(9), each value as (v / 9, v % 9).
int Step(int s, int v)
{
    static constexpr std::array<int, 4> kTimesX = {0, 2, 3, 1}; // x * (0, 1, x, x + 1)
    const int p = s % 9 % 3, q = s % 9 / 3;
    // (p + q i)(1 + i) = (p - q) + (p + q) i
    const int p2 = (p - q + 3 + v % 9 % 3) % 3, q2 = (p + q + v % 9 / 3) % 3;
    return 9 * (kTimesX[static_cast<std::size_t>(s / 9)] ^ (v / 9)) + p2 + 3 * q2;
}

int Negated(int s)
{
    const int p = s % 9 % 3, q = s % 9 / 3;
    return 9 * (s / 9) + (3 - p) % 3 + 3 * ((3 - q) % 3);
}

std::string Cleaned(std::string_view text, bool& foreign)
{
    std::string out;
    foreign = false;
    for (char c : text) {
        if (c == '-' || c == ' ' || c == '\t')
            continue;
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        foreign = foreign || ValueOf(c) < 0;
        out += c;
    }
    return out;
}

bool Letters(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

} // namespace

char CheckCharacter(std::string_view body)
{
    int s = 0;
    for (char c : body) {
        const int v = ValueOf(c);
        if (v < 0)
            return '?';
        s = Step(s, v);
    }
    return kDigits[static_cast<std::size_t>(Negated(Step(s, 0)))];
}

std::string Encode(const GivenBoard& given)
{
    const auto& times = SettingsText::kTimeLimits;
    const auto time = std::find(times.begin(), times.end(), given.TimeLimit);
    if (given.Board.size() != 16 || !Letters(given.Board) || given.Language.size() != 2 ||
        !engine::findLanguage(given.Language) || time == times.end() ||
        (given.GameType != 0 && given.GameType != 1) ||
        given.MinWordSize < engine::kAbsoluteMinWordSize ||
        given.MinWordSize > engine::kAbsoluteMaxWordSize)
        return {};
    std::string body(1, kVersion);
    for (char c : given.Language)
        body += static_cast<char>(c - 'a' + 'A');
    body += kDigits[static_cast<std::size_t>(10 * given.GameType + (time - times.begin()))];
    body += kDigits[static_cast<std::size_t>(2 * (given.MinWordSize - 2) + given.RepeatLetters)];
    body += given.Board;
    std::string code = body.substr(0, 5);
    for (int row = 0; row < 4; ++row)
        code += '-' + body.substr(static_cast<std::size_t>(5 + 4 * row), 4);
    return code + '-' + CheckCharacter(body);
}

Reading Decode(std::string_view text)
{
    bool foreign = false;
    const std::string code = Cleaned(text, foreign);
    if (foreign)
        return {{}, false,
                core::TrS("BoardCode", "A board code holds only letters, digits and dashes; a board, "
                                       "only its 16 letters.")};
    if (code.size() == 16 && Letters(code)) {
        GivenBoard given;
        given.Board = code;
        return {given, false, {}};
    }
    if (code.empty())
        return {{}, false, core::TrS("BoardCode", "Type a board code, or the 16 letters of a board row by row.")};
    if (code[0] != kVersion)
        return {{}, false,
                Letters(code.substr(0, 1))
                    ? (code.size() == 16
                           ? core::TrS("BoardCode", "A board is 16 letters (Q for Qu), and this is 16 with "
                                                    "digits; a board code starts with its version, 1.")
                           : core::Tr("BoardCode", "A board is 16 letters (Q for Qu), and this is %1; a "
                                                   "board code starts with its version, 1.")
                                 .arg(code.size())
                                 .toStdString())
                    : core::Tr("BoardCode", "This board code is of version %1, which this Lettro cannot "
                                            "read: it reads version 1 codes.")
                          .arg(QString::fromStdString(code.substr(0, 1)))
                          .toStdString()};
    if (code.size() != std::size_t(kLength))
        return {{}, false,
                core::Tr("BoardCode", "A board code has %1 letters and digits, not counting dashes; "
                                      "this one has %2. Is a part missing?")
                    .arg(kLength)
                    .arg(code.size())
                    .toStdString()};
    if (CheckCharacter(code.substr(0, kLength - 1)) != code.back())
        return {{}, false,
                core::TrS("BoardCode", "This board code has a typo: its letters do not match its last "
                                       "character. Check it letter by letter.")};
    GivenBoard given;
    given.Language = code.substr(1, 2);
    for (char& c : given.Language)
        c = static_cast<char>(c - 'A' + 'a');
    const int timeType = ValueOf(code[3]), sizes = ValueOf(code[4]);
    given.Board = code.substr(5, 16);
    if (!engine::findLanguage(given.Language))
        return {{}, false,
                core::Tr("BoardCode", "This board code is for a board language this Lettro does not have (%1).")
                    .arg(QString::fromStdString(code.substr(1, 2)))
                    .toStdString()};
    if (timeType >= 20 || sizes >= 30 || !Letters(given.Board))
        return {{}, false, core::TrS("BoardCode", "This is not a board code Lettro made.")};
    given.GameType = timeType / 10;
    given.TimeLimit = SettingsText::kTimeLimits[static_cast<std::size_t>(timeType % 10)];
    given.MinWordSize = sizes / 2 + 2;
    given.RepeatLetters = sizes % 2 == 1;
    return {given, true, {}};
}

} // namespace BoardCode
