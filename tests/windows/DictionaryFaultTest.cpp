// Faults around the dictionary file: a save cut short at any byte, a refused replace,
// a saving process killed at random moments, and truncated or altered files met at
// start-up. The file on disk must always be the old one or the new one, never a mix,
// and a damaged file must be refused with a message, never crash the game.
#include "TestApp.h"

#include "core/dictionary/DictionaryStore.h"
#include "engine/WriteFaults.h"
#include "windows/game/Common.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <iostream>
#include <random>
#include <thread>

namespace {

const std::vector<std::string> kOldWords = {"cat",  "cats", "cod",   "coda",  "dog",
                                            "dogs", "stag", "stage", "quilt", "tea"};
const std::vector<std::string> kNewWords = {
    "act",   "acts",  "bead",  "bread", "crate",           "dear",  "earth",
    "heart", "inert", "irate", "later", "least",           "quiet", "quite",
    "rates", "roast", "seat",  "stare", "steal",           "tales", "tears",
    "treat", "water", "zebra", "zest",  "outrageousnesses"};

const QString kShipped = QStringLiteral(LETTRO_SHIPPED_DICTIONARY);

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

void Fill(engine::Engine& dictionary, const std::vector<std::string>& words)
{
    for (const std::string& w : words)
        dictionary.cDictionaryAdd(w);
}

// Fails the test with the first few problems of a long sweep, and how many there were.
void ExpectNoProblems(const std::vector<std::string>& problems, std::size_t cases)
{
    std::string first;
    for (std::size_t i = 0; i < problems.size() && i < 5; ++i)
        first += "\n  " + problems[i];
    EXPECT_TRUE(problems.empty()) << problems.size() << " problems in " << cases
                                  << " cases:" << first;
}

// Saves `save` with the write failing after each of `cuts` bytes; the folder must hold
// exactly what it held before (the old file, or nothing).
std::vector<std::string> CutShortProblems(const QString& folder, const QString& path,
                                          const std::function<bool()>& save,
                                          const std::vector<std::int64_t>& cuts)
{
    const QStringList before = Entries(folder);
    const bool hadFile = QFile::exists(path);
    const QByteArray old = ReadBytes(path);
    std::vector<std::string> problems;
    for (std::int64_t cut : cuts) {
        const std::string at = "cut after " + std::to_string(cut) + " bytes: ";
        bool saved = true;
        {
            engine::detail::ScopedWriteFaults faults({cut, false});
            saved = save();
        }
        if (saved)
            problems.push_back(at + "reported as saved");
        if (QFile::exists(path) != hadFile || ReadBytes(path) != old)
            problems.push_back(at + "the file changed");
        if (Entries(folder) != before)
            problems.push_back(at + "left " + Entries(folder).join(' ').toStdString());
    }
    return problems;
}

std::vector<std::int64_t> EveryCut(qint64 size)
{
    std::vector<std::int64_t> cuts;
    for (std::int64_t n = 0; n < size; ++n)
        cuts.push_back(n);
    return cuts;
}

TEST(DictionarySaveFaults, aSaveCutShortAtAnyByteKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Dictionary.dat");
    engine::Engine oldDictionary, newDictionary;
    Fill(oldDictionary, kOldWords);
    Fill(newDictionary, kNewWords);

    // The size of the new file, from a save somewhere else.
    const QString side = QDir(dir.path()).filePath("side/new.dat");
    ASSERT_TRUE(QDir(dir.path()).mkdir("side"));
    ASSERT_TRUE(newDictionary.cWriteBinaryDictionary(side.toStdString()).ok());
    const QByteArray newBytes = ReadBytes(side);
    ASSERT_GT(newBytes.size(), 100);
    ASSERT_TRUE(QDir(dir.filePath("side")).removeRecursively());

    const auto save = [&] {
        const engine::FileResult r = newDictionary.cWriteBinaryDictionary(path.toStdString());
        return r.status != engine::FileStatus::WriteFailed;
    };
    // No old file: nothing may appear.
    const std::vector<std::int64_t> cuts = EveryCut(newBytes.size());
    ExpectNoProblems(CutShortProblems(dir.path(), path, save, cuts), cuts.size());

    ASSERT_TRUE(oldDictionary.cWriteBinaryDictionary(path.toStdString()).ok());
    ExpectNoProblems(CutShortProblems(dir.path(), path, save, cuts), cuts.size());
    engine::Engine reread;
    ASSERT_TRUE(reread.cReadBinaryDictionary(path.toStdString()).ok());
    EXPECT_EQ(reread.cNumberOfWords(), static_cast<int>(kOldWords.size()));

    // Without faults the same save goes through: the faults were the only obstacle.
    ASSERT_TRUE(newDictionary.cWriteBinaryDictionary(path.toStdString()).ok());
    EXPECT_EQ(ReadBytes(path), newBytes);
    EXPECT_EQ(Entries(dir.path()), QStringList{"Dictionary.dat"});
}

TEST(DictionarySaveFaults, aWordFileCutShortAtAnyByteKeepsTheOldText)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("words.txt");
    engine::Engine dictionary;
    Fill(dictionary, kNewWords);
    WriteBytes(path, "an old word list\n");
    std::size_t textSize = 0;
    for (const std::string& w : kNewWords)
        textSize += w.size() + 1;
    const auto save = [&] { return dictionary.cWriteTextFile(path.toStdString()); };
    const std::vector<std::int64_t> cuts = EveryCut(static_cast<qint64>(textSize));
    ExpectNoProblems(CutShortProblems(dir.path(), path, save, cuts), cuts.size());
    ASSERT_TRUE(save());
    EXPECT_EQ(ReadBytes(path).size(), static_cast<qint64>(textSize)) << "the cuts covered it all";
}

