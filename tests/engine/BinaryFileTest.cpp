// The binary dictionary file: round trips, every kind of bad file, safe writing.
#include "TestFiles.h"
#include "engine/DictionaryFile.h"
#include "engine/Engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

using engine::Engine;
using engine::FileStatus;
using enginetest::readFile;
using enginetest::TempDir;
using enginetest::writeFile;

const std::vector<std::string> kSmall = {"ab", "abc", "abd", "be", "bed", "beds", "quit",
                                         "zyzzyva", "abcdefghijklmnop"};

std::vector<std::string> exportWords(const Engine& e, const TempDir& dir)
{
    EXPECT_TRUE(e.cWriteTextFile(dir.path("export.txt")));
    std::vector<std::string> out;
    std::ifstream in(dir.path("export.txt"));
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::string smallDictionaryBytes(const TempDir& dir)
{
    Engine e;
    for (const auto& w : kSmall)
        e.cDictionaryAdd(w);
    EXPECT_TRUE(e.cWriteBinaryDictionary(dir.path("small.dat")).ok());
    return readFile(dir.path("small.dat"));
}

// A loaded engine after a failed read: no words, default limits.
void expectEmpty(const Engine& e)
{
    EXPECT_EQ(e.cNumberOfWords(), 0);
    EXPECT_FALSE(e.contains("abc"));
    EXPECT_EQ(e.cMinWordSize(), 3);
    EXPECT_EQ(e.cMaxWordSize(), 16);
}

// Loads `bytes` into an engine that had words and other limits before.
FileStatus statusOf(const TempDir& dir, const std::string& bytes, Engine& e)
{
    e.cDictionaryAdd("abc");
    e.cSetMinWordSize(5);
    e.cSetMaxWordSize(9);
    writeFile(dir.path("bad.dat"), bytes);
    return e.cReadBinaryDictionary(dir.path("bad.dat")).status;
}

// Patches the checksum so only the structure is wrong.
std::string withGoodChecksum(std::string bytes)
{
    const std::size_t body = bytes.size() - 4;
    const std::uint32_t crc =
        engine::detail::crc32(reinterpret_cast<const unsigned char*>(bytes.data()), body);
    for (int i = 0; i < 4; ++i)
        bytes[body + i] = static_cast<char>((crc >> (8 * i)) & 0xff);
    return bytes;
}

void setLE32(std::string& bytes, std::size_t offset, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((v >> (8 * i)) & 0xff);
}

std::uint32_t getLE32(const std::string& bytes, std::size_t offset)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return v;
}

TEST(BinaryFile, ChecksumIsStandardCrc32)
{
    const std::string check = "123456789";
    EXPECT_EQ(engine::detail::crc32(reinterpret_cast<const unsigned char*>(check.data()),
                                    check.size()),
              0xCBF43926u);
    EXPECT_EQ(engine::detail::crc32(nullptr, 0), 0u);
}

TEST(BinaryFile, RoundTripKeepsWordsAndLimits)
{
    TempDir dir;
    Engine e;
    for (const auto& w : kSmall)
        e.cDictionaryAdd(w);
    e.cSetMinWordSize(4);
    e.cSetMaxWordSize(12);
    ASSERT_TRUE(e.cWriteBinaryDictionary(dir.path("d.dat")).ok());

    Engine loaded;
    const auto r = loaded.cReadBinaryDictionary(dir.path("d.dat"));
    ASSERT_TRUE(r.ok()) << engine::describe(r.status) << " " << r.detail;
    EXPECT_EQ(loaded.cNumberOfWords(), static_cast<int>(kSmall.size()));
    EXPECT_EQ(loaded.cMinWordSize(), 4);
    EXPECT_EQ(loaded.cMaxWordSize(), 12);
    auto sorted = kSmall;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(exportWords(loaded, dir), sorted);
}

TEST(BinaryFile, RoundTripAfterEditsAndOfAnEmptyDictionary)
{
    TempDir dir;
    Engine e;
    for (const auto& w : kSmall)
        e.cDictionaryAdd(w);
    ASSERT_TRUE(e.cWriteBinaryDictionary(dir.path("d.dat")).ok());
    ASSERT_TRUE(e.cReadBinaryDictionary(dir.path("d.dat")).ok());
    e.cDictionaryRemove("bed");
    e.cDictionaryAdd("cab");
    ASSERT_TRUE(e.cWriteBinaryDictionary(dir.path("d2.dat")).ok());
    Engine loaded;
    ASSERT_TRUE(loaded.cReadBinaryDictionary(dir.path("d2.dat")).ok());
    EXPECT_TRUE(loaded.contains("cab"));
    EXPECT_FALSE(loaded.contains("bed"));
    EXPECT_EQ(loaded.cNumberOfWords(), static_cast<int>(kSmall.size()));

    Engine empty;
    ASSERT_TRUE(empty.cWriteBinaryDictionary(dir.path("empty.dat")).ok());
    ASSERT_TRUE(loaded.cReadBinaryDictionary(dir.path("empty.dat")).ok());
    EXPECT_EQ(loaded.cNumberOfWords(), 0);
    EXPECT_EQ(loaded.cCheckForAllDefinedWords("abcdefghijklmnop"), 0);
}

