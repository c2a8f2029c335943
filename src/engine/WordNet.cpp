// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordNet.h"

#include <algorithm>
#include <charconv>
#include <span>

namespace engine {

namespace {

constexpr const char* kNames[] = {"noun", "verb", "adj", "adv"};
// A data line is at most a few kilobytes; the cap only bounds a damaged file.
constexpr std::size_t kMaxLine = 64 * 1024;
// More senses than any word has; bounds a damaged index line.
constexpr std::size_t kMaxSenses = 100;

struct Rule {
    std::string_view ending, replacement;
};
// WordNet's own rules of detachment, tried in this order.
constexpr Rule kNounRules[] = {{"s", ""},      {"ses", "s"},   {"xes", "x"},   {"zes", "z"},
                               {"ches", "ch"}, {"shes", "sh"}, {"men", "man"}, {"ies", "y"}};
constexpr Rule kVerbRules[] = {{"s", ""},   {"ies", "y"}, {"es", "e"},  {"es", ""},
                               {"ed", "e"}, {"ed", ""},   {"ing", "e"}, {"ing", ""}};
constexpr Rule kAdjectiveRules[] = {{"er", ""}, {"est", ""}, {"er", "e"}, {"est", "e"}};

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> out;
    for (std::size_t pos = 0; pos < line.size();) {
        const std::size_t end = std::min(line.find(' ', pos), line.size());
        if (end > pos)
            out.push_back(line.substr(pos, end - pos));
        pos = end + 1;
    }
    return out;
}

bool number(std::string_view text, std::size_t& out)
{
    const auto r = std::from_chars(text.data(), text.data() + text.size(), out);
    return r.ec == std::errc() && r.ptr == text.data() + text.size();
}

void addOnce(std::vector<std::string>& list, std::string word)
{
    if (std::find(list.begin(), list.end(), word) == list.end())
        list.push_back(std::move(word));
}

} // namespace

WordNet::WordNet(const std::string& folder)
{
    for (int p = 0; p < kPartsOfSpeech; ++p) {
        const std::string name = kNames[p];
        m_files[p].index = std::make_unique<MappedFile>(folder + "/index." + name);
        m_files[p].data = std::make_unique<MappedFile>(folder + "/data." + name);
        m_files[p].exceptions = std::make_unique<MappedFile>(folder + "/" + name + ".exc");
    }
}

bool WordNet::open()
{
    return std::all_of(m_files.begin(), m_files.end(), [](Files& f) {
        return f.index->open() && f.data->open() && f.exceptions->open();
    });
}

bool WordNet::inIndex(std::string_view lemma, PartOfSpeech pos) const
{
    return !m_files[pos].index->linesWithKey(lemma, ' ', 1).empty();
}

std::vector<std::string> WordNet::lemmas(std::string_view word, PartOfSpeech pos) const
{
    std::vector<std::string> out;
    if (word.empty())
        return out;
    if (inIndex(word, pos))
        out.emplace_back(word);
    bool excepted = false;
    for (std::string_view line : m_files[pos].exceptions->linesWithKey(word, ' ', 8)) {
        const auto f = fields(line);
        for (std::size_t i = 1; i < f.size(); ++i) {
            excepted = true;
            addOnce(out, std::string(f[i]));
        }
    }
    if (excepted)
        return out;
    std::span<const Rule> rules;
    if (pos == Noun && !word.ends_with("ss")) // "boss" is no plural of "bo"
        rules = kNounRules;
    else if (pos == Verb)
        rules = kVerbRules;
    else if (pos == Adjective)
        rules = kAdjectiveRules;
    for (const Rule& r : rules) {
        if (word.size() <= r.ending.size() || !word.ends_with(r.ending))
            continue;
        std::string base(word.substr(0, word.size() - r.ending.size()));
        base += r.replacement;
        if (base != word && inIndex(base, pos)) {
            addOnce(out, std::move(base));
            break;
        }
    }
    return out;
}

std::vector<std::string> WordNet::glosses(std::string_view lemma, PartOfSpeech pos) const
{
    std::vector<std::string> out;
    const auto lines = m_files[pos].index->linesWithKey(lemma, ' ', 1);
    if (lines.empty())
        return out;
    // lemma pos synset_cnt p_cnt [pointer symbol]... sense_cnt tagsense_cnt offset...
    const auto f = fields(lines[0]);
    std::size_t synsets = 0, pointers = 0;
    if (f.size() < 4 || !number(f[2], synsets) || !number(f[3], pointers) || pointers > f.size() ||
        f.size() < 6 + pointers)
        return out;
    const std::size_t first = 6 + pointers;
    synsets = std::min({synsets, f.size() - first, kMaxSenses});
    for (std::size_t i = 0; i < synsets; ++i) {
        std::size_t offset = 0;
        if (!number(f[first + i], offset))
            continue;
        // The line must start with its own offset, or the files do not belong together.
        const std::string_view line = m_files[pos].data->lineAt(offset, kMaxLine);
        const std::size_t bar = line.find(" | ");
        if (!line.starts_with(f[first + i]) || bar == std::string_view::npos)
            continue;
        std::string_view gloss = line.substr(bar + 3);
        // "definition; "an example"; "another"": the examples go.
        const std::size_t example = gloss.find("; \"");
        if (example != std::string_view::npos && example > 0)
            gloss = gloss.substr(0, example);
        while (!gloss.empty() && (gloss.back() == ' ' || gloss.back() == '\r'))
            gloss.remove_suffix(1);
        if (!gloss.empty())
            out.emplace_back(gloss);
    }
    return out;
}

} // namespace engine
