// SPDX-License-Identifier: GPL-3.0-or-later
#include "Progress.h"

#include "core/game/GivenBoard.h"
#include "core/game/Program.h"
#include "core/game/Scoring.h"
#include "core/game/Tr.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>
#include <QVariant>

#include <algorithm>
#include <set>

namespace Progress {

namespace {

constexpr int kSchema = 1;

const char* const kCreate =
    "CREATE TABLE IF NOT EXISTS games ("
    " id INTEGER PRIMARY KEY, played TEXT NOT NULL, language TEXT NOT NULL,"
    " game_mode INTEGER NOT NULL, game_type INTEGER NOT NULL, time_limit INTEGER NOT NULL, min_word_size INTEGER NOT NULL,"
    " repeat_letters INTEGER NOT NULL, daily_date TEXT NOT NULL, board_code TEXT NOT NULL,"
    " points INTEGER NOT NULL, board_points INTEGER NOT NULL, words_found INTEGER NOT NULL,"
    " board_words INTEGER NOT NULL, found_by_length TEXT NOT NULL,"
    " board_by_length TEXT NOT NULL, longest_word TEXT NOT NULL, best_word TEXT NOT NULL)";

const char* const kColumns =
    "played, language, game_mode, game_type, time_limit, min_word_size, repeat_letters, daily_date, "
    "board_code, points, board_points, words_found, board_words, found_by_length, "
    "board_by_length, longest_word, best_word";

enum class Trouble { None = 0, Damaged = 1, Busy = 2, Other = 4 };

struct Outcome {
    Trouble trouble = Trouble::None;
    QString detail;
};

Outcome Failed(const QSqlError& error)
{
    // SQLite's primary result codes.
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return {Trouble::Damaged, error.databaseText()};
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return {Trouble::Busy, error.databaseText()};
    default:
        return {Trouble::Other, error.text()};
    }
}

// One connection for one piece of work, closed and removed when it goes.
class Connection {
public:
    explicit Connection(const QString& path)
        : m_name(QStringLiteral("lettro-progress-%1").arg(reinterpret_cast<quintptr>(this)))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyMilliseconds));
    }
    ~Connection()
    {
        database().close();
        QSqlDatabase::removeDatabase(m_name);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }

    // Runs one statement; its first value, if any, goes to `value`.
    Outcome Run(const QString& sql, QVariant* value = nullptr) const
    {
        QSqlQuery query(database());
        if (!query.exec(sql))
            return Failed(query.lastError());
        if (value)
            *value = query.next() ? query.value(0) : QVariant();
        return {};
    }

    // Opens the file in WAL mode with the games' table; checks its pages once per run.
    Outcome Open(bool check) const
    {
        QSqlDatabase db = database();
        if (!db.open())
            return Failed(db.lastError());
        QVariant value;
        for (const char* sql : {"PRAGMA journal_mode=WAL", "PRAGMA user_version"})
            if (Outcome o = Run(QString::fromLatin1(sql), &value); o.trouble != Trouble::None)
                return o;
        if (value.toInt() > kSchema)
            return {Trouble::Other, core::Tr("Progress", "it was written by a newer Lettro")};
        if (check) {
            if (Outcome o = Run(QStringLiteral("PRAGMA quick_check"), &value);
                o.trouble != Trouble::None)
                return o;
            if (value.toString() != QStringLiteral("ok"))
                return {Trouble::Damaged, value.toString()};
        }
        if (Outcome o = Run(QString::fromLatin1(kCreate)); o.trouble != Trouble::None)
            return o;
        return Run(QStringLiteral("PRAGMA user_version=%1").arg(kSchema));
    }

private:
    QString m_name;
};

QString Lengths(const std::array<int, 17>& counts)
{
    QStringList parts;
    for (int n : counts)
        parts << QString::number(n);
    return parts.join(' ');
}

std::array<int, 17> CountsFrom(const QString& text)
{
    std::array<int, 17> counts{};
    const QStringList parts = text.split(' ');
    for (std::size_t i = 0; i < counts.size() && i < std::size_t(parts.size()); ++i)
        counts[i] = std::max(parts[qsizetype(i)].toInt(), 0);
    return counts;
}

std::array<int, 17> ByLength(const Words& words)
{
    std::array<int, 17> counts{};
    for (const std::string& w : words)
        ++counts[std::min<std::size_t>(w.size(), 16)];
    return counts;
}

