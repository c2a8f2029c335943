// SPDX-License-Identifier: GPL-3.0-or-later
#include "Engine.h"

#include "DictionaryFile.h"
#include "Solver.h"
#include "Trie.h"
#include "WordFile.h"
#include "WordKey.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace engine {

using namespace detail;

std::string describe(FileStatus status)
{
    switch (status) {
    case FileStatus::Ok: return "no problem";
    case FileStatus::Missing: return "the file does not exist";
    case FileStatus::Unreadable: return "the file cannot be read";
    case FileStatus::NotADictionary: return "the file is not a Lettro dictionary";
    case FileStatus::WrongVersion: return "the dictionary was made by another version of Lettro";
    case FileStatus::Truncated: return "the file is incomplete";
    case FileStatus::Damaged: return "the file is damaged";
    case FileStatus::WriteFailed: return "the file could not be written";
    }
    return "unknown problem";
}

std::string describe(const FileResult& result)
{
    return result.detail.empty() ? describe(result.status)
                                 : describe(result.status) + " (" + result.detail + ")";
}

namespace {
bool isStorableWord(std::string_view word)
{
    return word.size() >= std::size_t(kAbsoluteMinWordSize)
        && word.size() <= std::size_t(kAbsoluteMaxWordSize)
        && std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

int clampSize(int length) { return std::clamp(length, kAbsoluteMinWordSize, kAbsoluteMaxWordSize); }
} // namespace

// The words live in one of two forms. The trie answers lookups, listings and boards; a
// sorted list of keys takes edits and merges cheaply. Edits turn the trie into the list,
// and the next question that needs the trie builds it again (about 10 ms for 115,000
// words), so a burst of edits costs one rebuild.
struct Engine::Impl {
    int minWordSize = kDefaultMinWordSize;
    int maxWordSize = kAbsoluteMaxWordSize;

    Trie trie;
    std::vector<WordKey> list;
    bool listIsCurrent = false; // true: `list` holds the words and `trie` is out of date
    std::size_t wordCount = 0;

    std::vector<std::string> listing;
    std::size_t listingPos = 0;

    Solver solver;

    WordFileReader reader;
    int mergeAdded = 0;

    SaveFileMaker saveFiles; // empty: the disk
    int mergeSkipped = 0;

    std::vector<WordKey>& editableList()
    {
        if (!listIsCurrent) {
            list = trie.words(wordCount);
            trie = Trie();
            listIsCurrent = true;
        }
        return list;
    }

    const Trie& currentTrie()
    {
        if (listIsCurrent) {
            trie = Trie::build(list);
            list.clear();
            list.shrink_to_fit();
            listIsCurrent = false;
        }
        return trie;
    }

    void clearWords()
    {
        trie = Trie();
        list.clear();
        list.shrink_to_fit();
        listIsCurrent = false;
        wordCount = 0;
    }