TEST(DictionarySaveFaults, aBigDictionaryCutShortAtSampledBytesKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Dictionary.dat");
    engine::Engine big, small;
    ASSERT_TRUE(big.cReadBinaryDictionary(kShipped.toStdString()).ok());
    Fill(small, kOldWords);
    ASSERT_TRUE(small.cWriteBinaryDictionary(path.toStdString()).ok());

    const qint64 size = QFileInfo(kShipped).size();
    std::vector<std::int64_t> cuts = {0,        1,        8,        23,      24,    25,
                                      4095,     4096,     4097,     65535,   65536, 65537,
                                      size / 2, size - 5, size - 4, size - 1};
    std::mt19937 draw(7);
    for (int i = 0; i < 24; ++i)
        cuts.push_back(std::uniform_int_distribution<std::int64_t>(0, size - 1)(draw));
    const auto save = [&] { return big.cWriteBinaryDictionary(path.toStdString()).ok(); };
    ExpectNoProblems(CutShortProblems(dir.path(), path, save, cuts), cuts.size());
}

TEST(DictionarySaveFaults, aRefusedReplaceKeepsTheOldFile)
{
    QTemporaryDir dir;
    engine::Engine big, small;
    ASSERT_TRUE(big.cReadBinaryDictionary(kShipped.toStdString()).ok());
    Fill(small, kOldWords);
    const QString path = dir.filePath("Dictionary.dat");
    const QString text = dir.filePath("words.txt");

    const engine::detail::ScopedWriteFaults faults({-1, true});
    for (engine::Engine* dictionary : {&small, &big}) {
        const engine::FileResult r = dictionary->cWriteBinaryDictionary(path.toStdString());
        EXPECT_EQ(r.status, engine::FileStatus::WriteFailed);
        EXPECT_FALSE(r.detail.empty()) << "the reason travels with the failure";
        EXPECT_TRUE(Entries(dir.path()).isEmpty()) << Entries(dir.path()).join(' ').toStdString();
    }
    {
        const engine::detail::ScopedWriteFaults none({-1, false}); // an inner guard wins
        ASSERT_TRUE(small.cWriteBinaryDictionary(path.toStdString()).ok());
    }
    const QByteArray old = ReadBytes(path);
    EXPECT_EQ(big.cWriteBinaryDictionary(path.toStdString()).status,
              engine::FileStatus::WriteFailed)
        << "the outer guard is back";
    EXPECT_EQ(ReadBytes(path), old);

    WriteBytes(text, "kept\n");
    EXPECT_FALSE(small.cWriteTextFile(text.toStdString()));
    EXPECT_EQ(ReadBytes(text), "kept\n");
    EXPECT_EQ(Entries(dir.path()), (QStringList{"Dictionary.dat", "words.txt"}));
}

