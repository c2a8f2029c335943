// SPDX-License-Identifier: GPL-3.0-or-later
// The binary dictionary file: round trips, every kind of bad file, safe writing.
#include "../support/PlainWords.h"
#include "TestFiles.h"
#include "engine/DictionaryFile.h"

#include <gtest/gtest.h>

#include <QDir>

#include <csignal>
#include <cstring>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

using engine::Engine;
using engine::FileStatus;
using enginetest::readFile;
using enginetest::TempDir;
using enginetest::writeFile;
using Words = std::vector<std::string>;

const Words kSmall = {"ab", "abc", "abcdefghijklmnop", "abd", "be", "bed", "quit", "zyzzyva"};

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
