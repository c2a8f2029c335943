// SPDX-License-Identifier: GPL-3.0-or-later
// Faults around the dictionary file: a save cut short or refused at the rename, a saving
// process killed at random moments. The file on disk is always the old one or the new one.
#include "engine/Engine.h"
#include "engine/SaveFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The disk, failing on purpose: the write stops after `failAfter` bytes (some of them
// reach the temporary file); for -1 everything is written and the rename refused; for -2
// the file cannot even be opened.
struct FaultySaveFile : engine::SaveFile {
    FaultySaveFile(const std::string& path, std::int64_t failAfter)
        : disk(engine::diskSaveFile(path)), failAfter(failAfter)
    {
    }
    bool open() override { return failAfter != -2 && disk->open(); }
    std::int64_t write(const char* data, std::int64_t size) override
    {
        return failAfter == -1 ? disk->write(data, size) : (disk->write(data, failAfter), -1);
    }
    bool commit() override { return (failAfter == -1 ? disk->cancel() : void()), disk->commit(); }
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
    QTemporaryDir side, dir;
    ASSERT_TRUE(dictionary.cWriteBinaryDictionary(side.filePath("new").toStdString()).ok());
    const QByteArray newBytes = ReadBytes(side.filePath("new"));
    const std::string path = dir.filePath("saved").toStdString();
    QFile file(dir.filePath("saved"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("old\n") == 4);
    file.close();
    for (const std::int64_t cut : {0LL, newBytes.size() / 2LL, newBytes.size() - 1LL, -1LL, -2LL}) {
        dictionary.setSaveFileMaker(
            [cut](const std::string& p) { return std::make_unique<FaultySaveFile>(p, cut); });
        // The reason travels with a failure; no temporary file is left behind.
        const auto result = dictionary.cWriteBinaryDictionary(path);
        EXPECT_FALSE(result.ok() || result.detail.empty()) << cut;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"saved"})
            << cut;
        EXPECT_EQ(ReadBytes(dir.filePath("saved")), "old\n") << cut;
    }
    // The faults were the only obstacle.
    dictionary.setSaveFileMaker({});
    ASSERT_TRUE(dictionary.cWriteBinaryDictionary(path).ok());
    EXPECT_EQ(ReadBytes(dir.filePath("saved")), newBytes);
}

TEST(DictionarySaveFaults, aSaveKilledAtRandomMomentsLeavesTheOldOrTheNewFile)
{
    QTemporaryDir dir;
    const QString first = dir.filePath("1"), second = dir.filePath("2"), target = dir.filePath("3");
    engine::Engine saving;
    ASSERT_TRUE(saving.cReadBinaryDictionary(LETTRO_SHIPPED_DICTIONARY).ok());
    // Kill moments spread over a few saves' time, as this machine takes it now.
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(saving.cWriteBinaryDictionary(first.toStdString()).ok());
    std::uniform_int_distribution<std::int64_t> moment(
        0, std::clamp<std::int64_t>(3 * clock.nsecsElapsed() / 1000, 5000, 500000));
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
        std::this_thread::sleep_for(std::chrono::microseconds(moment(draw)));
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

} // namespace
