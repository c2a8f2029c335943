// SPDX-License-Identifier: GPL-3.0-or-later
#include "DictionaryFile.h"
#include "SaveFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include <array>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace engine::detail {

namespace {

// Slicing-by-8 tables: the checksum runs over the whole file on every load.
const std::array<std::array<std::uint32_t, 256>, 8>& crcTables()
{
    static const auto tables = [] {
        std::array<std::array<std::uint32_t, 256>, 8> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[0][i] = c;
        }
        for (std::uint32_t i = 0; i < 256; ++i)
            for (int s = 1; s < 8; ++s)
                t[s][i] = (t[s - 1][i] >> 8) ^ t[0][t[s - 1][i] & 0xff];
        return t;
    }();
    return tables;
}

std::uint32_t readLE32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
        | std::uint32_t(p[3]) << 24;
}

void appendLE32(std::string& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

FileResult fail(FileStatus status, std::string detail = {}) { return {status, std::move(detail)}; }

// QSaveFile writes a temporary file beside the target, syncs it and renames it over
// the old one only when everything was written. Unbuffered: a buffered write that fails
// only when the file is closed would still be committed, cut short.
class QtSaveFile : public SaveFile {
public:
    explicit QtSaveFile(const std::string& path) : m_file(QString::fromStdString(path)) {}
    bool open() override { return m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    std::int64_t write(const char* data, std::int64_t size) override
    {
        // A full disk first shows as a short write without a reason; writing on brings the
        // failure with the system's own words.
        std::int64_t done = 0;
        while (done < size) {
            const qint64 n = m_file.write(data + done, size - done);
            if (n <= 0)
                break;
            done += n;
        }
        return done;
    }
    bool commit() override { return m_file.commit(); }
    void cancel() override { m_file.cancelWriting(); }
    std::string errorString() const override { return m_file.errorString().toStdString(); }

private:
    QSaveFile m_file;
};

} // namespace

std::uint32_t crc32(const unsigned char* data, std::size_t size, std::uint32_t crc)
{
    const auto& t = crcTables();
    crc = ~crc;
    while (size >= 8) {
        const std::uint32_t a = crc ^ readLE32(data);
        const std::uint32_t b = readLE32(data + 4);
        crc = t[7][a & 0xff] ^ t[6][(a >> 8) & 0xff] ^ t[5][(a >> 16) & 0xff] ^ t[4][a >> 24]
            ^ t[3][b & 0xff] ^ t[2][(b >> 8) & 0xff] ^ t[1][(b >> 16) & 0xff] ^ t[0][b >> 24];
        data += 8;
        size -= 8;
    }
    while (size--)
        crc = t[0][(crc ^ *data++) & 0xff] ^ (crc >> 8);
    return ~crc;
}

FileResult parseDictionary(const unsigned char* data, std::size_t size, DictionaryContents& out)
{
    if (size == 0)
        return fail(FileStatus::Truncated, "the file is empty");
    // A proper prefix of the magic is a dictionary cut short; anything else is foreign.
    const std::size_t magicBytes = std::min(size, sizeof kMagic);
    if (std::memcmp(data, kMagic, magicBytes) != 0)
        return fail(FileStatus::NotADictionary);
    if (size < sizeof kMagic + 4)
        return fail(FileStatus::Truncated, "the header is incomplete");
    const std::uint32_t version = readLE32(data + 8);
    if (version != kFormatVersion)
        return fail(FileStatus::WrongVersion, "format version " + std::to_string(version));
    if (size < kHeaderSize)
        return fail(FileStatus::Truncated, "the header is incomplete");

    const int minSize = data[12];
    const int maxSize = data[13];
    const std::uint32_t reserved = data[14] | data[15] << 8;
    const std::uint32_t wordCount = readLE32(data + 16);
    const std::uint32_t nodeCount = readLE32(data + 20);
    // Sizes from the file are compared with the real size before anything is allocated.
    const std::uint64_t expected = kHeaderSize + std::uint64_t(nodeCount) * 4 + 4;
    if (size < expected)
        return fail(FileStatus::Truncated);
    if (size > expected)
        return fail(FileStatus::Damaged, "unexpected bytes after the end");
    if (crc32(data, size - 4) != readLE32(data + size - 4))
        return fail(FileStatus::Damaged, "checksum mismatch");

    const auto inconsistent = [] { return fail(FileStatus::Damaged, "inconsistent contents"); };
    if (minSize < kAbsoluteMinWordSize || minSize > kAbsoluteMaxWordSize
        || maxSize < kAbsoluteMinWordSize || maxSize > kAbsoluteMaxWordSize || reserved != 0
        || nodeCount == 0)
        return inconsistent();

    // One pass rebuilds the child links and checks that the masks describe a proper
    // breadth-first trie: every node but the root claimed by exactly one parent, every
    // branch ending in a word, words 2 to 16 letters long, as many words as the header says.
    std::vector<TrieNode> nodes(nodeCount);
    const unsigned char* masks = data + kHeaderSize;
    std::uint64_t next = 1;     // the next node a parent may claim
    std::uint64_t levelEnd = 1; // end of the current level
    int depth = 0;
    std::uint64_t words = 0;
    for (std::uint32_t i = 0; i < nodeCount; ++i) {
        if (i == levelEnd) {
            ++depth;
            levelEnd = next;
        }
        if (i >= next)
            return inconsistent(); // no parent
        const std::uint32_t mask = readLE32(masks + 4 * std::size_t(i));
        if (mask & ~(kChildBits | kTerminal))
            return inconsistent();
        const std::uint32_t children = mask & kChildBits;
        if (mask & kTerminal) {
            if (depth < kAbsoluteMinWordSize || depth > kAbsoluteMaxWordSize)
                return inconsistent();
            ++words;
        } else if (!children && i != 0) {
            return inconsistent(); // a branch that spells no word
        }
        if (children && depth >= kAbsoluteMaxWordSize)
            return inconsistent();
        nodes[i] = {mask, children ? static_cast<std::uint32_t>(next) : 0};
        next += std::popcount(children);
        if (next > nodeCount)
            return inconsistent();
    }
    if (next != nodeCount || words != wordCount)
        return inconsistent();

    out.minWordSize = minSize;
    out.maxWordSize = maxSize;
    out.wordCount = wordCount;
    out.trie = Trie::fromNodes(std::move(nodes));
    return {};
}

FileResult readDictionaryFile(const std::string& path, DictionaryContents& out)
{
    if (FileResult plain = checkPlainFile(path); !plain.ok())
        return plain;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return fail(FileStatus::Unreadable, std::strerror(errno));
    // Read the header first: a foreign file is rejected without reading it all, and the
    // rest is read only up to the size the header announces (plus one byte, to notice
    // extra bytes), so a lying header cannot make us swallow a huge file.
    std::string bytes;
    std::size_t limit = kHeaderSize;
    bool readError = false;
    char buf[1 << 16];
    while (bytes.size() < limit) {
        const std::size_t want = std::min(sizeof buf, limit - bytes.size());
        const std::size_t n = std::fread(buf, 1, want, f);
        bytes.append(buf, n);
        if (n < want) {
            readError = std::ferror(f) != 0;
            break;
        }
        if (bytes.size() == kHeaderSize && limit == kHeaderSize
            && std::memcmp(bytes.data(), kMagic, sizeof kMagic) == 0) {
            const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
            limit = kHeaderSize + std::size_t(readLE32(p + 20)) * 4 + 4 + 1;
        }
    }
    std::fclose(f);
    if (readError)
        return fail(FileStatus::Unreadable, "read error");
    return parseDictionary(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                           out);
}

std::string serializeDictionary(const Trie& trie, int minWordSize, int maxWordSize,
                                std::uint32_t wordCount)
{
    const auto& nodes = trie.nodes();
    std::string out;
    out.reserve(kHeaderSize + nodes.size() * 4 + 4);
    out.append(kMagic, sizeof kMagic);
    appendLE32(out, kFormatVersion);
    out.push_back(static_cast<char>(minWordSize));
    out.push_back(static_cast<char>(maxWordSize));
    out.push_back(0);
    out.push_back(0);
    appendLE32(out, wordCount);
    appendLE32(out, static_cast<std::uint32_t>(nodes.size()));
    for (const TrieNode& n : nodes)
        appendLE32(out, n.mask);
    appendLE32(out, crc32(reinterpret_cast<const unsigned char*>(out.data()), out.size()));
    return out;
}

} // namespace engine::detail

