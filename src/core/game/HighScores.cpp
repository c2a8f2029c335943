// SPDX-License-Identifier: GPL-3.0-or-later
#include "HighScores.h"

#include "core/game/Program.h"
#include "core/game/Scoring.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace HighScores {

namespace {

// Rows are short and there are at most ten for each of eleven tables; anything much
// larger is not ours, and is not read into memory.
constexpr qint64 kMostFileBytes = 64 * 1024;

QString Native(const std::string& path)
{
    return QDir::toNativeSeparators(QString::fromStdString(path));
}

// Why the file cannot be used; "" when `table` holds what it says.
std::string ReadFile(const QString& path, Table& table)
{
    // A pipe or a device would block the reading, or never end it.
    if (!QFileInfo(path).isFile())
        return "it is not a plain file";
    QFile file(path);
    if (file.size() > kMostFileBytes)
        return "it is too large to be a Lettro high-score file";
    if (!file.open(QIODevice::ReadOnly))
        return "it cannot be read (" + file.errorString().toStdString() + ")";
    const QByteArray bytes = file.read(kMostFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return "it cannot be read (" + file.errorString().toStdString() + ")";
    ParseResult parsed = Parse(bytes.toStdString());
    table = std::move(parsed.table);
    return parsed.error;
}

// Each board language keeps its own: HighScores.txt for English, HighScores-fr.txt ...
std::string LanguageFile(const Program& program)
{
    const std::string& file = program.highScores.File;
    return file.empty() ? file : engine::languageFile(file, program.dictionary.Language);
}

void Save(Program& program, core::Owner owner)
{
    HighScoreState& hs = program.highScores;
    const std::string file = LanguageFile(program);
    if (file.empty() || !hs.Writable)
        return;
    QDir().mkpath(QFileInfo(QString::fromStdString(file)).absolutePath());
    const engine::FileResult result = engine::writeFileAtomically(file, Serialize(hs.Table));
    if (result.ok())
        return;
    Ask(program,
        QStringLiteral("The high scores could not be saved to %1: %2.")
            .arg(Native(file), QString::fromStdString(engine::describe(result))),
        core::Buttons::Ok, QStringLiteral("Lettro"), owner);
}

// Asks for the name with `initial` filled in; a name given is stored. The name to use now.
std::string AskName(Program& program, const std::string& initial, const QString& title,
                    core::Owner owner)
{
    const std::optional<QString> answer =
        AskText(program, QStringLiteral("Your name for the high scores:"),
                QString::fromStdString(initial), title, owner);
    const std::string name = answer ? CleanName(answer->toStdString()) : std::string();
    // Cancelled or left empty: asked again next time.
    if (name.empty())
        return initial;
    if (program.settings)
        program.settings->cSetRegValue(kPlayerKey, kPlayerName, name);
    return name;
}

} // namespace

void LoadHighScores(Program& program)
{
    HighScoreState& hs = program.highScores;
    hs.Table.clear();
    hs.Writable = true;
    const std::string file = LanguageFile(program);
    const QString path = QString::fromStdString(file);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    const std::string error = ReadFile(path, hs.Table);
    if (error.empty())
        return;
    hs.Table.clear();
    const QString kept = QString::fromStdString(engine::keepAside(file));
    const QString reason = QString::fromStdString(error);
    if (!kept.isEmpty()) {
        Ask(program, QStringLiteral("The high-score file %1 could not be used: %2.\n\nIt has "
                                    "been kept as %3, and the high scores start again "
                                    "from an empty table.")
                         .arg(Native(file), reason, QDir::toNativeSeparators(kept)));
        return;
    }
    // Never written over: it may still hold scores that a repaired Lettro can read.
    hs.Writable = false;
    Ask(program, QStringLiteral("The high-score file %1 could not be used: %2.\n\nIt could not "
                                "be moved aside either, so it is left as it is and the high "
                                "scores of this session will not be saved.")
                     .arg(Native(file), reason));
}

Key CurrentKey(const Program& program)
{
    return KeyFor(program.game.GameType, program.game.TimeLimit);
}

Row FinishedGameRow(const Program& program, const std::string& date)
{
    const std::vector<Words>& defined = program.eval.PlayerDefinedWords;
    const auto p = static_cast<std::size_t>(std::max(program.game.LocalPlayerIndex, 0));
    const Words found = p < defined.size() ? defined[p] : Words();
    const auto boardWords = static_cast<long long>(program.board.BoardWords.size());
    return {PlayerName(program), date, Scoring::ScoreForWords(found),
            static_cast<int>(found.size()),
            Scoring::Percent(static_cast<long long>(found.size()), boardWords)};
}

void EnterFinishedGame(Program& program, const std::string& date)
{
    HighScoreState& hs = program.highScores;
    if (!std::exchange(hs.GameToEnter, false) || hs.File.empty() ||
        program.game.GameMode != SinglePlayer)
        return;
    Row row = FinishedGameRow(program, date);
    const Key key = hs.GameKey;
    // A game without a word scores nothing worth keeping.
    if (row.Points <= 0 || !IsKey(key))
        return;
    if (Place(hs.Table, key, row) < 0)
        return;
    if (row.Name.empty())
        row.Name =
            AskName(program, LoginName(), QStringLiteral("New High Score"), core::Owner::Results);
    hs.MarkedRow = Insert(hs.Table, key, row);
    hs.Shown = key;
    hs.Open = true;
    Save(program, core::Owner::Results);
}

void OpenHighScores(Program& program)
{
    HighScoreState& hs = program.highScores;
    hs.Shown = CurrentKey(program);
    hs.MarkedRow = -1;
    hs.Open = true;
}

std::vector<Key> OfferedKeys(const Program& program)
{
    std::vector<Key> keys;
    for (const auto& [key, rows] : program.highScores.Table)
        if (!rows.empty())
            keys.push_back(key);
    // The board of the day's table is always there to be found, empty or not.
    for (const Key& key : {program.highScores.Shown, kBoardOfTheDay})
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            keys.insert(std::upper_bound(keys.begin(), keys.end(), key), key);
    return keys;
}

void ShowKey(Program& program, const Key& key)
{
    HighScoreState& hs = program.highScores;
    if (key == hs.Shown)
        return;
    hs.Shown = key;
    hs.MarkedRow = -1;
}

void CloseHighScores(Program& program)
{
    program.highScores.Open = false;
    program.highScores.MarkedRow = -1;
}

std::string PlayerName(const Program& program)
{
    if (!program.settings)
        return {};
    const auto stored = program.settings->cGetRegValue(kPlayerKey, kPlayerName, 4 * kNameLength);
    return stored ? CleanName(*stored) : std::string();
}

void ChangePlayerName(Program& program)
{
    const std::string stored = PlayerName(program);
    AskName(program, stored.empty() ? LoginName() : stored, QStringLiteral("Player's Name"),
            core::Owner::HighScores);
}

std::string LoginName()
{
    for (const char* variable : {"USER", "USERNAME", "LOGNAME"}) {
        const std::string name = CleanName(qEnvironmentVariable(variable).toStdString());
        if (!name.empty())
            return name;
    }
    return "Player";
}

} // namespace HighScores
