// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordFile.h"

#include "Engine.h"

#include <filesystem>
#include <system_error>

namespace engine::detail {

namespace {
// Word files hold at least three letters a word; two-letter words come in one by one.
constexpr int kMinFileWordSize = 3;
} // namespace

bool WordFileReader::open(const std::string& path)
{
    close();
    m_path = path;
    m_size = m_read = 0;
    m_skipped = 0;
    m_atStart = true;
    m_cut = false;
    m_state = State::Leading;
    m_length = 0;

    if (!checkPlainFile(path).ok())
        return false;
    std::error_code ec;
    m_file = std::fopen(path.c_str(), "rb");
    if (!m_file)
        return false;
    const auto size = std::filesystem::file_size(path, ec);
    m_size = ec ? 0 : std::min<std::uint64_t>(size, kMaxWordFileBytes);
    m_buffer.resize(kStepBytes);
    return true;
}

void WordFileReader::close()
{
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
    m_buffer.clear();
    m_buffer.shrink_to_fit();
}

int WordFileReader::percentDone() const
{
    if (!m_file)
        return 100;
    if (m_size == 0)
        return 0;
    return static_cast<int>(std::min<std::uint64_t>(99, m_read * 100 / m_size));
}

void WordFileReader::endLine(int maxWordSize, std::vector<WordKey>& words)
{
    if (m_state == State::Word || m_state == State::Trailing) {
        if (m_length >= kMinFileWordSize && m_length <= maxWordSize)
            words.push_back(makeKey(m_letters, static_cast<std::size_t>(m_length)));
        else
            ++m_skipped;
    } else if (m_state == State::Bad) {
        ++m_skipped;
    }
    // Blank lines are not counted: they are layout, not rejected words.
    m_state = State::Leading;
    m_length = 0;
}

bool WordFileReader::step(int maxWordSize, std::vector<WordKey>& words)
{
    if (!m_file)
        return true;
    // A file that grows while it is read (or is simply huge) ends at the limit.
    const std::size_t want = static_cast<std::size_t>(
        std::min<std::uint64_t>(m_buffer.size(), kMaxWordFileBytes - m_read));
    std::size_t n = std::fread(m_buffer.data(), 1, want, m_file);
    bool finished = n < want; // end of file or a read error
    if (!finished && m_read + n >= kMaxWordFileBytes) {
        m_cut = std::fgetc(m_file) != EOF;
        finished = true;
    }
    const char* p = m_buffer.data();
    if (m_atStart && n > 0) {
        m_atStart = false;
        // A UTF-8 byte order mark is not part of the first word.
        if (n >= 3 && static_cast<unsigned char>(p[0]) == 0xEF
            && static_cast<unsigned char>(p[1]) == 0xBB && static_cast<unsigned char>(p[2]) == 0xBF) {
            p += 3;
            n -= 3;
            m_read += 3;
        }
    }
    m_read += n;

    for (const char* end = p + n; p != end; ++p) {
        char c = *p;
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c >= 'a' && c <= 'z') {
            if (m_state == State::Leading) {
                m_state = State::Word;
            } else if (m_state != State::Word) {
                m_state = State::Bad; // letters after a space, or after junk
                continue;
            }
            if (m_length == kKeyLetters)
                m_state = State::Bad;
            else
                m_letters[m_length++] = c;
        } else if (c == '\n') {
            endLine(maxWordSize, words);
        } else if (c == ' ' || c == '\t' || c == '\r') {
            if (m_state == State::Word)
                m_state = State::Trailing;
        } else {
            m_state = State::Bad;
        }
    }
    if (finished) {
        endLine(maxWordSize, words); // a last line without a newline
        close();
    }
    return finished;
}

} // namespace engine::detail
