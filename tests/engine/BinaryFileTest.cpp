// SPDX-License-Identifier: GPL-3.0-or-later
// The binary dictionary file: round trips, every kind of bad file, safe writing through
// failures, a full disk and a killed saver.
#include "../support/PlainWords.h"
#include "TestFiles.h"
#include "engine/DictionaryFile.h"
#include "engine/SaveFile.h"

#include <gtest/gtest.h>

#include <QDir>

#include <csignal>
#include <cstring>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using engine::Engine;
using engine::FileStatus;
using namespace enginetest;
using Words = std::vector<std::string>;

const Words kSmall = {"ab", "abc", "abcdefghijklmnop", "abd", "be", "bed", "quit", "zyzzyva"};

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

class BinaryFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        Engine e;
        for (const auto& w : kSmall)
            e.cDictionaryAdd(w);
        e.cSetMinWordSize(4);
        e.cSetMaxWordSize(12);
        ASSERT_TRUE(e.cWriteBinaryDictionary(dir.path("small.dat")).ok());
        good = readFile(dir.path("small.dat"));
    }
    // Loads `bytes` into an engine that had words and other limits; a failed read must
    // leave it empty with the default limits.
    FileStatus statusOf(const std::string& bytes)
    {
        Engine e;
        e.cDictionaryAdd("abc");
        writeFile(dir.path("bad.dat"), bytes);
        const FileStatus s = e.cReadBinaryDictionary(dir.path("bad.dat")).status;
        EXPECT_TRUE(s == FileStatus::Ok
                    || (e.cNumberOfWords() == 0 && e.cMinWordSize() == 3 && e.cMaxWordSize() == 16));
        return s;
    }
    static std::uint32_t get(const std::string& b, std::size_t at)
    {
        std::uint32_t v;
        std::memcpy(&v, b.data() + at, 4); // the file is little-endian, like this machine
        return v;
    }
    static void set(std::string& b, std::size_t at, std::uint32_t v) { std::memcpy(b.data() + at, &v, 4); }
    // Patches the checksum so only the structure is wrong.
    static std::string withGoodChecksum(std::string b)
    {
        set(b, b.size() - 4, engine::detail::crc32(reinterpret_cast<const unsigned char*>(b.data()), b.size() - 4));
        return b;
    }

    TempDir dir;
    std::string good;
};

