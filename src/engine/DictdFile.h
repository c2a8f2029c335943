// SPDX-License-Identifier: GPL-3.0-or-later
// A dictionary in the dictd format, as FreeDict ships them: a sorted index of lines
// "headword<TAB>offset<TAB>length" (numbers in base 64) and the articles, either plain
// (NAME.dict) or compressed by dictzip (NAME.dict.dz): a gzip file cut into chunks of
// about 58 KB that inflate one by one, so an article costs one or two chunks.
#pragma once

#include "MappedFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

class DictdFile {
public:
    // Articles of one headword beyond this many are left out; so is an article larger
    // than kMaxArticleBytes. Real ones stay far below both.
    static constexpr std::size_t kMaxArticles = 32;
    static constexpr std::size_t kMaxArticleBytes = 64 * 1024;

    // `base`: the path without ".index" and ".dict.dz" (or ".dict").
    explicit DictdFile(const std::string& base);

    // Maps the files and reads the dictzip header; false when either file is missing or
    // the compressed one is not dictzip (tries again on the next call).
    bool open();

    // Whether some headword starts with `prefix`, as the index spells it (lower case).
    bool hasHeadwordPrefix(std::string_view prefix) const;
    // The articles of `headword` as the index spells it, in the index's order.
    std::vector<std::string> articles(std::string_view headword);

private:
    bool readDictzipHeader();
    std::string read(std::uint64_t offset, std::size_t length);
    const std::string& chunk(std::size_t index);

    MappedFile m_index, m_compressed, m_plain;
    bool m_usePlain = false;
    std::size_t m_chunkLength = 0;
    std::vector<std::uint64_t> m_chunkStarts; // one more than the chunks: the end
    // The chunk inflated last: a headword's articles usually sit side by side.
    std::size_t m_cachedIndex = SIZE_MAX;
    std::string m_cached;
};

} // namespace engine
