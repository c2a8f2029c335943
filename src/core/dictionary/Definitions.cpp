// SPDX-License-Identifier: GPL-3.0-or-later
#include "Definitions.h"

#include "core/game/Program.h"
#include "core/game/Tr.h"
#include "engine/DictdFile.h"
#include "engine/WordNet.h"

#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <map>
#include <span>
#include <utility>

namespace Definitions {

namespace {

struct Language {
    const char* code;
    const char* name;     // as Wiktionary names its sections
    const char* freeDict; // the FreeDict dictionary into English; none: WordNet
    // How a folded board word may have been spelt: "folded=original" pairs.
    const char* unfolding;
};

const Language kLanguages[] = {
    {"en", QT_TRANSLATE_NOOP("Definitions", "English"), nullptr, ""},
    {"fr", QT_TRANSLATE_NOOP("Definitions", "French"), "fra-eng",
     "a=à a=â c=ç e=é e=è e=ê e=ë i=î i=ï o=ô u=ù u=û u=ü y=ÿ oe=œ ae=æ"},
    {"de", QT_TRANSLATE_NOOP("Definitions", "German"), "deu-eng", "ae=ä oe=ö ue=ü ss=ß"},
    {"es", QT_TRANSLATE_NOOP("Definitions", "Spanish"), "spa-eng", "a=á e=é i=í o=ó u=ú u=ü n=ñ"},
    {"it", QT_TRANSLATE_NOOP("Definitions", "Italian"), "ita-eng", "a=à e=è e=é i=ì i=í i=î o=ò o=ó u=ù u=ú"},
    {"pt", QT_TRANSLATE_NOOP("Definitions", "Portuguese"), "por-eng", "a=á a=â a=ã a=à c=ç e=é e=ê i=í o=ó o=ô o=õ u=ú u=ü"},
    {"nl", QT_TRANSLATE_NOOP("Definitions", "Dutch"), "nld-eng", "e=é e=è e=ê e=ë i=ï o=ö u=ü ij=ĳ"},
};

using Unfolding = std::vector<std::pair<std::string_view, std::string_view>>;

Unfolding unfoldingOf(const Language& language)
{
    Unfolding out;
    for (std::string_view rest = language.unfolding; !rest.empty();) {
        const std::string_view pair = rest.substr(0, rest.find(' '));
        const std::size_t eq = pair.find('=');
        out.emplace_back(pair.substr(0, eq), pair.substr(eq + 1));
        rest.remove_prefix(std::min(rest.size(), pair.size() + 1));
    }
    return out;
}

const Language* findLanguage(const QString& code)
{
    for (const Language& l : kLanguages)
        if (code == QLatin1String(l.code))
            return &l;
    return nullptr;
}

// Longer than any word of any list; longer input is no word to look up.
constexpr qsizetype kMaxSpelling = 64;
// Prefix searches per unfolded word: a 16-letter word full of accentable letters needs
// a few dozen; the cap only bounds the search.
constexpr int kUnfoldBudget = 1000;

// Adds every headword whose letters fold to `rest` after `prefix`, following only
// prefixes the index has.
void unfold(const engine::DictdFile& dict, const Unfolding& table, std::string_view rest,
            std::string& prefix, std::vector<std::string>& found, int& budget)
{
    if (rest.empty()) {
        if (std::find(found.begin(), found.end(), prefix) == found.end())
            found.push_back(prefix);
        return;
    }
    const auto step = [&](std::string_view piece, std::size_t used) {
        const std::size_t keep = prefix.size();
        prefix += piece;
        if (--budget >= 0 && dict.hasHeadwordPrefix(prefix))
            unfold(dict, table, rest.substr(used), prefix, found, budget);
        prefix.resize(keep);
    };
    step(rest.substr(0, 1), 1);
    for (const auto& [folded, original] : table)
        if (rest.starts_with(folded))
            step(original, folded.size());
}

// FreeDict's grammar marks: word classes first, then gender; the rest are left out.
QString partOfSpeech(const QString& marks)
{
    using Marks = std::span<const std::pair<const char*, const char*>>;
    static const std::pair<const char*, const char*> kClasses[] = {
        {"n", "noun"},           {"v", "verb"},        {"vt", "verb"},
        {"vi", "verb"},          {"adj", "adjective"}, {"adv", "adverb"},
        {"prep", "preposition"}, {"pron", "pronoun"},  {"conj", "conjunction"},
        {"int", "interjection"}, {"num", "numeral"},   {"art", "article"}};
    static const std::pair<const char*, const char*> kGenders[] = {
        {"masc", "masculine"}, {"fem", "feminine"}, {"neut", "neuter"}};
    const QStringList given = marks.split(QLatin1Char(','), Qt::SkipEmptyParts);
    QStringList out;
    for (const Marks table : {Marks(kClasses), Marks(kGenders)})
        for (const QString& m : given)
            for (const auto& [mark, name] : table)
                if (m.trimmed() == QLatin1String(mark) && !out.contains(QLatin1String(name)))
                    out << QLatin1String(name);
    return out.join(QStringLiteral(", "));
}

// An article: "headword /pronunciation/ <marks>", then a gloss a line, numbered when
// there are several; German ones add examples, notes, synonyms and cross-references.
Entry parseArticle(const std::string& article)
{
    static const QRegularExpression kMarks(QStringLiteral("<([^<>]*)>\\s*$"));
    static const QRegularExpression kNumber(QStringLiteral("^\\d+\\.\\s+"));
    // Grammar marks and pronunciations inside a gloss: "avenue <n>", "Ave, /ˈɑːvɛ/".
    static const QRegularExpression kNoise(QStringLiteral("<[^<>]*>|\\s/[^/\\s][^/]*/"));
    static const QRegularExpression kSkipped(
        QStringLiteral("^(\"|see:|Synonyms?:|Antonyms?:|Note:)"));
    const QStringList lines = QString::fromUtf8(article).split(QLatin1Char('\n'));
    const QString& first = lines[0];
    Entry e;
    qsizetype end = first.indexOf(QStringLiteral(" /"));
    if (end < 0)
        end = first.indexOf(QStringLiteral(" <"));
    e.word = first.left(end).trimmed();
    if (const auto m = kMarks.match(first); m.hasMatch())
        e.partOfSpeech = partOfSpeech(m.captured(1));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QString s = lines[i].trimmed();
        if (s.isEmpty() || kSkipped.match(s).hasMatch())
            continue;
        s.remove(kNumber);
        // "avenue <n>Ave,  /ˈɑːvɛ/ , alley <n>": avenue Ave, alley
        s = s.replace(kNoise, QStringLiteral(" ")).simplified();
        s.replace(QStringLiteral(" ,"), QStringLiteral(","))
            .replace(QStringLiteral(",,"), QStringLiteral(","));
        while (s.endsWith(QLatin1Char(',')))
            s.chop(1);
        if (!s.isEmpty())
            e.senses << s;
    }
    return e;
}

// Adds a part of speech, or its senses to the same word's entry of that part of speech.
void addEntry(std::vector<Entry>& entries, Entry e)
{
    if (e.word.isEmpty() || e.senses.isEmpty())
        return;
    for (Entry& have : entries)
        if (have.word == e.word && have.partOfSpeech == e.partOfSpeech) {
            for (const QString& s : e.senses)
                if (!have.senses.contains(s))
                    have.senses << s;
            return;
        }
    entries.push_back(std::move(e));
}

} // namespace

