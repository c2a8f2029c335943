// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeptGame.h"

#include "core/game/Tr.h"

#include "core/board/CheckCubes.h"
#include "core/game/BoardLanguage.h"
#include "core/game/Fields.h"
#include "core/game/Game.h"
#include "core/game/GivenBoard.h"
#include "core/game/HighScores.h"
#include "core/game/Opponents.h"
#include "core/game/Program.h"
#include "core/game/Scoring.h"
#include "core/game/SettingsText.h"

#include "engine/BoardText.h"
#include "engine/Languages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <charconv>
#include <set>
#include <sstream>

namespace KeptGame {

namespace {

// A game holds a few hundred words at most; a file much larger is not ours.
constexpr qint64 kMostFileBytes = 256 * 1024;
constexpr std::size_t kMostWords = 2000;
// Frantic games grow with every word; nobody plays one for ten hours.
constexpr int kMostSeconds = 36000;

std::optional<int> Number(const std::string& text, int lowest, int highest)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() ||
        value < lowest || value > highest)
        return std::nullopt;
    return value;
}

bool IsWord(const std::string& word)
{
    return !word.empty() && word.size() <= engine::kAbsoluteMaxWordSize &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

bool IsDate(const std::string& date)
{
    if (date.size() != 10 || date[4] != '-' || date[7] != '-')
        return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (date[i] < '0' || date[i] > '9')
            return false;
    return true;
}

// The words of `words` a player could have entered on this board, each once, in order.
std::vector<std::string> Playable(Program& program, const std::vector<std::string>& words)
{
    std::vector<std::string> kept;
    std::set<std::string> seen;
    const auto shortest = static_cast<std::size_t>(program.engine.cMinWordSize());
    const auto longest = static_cast<std::size_t>(program.engine.cMaxWordSize());
    for (const std::string& w : words)
        if (w.size() >= shortest && w.size() <= longest && !seen.contains(w) &&
            CheckCubes::WordOnBoard(program, w)) {
            seen.insert(w);
            kept.push_back(w);
        }
    return kept;
}

QString Native(const std::string& path)
{
    return QDir::toNativeSeparators(QString::fromStdString(path));
}

} // namespace

std::optional<Snapshot> Take(const Program& program)
{
    const GameState& game = program.game;
    if (IsNetworkGame(program) || !game.GameInProgress || game.TimeRemaining <= 0 ||
        (game.GameMode != SinglePlayer && game.GameMode != TwoPlayer) ||
        !engine::boardFromText(program.board.BoardText))
        return std::nullopt;
    Snapshot s;
    s.Language = program.dictionary.Language;
    s.Board = program.board.BoardText;
    s.Given = program.board.Given;
    s.DailyDate = program.board.DailyDate;
    s.GameType = game.GameType;
    // A time chosen during the game is for the next one; the game's own is in its key.
    s.TimeLimit = game.GameType == Standard ? program.highScores.GameKey.Seconds : game.TimeLimit;
    s.MinWordSize = program.engine.cMinWordSize();
    s.RepeatLetters = program.options.RepeatLetters;
    s.NumWordsLimit = program.options.NumWordsLimit;
    s.GameMode = game.GameMode;
    s.Turn = game.GameMode == TwoPlayer ? std::clamp(game.LocalPlayerIndex, 0, 1) : 0;
    s.TimeRemaining = game.TimeRemaining;
    s.Computers = game.Opponents;
    s.Level = program.opponents.Level;
    s.Seconds = program.opponents.Seconds;
    if (s.Turn == 1 && !game.PlayerWords.empty())
        s.PlayerWords[0] = game.PlayerWords[0];
    // The list shows the newest first.
    for (auto w = program.entry.ListedWords.rbegin(); w != program.entry.ListedWords.rend(); ++w)
        s.PlayerWords[static_cast<std::size_t>(s.Turn)].push_back(w->Word.toStdString());
    return s;
}

std::string Serialize(const Snapshot& s)
{
    std::ostringstream out;
    out << kHeader << ' ' << kVersion << '\n'
        << "language\t" << s.Language << '\n'
        << "board\t" << s.Board << '\n'
        << "given\t" << s.Given << '\n'
        << "daily\t" << s.DailyDate << '\n'
        << "type\t" << s.GameType << '\n'
        << "time\t" << s.TimeLimit << '\n'
        << "minimum\t" << s.MinWordSize << '\n'
        << "repeat\t" << s.RepeatLetters << '\n'
        << "numwords\t" << s.NumWordsLimit << '\n'
        << "mode\t" << s.GameMode << '\n'
        << "turn\t" << s.Turn << '\n'
        << "remaining\t" << s.TimeRemaining << '\n'
        << "computers\t" << s.Computers << '\n'
        << "level\t" << static_cast<int>(s.Level) << '\n'
        << "seconds\t" << s.Seconds << '\n';
    for (std::size_t p = 0; p < s.PlayerWords.size(); ++p) {
        out << "words\t" << p;
        for (const std::string& w : s.PlayerWords[p])
            out << '\t' << w;
        out << '\n';
    }
    return out.str();
}