TEST(BinaryFile, MissingAndUnreadableFiles)
{
    TempDir dir;
    Engine e;
    e.cDictionaryAdd("abc");
    EXPECT_EQ(e.cReadBinaryDictionary(dir.path("none.dat")).status, FileStatus::Missing);
    expectEmpty(e);
    e.cDictionaryAdd("abc");
    EXPECT_EQ(e.cReadBinaryDictionary(dir.path("")).status, FileStatus::Unreadable);
    expectEmpty(e);
}

TEST(BinaryFile, EmptyForeignAndOtherVersionFiles)
{
    TempDir dir;
    const std::string good = smallDictionaryBytes(dir);
    Engine e;
    EXPECT_EQ(statusOf(dir, "", e), FileStatus::Truncated);
    expectEmpty(e);
    EXPECT_EQ(statusOf(dir, "hello, this is a text file\n", e), FileStatus::NotADictionary);
    expectEmpty(e);
    std::string foreign = good;
    foreign[0] = 'X';
    EXPECT_EQ(statusOf(dir, foreign, e), FileStatus::NotADictionary);
    expectEmpty(e);
    std::string newer = good;
    setLE32(newer, 8, 2);
    EXPECT_EQ(statusOf(dir, withGoodChecksum(newer), e), FileStatus::WrongVersion);
    expectEmpty(e);
}

TEST(BinaryFile, EveryTruncationIsReported)
{
    TempDir dir;
    const std::string good = smallDictionaryBytes(dir);
    for (std::size_t len = 0; len < good.size(); ++len) {
        Engine e;
        EXPECT_EQ(statusOf(dir, good.substr(0, len), e), FileStatus::Truncated) << len;
        expectEmpty(e);
    }
    Engine e;
    EXPECT_EQ(statusOf(dir, good + "x", e), FileStatus::Damaged);
    expectEmpty(e);
}

TEST(BinaryFile, EveryFlippedByteIsCaught)
{
    TempDir dir;
    const std::string good = smallDictionaryBytes(dir);
    for (std::size_t i = 0; i < good.size(); ++i) {
        for (const unsigned char flip : {0x01, 0x80, 0xff}) {
            std::string bad = good;
            bad[i] = static_cast<char>(bad[i] ^ flip);
            Engine e;
            const FileStatus s = statusOf(dir, bad, e);
            if (i < 8)
                EXPECT_EQ(s, FileStatus::NotADictionary) << i;
            else if (i < 12)
                EXPECT_EQ(s, FileStatus::WrongVersion) << i;
            else if (i >= 20 && i < 24) // the node count: the size no longer fits
                EXPECT_TRUE(s == FileStatus::Truncated || s == FileStatus::Damaged) << i;
            else
                EXPECT_EQ(s, FileStatus::Damaged) << i;
            expectEmpty(e);
        }
    }
}

TEST(BinaryFile, StructuralFaultsAreCaughtEvenWithAGoodChecksum)
{
    TempDir dir;
    const std::string good = smallDictionaryBytes(dir);
    const std::size_t nodes = getLE32(good, 20);
    const auto mask = [&](std::size_t node) { return std::size_t(24 + 4 * node); };
    const std::size_t lastNode = nodes - 1; // a leaf: the last letter of the longest word

    std::vector<std::pair<std::string, std::string>> cases;
    auto patch = [&](const std::string& name, auto change) {
        std::string bytes = good;
        change(bytes);
        cases.emplace_back(name, withGoodChecksum(bytes));
    };
    patch("min size 1", [](std::string& b) { b[12] = 1; });
    patch("max size 17", [](std::string& b) { b[13] = 17; });
    patch("reserved", [](std::string& b) { b[14] = 1; });
    patch("word count", [](std::string& b) { setLE32(b, 16, getLE32(b, 16) + 1); });
    patch("letter past z", [&](std::string& b) { setLE32(b, mask(0), getLE32(b, mask(0)) | 1u << 27); });
    patch("one-letter word", [&](std::string& b) { setLE32(b, mask(1), getLE32(b, mask(1)) | 1u << 26); });
    patch("empty word", [&](std::string& b) { setLE32(b, mask(0), getLE32(b, mask(0)) | 1u << 26); });
    patch("dead end", [&](std::string& b) { setLE32(b, mask(lastNode), 0); });
    patch("child past the end", [&](std::string& b) { setLE32(b, mask(lastNode), (1u << 26) | 1u); });
    patch("orphan node", [&](std::string& b) {
        // The root loses a child: the nodes no longer add up to the tree.
        const std::uint32_t m = getLE32(b, mask(0));
        setLE32(b, mask(0), m & (m - 1));
    });
    patch("seventeen letters", [&](std::string& b) {
        // Give the 16-letter word's last node a child: the node count grows by one.
        std::string extended = b.substr(0, b.size() - 4);
        setLE32(extended, mask(lastNode), (1u << 26) | 1u);
        setLE32(extended, 20, static_cast<std::uint32_t>(nodes + 1));
        setLE32(extended, 16, getLE32(extended, 16) + 1);
        extended.append("\x00\x00\x00\x04", 4); // a word ends at the new node
        extended.append(4, '\0');
        b = extended;
    });
    for (const auto& [name, bytes] : cases) {
        Engine e;
        EXPECT_EQ(statusOf(dir, bytes, e), FileStatus::Damaged) << name;
        expectEmpty(e);
    }
}

