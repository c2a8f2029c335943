// SPDX-License-Identifier: GPL-3.0-or-later
// The stored settings: names, text formats, reading at start-up and saving.
#pragma once

struct Program;

namespace Settings {

// Value names in the store.
inline constexpr const char* kTimeLimit = "TimeLimit";
inline constexpr const char* kMinWordSize = "MinWordSize";
inline constexpr const char* kMaxWordSize = "MaxWordSize";
inline constexpr const char* kNumWordsLimit = "NumWordsLimit";
inline constexpr const char* kSounds = "Sounds";
inline constexpr const char* kShowUnusedWords = "ShowUnusedWords";
inline constexpr const char* kRepeatLetters = "RepeatLetters";
inline constexpr const char* kLeftHandedDisplay = "LeftHandedDisplay";
inline constexpr const char* kShowWhereWordCanGo = "ShowWhereWordCanGo"; // "1" or "0"
inline constexpr const char* kComputerOpponents = "ComputerOpponents"; // 0 to 3
inline constexpr const char* kComputerStrength = "ComputerStrength";   // "Easy", "Medium", "Hard"
// Network play: the name and role ("Host" or "Join") last chosen, the host last joined
// and whether it was reached by infrared ("1") or by address ("0").
inline constexpr const char* kNetworkPlayerName = "NetworkPlayerName";
inline constexpr const char* kNetworkMode = "NetworkMode";
inline constexpr const char* kNetworkDevice = "NetworkDevice";
inline constexpr const char* kNetworkIR = "NetworkIR";

// Game values are read through 10 characters.
inline constexpr int kGameValueLength = 10;

// Reads the stored game values once at start-up, after the dictionary is loaded:
// anything absent or unusable silently takes its default.
void ReadSettings(Program& program);

// Writes the game values, the computer opponents and the board language.
void SaveSettings(Program& program);

} // namespace Settings