// The game at exit: the user wants the changes saved and the disk fails part-way. The
// failure is reported, the file stays whole and the game stays open with the changes.
TEST(DictionarySaveFaults, aFailedSaveAtExitKeepsTheGameOpenAndTheFileWhole)
{
    TestApp t(kOldWords);
    t.startUp();
    t.window->show();
    const QString path = QString::fromStdString(Dictionary::DictionaryFilePath(t.app));
    const QByteArray old = ReadBytes(path);
    Dictionary::AddDictionaryWord(t.app, "zebra");

    for (const engine::detail::WriteFaults& fault :
         {engine::detail::WriteFaults{40, false}, engine::detail::WriteFaults{-1, true}}) {
        const engine::detail::ScopedWriteFaults faults(fault);
        t.desktop.answer(ui::Answer::Yes);
        t.desktop.answer(ui::Answer::Ok);
        t.window->Exit->click();
        ASSERT_EQ(t.desktop.pending(), 0);
        EXPECT_TRUE(t.desktop.shown.back().text.contains("could not be saved"))
            << t.desktop.shown.back().text.toStdString();
        EXPECT_TRUE(t.window->isVisible());
        EXPECT_FALSE(t.app.exiting);
        EXPECT_TRUE(t.app.dictionary.DictionaryUpdated);
        EXPECT_EQ(ReadBytes(path), old);
    }
    t.desktop.answer(ui::Answer::Yes);
    t.window->Exit->click();
    EXPECT_FALSE(t.window->isVisible());
    engine::Engine reread;
    ASSERT_TRUE(reread.cReadBinaryDictionary(path.toStdString()).ok());
    EXPECT_TRUE(reread.contains("zebra"));
}

