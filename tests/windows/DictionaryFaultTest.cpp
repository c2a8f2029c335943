// Faults around the dictionary file: a save cut short or refused at the rename, a saving
// process killed at random moments, damaged files met at start-up. The file on disk is
// always the old one or the new one, and a damaged one is refused with a message.
#include "TestApp.h"

#include "engine/SaveFile.h"

#include <QDir>
#include <QProcess>
#include <QToolButton>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

namespace {

const QString kShipped = QStringLiteral(LETTRO_SHIPPED_DICTIONARY);

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The disk, failing on purpose: the write stops after `failAfter` bytes (some of them
// reach the temporary file), or, for -1, everything is written and the rename refused.
struct FaultySaveFile : engine::SaveFile {
    FaultySaveFile(const std::string& path, std::int64_t failAfter)
        : disk(engine::diskSaveFile(path)), failAfter(failAfter)
    {
    }
    bool open() override { return disk->open(); }
    std::int64_t write(const char* data, std::int64_t size) override
    {
        return failAfter < 0 ? disk->write(data, size) : (disk->write(data, failAfter), -1);
    }
    bool commit() override { return (failAfter < 0 ? disk->cancel() : void()), disk->commit(); }
    void cancel() override { disk->cancel(); }
    std::string errorString() const override { return disk->errorString(); }
    std::unique_ptr<engine::SaveFile> disk;
    std::int64_t failAfter;
};

TEST(DictionarySaveFaults, aSaveCutShortOrRefusedAtTheRenameLeavesExactlyTheOldFile)
{
    engine::Engine dictionary;
    for (const char* w : {"act", "bread", "heart", "zebra", "outrageousnesses"})
        dictionary.cDictionaryAdd(w);
    for (const bool text : {false, true}) {
        const auto save = [&](const QString& path) {
            return text ? dictionary.cWriteTextFile(path.toStdString())
                        : dictionary.cWriteBinaryDictionary(path.toStdString()).ok();
        };
        QTemporaryDir side, dir;
        ASSERT_TRUE(save(side.filePath("new")));
        const QByteArray newBytes = ReadBytes(side.filePath("new"));
        const auto size = static_cast<std::int64_t>(newBytes.size());
        const QString path = dir.filePath("saved");
        for (const QByteArray& old : {QByteArray(), QByteArray("old\n")}) {
            ASSERT_TRUE(old.isEmpty() || WriteBytes(path, old));
            for (const std::int64_t cut : {std::int64_t(0), size / 2, size - 1, std::int64_t(-1)}) {
                dictionary.setSaveFileMaker([cut](const std::string& p) {
                    return std::make_unique<FaultySaveFile>(p, cut);
                });
                EXPECT_FALSE(save(path)) << text << " " << cut;
                EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                          old.isEmpty() ? QStringList() : QStringList{"saved"})
                    << text << " " << cut;
                EXPECT_EQ(ReadBytes(path), old);
            }
        }
        // The reason travels with a failure, and the faults were the only obstacle.
        EXPECT_FALSE(dictionary.cWriteBinaryDictionary(path.toStdString()).detail.empty());
        dictionary.setSaveFileMaker({});
        ASSERT_TRUE(save(path));
        EXPECT_EQ(ReadBytes(path), newBytes);
    }
}

TEST(DictionarySaveFaults, aSaveKilledAtRandomMomentsLeavesTheOldOrTheNewFile)
{
    QTemporaryDir dir;
    const QString first = dir.filePath("1"), second = dir.filePath("2"), target = dir.filePath("3");
    engine::Engine saving;
    ASSERT_TRUE(saving.cReadBinaryDictionary(kShipped.toStdString()).ok());
    // Kill moments spread over a few saves' time, as this machine takes it now.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(saving.cWriteBinaryDictionary(first.toStdString()).ok());
    const std::chrono::microseconds save = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - start);
    saving.cSetMaxWordSize(7); // the second differs all through: fewer, shorter words
    saving.cReduceWordSize();
    ASSERT_TRUE(saving.cWriteBinaryDictionary(second.toStdString()).ok() &&
                QFile::copy(first, target));
    const QByteArray firstBytes = ReadBytes(first), secondBytes = ReadBytes(second);
    std::mt19937 draw(11);
    int midSave = 0;
    for (int round = 0; round < 15; ++round) {
        QProcess saver;
        saver.start(QStringLiteral(LETTRO_SAVE_LOOP), {target, first, second});
        QByteArray output;
        while (!output.contains("ready\n") && saver.waitForReadyRead(30000))
            output += saver.readAllStandardOutput();
        ASSERT_TRUE(output.contains("ready\n")) << saver.readAllStandardError().toStdString();
        std::this_thread::sleep_for(
            std::uniform_int_distribution<std::int64_t>(
                0, std::clamp<std::int64_t>(3 * save.count(), 5000, 500000))(draw) *
            std::chrono::microseconds(1));
        saver.kill();
        ASSERT_TRUE(saver.waitForFinished(10000) && saver.exitStatus() == QProcess::CrashExit);
        output += saver.readAllStandardOutput();
        midSave += output.trimmed().split('\n').last().startsWith("begin");
        const QByteArray now = ReadBytes(target);
        EXPECT_TRUE(now == firstBytes || now == secondBytes)
            << "damaged, " << now.size() << " bytes";
    }
    EXPECT_GT(midSave, 0) << "without kills inside a save this proves nothing";
}

// Start-up meets a damaged file: one message naming it, an empty dictionary, a game
// whose board holds no word.
TEST(DamagedDictionaryAtStartUp, isRefusedWithAMessage)
{
    QByteArray flipped = ReadBytes(kShipped);
    flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 0x10);
    for (const QByteArray& damaged : {flipped.left(flipped.size() / 3), flipped}) {
        TestApp t;
        const QString path = t.folder.filePath("Dictionary.dat");
        ASSERT_TRUE(WriteBytes(path, damaged));
        t.desktop.answer(ui::Answer::Ok);
        t.startUp();
        ASSERT_EQ(t.desktop.shown.size(), 1u);
        EXPECT_TRUE(t.desktop.shown[0].text.startsWith(
            "The dictionary file " + QDir::toNativeSeparators(path) + " could not be loaded: "));
        t.window->Start->click();
        EXPECT_TRUE(t.app.game.GameInProgress && t.app.board.BoardWords.empty());
        EXPECT_EQ(t.app.engine.cNumberOfWords(), 0);
    }
}

} // namespace
