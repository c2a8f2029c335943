// A word of up to 16 letters packed into two big-endian integers, zero padded, so that
// comparing keys compares the words alphabetically ("ab" < "abc" < "abd").
#pragma once

#include <compare>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace engine::detail {

inline constexpr int kKeyLetters = 16;

struct WordKey {
    std::uint64_t hi = 0; // letters 0..7
    std::uint64_t lo = 0; // letters 8..15
    friend constexpr auto operator<=>(const WordKey&, const WordKey&) = default;
};

inline std::uint64_t loadBigEndian(const unsigned char* bytes)
{
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v = (v << 8) | bytes[i];
    return v;
}

inline void storeBigEndian(std::uint64_t v, unsigned char* bytes)
{
    for (int i = 7; i >= 0; --i) {
        bytes[i] = static_cast<unsigned char>(v & 0xff);
        v >>= 8;
    }
}

// `letters` must be at most 16 characters.
inline WordKey makeKey(const char* letters, std::size_t length)
{
    unsigned char buf[kKeyLetters] = {};
    std::memcpy(buf, letters, length);
    return {loadBigEndian(buf), loadBigEndian(buf + 8)};
}

inline WordKey makeKey(std::string_view word) { return makeKey(word.data(), word.size()); }

// The character at `index` (0..15), or 0 past the end of the word.
inline unsigned char keyChar(const WordKey& key, int index)
{
    if (index >= kKeyLetters)
        return 0;
    const std::uint64_t half = index < 8 ? key.hi : key.lo;
    return static_cast<unsigned char>(half >> (56 - 8 * (index & 7)));
}

inline WordKey withChar(WordKey key, int index, unsigned char c)
{
    const int shift = 56 - 8 * (index & 7);
    if (index < 8)
        key.hi |= std::uint64_t(c) << shift;
    else
        key.lo |= std::uint64_t(c) << shift;
    return key;
}

inline int keyLength(const WordKey& key)
{
    unsigned char buf[kKeyLetters];
    storeBigEndian(key.hi, buf);
    storeBigEndian(key.lo, buf + 8);
    int n = 0;
    while (n < kKeyLetters && buf[n] != 0)
        ++n;
    return n;
}

inline std::string keyToString(const WordKey& key)
{
    char buf[kKeyLetters];
    storeBigEndian(key.hi, reinterpret_cast<unsigned char*>(buf));
    storeBigEndian(key.lo, reinterpret_cast<unsigned char*>(buf) + 8);
    std::size_t n = 0;
    while (n < sizeof buf && buf[n] != 0)
        ++n;
    return std::string(buf, n);
}

} // namespace engine::detail