struct Library::Impl {
    Folders folders;
    std::unique_ptr<engine::WordNet> wordNet;
    std::map<std::string, std::unique_ptr<engine::DictdFile>> freeDict;

    std::vector<Entry> english(const std::vector<std::string>& spellings)
    {
        static const char* const kNames[] = {"noun", "verb", "adjective", "adverb"};
        std::vector<Entry> entries;
        for (int p = 0; p < engine::WordNet::kPartsOfSpeech; ++p) {
            const auto pos = static_cast<engine::WordNet::PartOfSpeech>(p);
            for (const std::string& s : spellings)
                for (const std::string& lemma : wordNet->lemmas(s, pos)) {
                    Entry e{
                        QString::fromStdString(lemma).replace(QLatin1Char('_'), QLatin1Char(' ')),
                        QLatin1String(kNames[p]),
                        {}};
                    for (const std::string& g : wordNet->glosses(lemma, pos))
                        e.senses << QString::fromStdString(g);
                    addEntry(entries, std::move(e));
                }
        }
        return entries;
    }

    std::vector<Entry> translated(engine::DictdFile& dict, const Unfolding& table,
                                  const std::vector<std::string>& spellings)
    {
        std::vector<std::string> headwords = spellings;
        std::string prefix;
        int budget = kUnfoldBudget;
        unfold(dict, table, spellings.front(), prefix, headwords, budget);
        std::vector<Entry> entries;
        for (const std::string& h : headwords)
            for (const std::string& article : dict.articles(h))
                addEntry(entries, parseArticle(article));
        return entries;
    }
};

