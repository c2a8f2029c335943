// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game/Opponents.h"

#include "core/game/HighScores.h"
#include "core/game/Program.h"
#include "core/game/Results.h"
#include "core/game/Scoring.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace Opponents {

namespace {

std::size_t Index(int i)
{
    return static_cast<std::size_t>(i);
}

std::string RecordName(ComputerPlayer::Level level)
{
    return std::string(kRecordPrefix) + ComputerPlayer::LevelName(level);
}

} // namespace

std::string ComputerName(int i, int count)
{
    return count > 1 ? "Computer " + std::to_string(i + 1) : "Computer";
}

void StartGame(Program& program)
{
    GameState& game = program.game;
    OpponentsState& o = program.opponents;
    const int count = game.GameMode == SinglePlayer
                          ? std::clamp(program.options.ComputerOpponents, 0, kMaxOpponents)
                          : 0;
    game.Opponents = count;
    o.ToFind.clear();
    o.Found.assign(Index(count), 0);
    o.Seconds = 0;
    // A time chosen during the game is for the next one, so the pace is set now.
    o.Length = std::max(game.TimeLimit, 15);
    o.GameToRecord = false;
    if (count == 0)
        return;
    o.Level = program.options.ComputerLevel;
    game.PlayerCount = 1 + count;
    game.LocalPlayerIndex = 0;
    const std::string person = HighScores::PlayerName(program);
    game.PlayerNames = {person.empty() ? HighScores::LoginName() : person};
    const auto shortest = static_cast<std::size_t>(program.engine.cMinWordSize());
    for (int i = 0; i < count; ++i) {
        game.PlayerNames.push_back(ComputerName(i, count));
        // Each computer its own seed, so that two of one strength find different words.
        std::vector<std::string> words = ComputerPlayer::WordsToFind(
            program.board.BoardWords, ComputerPlayer::LevelStrength(o.Level),
            static_cast<std::uint32_t>(i + 1), program.board.BoardText);
        // A misspelling too short to be entered, or a word already entered (a long word
        // cut short may be a board word too), is never typed.
        std::vector<std::string> typed;
        for (std::string& w : words)
            if (w.size() >= shortest && std::find(typed.begin(), typed.end(), w) == typed.end())
                typed.push_back(std::move(w));
        words.swap(typed);
        o.ToFind.push_back(std::move(words));
    }
}

void Tick(Program& program)
{
    CatchUp(program, program.opponents.Seconds + 1);
}

void CatchUp(Program& program, int seconds)
{
    OpponentsState& o = program.opponents;
    if (program.game.Opponents == 0)
        return;
    o.Seconds = seconds;
    // Spread over the game's time as a network computer player spreads them.
    const auto length = static_cast<std::size_t>(o.Length);
    for (std::size_t i = 0; i < o.ToFind.size(); ++i)
        o.Found[i] = std::min(o.ToFind[i].size(),
                              o.ToFind[i].size() * static_cast<std::size_t>(o.Seconds) / length);
}

void CollectWords(Program& program)
{
    GameState& game = program.game;
    const OpponentsState& o = program.opponents;
    if (game.Opponents == 0)
        return;
    game.PlayerWords.resize(Index(game.PlayerCount));
    for (std::size_t i = 0; i < o.ToFind.size(); ++i)
        game.PlayerWords[i + 1].assign(o.ToFind[i].begin(),
                                       o.ToFind[i].begin() + static_cast<long>(o.Found[i]));
}

void Rescore(Program& program)
{
    Scoring::ClassifyWords(program.game, program.board.BoardWords, program.eval);
    Scoring::FindUnusedAndCommon(program.game, program.board.BoardWords, program.eval);
    Results::ShowScores(program);
}

void RecordFinishedGame(Program& program)
{
    OpponentsState& o = program.opponents;
    if (!std::exchange(o.GameToRecord, false))
        return;
    const std::vector<int>& scores = program.eval.PlayerScores;
    if (scores.size() < 2)
        return;
    const int own = scores[0];
    const int best = *std::max_element(scores.begin() + 1, scores.end());
    OpponentsState::Record& r = o.Records[static_cast<std::size_t>(o.Level)];
    ++(own > best ? r.Wins : own < best ? r.Losses : r.Ties);
    if (program.settings)
        program.settings->cSetRegValue(engine::kSettingsKey, RecordName(o.Level).c_str(),
                                       std::to_string(r.Wins) + "," + std::to_string(r.Losses) +
                                           "," + std::to_string(r.Ties));
}

void LoadRecord(Program& program)
{
    for (int l = 0; l < ComputerPlayer::kLevels; ++l) {
        const auto level = ComputerPlayer::LevelAt(l);
        OpponentsState::Record& r = program.opponents.Records[Index(l)];
        r = {};
        const auto stored = program.settings ? program.settings->cGetRegValue(
                                                   engine::kSettingsKey, RecordName(level).c_str(), 40)
                                             : std::nullopt;
        int wins = 0, losses = 0, ties = 0, end = 0;
        if (stored && std::sscanf(stored->c_str(), "%9d,%9d,%9d%n", &wins, &losses, &ties, &end) == 3 &&
            Index(end) == stored->size() && wins >= 0 && losses >= 0 && ties >= 0)
            r = {wins, losses, ties};
    }
}

QStringList PlayLines(const Program& program)
{
    QStringList lines;
    const GameState& game = program.game;
    if (game.Opponents == 0 || game.TimeRemaining <= 0)
        return lines;
    const OpponentsState& o = program.opponents;
    for (std::size_t i = 0; i < o.Found.size(); ++i)
        lines.push_back(QStringLiteral("%1: %2 word%3")
                            .arg(QString::fromStdString(Scoring::PlayerName(game, static_cast<int>(i) + 1)))
                            .arg(o.Found[i])
                            .arg(o.Found[i] == 1 ? "" : "s"));
    return lines;
}

std::vector<std::string> RecordLines(const Program& program)
{
    std::vector<std::string> lines;
    for (int l = 0; l < ComputerPlayer::kLevels; ++l) {
        const OpponentsState::Record& r = program.opponents.Records[Index(l)];
        if (r == OpponentsState::Record{})
            continue;
        lines.push_back(std::string("Against ") + ComputerPlayer::LevelName(ComputerPlayer::LevelAt(l)) +
                        " computers: " + std::to_string(r.Wins) + " won, " +
                        std::to_string(r.Losses) + " lost, " + std::to_string(r.Ties) + " tied");
    }
    if (lines.empty())
        lines.push_back("No games against the computer yet");
    return lines;
}

} // namespace Opponents
