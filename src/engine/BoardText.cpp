// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardText.h"

namespace engine {

std::optional<std::string> boardFromText(std::string_view text)
{
    if (text.size() != 16)
        return std::nullopt;
    std::string board(text);
    for (char& c : board) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        else if (c < 'a' || c > 'z')
            return std::nullopt;
    }
    return board;
}

} // namespace engine
