// SPDX-License-Identifier: GPL-3.0-or-later
// The plain text files the game keeps (high scores, a kept game) hold one record a line,
// its fields apart by tabs.
#pragma once

#include <string>
#include <vector>

// `text` cut at every `separator`: n separators give n + 1 parts, empty ones included.
inline std::vector<std::string> SplitFields(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}