    // Merges sorted, unique keys into the dictionary; returns how many were new.
    std::size_t mergeSorted(const std::vector<WordKey>& keys)
    {
        if (keys.empty())
            return 0;
        std::vector<WordKey>& words = editableList();
        std::vector<WordKey> merged;
        merged.reserve(words.size() + keys.size());
        std::set_union(words.begin(), words.end(), keys.begin(), keys.end(),
                       std::back_inserter(merged));
        const std::size_t added = merged.size() - words.size();
        words.swap(merged);
        wordCount = words.size();
        return added;
    }
};

Engine::Engine() : d(std::make_unique<Impl>()) {}
Engine::~Engine() = default;

int Engine::cMinWordSize() const { return d->minWordSize; }
int Engine::cMaxWordSize() const { return d->maxWordSize; }
void Engine::cSetMinWordSize(int length) { d->minWordSize = clampSize(length); }
void Engine::cSetMaxWordSize(int length) { d->maxWordSize = clampSize(length); }

void Engine::cReduceWordSize()
{
    const int max = d->maxWordSize;
    if (max >= kAbsoluteMaxWordSize)
        return;
    std::vector<WordKey>& words = d->editableList();
    std::erase_if(words, [max](const WordKey& k) { return keyChar(k, max) != 0; });
    d->wordCount = words.size();
}

FileResult Engine::cReadBinaryDictionary(const std::string& path)
{
    DictionaryContents contents;
    FileResult result = readDictionaryFile(path, contents);
    d->clearWords();
    if (!result.ok()) {
        d->minWordSize = kDefaultMinWordSize;
        d->maxWordSize = kAbsoluteMaxWordSize;
        return result;
    }
    d->minWordSize = contents.minWordSize;
    d->maxWordSize = contents.maxWordSize;
    d->trie = std::move(contents.trie);
    d->wordCount = contents.wordCount;
    return result;
}

FileResult Engine::cWriteBinaryDictionary(const std::string& path) const
{
    return writeFileAtomically(path,
                               serializeDictionary(d->currentTrie(), d->minWordSize,
                                                   d->maxWordSize,
                                                   static_cast<std::uint32_t>(d->wordCount)),
                               d->saveFiles);
}

void Engine::setSaveFileMaker(SaveFileMaker make)
{
    d->saveFiles = std::move(make);
}

int Engine::cReadTextFile(const std::string& pathOrDummy)
{
    WordFileReader& reader = d->reader;
    // While a merge runs, any text continues it, unless it names another file that can be
    // opened: that starts over with the new file.
    const bool restart = !reader.isOpen()
        || (pathOrDummy != reader.path() && pathOrDummy != "dummy" && !pathOrDummy.empty()
            && WordFileReader().open(pathOrDummy));
    if (restart) {
        d->mergeAdded = 0;
        d->mergeSkipped = 0;
        if (!reader.open(pathOrDummy))
            return 100;
    }
    std::vector<WordKey> keys;
    const bool finished = reader.step(d->maxWordSize, keys);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    d->mergeAdded += static_cast<int>(d->mergeSorted(keys));
    d->mergeSkipped = static_cast<int>(reader.skippedLines());
    return finished ? 100 : reader.percentDone();
}

int Engine::lastMergeAdded() const { return d->mergeAdded; }
int Engine::lastMergeSkipped() const { return d->mergeSkipped; }
bool Engine::lastMergeCut() const
{
    return d->reader.cut();
}

bool Engine::cWriteTextFile(const std::string& path) const
{
    std::string text;
    text.reserve(d->wordCount * 10);
    const auto append = [&text](const WordKey& k) {
        text += keyToString(k);
        text += '\n';
    };
    if (d->listIsCurrent)
        std::for_each(d->list.begin(), d->list.end(), append);
    else
        d->trie.forEachWord(append);
    return writeFileAtomically(path, text, d->saveFiles).ok();
}

void Engine::cDictionaryAdd(std::string_view word)
{
    if (!isStorableWord(word) || contains(word))
        return;
    std::vector<WordKey>& words = d->editableList();
    const WordKey key = makeKey(word);
    words.insert(std::lower_bound(words.begin(), words.end(), key), key);
    d->wordCount = words.size();
}

void Engine::cDictionaryRemove(std::string_view word)
{
    if (!contains(word))
        return;
    std::vector<WordKey>& words = d->editableList();
    const WordKey key = makeKey(word);
    words.erase(std::lower_bound(words.begin(), words.end(), key));
    d->wordCount = words.size();
}

void Engine::cDictionaryClear() { d->clearWords(); }

int Engine::cNumberOfWords() const { return static_cast<int>(d->wordCount); }

bool Engine::contains(std::string_view word) const
{
    if (!isStorableWord(word))
        return false;
    if (d->listIsCurrent)
        return std::binary_search(d->list.begin(), d->list.end(), makeKey(word));
    return d->trie.contains(word);
}

int Engine::cDictIndex(int first, int second) const
{
    if (first < 0 || first >= 26 || second < 0 || second >= 26)
        return -1;
    const Trie& trie = d->currentTrie();
    std::uint32_t node = trie.child(0, first);
    if (node != kNoNode)
        node = trie.child(node, second);
    return node == kNoNode ? -1 : static_cast<int>(node);
}

void Engine::cStartDecodingWords(int first, int second)
{
    d->listing.clear();
    d->listingPos = 0;
    const int node = cDictIndex(first, second);
    if (node < 0)
        return;
    WordKey prefix = withChar(withChar(WordKey{}, 0, static_cast<unsigned char>('a' + first)), 1,
                              static_cast<unsigned char>('a' + second));
    d->trie.forEachWord(static_cast<std::uint32_t>(node), prefix, 2,
                        [this](const WordKey& k) { d->listing.push_back(keyToString(k)); });
}

std::string Engine::cDecodeNextWord()
{
    if (d->listingPos >= d->listing.size()) {
        d->listing.clear();
        d->listing.shrink_to_fit();
        d->listingPos = 0;
        return {};
    }
    return std::move(d->listing[d->listingPos++]);
}

int Engine::cCheckForAllDefinedWords(std::string_view board)
{
    const Trie& trie = d->currentTrie();
    d->solver.solve(trie, board, d->minWordSize, d->maxWordSize);
    return static_cast<int>(d->solver.words().size());
}

std::vector<std::string> Engine::definedWords(std::string_view board)
{
    std::vector<std::string> words(static_cast<std::size_t>(cCheckForAllDefinedWords(board)));
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = cGetDefinedWord(static_cast<int>(i));
    return words;
}

std::string Engine::cGetDefinedWord(int index) const
{
    std::string text;
    const auto& words = d->solver.words();
    if (index < 0 || static_cast<std::size_t>(index) >= words.size())
        return text;
    // Boards are solved by the hundred thousand, each word fetched: copying a fixed 15
    // letters (what a string holds without allocating) and then cutting spares the copy's
    // jumps on the word's length.
    const Solver::Word& word = words[static_cast<std::size_t>(index)];
    if (word.length < kKeyLetters) {
        text.assign(kKeyLetters - 1, '\0');
        std::memcpy(text.data(), word.letters, kKeyLetters - 1);
        text.resize(word.length);
    } else {
        text.assign(word.letters, word.length);
    }
    return text;
}

std::size_t Engine::memoryBytes() const
{
    std::size_t listing = d->listing.capacity() * sizeof(std::string);
    for (const std::string& s : d->listing)
        if (s.capacity() > 15)
            listing += s.capacity() + 1;
    return sizeof(Impl) + d->trie.bytes() + d->list.capacity() * sizeof(WordKey)
        + d->solver.bytes() + listing;
}

} // namespace engine
