// SPDX-License-Identifier: GPL-3.0-or-later
// Definitions from the installed data packages (the tests need them), from none, and
// from damaged files.
#include "DictionaryProgram.h"

#include "core/dictionary/Definitions.h"

namespace {

using Definitions::Outcome;

TEST(Definitions, firstLinesByLanguageAndWithoutTheData)
{
    Definitions::Library installed;
    QTemporaryDir empty;
    Definitions::Library none({empty.path().toStdString(), empty.path().toStdString()});
    const QString feline = "1. feline mammal usually having thick soft fur and no ability to "
                           "roar: domestic cats; wildcats";
    // The language, the spellings, how the short text starts, a line it has, one it lacks,
    // the link ("" not checked).
    const struct {
        bool data;
        QString language;
        QStringList spellings;
        QString start, has, lacks, link;
    } cases[] = {
        {true, "en", {"cat"}, "cat (noun)\n" + feline, "and 5 more", "4. ", ""},
        {true, "en", {"cats"}, "cat (noun)\n" + feline, "cat (verb)", "", ""},
        {true, "en", {"went"}, "go (verb)\n1. change location; move, travel, or proceed", "", "", ""},
        {true, "en", {"saw"}, "saw (noun)\n", "see (verb)", "", ""},
        // "boss" is not the plural of the genus "bos".
        {true, "en", {"boss"}, "boss (noun)\n1. a person who exercises control", "", "bos (noun)", ""},
        {true, "fr", {"coeur", "cœur"}, "cœur (noun, masculine)\n1. heart", "", "", "https://en.wiktionary.org/wiki/c%C5%93ur#French"},
        {true, "fr", {"peche"}, "péché (noun, masculine)\n1. sin, transgression", "pêche (noun, feminine)", "", ""},
        {true, "fr", {"chats"}, "No definition here", "", "", "https://en.wiktionary.org/wiki/chats#French"},
        // Its article spans two chunks of the compressed file.
        {true, "fr", {"essayer"}, "essayer (verb)\n1. attempt, test, try", "", "", ""},
        // Grammar marks and pronunciations inside a gloss go.
        {true, "de", {"strasse"}, "Straße (noun, feminine)\n1. avenue Ave, alley\n2. road Rd\n", "", "", "https://en.wiktionary.org/wiki/Stra%C3%9Fe#German"},
        {true, "nl", {"zijn"}, "zĳn\n1. existence", "", "", ""},
        {true, "xx", {"cat"}, "No definition here", "", "", "https://en.wiktionary.org/wiki/cat"},
        {false, "en", {"cat"}, "No definition here\nDefinitions in English come with the package wordnet-base.", "", "", "https://en.wiktionary.org/wiki/cat#English"},
        {false, "de", {"katze", "Katze"}, "No definition here\nDefinitions in German come with the package dict-freedict-deu-eng.", "", "", "https://en.wiktionary.org/wiki/Katze#German"},
    };
    for (const auto& c : cases) {
        const Definitions::Definition d = (c.data ? installed : none).Define(c.language, c.spellings);
        const QString text = Definitions::DefinitionText(d, false);
        const QString what = c.language + " " + c.spellings[0] + ":\n" + text;
        EXPECT_TRUE(text.startsWith(c.start)) << qPrintable(what);
        EXPECT_TRUE(c.has.isEmpty() || text.split('\n').contains(c.has)) << qPrintable(what);
        EXPECT_TRUE(c.lacks.isEmpty() || !text.contains(c.lacks)) << qPrintable(what);
        EXPECT_TRUE(c.link.isEmpty() || d.link == c.link) << qPrintable(d.link);
        EXPECT_EQ(d.outcome == Outcome::Found, !text.startsWith("No definition")) << qPrintable(what);
    }
    const QString full = Definitions::DefinitionText(installed.Define("en", {"cat"}), true);
    EXPECT_TRUE(full.contains("\n8. ") && !full.contains("more")) << qPrintable(full);
}

TEST(Definitions, damagedFilesGiveNoDefinitionNeverACrash)
{
    QFile real("/usr/share/dictd/freedict-fra-eng.dict.dz");
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    const QByteArray dz = real.readAll();
    const QByteArray synset = "00000000 03 n 01 cat 0 000 | a small animal; \"an example\"\n";
    const QString missing = "No definition here\nDefinitions in French come with the package";
    // A dictzip file of one 64-byte chunk that keeps its file name, as dictzip writes small
    // files; the article ends where the chunk does.
    const QByteArray deflated = qCompress(QByteArray(50, 'x') + "\nchat <n>\ncat\n").mid(6).chopped(4);
    QByteArray small("\x1f\x8b\x08\x0c\0\0\0\0\0\x03\x0c\0RA\x08\0\x01\0\x40\0\x01\0", 22);
    small += char(deflated.size()) + QByteArray(1, '\0') + QByteArray("chat.dict", 10) + deflated;
    // WordNet's index.noun and data.noun for "cat", or FreeDict's French index and
    // articles for "chat"; how the text starts.
    const struct {
        QString language;
        QByteArray index, data;
        QString start;
    } cases[] = {
        {"en", "cat n 1 0 1 0 00000000\n", synset, "cat (noun)\n1. a small animal\n"},
        {"en", "cat n 1 0 1 0 00000001\n", synset, "No definition here"}, // inside a line
        {"en", "cat n 1 0 1 0 99999999\n", synset, "No definition here"}, // past the end
        {"en", "cat n 1 999 1 0 00000000\n", synset, "No definition here"}, // short line
        // Offset 1, 61 bytes: the first two lines of the real articles.
        {"fr", "chat\tB\t9\n", dz, "00-database-dictfmt-1.13.0\n1. French-English FreeDict Dictionary"},
        {"fr", "chat\t/////\t9\n", dz, "No definition here"},
        {"fr", "chat\tB\t/////\n", dz, "No definition here"},
        {"fr", "chat\tB\n", dz, "No definition here"},
        {"fr", "chat\tz\tN\n", small, "chat (noun)\n1. cat\n"},
        {"fr", "chat\tB\t9\n", dz.left(100), missing},                            // chunks cut off
        {"fr", "chat\tB\t9\n", QByteArray("\x1f\x8b\x08\0\0\0\0\0\0\x03xyz", 13), missing}, // no chunks
    };
    for (const auto& c : cases) {
        DictionaryProgram dir({}, false); // a folder to write the files in
        for (const char* pos : {"noun", "verb", "adj", "adv"})
            for (const QString name : {"index.%1", "data.%1", "%1.exc"})
                dir.write(qPrintable(name.arg(pos)), "x\n");
        dir.write(c.language == "en" ? "index.noun" : "freedict-fra-eng.index", c.index);
        dir.write(c.language == "en" ? "data.noun" : "freedict-fra-eng.dict.dz", c.data);
        const std::string folder = dir.folder.path().toStdString();
        Definitions::Library library({folder, folder});
        const QString text = Definitions::DefinitionText(
            library.Define(c.language, {c.language == "en" ? "cat" : "chat"}), false);
        EXPECT_TRUE((text + "\n").startsWith(c.start)) << qPrintable(c.index + ":\n" + text);
    }
}

} // namespace
