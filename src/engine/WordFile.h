// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a plain word file (one word a line) in small steps, so a window can stay
// responsive while a big file is merged. Memory stays bounded whatever the file holds:
// lines are scanned byte by byte and only the first 16 letters of a line are kept.
#pragma once

#include "WordKey.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace engine::detail {

class WordFileReader {
public:
    // Bytes read per step: about a millisecond of work.
    static constexpr std::size_t kStepBytes = 256 * 1024;

    WordFileReader() = default;
    ~WordFileReader() { close(); }
    WordFileReader(const WordFileReader&) = delete;
    WordFileReader& operator=(const WordFileReader&) = delete;

    // False when the file cannot be opened for reading or is not a plain file.
    bool open(const std::string& path);
    bool isOpen() const { return m_file != nullptr; }
    const std::string& path() const { return m_path; }

    // Reads the next step and appends its words of 3..maxWordSize letters (trimmed of
    // spaces, tabs and CR, lower-cased). Returns true once the whole file, or its first
    // kMaxWordFileBytes, has been read; the file is then closed.
    bool step(int maxWordSize, std::vector<WordKey>& words);

    int percentDone() const;
    long long skippedLines() const { return m_skipped; }
    bool cut() const { return m_cut; } // stopped at kMaxWordFileBytes

private:
    void endLine(int maxWordSize, std::vector<WordKey>& words);
    void close();

    enum class State { Leading, Word, Trailing, Bad };

    std::FILE* m_file = nullptr;
    std::string m_path;
    std::uint64_t m_size = 0;
    std::uint64_t m_read = 0;
    long long m_skipped = 0;
    bool m_atStart = true;
    bool m_cut = false;
    State m_state = State::Leading;
    int m_length = 0;
    char m_letters[kKeyLetters] = {};
    std::vector<char> m_buffer;
};

} // namespace engine::detail
