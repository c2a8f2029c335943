// SPDX-License-Identifier: GPL-3.0-or-later
#include "DictdFile.h"

#define ZLIB_CONST
#include <zlib.h>

#include <cstring>

namespace engine {

namespace {

// The index writes numbers in base 64 with this alphabet.
bool decodeNumber(std::string_view text, std::uint64_t& out)
{
    static constexpr std::string_view kDigits =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (text.empty() || text.size() > 8)
        return false;
    out = 0;
    for (char c : text) {
        const std::size_t digit = kDigits.find(c);
        if (digit == std::string_view::npos)
            return false;
        out = out * 64 + digit;
    }
    return true;
}

unsigned littleEndian16(std::string_view bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

} // namespace

DictdFile::DictdFile(const std::string& base)
    : m_index(base + ".index"), m_compressed(base + ".dict.dz"), m_plain(base + ".dict")
{
}

bool DictdFile::open()
{
    if (!m_index.open())
        return false;
    if (!m_chunkStarts.empty() || m_usePlain)
        return true;
    if (m_compressed.open())
        return readDictzipHeader();
    m_usePlain = m_plain.open();
    return m_usePlain;
}

// gzip's header with the FEXTRA field, whose "RA" subfield holds the version, the
// uncompressed chunk length, the chunk count and each chunk's compressed size.
bool DictdFile::readDictzipHeader()
{
    const std::string_view b = m_compressed.bytes();
    constexpr unsigned kExtra = 4, kName = 8, kComment = 16, kHeaderCrc = 2;
    if (b.size() < 12 || b[0] != '\x1f' || b[1] != '\x8b' || b[2] != 8 || !(b[3] & kExtra))
        return false;
    const unsigned flags = static_cast<unsigned char>(b[3]);
    std::size_t pos = 12 + littleEndian16(b, 10);
    if (pos > b.size())
        return false;
    std::vector<std::uint64_t> starts;
    for (std::string_view extra = b.substr(12, pos - 12); extra.size() >= 4;) {
        const std::size_t length = littleEndian16(extra, 2);
        const std::string_view field = extra.substr(4, length);
        if (extra.substr(0, 2) == "RA" && field.size() >= 6 && littleEndian16(field, 0) == 1) {
            m_chunkLength = littleEndian16(field, 2);
            const std::size_t count = littleEndian16(field, 4);
            if (field.size() < 6 + 2 * count)
                return false;
            starts.assign(1, 0);
            for (std::size_t i = 0; i < count; ++i)
                starts.push_back(starts.back() + littleEndian16(field, 6 + 2 * i));
        }
        extra.remove_prefix(std::min(extra.size(), 4 + length));
    }
    for (unsigned zeroEnded : {kName, kComment})
        if (flags & zeroEnded) {
            pos = b.find('\0', pos);
            if (pos == std::string_view::npos)
                return false;
            ++pos;
        }
    if (flags & kHeaderCrc)
        pos += 2;
    for (std::uint64_t& s : starts)
        s += pos;
    if (m_chunkLength == 0 || starts.size() < 2 || starts.back() > b.size())
        return false;
    m_chunkStarts = std::move(starts);
    return true;
}

const std::string& DictdFile::chunk(std::size_t index)
{
    if (index == m_cachedIndex)
        return m_cached;
    m_cachedIndex = SIZE_MAX;
    m_cached.assign(m_chunkLength, '\0');
    // Each chunk ends with a full flush, so it inflates alone, as raw deflate data.
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) {
        m_cached.clear();
        return m_cached;
    }
    const std::string_view b = m_compressed.bytes();
    z.next_in = reinterpret_cast<const Bytef*>(b.data() + m_chunkStarts[index]);
    z.avail_in = static_cast<uInt>(m_chunkStarts[index + 1] - m_chunkStarts[index]);
    z.next_out = reinterpret_cast<Bytef*>(m_cached.data());
    z.avail_out = static_cast<uInt>(m_cached.size());
    const int r = inflate(&z, Z_SYNC_FLUSH);
    m_cached.resize(m_cached.size() - z.avail_out);
    inflateEnd(&z);
    if (r == Z_OK || r == Z_STREAM_END || r == Z_BUF_ERROR)
        m_cachedIndex = index;
    else
        m_cached.clear();
    return m_cached;
}

std::string DictdFile::read(std::uint64_t offset, std::size_t length)
{
    if (m_usePlain) {
        const std::string_view b = m_plain.bytes();
        return offset < b.size() ? std::string(b.substr(offset, length)) : std::string();
    }
    const std::uint64_t firstChunk = offset / m_chunkLength;
    const std::uint64_t lastChunk = (offset + length - 1) / m_chunkLength;
    if (lastChunk + 1 >= m_chunkStarts.size())
        return {};
    std::string text;
    for (std::uint64_t i = firstChunk; i <= lastChunk; ++i) {
        const std::string& c = chunk(i);
        // A short chunk that is not the last means a damaged file: stop rather than
        // glue on text from elsewhere.
        const std::size_t skip = i == firstChunk ? offset % m_chunkLength : 0;
        if (c.size() < skip)
            return {};
        text.append(c, skip);
        if (c.size() < m_chunkLength)
            break;
    }
    text.resize(std::min(text.size(), length));
    return text;
}

bool DictdFile::hasHeadwordPrefix(std::string_view prefix) const
{
    return m_index.hasKeyPrefix(prefix, '\t');
}

std::vector<std::string> DictdFile::articles(std::string_view headword)
{
    std::vector<std::string> out;
    if (!open())
        return out;
    for (std::string_view line : m_index.linesWithKey(headword, '\t', kMaxArticles)) {
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = line.find('\t', tab1 + 1);
        std::uint64_t offset = 0, length = 0;
        if (tab2 == std::string_view::npos ||
            !decodeNumber(line.substr(tab1 + 1, tab2 - tab1 - 1), offset) ||
            !decodeNumber(line.substr(tab2 + 1), length) || length == 0 ||
            length > kMaxArticleBytes)
            continue;
        if (std::string text = read(offset, static_cast<std::size_t>(length)); !text.empty())
            out.push_back(std::move(text));
    }
    return out;
}

} // namespace engine
