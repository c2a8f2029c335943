// SPDX-License-Identifier: GPL-3.0-or-later
#include "Languages.h"

#include "Engine.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace engine {

namespace {

constexpr std::array<Language, 7> kLanguages = {{
    {"en", "English"},
    {"fr", "Français"},
    {"de", "Deutsch", true},
    {"es", "Español"},
    {"it", "Italiano"},
    {"pt", "Português"},
    {"nl", "Nederlands"},
}};

// One letter of a word list and how the language's word games write it.
struct Fold {
    char32_t letter;
    const char* letters;
};

// Each language's own letters beyond a-z, as data/README-languages.md lists them; a word
// with any letter not in its language's table is left out.
constexpr Fold kFrench[] = {
    {U'à', "a"}, {U'â', "a"}, {U'ä', "a"}, {U'ç', "c"}, {U'é', "e"}, {U'è', "e"}, {U'ê', "e"},
    {U'ë', "e"}, {U'î', "i"}, {U'ï', "i"}, {U'ô', "o"}, {U'ö', "o"}, {U'ù', "u"}, {U'û', "u"},
    {U'ü', "u"}, {U'ú', "u"}, {U'ÿ', "y"}, {U'œ', "oe"}, {U'æ', "ae"},
};
constexpr Fold kGerman[] = {
    {U'ä', "ae"}, {U'ö', "oe"}, {U'ü', "ue"}, {U'ß', "ss"}, {U'à', "a"}, {U'â', "a"},
    {U'ç', "c"},  {U'é', "e"},  {U'è', "e"},  {U'ê', "e"},  {U'ñ', "n"},
};
constexpr Fold kSpanish[] = {
    {U'á', "a"}, {U'é', "e"}, {U'í', "i"}, {U'ó', "o"}, {U'ú', "u"}, {U'ü', "u"}, {U'ñ', "n"},
};
constexpr Fold kItalian[] = {
    {U'à', "a"}, {U'è', "e"}, {U'é', "e"}, {U'ì', "i"}, {U'í', "i"},
    {U'î', "i"}, {U'ò', "o"}, {U'ó', "o"}, {U'ù', "u"}, {U'ú', "u"},
};
constexpr Fold kPortuguese[] = {
    {U'á', "a"}, {U'à', "a"}, {U'â', "a"}, {U'ã', "a"}, {U'ç', "c"}, {U'é', "e"}, {U'ê', "e"},
    {U'è', "e"}, {U'í', "i"}, {U'î', "i"}, {U'ó', "o"}, {U'ô', "o"}, {U'õ', "o"}, {U'ú', "u"},
    {U'ü', "u"},
};
constexpr Fold kDutch[] = {
    {U'á', "a"}, {U'à', "a"}, {U'â', "a"}, {U'ä', "a"}, {U'ç', "c"}, {U'é', "e"}, {U'è', "e"},
    {U'ê', "e"}, {U'ë', "e"}, {U'í', "i"}, {U'ì', "i"}, {U'î', "i"}, {U'ï', "i"}, {U'ñ', "n"},
    {U'ó', "o"}, {U'ò', "o"}, {U'ô', "o"}, {U'ö', "o"}, {U'ú', "u"}, {U'ù', "u"}, {U'û', "u"},
    {U'ü', "u"},
};

std::span<const Fold> foldsOf(std::string_view code)
{
    if (code == "fr") return kFrench;
    if (code == "de") return kGerman;
    if (code == "es") return kSpanish;
    if (code == "it") return kItalian;
    if (code == "pt") return kPortuguese;
    if (code == "nl") return kDutch;
    return {};
}

// The next character of UTF-8 text; 0 for anything but ASCII or a two-byte sequence,
// which covers every letter the tables know.
char32_t nextCharacter(std::string_view text, std::size_t& at)
{
    const auto first = static_cast<unsigned char>(text[at++]);
    if (first < 0x80)
        return first;
    if (first < 0xC2 || first > 0xDF || at >= text.size())
        return 0;
    const auto second = static_cast<unsigned char>(text[at++]);
    if ((second & 0xC0) != 0x80)
        return 0;
    return char32_t(first & 0x1F) << 6 | char32_t(second & 0x3F);
}

bool isCapital(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= U'À' && c <= U'Þ' && c != U'×');
}

} // namespace

std::span<const Language> languages()
{
    return kLanguages;
}

const Language* findLanguage(std::string_view code)
{
    const auto found = std::find_if(kLanguages.begin(), kLanguages.end(),
                                    [&](const Language& l) { return code == l.code; });
    return found == kLanguages.end() ? nullptr : &*found;
}

std::string languageFile(const std::string& englishFile, std::string_view code)
{
    if (code == kEnglish)
        return englishFile;
    const std::size_t name = englishFile.find_last_of("/\\") + 1; // 0 when there is no folder
    std::size_t dot = englishFile.rfind('.');
    if (dot == std::string::npos || dot < name)
        dot = englishFile.size();
    return englishFile.substr(0, dot) + '-' + std::string(code) + englishFile.substr(dot);
}

std::string defaultLanguage(std::string_view localeName)
{
    const std::string_view code = localeName.substr(0, localeName.find_first_of("_-."));
    return code != kEnglish && findLanguage(code) ? std::string(code) : kEnglish;
}

std::optional<std::string> foldWord(const Language& language, std::string_view word)
{
    const std::span<const Fold> folds = foldsOf(language.code);
    std::string out;
    for (std::size_t at = 0; at < word.size();) {
        const bool first = at == 0;
        char32_t c = nextCharacter(word, at);
        if (isCapital(c)) {
            // A German noun keeps its word; any other capital marks a name or an
            // abbreviation ("ABC", "GmbH").
            if (!language.capitalNouns || !first)
                return std::nullopt;
            c += U'a' - U'A';
        }
        if (c >= U'a' && c <= U'z') {
            out += static_cast<char>(c);
            continue;
        }
        const auto fold = std::find_if(folds.begin(), folds.end(),
                                       [c](const Fold& f) { return f.letter == c; });
        if (fold == folds.end())
            return std::nullopt;
        out += fold->letters;
    }
    if (out.size() < std::size_t(kDefaultMinWordSize) || out.size() > std::size_t(kAbsoluteMaxWordSize))
        return std::nullopt;
    // The lists write some abbreviations in small letters (bzw, lkw, dvd); none has a vowel.
    if (out.find_first_of("aeiouy") == std::string::npos)
        return std::nullopt;
    return out;
}

std::string shippedDictionary(const char* argv0, std::string_view code)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        self = fs::absolute(argv0, ec);
    const std::string name = languageFile("Dictionary.dat", code);
    const fs::path beside = self.parent_path() / name;
    if (fs::exists(beside, ec))
        return beside.string();
    return (self.parent_path() / ".." / "share" / "lettro" / name).lexically_normal().string();
}

} // namespace engine
