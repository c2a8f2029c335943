// SPDX-License-Identifier: GPL-3.0-or-later
#include "MappedFile.h"

#include <algorithm>
#include <cstring>

namespace engine {

bool MappedFile::open()
{
    if (m_data)
        return true;
    m_file.setFileName(QString::fromStdString(m_path));
    if (!m_file.open(QIODevice::ReadOnly))
        return false;
    const auto size = m_file.size();
    if (size > 0)
        m_data = reinterpret_cast<const char*>(m_file.map(0, size));
    // A mapping outlives its file handle; only the QFile's end unmaps it.
    m_file.close();
    if (m_data)
        m_size = static_cast<std::size_t>(size);
    return m_data != nullptr;
}

// The start of the first line that begins at or after `pos`, or the size.
std::size_t MappedFile::lineStartFrom(std::size_t pos) const
{
    if (pos == 0)
        return 0;
    const void* nl = std::memchr(m_data + pos - 1, '\n', m_size - (pos - 1));
    return nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - m_data) + 1 : m_size;
}

std::string_view MappedFile::keyAt(std::size_t start, char separator) const
{
    std::size_t end = start;
    while (end < m_size && m_data[end] != separator && m_data[end] != '\n')
        ++end;
    return {m_data + start, end - start};
}

// Binary search over byte positions: the lines starting at or after a position are
// sorted, so "its first such line's key is not below `key`" turns true once and stays
// true. An unsorted file gives wrong answers, never a long or unsafe search.
std::size_t MappedFile::lowerBound(std::string_view key, char separator) const
{
    std::size_t lo = 0, hi = m_size;
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        const std::size_t start = lineStartFrom(mid);
        if (start < m_size && keyAt(start, separator) < key)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lineStartFrom(lo);
}

std::vector<std::string_view> MappedFile::linesWithKey(std::string_view key, char separator,
                                                       std::size_t limit) const
{
    std::vector<std::string_view> lines;
    if (!m_data)
        return lines;
    for (std::size_t start = lowerBound(key, separator);
         start < m_size && lines.size() < limit && keyAt(start, separator) == key;) {
        const std::string_view line = lineAt(start, m_size);
        lines.push_back(line);
        start += line.size() + 1;
    }
    return lines;
}

bool MappedFile::hasKeyPrefix(std::string_view prefix, char separator) const
{
    if (!m_data)
        return false;
    const std::size_t start = lowerBound(prefix, separator);
    return start < m_size && keyAt(start, separator).starts_with(prefix);
}

std::string_view MappedFile::lineAt(std::uint64_t offset, std::size_t maxLength) const
{
    if (!m_data || offset >= m_size)
        return {};
    const std::string_view rest(m_data + offset, m_size - static_cast<std::size_t>(offset));
    return rest.substr(0, std::min(rest.find('\n'), maxLength));
}

} // namespace engine
