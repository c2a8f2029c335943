// SPDX-License-Identifier: GPL-3.0-or-later
// The binary dictionary file: the trie's node masks in breadth-first order, which is
// all it takes to rebuild the trie in one pass.
//
//   offset  size
//   0       8    magic "LTRODICT"
//   8       4    format version (1)
//   12      1    min word size        13  1  max word size     14  2  reserved, 0
//   16      4    word count
//   20      4    node count N
//   24      4*N  node masks (bits 0-25 children a-z, bit 26 a word ends here)
//   24+4N   4    CRC-32 of every byte before it
// All numbers little-endian.
#pragma once

#include "Engine.h"
#include "SaveFile.h"
#include "Trie.h"

#include <cstdint>
#include <string>

namespace engine::detail {

inline constexpr char kMagic[8] = {'L', 'T', 'R', 'O', 'D', 'I', 'C', 'T'};
inline constexpr std::uint32_t kFormatVersion = 1;
inline constexpr std::size_t kHeaderSize = 24;

struct DictionaryContents {
    int minWordSize = kDefaultMinWordSize;
    int maxWordSize = kAbsoluteMaxWordSize;
    std::uint32_t wordCount = 0;
    Trie trie;
};

std::uint32_t crc32(const unsigned char* data, std::size_t size, std::uint32_t crc = 0);

// Checks everything (checksum and structure) before it fills `out`.
FileResult readDictionaryFile(const std::string& path, DictionaryContents& out);
// Parses a file's bytes; split out so the checks can be exercised without files.
FileResult parseDictionary(const unsigned char* data, std::size_t size, DictionaryContents& out);
std::string serializeDictionary(const Trie& trie, int minWordSize, int maxWordSize,
                                std::uint32_t wordCount);

} // namespace engine::detail