Library::Library(Folders folders) : d(std::make_unique<Impl>())
{
    d->folders = std::move(folders);
}

Library::~Library() = default;

Definition Library::Define(const QString& language, const QStringList& spellings)
{
    Definition def;
    def.language = language;
    std::vector<std::string> lookup; // lower case, UTF-8, each once
    for (const QString& s : spellings) {
        const std::string t = s.trimmed().toLower().toStdString();
        if (!t.empty() && s.size() <= kMaxSpelling &&
            std::find(lookup.begin(), lookup.end(), t) == lookup.end())
            lookup.push_back(t);
    }
    const Language* lang = findLanguage(language);
    if (lang && !lookup.empty()) {
        if (!lang->freeDict) {
            def.package = QStringLiteral("wordnet-base");
            if (!d->wordNet)
                d->wordNet = std::make_unique<engine::WordNet>(d->folders.wordNet);
            if (d->wordNet->open())
                def.entries = d->english(lookup);
            else
                def.outcome = Outcome::NoData;
        } else {
            def.package = QStringLiteral("dict-freedict-") + QLatin1String(lang->freeDict);
            auto& dict = d->freeDict[lang->freeDict];
            if (!dict)
                dict = std::make_unique<engine::DictdFile>(d->folders.freeDict + "/freedict-" +
                                                           lang->freeDict);
            if (dict->open())
                def.entries = d->translated(*dict, unfoldingOf(*lang), lookup);
            else
                def.outcome = Outcome::NoData;
        }
        if (!def.entries.empty())
            def.outcome = Outcome::Found;
    }
    // The page of the word as its language writes it: the spelling the word list had,
    // else the headword found, else the board word.
    QString page = spellings.value(1);
    if (page.isEmpty() && lang && lang->freeDict && !def.entries.empty())
        page = def.entries.front().word;
    if (page.isEmpty())
        page = spellings.value(0).trimmed().toLower();
    if (!page.isEmpty()) {
        def.link = QStringLiteral("https://en.wiktionary.org/wiki/") +
                   QString::fromLatin1(QUrl::toPercentEncoding(page));
        if (lang)
            def.link += QLatin1Char('#') + QLatin1String(lang->name);
    }
    return def;
}

QString DefinitionText(const Definition& definition, bool full)
{
    QStringList lines;
    if (definition.outcome != Outcome::Found)
        lines << core::Tr("Definitions", "No definition here");
    if (const Language* l = findLanguage(definition.language);
        l && definition.outcome == Outcome::NoData)
        lines << core::Tr("Definitions", "Definitions in %1 come with the package %2.")
                     .arg(core::Tr("Definitions", l->name), definition.package);
    for (const Entry& e : definition.entries) {
        lines << (e.partOfSpeech.isEmpty() ? e.word : e.word + " (" + e.partOfSpeech + ")");
        const qsizetype shown =
            full ? e.senses.size() : std::min<qsizetype>(kShortSenses, e.senses.size());
        for (qsizetype i = 0; i < shown; ++i)
            lines << QStringLiteral("%1. %2").arg(i + 1).arg(e.senses[i]);
        if (shown < e.senses.size())
            lines << core::Tr("Definitions", "and %1 more").arg(e.senses.size() - shown);
    }
    return lines.join(QLatin1Char('\n'));
}

bool Shown(const Program& program)
{
    return program.game.TimeRemaining == 0;
}

QString SourcesNotice()
{
    return core::Tr(
        "Definitions",
        "Definitions are read from Debian packages where they are installed; Lettro ships "
        "none of their data.\n"
        "English: WordNet 3.0, copyright 2006 by Princeton University, under the WordNet 3.0 "
        "licence (package wordnet-base).\n"
        "French, Spanish, Italian, Portuguese and Dutch: the FreeDict dictionaries into "
        "English, copyright the FreeDict contributors, under the GNU GPL version 2 or later "
        "(packages dict-freedict-fra-eng, dict-freedict-spa-eng, dict-freedict-ita-eng, "
        "dict-freedict-por-eng, dict-freedict-nld-eng).\n"
        "German: the FreeDict German-English dictionary, copyright Frank Richter and Einhard "
        "Leichtfuß, under the GNU GPL version 3 or later (package dict-freedict-deu-eng).");
}

} // namespace Definitions
