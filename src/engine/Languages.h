// SPDX-License-Identifier: GPL-3.0-or-later
// The board languages: which there are, the files that belong to each, and how a word of
// a language is written in the engine's letters a-z.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace engine {

struct Language {
    const char* code; // "fr": the stored option, the command line, the network
    const char* name; // "Français": as its speakers write it
    // Where capitals mark nouns rather than names (German): a capital first letter is
    // lowered instead of leaving the word out.
    bool capitalNouns = false;
};

inline constexpr const char* kEnglish = "en";

// English first; the order the options offer them in.
std::span<const Language> languages();
const Language* findLanguage(std::string_view code);

// A language's form of one of English's files: "Dictionary.dat" stays for English and
// becomes "Dictionary-fr.dat" for French. Only the last path part is changed.
std::string languageFile(const std::string& englishFile, std::string_view code);

// The language a new user starts with: the desktop's ("de_DE", "pt-BR") when we have it,
// else English.
std::string defaultLanguage(std::string_view localeName);

// A word of the language's word list (UTF-8) in letters a-z: accents and cedillas
// dropped, German umlauts and ß spelt out; nothing when anything else is left (another
// character, a capital that marks a name or an abbreviation), when the result is not
// 3 to 16 letters long, or when it has no vowel (an abbreviation in small letters).
std::optional<std::string> foldWord(const Language& language, std::string_view word);

// The built dictionary of a language for a program started as `argv0`: beside the program
// in a build folder, else in share/lettro beside its bin folder (installed).
std::string shippedDictionary(const char* argv0, std::string_view code);

} // namespace engine
