// SPDX-License-Identifier: GPL-3.0-or-later
// A word of up to 16 letters packed into two big-endian integers, zero padded, so that
// comparing keys compares the words alphabetically ("ab" < "abc" < "abd").
#pragma once

#include <bit>
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
#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    std::uint64_t v;
    std::memcpy(&v, bytes, 8);
    return __builtin_bswap64(v);
#else
    std::uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v = (v << 8) | bytes[i];
    return v;
#endif
}

inline void storeBigEndian(std::uint64_t v, unsigned char* bytes)
{
#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    v = __builtin_bswap64(v);
    std::memcpy(bytes, &v, 8);
#else
    for (int i = 7; i >= 0; --i) {
        bytes[i] = static_cast<unsigned char>(v & 0xff);
        v >>= 8;
    }
#endif
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

// Letters are never 0, so the length is where the trailing zero bytes begin.
inline int keyLength(const WordKey& key)
{
    if (key.lo)
        return 16 - std::countr_zero(key.lo) / 8;
    if (key.hi)
        return 8 - std::countr_zero(key.hi) / 8;
    return 0;
}

inline std::string keyToString(const WordKey& key)
{
    unsigned char buf[kKeyLetters];
    storeBigEndian(key.hi, buf);
    storeBigEndian(key.lo, buf + 8);
    return std::string(reinterpret_cast<const char*>(buf), static_cast<std::size_t>(keyLength(key)));
}

// The key of the first `length` (0..16) letters of a buffer that holds at least 16 bytes.
inline WordKey prefixKey(const char* letters, int length)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(letters);
    const std::uint64_t hi = loadBigEndian(bytes);
    const std::uint64_t lo = loadBigEndian(bytes + 8);
    const auto keep = [](int n) { // mask of the first n (0..8) bytes
        return n <= 0 ? 0 : n >= 8 ? ~std::uint64_t(0) : ~(~std::uint64_t(0) >> (8 * n));
    };
    return {hi & keep(length), lo & keep(length - 8)};
}

} // namespace engine::detail
