// SPDX-License-Identifier: GPL-3.0-or-later
// "What does that word mean?": definitions read offline from optional Debian packages,
// WordNet for English and FreeDict's dictionaries into English for the other board
// languages, and the text that shows them. Files are opened at the first lookup in a
// language, never at start-up; a lookup is a few binary searches and stays well under
// 20 ms (lettro-bench measures it).
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

struct Program;

namespace Definitions {

// Where the data packages put their files.
struct Folders {
    std::string wordNet = "/usr/share/wordnet";
    std::string freeDict = "/usr/share/dictd";
};

// One part of speech of one base form, e.g. "cat", "noun", and its senses, most
// common first.
struct Entry {
    QString word;
    QString partOfSpeech; // may be empty
    QStringList senses;
};

enum class Outcome {
    Found,
    NotFound, // the data are there but do not have the word
    NoData,   // the package that gives this language's definitions is not installed
};

struct Definition {
    Outcome outcome = Outcome::NotFound;
    QString language;           // the board language asked for: en, fr, de, es, it, pt, nl
    std::vector<Entry> entries; // when Found
    QString package;            // the Debian package with this language's definitions
    QString link;               // the word's section on Wiktionary, for a click
};

// A word's definitions. `spellings`: the board word (folded to a-z) first, then the
// spellings it had in its language's word list ("etre", "être"), in any case. English
// words are also looked up by their base forms ("cats": cat, "went": go); in the other
// languages the folded word also finds the headwords it folds from ("etre": être).
// An unknown language gives NotFound with only the link.
class Library {
public:
    explicit Library(Folders folders = {});
    ~Library();
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    Definition Define(const QString& language, const QStringList& spellings);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// The senses shown before "and N more".
inline constexpr int kShortSenses = 3;

// The text shown, one line each: a heading per entry ("cat (noun)") followed by its
// numbered senses, the first kShortSenses of them and "and N more" unless `full`.
// Without a definition: "No definition here", and without the data also the package
// that gives them.
QString DefinitionText(const Definition& definition, bool full);

// Whether the windows show definitions now: never while a game is played, where they
// would tell which words exist.
bool Shown(const Program& program);

// Where the definitions come from and under which licences, for the About box.
QString SourcesNotice();

} // namespace Definitions