namespace engine {

using detail::fail;

FileResult checkPlainFile(const std::string& path)
{
    std::error_code ec;
    const auto type = std::filesystem::status(path, ec).type();
    if (type == std::filesystem::file_type::not_found)
        return fail(FileStatus::Missing);
    if (ec)
        return fail(FileStatus::Unreadable, ec.message());
    if (type == std::filesystem::file_type::directory)
        return fail(FileStatus::Unreadable, "it is a folder");
    if (type != std::filesystem::file_type::regular)
        return fail(FileStatus::Unreadable, "it is not a plain file");
    return {};
}

FileResult writeFileAtomically(const std::string& path, const std::string& bytes,
                               const SaveFileMaker& makeFile)
{
    if (QFileInfo(QString::fromStdString(path)).isDir())
        return fail(FileStatus::WriteFailed, "it is a folder");
    const std::unique_ptr<SaveFile> file = makeFile ? makeFile(path) : diskSaveFile(path);
    if (!file->open())
        return fail(FileStatus::WriteFailed, file->errorString());
    const auto size = static_cast<std::int64_t>(bytes.size());
    if (file->write(bytes.data(), size) != size) {
        const std::string why = file->errorString();
        file->cancel();
        return fail(FileStatus::WriteFailed, why);
    }
    if (!file->commit())
        return fail(FileStatus::WriteFailed, file->errorString());
    return {};
}

std::string keepAside(const std::string& path)
{
    const QString from = QString::fromStdString(path);
    for (int n = 1; n <= 100; ++n) {
        const QString kept =
            from + QStringLiteral(".damaged") + (n == 1 ? QString() : QStringLiteral("-%1").arg(n));
        if (QFileInfo::exists(kept))
            continue;
        return QFile::rename(from, kept) ? kept.toStdString() : std::string();
    }
    return {};
}

std::unique_ptr<SaveFile> diskSaveFile(const std::string& path)
{
    return std::make_unique<detail::QtSaveFile>(path);
}

} // namespace engine