Outcome Write(const QString& path, const std::vector<GameRecord>& games, bool check,
              const std::function<void()>& beforeCommit)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const Connection c(path);
    if (Outcome o = c.Open(check); o.trouble != Trouble::None)
        return o;
    // The write lock is taken at the start, so a copy writing meanwhile is waited for.
    if (Outcome o = c.Run(QStringLiteral("BEGIN IMMEDIATE")); o.trouble != Trouble::None)
        return o;
    QSqlQuery insert(c.database());
    insert.prepare(QStringLiteral("INSERT INTO games (%1) VALUES (?%2)")
                       .arg(QString::fromLatin1(kColumns), QStringLiteral(", ?").repeated(16)));
    for (const GameRecord& g : games) {
        const QVariantList values = {
            QString::fromStdString(g.Played),      QString::fromStdString(g.Language),
            g.GameMode,                            g.GameType,
            g.TimeLimit,                           g.MinWordSize,
            g.RepeatLetters ? 1 : 0,               QString::fromStdString(g.DailyDate),
            QString::fromStdString(g.BoardCode),   g.Points,
            g.BoardPoints,                         g.WordsFound,
            g.BoardWords,                          Lengths(g.FoundByLength),
            Lengths(g.BoardByLength),              QString::fromStdString(g.LongestWord),
            QString::fromStdString(g.BestWord)};
        for (int i = 0; i < values.size(); ++i)
            insert.bindValue(i, values[i]);
        if (!insert.exec()) {
            const Outcome o = Failed(insert.lastError());
            c.Run(QStringLiteral("ROLLBACK"));
            return o;
        }
    }
    if (beforeCommit)
        beforeCommit();
    if (Outcome o = c.Run(QStringLiteral("COMMIT")); o.trouble != Trouble::None) {
        c.Run(QStringLiteral("ROLLBACK"));
        return o;
    }
    return {};
}

// Says a trouble once per run. A damaged file is moved aside with its log, so the next
// try starts a new one; true when that was done.
bool Handle(Program& program, const Outcome& o)
{
    ProgressState& ps = program.progress;
    const QString file = QDir::toNativeSeparators(QString::fromStdString(ps.File));
    const int bit = static_cast<int>(o.trouble);
    const bool say = (ps.Said & bit) == 0;
    ps.Said |= bit;
    if (o.trouble == Trouble::Damaged) {
        QFile::remove(QString::fromStdString(ps.File + "-shm")); // only an index of the log
        const std::string kept = engine::keepAside(ps.File);
        if (!kept.empty()) {
            QFile::rename(QString::fromStdString(ps.File + "-wal"),
                          QString::fromStdString(kept + "-wal"));
            Ask(program,
                core::Tr("Progress", "The progress file %1 could not be used: %2.\n\nIt has "
                                     "been kept as %3, and your progress is recorded in a "
                                     "new file from now on.")
                    .arg(file, o.detail, QDir::toNativeSeparators(QString::fromStdString(kept))),
                core::Buttons::Ok, QStringLiteral("Lettro"), core::Owner::Results);
            ps.Checked = false;
            return true;
        }
        ps.SetAside = true;
        Ask(program,
            core::Tr("Progress", "The progress file %1 could not be used: %2.\n\nIt could not "
                                 "be moved aside either, so it is left as it is and the "
                                 "games of this session are not recorded.")
                .arg(file, o.detail),
            core::Buttons::Ok, QStringLiteral("Lettro"), core::Owner::Results);
        return false;
    }
    if (say)
        Ask(program,
            o.trouble == Trouble::Busy
                ? core::Tr("Progress",
                           "The progress file %1 is in use by another program, so this "
                           "game is not recorded yet: Lettro tries again after each game.")
                      .arg(file)
                : core::Tr("Progress",
                           "Your progress could not be recorded in %1: %2. Lettro tries "
                           "again after each game.")
                      .arg(file, o.detail),
            core::Buttons::Ok, QStringLiteral("Lettro"), core::Owner::Results);
    return false;
}

} // namespace

GameRecord FinishedGame(const Program& program, const std::string& played)
{
    const std::vector<Words>& defined = program.eval.PlayerDefinedWords;
    const auto p = static_cast<std::size_t>(std::max(program.game.LocalPlayerIndex, 0));
    const Words found = p < defined.size() ? defined[p] : Words();
    const Words& board = program.board.BoardWords;
    GameRecord g;
    g.Played = played;
    g.Language = program.dictionary.Language;
    g.GameMode = program.game.GameMode;
    g.GameType = program.game.GameType;
    g.TimeLimit = program.game.TimeLimit;
    g.MinWordSize = program.engine.cMinWordSize();
    g.RepeatLetters = program.options.RepeatLetters;
    g.DailyDate = program.board.DailyDate;
    g.BoardCode = Given::CurrentBoardCode(program);
    g.Points = Scoring::ScoreForWords(found);
    g.BoardPoints = Scoring::ScoreForWords(board);
    g.WordsFound = static_cast<int>(found.size());
    g.BoardWords = static_cast<int>(board.size());
    g.FoundByLength = ByLength(found);
    g.BoardByLength = ByLength(board);
    // The first found of the longest, and of the best-scoring.
    for (const std::string& w : found) {
        if (w.size() > g.LongestWord.size())
            g.LongestWord = w;
        if (g.BestWord.empty() || Scoring::ScoreForWord(w) > Scoring::ScoreForWord(g.BestWord))
            g.BestWord = w;
    }
    return g;
}

