// SPDX-License-Identifier: GPL-3.0-or-later
// A read-only data file mapped into memory, and binary search over the lines of one that
// is sorted bytewise by their first field. Nothing is read at start-up: a lookup touches
// only the pages it needs, so even a large index costs a few kilobytes of memory.
#pragma once

#include <QFile>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

class MappedFile {
public:
    explicit MappedFile(std::string path) : m_path(std::move(path)) {}
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Maps the file; false when it is missing, empty or cannot be mapped. After a
    // failure the next call tries again, so data installed later are found.
    bool open();
    bool isOpen() const { return m_data != nullptr; }
    std::string_view bytes() const { return {m_data, m_size}; }

    // The lines whose first field (up to `separator`) is `key`, at most `limit` of them.
    std::vector<std::string_view> linesWithKey(std::string_view key, char separator,
                                               std::size_t limit) const;
    // Whether some line's first field starts with `prefix`.
    bool hasKeyPrefix(std::string_view prefix, char separator) const;
    // The line that starts at byte `offset`, cut at `maxLength` bytes; empty past the end.
    std::string_view lineAt(std::uint64_t offset, std::size_t maxLength) const;

private:
    std::size_t lowerBound(std::string_view key, char separator) const;
    std::size_t lineStartFrom(std::size_t pos) const;
    std::string_view keyAt(std::size_t start, char separator) const;

    std::string m_path;
    QFile m_file;
    const char* m_data = nullptr;
    std::size_t m_size = 0;
};

} // namespace engine