TEST(DictionarySaveFaults, aSaveKilledAtRandomMomentsLeavesTheOldOrTheNewFile)
{
    QTemporaryDir dir;
    const QString first = dir.filePath("first.dat");
    const QString second = dir.filePath("second.dat");
    const QString target = dir.filePath("game/Dictionary.dat");
    ASSERT_TRUE(QDir(dir.path()).mkdir("game"));
    ASSERT_TRUE(QFile::copy(kShipped, first));
    {
        // The second dictionary differs all through: fewer, shorter words.
        engine::Engine reduced;
        ASSERT_TRUE(reduced.cReadBinaryDictionary(first.toStdString()).ok());
        reduced.cSetMaxWordSize(7);
        reduced.cReduceWordSize();
        ASSERT_TRUE(reduced.cWriteBinaryDictionary(second.toStdString()).ok());
    }
    const QByteArray firstBytes = ReadBytes(first);
    const QByteArray secondBytes = ReadBytes(second);
    ASSERT_NE(firstBytes.size(), secondBytes.size());
    ASSERT_TRUE(QFile::copy(first, target));

    // Kill moments spread over a few saves' time, as this machine takes it now.
    engine::Engine probe;
    ASSERT_TRUE(probe.cReadBinaryDictionary(first.toStdString()).ok());
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(probe.cWriteBinaryDictionary(dir.filePath("probe.dat").toStdString()).ok());
    const auto saveTime = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    const std::int64_t span = std::clamp<std::int64_t>(3 * saveTime.count(), 5000, 500000);
    QFile::remove(dir.filePath("probe.dat"));

    std::mt19937 draw(11);
    const int rounds = 30;
    int midSave = 0, leftovers = 0, completedSaves = 0;
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        QProcess saver;
        saver.start(QStringLiteral(LETTRO_SAVE_LOOP), {target, first, second});
        ASSERT_TRUE(saver.waitForStarted(10000));
        QByteArray output;
        while (!output.contains("ready\n") && saver.state() == QProcess::Running)
            if (saver.waitForReadyRead(30000))
                output += saver.readAllStandardOutput();
        ASSERT_TRUE(output.contains("ready\n")) << saver.readAllStandardError().toStdString();
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<std::int64_t>(0, span)(draw)));
        saver.kill();
        ASSERT_TRUE(saver.waitForFinished(10000));
        ASSERT_EQ(saver.exitStatus(), QProcess::CrashExit)
            << "the saver stopped by itself: " << saver.readAllStandardError().toStdString();
        output += saver.readAllStandardOutput();
        const QList<QByteArray> lines = output.trimmed().split('\n');
        midSave += lines.last().startsWith("begin");
        completedSaves += static_cast<int>(output.count("end "));

        const QByteArray now = ReadBytes(target);
        EXPECT_TRUE(now == firstBytes || now == secondBytes)
            << "a damaged file of " << now.size() << " bytes";
        engine::Engine loaded;
        EXPECT_TRUE(loaded.cReadBinaryDictionary(target.toStdString()).ok());
        // A killed save may leave its temporary file; it is never the dictionary itself.
        for (const QString& name : Entries(dir.filePath("game"))) {
            if (name != "Dictionary.dat") {
                ++leftovers;
                QFile::remove(dir.filePath("game/" + name));
            }
        }
    }
    // Without kills that land inside a save this test would prove nothing.
    EXPECT_GT(midSave, 0);
    std::cout << rounds << " kills, " << midSave << " inside a save, " << completedSaves
              << " saves completed, " << leftovers << " temporary files left behind; "
              << "kill moments within " << span / 1000 << " ms\n";
}

// Start-up meets a damaged file: it must be refused with one message naming the file,
// and the engine must be left empty even though it held words before.
class DamagedStartUp {
public:
    explicit DamagedStartUp(TestApp& t)
        : t(t), path(QString::fromStdString(Dictionary::DictionaryFilePath(t.app))),
          good(QDir(t.folder.path()).filePath("good.dat"))
    {
        t.desktop.autoOk = true;
    }

    // Problems with the refusal of `bytes`, or "" when it was refused as it should be.
    std::string problem(const QByteArray& bytes)
    {
        if (!t.app.engine.cReadBinaryDictionary(good.toStdString()).ok() ||
            t.app.engine.cNumberOfWords() == 0)
            return "the good dictionary did not load first";
        WriteBytes(path, bytes);
        const std::size_t before = t.desktop.shown.size();
        Dictionary::ReadDictionary(t.app);
        if (t.desktop.shown.size() != before + 1)
            return std::to_string(t.desktop.shown.size() - before) + " messages";
        const core::Prompt& shown = t.desktop.shown.back();
        if (!shown.text.contains(QDir::toNativeSeparators(path)) ||
            !shown.text.contains("could not be loaded") || shown.buttons != ui::Buttons::Ok)
            return "message: " + shown.text.toStdString();
        if (t.app.dictionary.LoadResult.ok())
            return "the load counted as good";
        if (t.app.engine.cNumberOfWords() != 0)
            return std::to_string(t.app.engine.cNumberOfWords()) + " words left";
        if (t.app.engine.cMinWordSize() != engine::kDefaultMinWordSize ||
            t.app.engine.cMaxWordSize() != engine::kAbsoluteMaxWordSize)
            return "word sizes not reset";
        return {};
    }