ParseResult Parse(const std::string& text)
{
    ParseResult result;
    const auto fail = [&](const std::string& why) {
        result.error = why;
        return result;
    };
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != std::string(kHeader) + ' ' + std::to_string(kVersion))
        return fail("it is not a kept game of this version of Lettro");
    Snapshot s;
    std::set<std::string> seen;
    std::array<bool, 2> wordsSeen{};
    while (std::getline(in, line)) {
        const std::vector<std::string> f = SplitFields(line, '\t');
        const std::string& name = f[0];
        const auto one = [&](int lowest, int highest) {
            return f.size() == 2 ? Number(f[1], lowest, highest) : std::nullopt;
        };
        std::optional<int> n;
        if (name == "words") {
            const auto p = f.size() >= 2 ? Number(f[1], 0, 1) : std::nullopt;
            if (!p || wordsSeen[static_cast<std::size_t>(*p)] || f.size() - 2 > kMostWords)
                return fail("line \"" + line.substr(0, 40) + "\" is out of place");
            wordsSeen[static_cast<std::size_t>(*p)] = true;
            for (std::size_t i = 2; i < f.size(); ++i) {
                if (!IsWord(f[i]))
                    return fail("it holds a word that is no word");
                s.PlayerWords[static_cast<std::size_t>(*p)].push_back(f[i]);
            }
            continue;
        }
        if (!seen.insert(name).second)
            return fail("it names " + name.substr(0, 20) + " twice");
        bool ok = f.size() == 2;
        if (name == "language") {
            s.Language = f.back();
            ok = ok && engine::findLanguage(s.Language);
        } else if (name == "board") {
            s.Board = f.back();
            ok = ok && s.Board.size() == 16 && engine::boardFromText(s.Board);
        } else if (name == "daily") {
            s.DailyDate = f.back();
            ok = ok && (s.DailyDate.empty() || IsDate(s.DailyDate));
        } else if (name == "numwords") {
            s.NumWordsLimit = f.back();
            ok = ok && SettingsText::IsNumWordsCode(s.NumWordsLimit);
        } else if (name == "given" && (n = one(0, 1))) {
            s.Given = *n == 1;
        } else if (name == "repeat" && (n = one(0, 1))) {
            s.RepeatLetters = *n == 1;
        } else if (name == "type" && (n = one(Standard, Frantic))) {
            s.GameType = *n;
        } else if (name == "time" && (n = one(1, kMostSeconds))) {
            s.TimeLimit = *n;
        } else if (name == "minimum" &&
                   (n = one(engine::kAbsoluteMinWordSize, engine::kAbsoluteMaxWordSize))) {
            s.MinWordSize = *n;
        } else if (name == "mode" && (n = one(SinglePlayer, TwoPlayer))) {
            s.GameMode = *n;
        } else if (name == "turn" && (n = one(0, 1))) {
            s.Turn = *n;
        } else if (name == "remaining" && (n = one(1, kMostSeconds))) {
            s.TimeRemaining = *n;
        } else if (name == "computers" && (n = one(0, Opponents::kMaxOpponents))) {
            s.Computers = *n;
        } else if (name == "level" && (n = one(0, ComputerPlayer::kLevels - 1))) {
            s.Level = ComputerPlayer::LevelAt(*n);
        } else if (name == "seconds" && (n = one(0, kMostSeconds))) {
            s.Seconds = *n;
        } else {
            ok = false;
        }
        if (!ok)
            return fail("line \"" + line.substr(0, 40) + "\" is out of place");
    }
    // Every item, and the two players' words; a file cut short lacks some.
    if (seen.size() != 15 || !wordsSeen[0] || !wordsSeen[1])
        return fail("it is incomplete");
    if (s.Turn == 1 && s.GameMode != TwoPlayer)
        return fail("it gives the turn to a player who is not there");
    if (s.Computers > 0 && s.GameMode != SinglePlayer)
        return fail("it has computers in a two-player game");
    result.snapshot = std::move(s);
    return result;
}

