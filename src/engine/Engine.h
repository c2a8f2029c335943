// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary engine: word storage and lookup, the words of a board, word files.
#pragma once

#include "SaveFile.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// Why a dictionary file could not be read or written.
enum class FileStatus {
    Ok,
    Missing,     // no such file
    Unreadable,  // exists but cannot be opened or read
    NotADictionary, // wrong magic: some other kind of file
    WrongVersion,   // a dictionary of a format version we do not know
    Truncated,      // shorter than its header says
    Damaged,        // checksum or structure wrong
    WriteFailed,    // could not create, write or replace the file
};

// A one-line, user-facing reason, e.g. "the file is damaged (checksum mismatch)".
std::string describe(FileStatus status);

struct FileResult {
    FileStatus status = FileStatus::Ok;
    std::string detail; // extra words for the message (OS error text), may be empty
    bool ok() const { return status == FileStatus::Ok; }
};
// The reason for a failure, with the system's words when it has any.
std::string describe(const FileResult& result);

// Whether `path` is a plain file, checked before anything opens it: a pipe or a device
// would block the reading or never end it. Missing, or Unreadable with the reason.
FileResult checkPlainFile(const std::string& path);

// Replaces `path` with `bytes` atomically through the save file `makeFile` makes (the
// disk when it is empty): the old file survives any failure.
FileResult writeFileAtomically(const std::string& path, const std::string& bytes,
                               const SaveFileMaker& makeFile = {});

// Moves a damaged file out of the way, never over another: <path>.damaged, or
// .damaged-2 ... .damaged-100. The name it now has, or "" when it could not be moved.
std::string keepAside(const std::string& path);

inline constexpr int kAbsoluteMinWordSize = 2;
inline constexpr int kAbsoluteMaxWordSize = 16;
inline constexpr int kDefaultMinWordSize = 3;
// A merge reads at most this much of a word file.
inline constexpr std::uint64_t kMaxWordFileBytes = 64 << 20;

class Engine {
public:
    Engine();
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Word-size limits. Setters clamp to [kAbsoluteMinWordSize, kAbsoluteMaxWordSize].
    int cMinWordSize() const;
    int cMaxWordSize() const;
    void cSetMinWordSize(int length);
    void cSetMaxWordSize(int length);
    // Removes every word longer than cMaxWordSize().
    void cReduceWordSize();

    // Loads the whole dictionary. On failure the dictionary is left empty and the
    // result says why; the word-size limits are then the defaults (3, 16).
    FileResult cReadBinaryDictionary(const std::string& path);
    // Saves atomically: the old file stays intact unless the new one is complete.
    FileResult cWriteBinaryDictionary(const std::string& path) const;

    // Merges a word file in steps. The first call names the file; each later call
    // (with any other text) merges the next step. Returns the percent done (by bytes);
    // 100 or more means finished, also when the file could not be opened.
    int cReadTextFile(const std::string& pathOrDummy);
    // Of the latest (or running) merge: words that were new, and lines that were not
    // words of 3 to cMaxWordSize() letters. Blank lines count as neither.
    int lastMergeAdded() const;
    int lastMergeSkipped() const;
    // Whether the latest merge stopped at kMaxWordFileBytes before the end of its file.
    bool lastMergeCut() const;
    // Writes every word, one per line, alphabetically. False when it could not be written.
    bool cWriteTextFile(const std::string& path) const;

    // Add and remove one word. Words that are not 2-16 letters a-z are ignored by add.
    void cDictionaryAdd(std::string_view word);
    void cDictionaryRemove(std::string_view word);
    void cDictionaryClear();
    int cNumberOfWords() const;
    bool contains(std::string_view word) const;

    // Letter indices 0 ('a') to 25 ('z'). -1 when no word starts with those two letters,
    // otherwise a non-negative number.
    int cDictIndex(int first, int second) const;
    // Starts listing the words that begin with the two letters, alphabetically.
    void cStartDecodingWords(int first, int second);
    // The next word of the listing, or "" when none is left.
    std::string cDecodeNextWord();

    // Finds every distinct dictionary word whose length lies within the word-size
    // limits and that can be traced on the board (16 lower-case letters, 'q' for the
    // Qu cube which stands for "qu"), each cube used at most once. Returns the count.
    int cCheckForAllDefinedWords(std::string_view board);
    // Word `index` of the last cCheckForAllDefinedWords, alphabetical; "" if out of range.
    std::string cGetDefinedWord(int index) const;
    // The words cCheckForAllDefinedWords finds on `board`, alphabetical; their number is
    // its count.
    std::vector<std::string> definedWords(std::string_view board);

    // Bytes held by the loaded dictionary (for the benchmark).
    std::size_t memoryBytes() const;

    // How saves reach the disk (SaveFile.h); tests hand in one that fails on purpose.
    void setSaveFileMaker(SaveFileMaker make);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace engine
