// Faults around the dictionary file: a save cut short or refused at the rename, a saving
// process killed at random moments, damaged files met at start-up. The file on disk is
// always the old one or the new one, and a damaged one is refused with a message.
#include "TestApp.h"

#include "core/dictionary/DictionaryStore.h"
#include "engine/SaveFile.h"

#include <QDir>
#include <QFile>
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

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The disk, failing on purpose: the write stops after `failAfter` bytes (some of them
// reach the temporary file), or everything is written and the rename is refused.
class FaultySaveFile : public engine::SaveFile {
public:
    FaultySaveFile(const std::string& path, std::int64_t failAfter)
        : m_disk(engine::diskSaveFile(path)), m_failAfter(failAfter) {}
    bool open() override { return m_disk->open(); }
    std::int64_t write(const char* data, std::int64_t size) override
    {
        if (m_failAfter < 0)
            return m_disk->write(data, size);
        m_disk->write(data, std::min(size, m_failAfter));
        return -1;
    }
    bool commit() override
    {
        if (m_failAfter < 0)
            m_disk->cancel();
        return m_disk->commit();
    }
    void cancel() override { m_disk->cancel(); }
    std::string errorString() const override { return m_disk->errorString(); }

private:
    std::unique_ptr<engine::SaveFile> m_disk;
    std::int64_t m_failAfter;
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
        const QString path = dir.filePath("saved");
        for (const QByteArray& old : {QByteArray(), QByteArray("old\n")}) {
            if (!old.isEmpty())
                WriteBytes(path, old);
            const auto size = static_cast<std::int64_t>(newBytes.size());
            for (const std::int64_t failAfter : {std::int64_t(0), size / 2, size - 1, std::int64_t(-1)}) {
                SCOPED_TRACE(testing::Message() << "text " << text << ", cut " << failAfter);
                dictionary.setSaveFileMaker([failAfter](const std::string& p) {
                    return std::make_unique<FaultySaveFile>(p, failAfter);
                });
                EXPECT_FALSE(save(path));
                EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                          old.isEmpty() ? QStringList() : QStringList{"saved"});
                EXPECT_EQ(ReadBytes(path), old);
            }
        }
        // The faults were the only obstacle, and the reason travels with a failure.
        EXPECT_FALSE(dictionary.cWriteBinaryDictionary(path.toStdString()).detail.empty());
        dictionary.setSaveFileMaker({});
        ASSERT_TRUE(save(path));
        EXPECT_EQ(ReadBytes(path), newBytes);
    }
}

TEST(DictionarySaveFaults, aSaveKilledAtRandomMomentsLeavesTheOldOrTheNewFile)
{
    QTemporaryDir dir;
    const QString first = dir.filePath("first.dat"), second = dir.filePath("second.dat");
    const QString target = dir.filePath("Dictionary.dat");
    engine::Engine saving;
    ASSERT_TRUE(saving.cReadBinaryDictionary(kShipped.toStdString()).ok());
    // Kill moments spread over a few saves' time, as this machine takes it now.
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(saving.cWriteBinaryDictionary(first.toStdString()).ok());
    const auto span = std::clamp<std::int64_t>(
        3 * std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count(),
        5000, 500000);
    saving.cSetMaxWordSize(7); // the second differs all through: fewer, shorter words
    saving.cReduceWordSize();
    ASSERT_TRUE(saving.cWriteBinaryDictionary(second.toStdString()).ok());
    ASSERT_TRUE(QFile::copy(first, target));
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
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<std::int64_t>(0, span)(draw)));
        saver.kill();
        ASSERT_TRUE(saver.waitForFinished(10000));
        ASSERT_EQ(saver.exitStatus(), QProcess::CrashExit) << "the saver stopped by itself";
        midSave += (output + saver.readAllStandardOutput()).trimmed().split('\n').last().startsWith("begin");
        const QByteArray now = ReadBytes(target);
        EXPECT_TRUE(now == firstBytes || now == secondBytes) << "a damaged file of " << now.size() << " bytes";
    }
    EXPECT_GT(midSave, 0) << "without kills inside a save this proves nothing";
}

// Start-up meets a damaged file: one message naming it, an empty dictionary, a game
// whose board holds no word.
TEST(DamagedDictionaryAtStartUp, isRefusedWithAMessage)
{
    const QByteArray good = ReadBytes(kShipped);
    QByteArray flipped = good;
    flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 0x10);
    for (const QByteArray& damaged : {good.left(good.size() / 3), flipped}) {
        TestApp t;
        WriteBytes(t.folder.filePath("Dictionary.dat"), damaged);
        t.desktop.answer(ui::Answer::Ok);
        t.startUp();
        ASSERT_EQ(t.desktop.shown.size(), 1u);
        EXPECT_TRUE(t.desktop.shown[0].text.startsWith(
            "The dictionary file " + QDir::toNativeSeparators(t.folder.filePath("Dictionary.dat"))
            + " could not be loaded: "));
        EXPECT_EQ(t.app.engine.cNumberOfWords(), 0);
        t.window->Start->click();
        EXPECT_TRUE(t.app.game.GameInProgress);
        EXPECT_TRUE(t.app.board.BoardWords.empty());
    }
}

} // namespace
