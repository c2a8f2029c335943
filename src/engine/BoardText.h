// SPDX-License-Identifier: GPL-3.0-or-later
// Board text as people and files write it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// 16 letters A-Z in either case, Q (or q) standing for the Qu cube. Returns the form
// Engine::cCheckForAllDefinedWords takes (lower case), or nothing for any other text.
std::optional<std::string> boardFromText(std::string_view text);

} // namespace engine