bool Resume(Program& program, const Snapshot& s)
{
    // The game's settings hold until its results close, as a given board's do.
    if (!Given::SetAsideOwnSettings(program, s.Board, s.Language))
        return false;
    GameState& game = program.game;
    game.GameMode = s.GameMode;
    game.GameType = s.GameType;
    game.TimeLimit = s.TimeLimit;
    program.engine.cSetMinWordSize(s.MinWordSize);
    program.options.RepeatLetters = s.RepeatLetters;
    program.options.NumWordsLimit = s.NumWordsLimit;
    Game::PlaceBoard(program, s.Board, {}, s.Given);
    program.board.DailyDate = s.DailyDate;

    // The computers the game had, not the ones the options now ask for.
    Options& options = program.options;
    const int ownComputers = std::exchange(options.ComputerOpponents, s.Computers);
    const ComputerPlayer::Level ownLevel = std::exchange(options.ComputerLevel, s.Level);
    Game::BeginPlay(program, false);
    options.ComputerOpponents = ownComputers;
    options.ComputerLevel = ownLevel;
    Opponents::CatchUp(program, s.Seconds);

    game.LocalPlayerIndex = s.Turn;
    game.TimeRemaining = s.TimeRemaining;
    if (s.Turn == 1)
        game.PlayerWords[0] = Playable(program, s.PlayerWords[0]);
    EntryState& entry = program.entry;
    for (const std::string& w : Playable(program, s.PlayerWords[static_cast<std::size_t>(s.Turn)]))
        entry.ListedWords.insert(entry.ListedWords.begin(),
                                 ListedWord{QString::fromStdString(w),
                                            Scoring::Contains(program.board.BoardWords, w)});
    const auto rows = entry.ListedWords.size();
    if (rows > 0)
        program.screen.PlayerWordText = core::TrN("Game", "%n words entered", nullptr, rows);
    program.screen.ClockColour = TimeFormat::TimeLeftColour(game.TimeRemaining);
    Game::SetClockLabels(program, core::Tr("Game", "Time Remaining"),
                         QString::fromStdString(TimeFormat::FormatTime(game.TimeRemaining)));
    program.screen.ClockRunning = false;
    Game::PauseGame(program);
    program.screen.ClockRunning = true;
    return true;
}

void KeepGame(Program& program)
{
    const std::string& file = program.KeptGameFile;
    const std::optional<Snapshot> snapshot = Take(program);
    if (file.empty() || !snapshot)
        return;
    QDir().mkpath(QFileInfo(QString::fromStdString(file)).absolutePath());
    const engine::FileResult result = engine::writeFileAtomically(file, Serialize(*snapshot));
    // Nobody is left to tell: the program is on its way out.
    if (!result.ok())
        qWarning("lettro: the game could not be kept in %s: %s", file.c_str(),
                 engine::describe(result).c_str());
}

void ResumeKeptGame(Program& program)
{
    const std::string& file = program.KeptGameFile;
    const QString path = QString::fromStdString(file);
    if (file.empty() || !QFileInfo::exists(path))
        return;
    std::string error;
    ParseResult parsed;
    if (const engine::FileResult plain = engine::checkPlainFile(file); !plain.ok()) {
        error = engine::describe(plain);
    } else {
        QFile in(path);
        if (in.size() > kMostFileBytes)
            error = "it is too large to be a kept game";
        else if (!in.open(QIODevice::ReadOnly))
            error = "it cannot be read (" + in.errorString().toStdString() + ")";
        else
            parsed = Parse(in.read(kMostFileBytes + 1).toStdString());
        if (error.empty())
            error = parsed.error;
    }
    if (!error.empty()) {
        const std::string kept = engine::keepAside(file);
        Ask(program, core::Tr("KeptGame", "The game kept at the last quit (%1) could not be used: %2.%3")
                         .arg(Native(file), QString::fromStdString(error),
                              kept.empty() ? core::Tr("KeptGame", "\n\nIt could not be moved aside.")
                                           : core::Tr("KeptGame", "\n\nIt has been kept as %1.")
                                                 .arg(Native(kept))));
        return;
    }
    // Taken up once: a quit during the resumed game keeps it anew.
    QFile::remove(path);
    if (!Resume(program, *parsed.snapshot))
        Ask(program, core::Tr("KeptGame", "The game kept at the last quit could not be resumed: "
                                          "its board language is not available."));
}

} // namespace KeptGame
