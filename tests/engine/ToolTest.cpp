// lettro-dict, run as a program: what it prints and the status it exits with.
#include "TestFiles.h"
#include "engine/Engine.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifndef LETTRO_DICT_TOOL
#error "LETTRO_DICT_TOOL must name the built lettro-dict"
#endif

namespace {

using enginetest::readFile;
using enginetest::TempDir;
using enginetest::writeFile;

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ToolRun runTool(const std::vector<std::string>& args)
{
    QStringList list;
    for (const auto& a : args)
        list << QString::fromStdString(a);
    QProcess p;
    p.start(QStringLiteral(LETTRO_DICT_TOOL), list);
    ToolRun r;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return r; // a crash or a hang: exit code -1
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

class Tool : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(dir.path("words.txt"), "quit\nquite\nCAT\nact\ntac\nx1\nequip\n");
        const ToolRun r = runTool({"build", dict(), dir.path("words.txt")});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_NE(r.out.find("added: 6"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("skipped: 1"), std::string::npos) << r.out;
    }
    std::string dict() const { return dir.path("d.dat"); }

    TempDir dir;
};

TEST_F(Tool, InfoDescribesTheDictionary)
{
    const ToolRun r = runTool({"info", dict()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "words: 6\nmin_word_size: 3\nmax_word_size: 16\n");
}

TEST_F(Tool, ExportWritesEveryWordToStdoutOrAFile)
{
    const std::string expected = "act\ncat\nequip\nquit\nquite\ntac\n";
    ToolRun r = runTool({"export", dict()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, expected);
    r = runTool({"export", dict(), dir.path("out.txt")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(readFile(dir.path("out.txt")), expected);
    EXPECT_EQ(runTool({"export", dict(), dir.path("")}).exitCode, 1);
}

TEST_F(Tool, SolvePrintsTheBoardWordsInTheEngineOrder)
{
    // Q E . .
    // I T . .
    // C A . .
    // . . . .
    const ToolRun r = runTool({"solve", dict(), "QExxITxxCAxxxxxx"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    // No P on this board, so no "equip".
    EXPECT_EQ(r.out, "act\ncat\nquit\nquite\ntac\n");
    EXPECT_EQ(runTool({"solve", dict(), "qexxitxxcaxxxxxx"}).out, r.out);
    EXPECT_TRUE(r.err.empty());
}

TEST_F(Tool, BadFilesAndBoardsExitWithOne)
{
    writeFile(dir.path("junk.dat"), "not a dictionary");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"info", dir.path("missing.dat")},
             {"info", dir.path("junk.dat")},
             {"export", dir.path("missing.dat")},
             {"solve", dict(), "ABC"},
             {"solve", dict(), "ABCDEFGHIJKLMNO1"},
             {"solve", dir.path("junk.dat"), "ABCDEFGHIJKLMNOP"},
             {"build", dir.path("new.dat"), dir.path("missing.txt")},
             {"build", dir.path("no/such/folder/new.dat"), dir.path("words.txt")},
         }) {
        const ToolRun r = runTool(args);
        EXPECT_EQ(r.exitCode, 1) << args[0] << " " << args[1];
        EXPECT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

TEST_F(Tool, UsageErrorsExitWithTwo)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {},
             {"frobnicate"},
             {"info"},
             {"info", dict(), "extra"},
             {"solve", dict()},
             {"build", dir.path("x.dat")},
             {"export"},
         })
        EXPECT_EQ(runTool(args).exitCode, 2) << (args.empty() ? "(none)" : args[0]);
}

TEST_F(Tool, BuiltDictionaryLoadsInTheEngine)
{
    engine::Engine e;
    ASSERT_TRUE(e.cReadBinaryDictionary(dict()).ok());
    EXPECT_TRUE(e.contains("equip"));
    EXPECT_FALSE(e.contains("x1"));
}

} // namespace