TEST_F(BinaryFile, RoundTripsKeepWordsAndLimits)
{
    const std::string check = "123456789"; // the standard CRC-32
    EXPECT_EQ(engine::detail::crc32(reinterpret_cast<const unsigned char*>(check.data()), 9), 0xCBF43926u);
    Engine e;
    ASSERT_TRUE(e.cReadBinaryDictionary(dir.path("small.dat")).ok());
    EXPECT_EQ(EveryWord(e), kSmall);
    EXPECT_EQ(e.cMinWordSize(), 4);
    EXPECT_EQ(e.cMaxWordSize(), 12);
    e.cDictionaryRemove("bed");
    e.cDictionaryAdd("cab");
    ASSERT_TRUE(e.cWriteBinaryDictionary(dir.path("small.dat")).ok()); // replaces the old one
    Engine loaded;
    ASSERT_TRUE(loaded.cReadBinaryDictionary(dir.path("small.dat")).ok());
    EXPECT_TRUE(loaded.contains("cab") && !loaded.contains("bed"));
    EXPECT_EQ(loaded.cNumberOfWords(), int(kSmall.size()));
    EXPECT_EQ(QDir(dir.QTemporaryDir::path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
        << "no temporary files left";
}

TEST_F(BinaryFile, BadFilesAreRefusedWithTheirReason)
{
    Engine e;
    EXPECT_EQ(e.cReadBinaryDictionary(dir.path("none.dat")).status, FileStatus::Missing);
    EXPECT_EQ(e.cReadBinaryDictionary(dir.path("")).status, FileStatus::Unreadable); // a folder
    std::string newer = good, huge = good;
    set(newer, 8, 2);
    set(huge, 20, 0xffffffffu); // a node count to allocate for: must not be believed
    EXPECT_EQ(statusOf("hello, this is a text file\n"), FileStatus::NotADictionary);
    EXPECT_EQ(statusOf(withGoodChecksum(newer)), FileStatus::WrongVersion);
    EXPECT_EQ(statusOf(huge), FileStatus::Truncated);
    EXPECT_EQ(statusOf(good + "x"), FileStatus::Damaged);
    EXPECT_EQ(engine::describe(FileStatus::Damaged), "the file is damaged");
    // Not plain files, refused before anything opens them: a pipe would block for ever.
    ASSERT_EQ(mkfifo(dir.path("pipe.dat").c_str(), 0600), 0);
    for (const std::string& odd : {dir.path("pipe.dat"), std::string("/dev/zero")})
        EXPECT_EQ(engine::describe(e.cReadBinaryDictionary(odd)), "the file cannot be read (it is not a plain file)");
    // Truncations and flips of single bits and whole bytes: every byte of the header,
    // samples of the nodes and the checksum.
    for (std::size_t i = 0; i < good.size(); i += i < 28 ? 1 : 5) {
        EXPECT_EQ(statusOf(good.substr(0, i)), FileStatus::Truncated) << i;
        for (const unsigned char flip : {0x01, 0x80, 0xff}) {
            std::string bad = good;
            bad[i] = char(bad[i] ^ flip);
            const FileStatus s = statusOf(bad);
            const FileStatus want = i < 8 ? FileStatus::NotADictionary
                : i < 12                  ? FileStatus::WrongVersion
                                          : FileStatus::Damaged;
            // A changed node count no longer fits the size: also truncated.
            EXPECT_TRUE(s == want || (i >= 20 && i < 24 && s == FileStatus::Truncated)) << i;
        }
    }
}

// Saves without room (a file-size limit stands in for a full disk) fail in the system's own
// words and leave the old file: a large save, and a small one, which a write buffer would
// have failed only at the close and then committed cut short.
TEST_F(BinaryFile, ASaveWithoutRoomSaysWhyAndKeepsTheOldFile)
{
    Engine small, large;
    ASSERT_TRUE(small.cReadBinaryDictionary(dir.path("small.dat")).ok());
    for (int i = 0; i < 26 * 26 * 26; ++i)
        large.cDictionaryAdd(std::string{char('a' + i % 26), char('a' + i / 26 % 26), char('a' + i / 676), 'x'});
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    for (const auto& [e, limit] : {std::pair{&small, 100}, {&large, 20000}}) {
        rlimit low = saved;
        low.rlim_cur = static_cast<rlim_t>(limit);
        setrlimit(RLIMIT_FSIZE, &low);
        const std::string why = engine::describe(e->cWriteBinaryDictionary(dir.path("small.dat")));
        setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_EQ(why, "the file could not be written (" + std::string(std::strerror(EFBIG)) + ")") << limit;
        EXPECT_EQ(readFile(dir.path("small.dat")), good) << limit;
    }
    std::signal(SIGXFSZ, handler);
}

// A save that fails, or whose process is killed, at a chosen point leaves exactly the old
// file until the new one is whole, and no temporary file when it could clean up.
TEST_F(BinaryFile, ASaveFailedOrKilledAtAnyPointKeepsTheOldFile)
{
    Engine e;
    ASSERT_TRUE(e.cReadBinaryDictionary(dir.path("small.dat")).ok());
    const std::string path = dir.path("saved");
    writeFile(path, "old\n");
    const auto size = static_cast<std::int64_t>(good.size());
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
            e.setSaveFileMaker([&](const std::string& p) {
                return std::make_unique<FaultySaveFile>(p, f.stage, f.bytes, kill);
            });
            if (kill) {
                const pid_t saver = fork();
                if (saver == 0) {
                    e.cWriteBinaryDictionary(path);
                    _exit(0);
                }
                int status = 0;
                ASSERT_EQ(waitpid(saver, &status, 0), saver);
                EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
            } else {
                const auto result = e.cWriteBinaryDictionary(path);
                EXPECT_FALSE(result.ok() || result.detail.empty()) << "the reason travels with it";
                EXPECT_EQ(QDir(dir.QTemporaryDir::path()).entryList(QDir::Files | QDir::Hidden),
                          (QStringList{"saved", "small.dat"}));
            }
            EXPECT_EQ(readFile(path), "old\n");
        }
    }
    // The faults were the only obstacle, the leftovers of killed saves included.
    e.setSaveFileMaker({});
    ASSERT_TRUE(e.cWriteBinaryDictionary(path).ok());
    EXPECT_EQ(readFile(path), good);
}

TEST_F(BinaryFile, StructuralFaultsAreCaughtEvenWithAGoodChecksum)
{
    const std::uint32_t nodes = get(good, 20);
    const auto mask = [](std::size_t node) { return 24 + 4 * node; };
    const std::size_t leaf = nodes - 1; // the last letter of the longest word
    const std::uint32_t root = get(good, mask(0));
    const struct { const char* name; std::size_t at; std::uint32_t value; } cases[] = {
        {"min size 1", 12, (get(good, 12) & ~0xffu) | 1},
        {"max size 17", 12, (get(good, 12) & ~0xff00u) | 17 << 8},
        {"word count", 16, get(good, 16) + 1},
        {"letter past z", mask(0), root | 1u << 27},
        {"one-letter word", mask(1), get(good, mask(1)) | 1u << 26},
        {"dead end", mask(leaf), 0},
        {"orphan node", mask(0), root & (root - 1)},
    };
    for (const auto& c : cases) {
        std::string bytes = good;
        set(bytes, c.at, c.value);
        EXPECT_EQ(statusOf(withGoodChecksum(bytes)), FileStatus::Damaged) << c.name;
    }
}

} // namespace