    TestApp& t;
    const QString path;
    const QString good;
};

QByteArray Flipped(QByteArray bytes, qsizetype at, unsigned char mask)
{
    bytes[at] = static_cast<char>(static_cast<unsigned char>(bytes[at]) ^ mask);
    return bytes;
}

const std::vector<unsigned char> kMasks = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80, 0xFF};

// Start-up meets `bytes` cut to `at` bytes, and `bytes` with byte `at` flipped by each mask.
void Damage(DamagedStartUp& damaged, const QByteArray& bytes, qsizetype at,
            const std::vector<unsigned char>& masks, std::vector<std::string>& problems,
            std::size_t& cases)
{
    ++cases;
    if (const std::string p = damaged.problem(bytes.left(at)); !p.empty())
        problems.push_back("length " + std::to_string(at) + ": " + p);
    for (unsigned char mask : masks) {
        ++cases;
        if (const std::string p = damaged.problem(Flipped(bytes, at, mask)); !p.empty())
            problems.push_back("byte " + std::to_string(at) + " ^ " + std::to_string(mask) +
                               ": " + p);
    }
}

TEST(DamagedDictionaryAtStartUp, everyTruncationAndEveryFlippedBitIsRefused)
{
    TestApp t(kNewWords);
    t.startUp();
    ASSERT_TRUE(t.desktop.shown.empty());
    DamagedStartUp damaged(t);
    const QByteArray bytes = ReadBytes(damaged.path);
    ASSERT_TRUE(QFile::copy(damaged.path, damaged.good));

    std::vector<std::string> problems;
    std::size_t cases = 0;
    for (qsizetype at = 0; at < bytes.size(); ++at)
        Damage(damaged, bytes, at, kMasks, problems, cases);
    ExpectNoProblems(problems, cases);

    // The undamaged file still loads silently: the sweep refused damage, not everything.
    WriteBytes(damaged.path, bytes);
    const std::size_t before = t.desktop.shown.size();
    Dictionary::ReadDictionary(t.app);
    EXPECT_EQ(t.desktop.shown.size(), before);
    EXPECT_EQ(t.app.engine.cNumberOfWords(), static_cast<int>(kNewWords.size()));
}

TEST(DamagedDictionaryAtStartUp, theShippedDictionaryDamagedAtSampledPlacesIsRefused)
{
    TestApp t;
    DamagedStartUp damaged(t);
    ASSERT_TRUE(QFile::copy(kShipped, damaged.good));
    const QByteArray bytes = ReadBytes(kShipped);
    const qsizetype size = bytes.size();

    std::vector<qsizetype> places = {0,  1,  7,  8,  11, 12,       13,       15,       16,
                                     19, 20, 23, 24, 25, size / 2, size - 5, size - 4, size - 1};
    std::mt19937 draw(3);
    for (int i = 0; i < 30; ++i)
        places.push_back(std::uniform_int_distribution<qsizetype>(0, size - 1)(draw));
    std::vector<std::string> problems;
    std::size_t cases = 0;
    for (qsizetype at : places)
        Damage(damaged, bytes, at, {kMasks[static_cast<std::size_t>(at) % kMasks.size()]},
               problems, cases);
    ExpectNoProblems(problems, cases);

    // The whole start-up with a damaged file, then a game: no board holds a word.
    WriteBytes(damaged.path, bytes.left(size / 3));
    const std::size_t before = t.desktop.shown.size();
    t.startUp();
    ASSERT_EQ(t.desktop.shown.size(), before + 1);
    EXPECT_TRUE(t.desktop.shown.back().text.contains("could not be loaded"));
    t.window->Start->click();
    EXPECT_TRUE(t.app.game.GameInProgress);
    EXPECT_TRUE(t.app.board.BoardWords.empty());
}

} // namespace