void RecordFinishedGame(Program& program, const std::string& played)
{
    ProgressState& ps = program.progress;
    if (!std::exchange(ps.GameToRecord, false) || ps.File.empty())
        return;
    ps.Pending.push_back(FinishedGame(program, played));
    Flush(program);
}

bool Flush(Program& program)
{
    ProgressState& ps = program.progress;
    if (ps.Pending.empty())
        return true;
    if (ps.File.empty() || ps.SetAside)
        return false;
    const QString path = QString::fromStdString(ps.File);
    // A damaged file is moved aside and the games go to a new one: two tries at most. A
    // file found busy at once, without the busy wait, is tried twice more first: two copies
    // creating the file at the same moment can meet a lock SQLite does not wait for.
    int busy = 0;
    for (int attempt = 0; attempt < 2;) {
        QElapsedTimer took;
        took.start();
        const Outcome o = Write(path, ps.Pending, !ps.Checked, ps.BeforeCommit);
        if (o.trouble == Trouble::None) {
            ps.Checked = true;
            ps.Pending.clear();
            return true;
        }
        if (o.trouble == Trouble::Busy && took.elapsed() < kBusyMilliseconds / 2 && ++busy <= 2) {
            QThread::msleep(50 * busy);
            continue;
        }
        if (!Handle(program, o))
            return false;
        ++attempt;
    }
    return false;
}

std::vector<GameRecord> ReadGames(Program& program, const Filter& filter)
{
    std::vector<GameRecord> games;
    ProgressState& ps = program.progress;
    if (ps.File.empty() || ps.SetAside || !QFileInfo::exists(QString::fromStdString(ps.File)))
        return games;
    const Connection c(QString::fromStdString(ps.File));
    if (Outcome o = c.Open(!ps.Checked); o.trouble != Trouble::None) {
        Handle(program, o);
        return games;
    }
    ps.Checked = true;
    QStringList where;
    QVariantList values;
    const auto match = [&](const char* column, const QVariant& value) {
        where << QStringLiteral("%1 = ?").arg(QString::fromLatin1(column));
        values << value;
    };
    if (!filter.Language.empty())
        match("language", QString::fromStdString(filter.Language));
    if (filter.GameType)
        match("game_type", *filter.GameType);
    if (filter.TimeLimit)
        match("time_limit", *filter.TimeLimit);
    if (filter.MinWordSize)
        match("min_word_size", *filter.MinWordSize);
    if (filter.RepeatLetters)
        match("repeat_letters", *filter.RepeatLetters ? 1 : 0);
    if (!filter.DailyDate.empty())
        match("daily_date", QString::fromStdString(filter.DailyDate));
    if (filter.DailyOnly)
        where << QStringLiteral("daily_date <> ''");
    QSqlQuery query(c.database());
    query.prepare(QStringLiteral("SELECT %1 FROM games%2 ORDER BY id")
                      .arg(QString::fromLatin1(kColumns),
                           where.isEmpty() ? QString() : " WHERE " + where.join(" AND ")));
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!query.exec()) {
        Handle(program, Failed(query.lastError()));
        return games;
    }
    while (query.next()) {
        const auto text = [&](int i) { return query.value(i).toString().toStdString(); };
        const auto number = [&](int i) { return query.value(i).toInt(); };
        games.push_back({text(0), text(1), number(2), number(3), number(4), number(5),
                         number(6) != 0, text(7), text(8), number(9), number(10), number(11),
                         number(12), CountsFrom(query.value(13).toString()),
                         CountsFrom(query.value(14).toString()), text(15), text(16)});
    }
    return games;
}

Streaks DayStreaks(const std::vector<std::string>& days, const std::string& today)
{
    std::set<qint64> played;
    for (const std::string& day : days)
        if (const QDate d = QDate::fromString(QString::fromStdString(day), Qt::ISODate); d.isValid())
            played.insert(d.toJulianDay());
    Streaks s;
    int run = 0;
    qint64 last = 0;
    for (qint64 day : played) {
        run = run > 0 && day == last + 1 ? run + 1 : 1;
        last = day;
        s.Longest = std::max(s.Longest, run);
    }
    const QDate now = QDate::fromString(QString::fromStdString(today), Qt::ISODate);
    // The run that ends on the last day played counts while that day is today or yesterday.
    if (!played.empty() && now.isValid() && last <= now.toJulianDay() &&
        now.toJulianDay() - last <= 1)
        s.Current = run;
    return s;
}

} // namespace Progress
