// SPDX-License-Identifier: GPL-3.0-or-later
// Board codes: a board and how it is played (language, faces, game type, time, smallest
// word, repeat letters) as a short text people can paste in a chat or read aloud.
//
// The code is 22 characters from 0-9 and A-Z, written in groups joined by dashes:
//   1 EN 4 2 - KBOC - SSSR - ASHI - KYEN - 3
//   | |  | |   the 16 faces row by row, Q standing for the Qu cube
//   | |  | smallest word and repeat letters: 2 * (size - 2) + (1 if repeated), base 36
//   | |  game type and time: 10 * type (0 Standard, 1 Frantic) + the time's place in
//   | |  15 30 60 120 180 240 300 600 1200 1800 seconds, base 36
//   | the board language's code
//   the format's version, 1
// and a check character (below). Reading ignores case, dashes and spaces, and takes 16
// letters alone as a board with no settings of its own.
//
// The check character: each character has its value (0-9 then A-Z = 10-35), taken as
// the pair (v div 9, v mod 9) in GF(4) x GF(9). Starting from 0, each of the 21 characters
// sets s = a * s + v, with a = (x, 1 + i) (GF(4) as polynomials mod x^2 + x + 1, GF(9) as
// p + q i with i^2 = -1 and v mod 9 = p + 3q); the check is the character of -a * s, so
// that one more step over it gives 0. This catches every changed character and every two
// neighbours swapped.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace BoardCode {

inline constexpr char kVersion = '1';
inline constexpr int kLength = 22;

struct GivenBoard {
    std::string Language = "en";
    std::string Board; // 16 letters A-Z, Q for the Qu cube
    int GameType = 0;  // 0 Standard, 1 Frantic
    int TimeLimit = 180;
    int MinWordSize = 3;
    bool RepeatLetters = false;
    bool operator==(const GivenBoard&) const = default;
};

// The written code with its dashes; "" when the board or a setting cannot be written
// (no board of 16 letters, a language or time Lettro does not offer).
std::string Encode(const GivenBoard& given);

struct Reading {
    std::optional<GivenBoard> given; // nothing when the text was refused
    bool settings = false;           // false: 16 letters alone, the settings are defaults
    std::string error;               // why it was refused, for the user
};
// A code, or 16 letters typed from a board (Q meaning Qu). A typo is refused, never
// read as another board.
Reading Decode(std::string_view text);

// The check character for `body` (0-9, A-Z); '?' for any other character.
char CheckCharacter(std::string_view body);

} // namespace BoardCode
