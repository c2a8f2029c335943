// SPDX-License-Identifier: GPL-3.0-or-later
// Faults around a dictionary save: the disk refusing it at one point, or the saving
// process killed there. The file on disk stays exactly the old one until the new one is
// whole.
#include "TestFiles.h"
#include "engine/Engine.h"
#include "engine/SaveFile.h"

#include <QDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using enginetest::readFile;

// Where a save goes wrong: at the open, after `bytes` bytes of the write, or at the commit
// with every byte written.
enum class Stage { Open, Write, Commit };

// The disk, going wrong at one stage: the call fails there, or the process is killed
// there (after the open, in mid-write, before the rename).
struct FaultySaveFile : engine::SaveFile {
    FaultySaveFile(const std::string& path, Stage stage, std::int64_t bytes, bool kill)
        : disk(engine::diskSaveFile(path)), stage(stage), bytes(bytes), kill(kill)
    {
    }
    void killAt(Stage at) const
    {
        if (kill && at == stage)
            ::raise(SIGKILL);
    }
    bool open() override
    {
        if (stage == Stage::Open && !kill)
            return false;
        const bool opened = disk->open();
        killAt(Stage::Open);
        return opened;
    }
    std::int64_t write(const char* data, std::int64_t size) override
    {
        if (stage != Stage::Write)
            return disk->write(data, size);
        disk->write(data, bytes);
        killAt(Stage::Write);
        return -1;
    }
    bool commit() override
    {
        killAt(Stage::Commit);
        if (stage == Stage::Commit)
            disk->cancel(); // the rename refused
        return disk->commit();
    }
    void cancel() override { disk->cancel(); }
    std::string errorString() const override { return disk->errorString(); }
    std::unique_ptr<engine::SaveFile> disk;
    Stage stage;
    std::int64_t bytes;
    bool kill;
};

TEST(SaveFaults, theOldFileStaysWholeUntilTheNewOneIs)
{
    engine::Engine dictionary;
    for (const char* w : {"act", "bread", "heart", "zebra", "outrageousnesses"})
        dictionary.cDictionaryAdd(w);
    enginetest::TempDir dir;
    ASSERT_TRUE(dictionary.cWriteBinaryDictionary(dir.path("new")).ok());
    const std::string newBytes = readFile(dir.path("new")), path = dir.path("saved");
    enginetest::writeFile(path, "old\n");
    const auto size = static_cast<std::int64_t>(newBytes.size());
    const struct {
        Stage stage;
        std::int64_t bytes;
    } faults[] = {{Stage::Open, 0}, {Stage::Write, 0}, {Stage::Write, size / 2},
                  {Stage::Write, size - 1}, {Stage::Commit, size}};
    // Failures first: a killed save leaves its temporary file behind.
    for (const bool kill : {false, true}) {
        for (const auto& f : faults) {
            SCOPED_TRACE(testing::Message() << (kill ? "killed" : "failed") << " at stage "
                                            << int(f.stage) << ", byte " << f.bytes);
            dictionary.setSaveFileMaker([&](const std::string& p) {
                return std::make_unique<FaultySaveFile>(p, f.stage, f.bytes, kill);
            });
            if (kill) {
                const pid_t saver = fork();
                if (saver == 0) {
                    dictionary.cWriteBinaryDictionary(path);
                    _exit(0);
                }
                int status = 0;
                ASSERT_EQ(waitpid(saver, &status, 0), saver);
                EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
            } else {
                // The reason travels with a failure; no temporary file is left behind.
                const auto result = dictionary.cWriteBinaryDictionary(path);
                EXPECT_FALSE(result.ok() || result.detail.empty());
                EXPECT_EQ(QDir(dir.QTemporaryDir::path()).entryList(QDir::Files | QDir::Hidden),
                          (QStringList{"new", "saved"}));
            }
            EXPECT_EQ(readFile(path), "old\n");
        }
    }
    // The faults were the only obstacle, the leftovers of killed saves included.
    dictionary.setSaveFileMaker({});
    ASSERT_TRUE(dictionary.cWriteBinaryDictionary(path).ok());
    EXPECT_EQ(readFile(path), newBytes);
}

} // namespace