TEST(BinaryFile, HeaderClaimingHugeSizeIsTruncatedNotAllocated)
{
    TempDir dir;
    std::string bytes = smallDictionaryBytes(dir);
    setLE32(bytes, 20, 0xffffffffu);
    Engine e;
    EXPECT_EQ(statusOf(dir, bytes, e), FileStatus::Truncated);
    expectEmpty(e);
}

TEST(BinaryFile, FailedWriteIntoAFolderOrAFileKeepsTheOldFile)
{
    TempDir dir;
    Engine e;
    for (const auto& w : kSmall)
        e.cDictionaryAdd(w);
    // The target is a folder.
    std::filesystem::create_directory(dir.path("folder.dat"));
    auto r = e.cWriteBinaryDictionary(dir.path("folder.dat"));
    EXPECT_EQ(r.status, FileStatus::WriteFailed);
    EXPECT_TRUE(std::filesystem::is_directory(dir.path("folder.dat")));
    // The "folder" of the target is a file.
    writeFile(dir.path("plain"), "keep me");
    EXPECT_EQ(e.cWriteBinaryDictionary(dir.path("plain/d.dat")).status, FileStatus::WriteFailed);
    EXPECT_EQ(readFile(dir.path("plain")), "keep me");
    EXPECT_FALSE(engine::describe(FileStatus::WriteFailed).empty());
}

TEST(BinaryFile, FailedWriteIntoAReadOnlyFolderKeepsTheOldFile)
{
    TempDir dir;
    const std::string old = smallDictionaryBytes(dir);
    const auto folder = dir.dir();
    std::filesystem::permissions(folder, std::filesystem::perms::owner_read
                                             | std::filesystem::perms::owner_exec);
    {
        std::ofstream probe(dir.path("probe"));
        if (probe) {
            std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
            GTEST_SKIP() << "this user can write into read-only folders (root?)";
        }
    }
    Engine e;
    e.cDictionaryAdd("different");
    EXPECT_EQ(e.cWriteBinaryDictionary(dir.path("small.dat")).status, FileStatus::WriteFailed);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    EXPECT_EQ(readFile(dir.path("small.dat")), old);
    Engine reread;
    EXPECT_TRUE(reread.cReadBinaryDictionary(dir.path("small.dat")).ok());
    EXPECT_EQ(reread.cNumberOfWords(), static_cast<int>(kSmall.size()));
}

TEST(BinaryFile, SuccessfulWriteReplacesTheOldFileAndLeavesNoTemporaryFiles)
{
    TempDir dir;
    smallDictionaryBytes(dir);
    Engine e;
    e.cDictionaryAdd("replaced");
    ASSERT_TRUE(e.cWriteBinaryDictionary(dir.path("small.dat")).ok());
    Engine reread;
    ASSERT_TRUE(reread.cReadBinaryDictionary(dir.path("small.dat")).ok());
    EXPECT_EQ(reread.cNumberOfWords(), 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.dir()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(BinaryFile, EveryStatusHasItsOwnDescription)
{
    std::set<std::string> seen;
    for (FileStatus s : {FileStatus::Ok, FileStatus::Missing, FileStatus::Unreadable,
                         FileStatus::NotADictionary, FileStatus::WrongVersion,
                         FileStatus::Truncated, FileStatus::Damaged, FileStatus::WriteFailed})
        EXPECT_TRUE(seen.insert(engine::describe(s)).second) << engine::describe(s);
    EXPECT_EQ(engine::describe(FileStatus::Missing), "the file does not exist");
    EXPECT_EQ(engine::describe(FileStatus::Damaged), "the file is damaged");
}

} // namespace
