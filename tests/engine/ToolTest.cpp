// SPDX-License-Identifier: GPL-3.0-or-later
// lettro-dict, run as a program: what it prints and the status it exits with.
#include "TestFiles.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

TEST(Tool, CommandsOutputAndExitCodes)
{
    enginetest::TempDir dir;
    const std::string dict = dir.path("d.dat"), junk = dir.path("junk.dat");
    enginetest::writeFile(dir.path("words.txt"), "quit\nquite\nCAT\nact\ntac\nx1\nequip\n");
    enginetest::writeFile(junk, "not a dictionary");
    enginetest::writeFile(dir.path("de.txt"), "Straße\nABC\n");
    // Each case: the arguments, the exit code, what is printed ("*" when not checked).
    // Exit 1 is a bad file or board, with one line on stderr, or a word without a
    // definition; 2 is a usage error.
    const struct { std::vector<std::string> args; int exitCode; std::string out; } cases[] = {
        {{"build", dict, dir.path("words.txt")}, 0, "words added: 6\nlines skipped: 1\nwords: 6\n"},
        {{"info", dict}, 0, "words: 6\nmin_word_size: 3\nmax_word_size: 16\n"},
        {{"export", dict}, 0, "act\ncat\nequip\nquit\nquite\ntac\n"},
        // Q E . . / I T . . / C A . .: no P, so no "equip".
        // Word, points, path (4 * row + column).
        {{"solve", dict, "QExxITxxcaxxxxxx"}, 0,
         "act\t1\t9-8-5\ncat\t1\t8-9-5\nquit\t1\t0-4-5\nquite\t2\t0-4-5-1\ntac\t1\t5-9-8\n"},
        // A code's settings count: four letters at least.
        {{"solve", dict, "1en25-qexx-itxx-caxx-xxxx-o"}, 0, "quit\t1\t0-4-5\nquite\t2\t0-4-5-1\n"},
        {{"solve", dict, "1EN25-QEXX-ITXX-CAXX-XXXX-P"}, 1, ""}, // a typo
        // The board of the day's rule, which every copy of this version must keep.
        {{"daily", "--date", "2026-12-07"}, 0, "1EN42-KBOC-SSSR-ASHI-KYEN-3\n"},
        {{"daily", "--language", "fr", "--date", "2026-12-07"}, 0, "1FR42-AETN-DSVI-OGRI-OMEA-E\n"},
        {{"daily", "--date", "2026-02-30"}, 2, "*"},
        {{"info", junk}, 1, ""},
        {{"build", dir.path("new.dat"), dir.path("missing.txt")}, 1, ""},
        {{"build", dir.path("no/such/folder/new.dat"), dir.path("words.txt")}, 1, ""},
        {{"info", dict, "extra"}, 2, "*"},
        // A language's built dictionary is found beside the tool; its word list is folded.
        {{"--language", "it", "info"}, 0, "*"},
        {{"fold", "--language", "de", dir.path("de.txt")}, 0, "strasse\tStraße\n"},
        {{"fold", "--language", "de", "/dev/zero"}, 1, ""}, // would never end
        {{"export", "--language", "xx"}, 2, "*"},
        // Definitions come from the installed data packages.
        {{"define", "cats"}, 0, "cat (noun)\n"
            "1. feline mammal usually having thick soft fur and no ability to roar: domestic cats; wildcats\n"
            "2. an informal term for a youth or man\n3. a spiteful woman gossip\nand 5 more\n"
            "cat (verb)\n1. beat with a cat-o'-nine-tails\n"
            "2. eject the contents of the stomach through the mouth\n"},
        {{"define", "etre", "--language", "fr"}, 0, "être (verb)\n1. be\n"},
        {{"define", "aals"}, 1, "No definition here\nhttps://en.wiktionary.org/wiki/aals#English\n"},
        {{"define", "cat", "--language", "xx"}, 2, "*"},
    };
    for (const auto& c : cases) {
        QStringList args;
        for (const auto& a : c.args)
            args << QString::fromStdString(a);
        QProcess p;
        p.start(QStringLiteral(LETTRO_DICT_TOOL), args);
        ASSERT_TRUE(p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit);
        const std::string what = c.args.empty() ? "(none)" : c.args[0] + " " + c.args.back();
        EXPECT_EQ(p.exitCode(), c.exitCode) << what;
        const std::string out = p.readAllStandardOutput().toStdString();
        const std::string err = p.readAllStandardError().toStdString();
        EXPECT_TRUE(c.out == "*" || out == c.out) << what << ": " << out;
        const bool oneLine = !err.empty() && err.find('\n') == err.size() - 1;
        const bool errorLine = c.exitCode == 1 && c.args[0] != "define";
        EXPECT_TRUE(c.exitCode == 2 || errorLine == oneLine)
            << what << ": one line on errors only: " << err;
    }
}

} // namespace
