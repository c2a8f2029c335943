// SPDX-License-Identifier: GPL-3.0-or-later
#include "DefinitionBench.h"

#include "core/dictionary/Definitions.h"

#include <QFile>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A line of /proc/self/status in kB, e.g. "RssAnon" (the heap and other private
// memory) or "RssFile" (pages of mapped files, shared with the page cache).
long statusKb(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    for (std::string key; status >> key;) {
        long kb = 0;
        if (key == name + ":" && status >> kb)
            return kb;
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

// Board words as the word lists fold them: accents dropped, German umlauts spelt out.
QString fold(QString word, const QString& language)
{
    word = word.toLower();
    if (language == QLatin1String("de"))
        word.replace(u'ä', QLatin1String("ae"))
            .replace(u'ö', QLatin1String("oe"))
            .replace(u'ü', QLatin1String("ue"))
            .replace(u'ß', QLatin1String("ss"));
    word.replace(u'œ', QLatin1String("oe"))
        .replace(u'æ', QLatin1String("ae"))
        .replace(u'ĳ', QLatin1String("ij"));
    QString out;
    for (QChar c : word.normalized(QString::NormalizationForm_D))
        if (c >= u'a' && c <= u'z')
            out += c;
        else if (!c.isMark())
            return {};
    return out;
}

// Random headwords of a FreeDict dictionary, folded.
std::vector<QString> sampleHeadwords(const QString& language, const std::string& dictionary,
                                     std::mt19937& rng, std::size_t count)
{
    QFile index(QStringLiteral("/usr/share/dictd/freedict-%1.index")
                    .arg(QString::fromStdString(dictionary)));
    std::vector<QString> words;
    if (!index.open(QIODevice::ReadOnly))
        return words;
    while (!index.atEnd()) {
        const QString word =
            fold(QString::fromUtf8(index.readLine().split('\t').value(0)), language);
        if (word.size() >= 3 && word.size() <= 16)
            words.push_back(word);
    }
    std::shuffle(words.begin(), words.end(), rng);
    words.resize(std::min(words.size(), count));
    return words;
}

} // namespace

void printDefinitionFigures(engine::Engine& english)
{
    std::mt19937 rng(20240607);
    std::vector<std::pair<QString, std::vector<QString>>> samples;
    std::vector<QString> englishWords;
    for (int a = 0; a < 26; ++a)
        for (int b = 0; b < 26; ++b) {
            if (english.cDictIndex(a, b) < 0)
                continue;
            english.cStartDecodingWords(a, b);
            for (std::string w = english.cDecodeNextWord(); !w.empty();
                 w = english.cDecodeNextWord())
                englishWords.push_back(QString::fromStdString(w));
        }
    std::shuffle(englishWords.begin(), englishWords.end(), rng);
    englishWords.resize(std::min<std::size_t>(englishWords.size(), 2000));
    samples.emplace_back(QStringLiteral("en"), englishWords);
    const std::pair<const char*, const char*> others[] = {{"fr", "fra-eng"}, {"de", "deu-eng"},
                                                          {"es", "spa-eng"}, {"it", "ita-eng"},
                                                          {"pt", "por-eng"}, {"nl", "nld-eng"}};
    for (const auto& [code, dictionary] : others)
        samples.emplace_back(QLatin1String(code),
                             sampleHeadwords(QLatin1String(code), dictionary, rng, 500));

    const long anonBefore = statusKb("RssAnon"), fileBefore = statusKb("RssFile");
    Definitions::Library library;
    double firstWorst = 0;
    std::vector<double> times;
    int found = 0;
    for (const auto& [language, words] : samples) {
        if (words.empty())
            continue;
        const auto first = Clock::now();
        if (library.Define(language, {words.front()}).outcome == Definitions::Outcome::NoData) {
            std::cout << "definitions_missing: " << language.toStdString() << '\n';
            continue;
        }
        firstWorst = std::max(firstWorst, msSince(first));
        for (const QString& w : words) {
            const auto start = Clock::now();
            const Definitions::Definition d = library.Define(language, {w});
            Definitions::DefinitionText(d, false);
            times.push_back(msSince(start));
            found += d.outcome == Definitions::Outcome::Found;
        }
    }
    if (times.empty())
        return;
    std::sort(times.begin(), times.end());
    std::cout << "definition_first_lookup_ms: " << firstWorst
              << "\ndefinition_lookup_ms: " << times[times.size() / 2]
              << "\ndefinition_lookup_p99_ms: " << times[times.size() * 99 / 100]
              << "\ndefinition_lookup_worst_ms: " << times.back()
              << "\ndefinition_words_found: " << found << " of " << times.size()
              << "\ndefinition_private_kb: " << statusKb("RssAnon") - anonBefore
              << "\ndefinition_mapped_kb: " << statusKb("RssFile") - fileBefore << '\n';
}
