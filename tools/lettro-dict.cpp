// SPDX-License-Identifier: GPL-3.0-or-later
// lettro-dict: builds, exports, inspects and tries out dictionary files, and prints
// what a word means.
// Exit status: 0 done, 1 a file or board could not be used, 2 wrong usage.
#include "core/dictionary/Definitions.h"
#include "core/game/GivenBoard.h"
#include "engine/BoardText.h"
#include "engine/Engine.h"
#include "engine/Languages.h"

#include <QDate>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

int usage()
{
    std::cerr << "usage: lettro-dict build OUT.dat WORDFILE...\n"
                 "       lettro-dict export DICT.dat [OUT.txt]\n"
                 "       lettro-dict solve [DICT.dat] BOARD-OR-CODE\n"
                 "       lettro-dict daily [--date YYYY-MM-DD] [--language XX]\n"
                 "       lettro-dict info DICT.dat\n"
                 "       lettro-dict fold --language XX WORDFILE\n"
                 "       lettro-dict define WORD [--language XX]\n"
                 "       lettro-dict --version\n"
                 "--language XX in place of DICT.dat uses the built dictionary of language XX\n"
                 "(en fr de es it pt nl)\n";
    return kUsage;
}

bool load(engine::Engine& e, const std::string& path)
{
    const engine::FileResult r = e.cReadBinaryDictionary(path);
    if (r.ok())
        return true;
    std::cerr << "lettro-dict: " << path << ": " << engine::describe(r) << '\n';
    return false;
}

int build(const std::string& out, const std::vector<std::string>& inputs)
{
    engine::Engine e;
    long long added = 0, skipped = 0;
    for (const std::string& in : inputs) {
        // A pipe or a device would block here, or never end.
        if (const engine::FileResult plain = engine::checkPlainFile(in); !plain.ok()) {
            std::cerr << "lettro-dict: " << in << ": " << engine::describe(plain) << '\n';
            return kFailed;
        }
        std::FILE* probe = std::fopen(in.c_str(), "rb");
        if (!probe) {
            std::cerr << "lettro-dict: " << in << ": cannot open the word file\n";
            return kFailed;
        }
        std::fclose(probe);
        int percent = e.cReadTextFile(in);
        while (percent < 100)
            percent = e.cReadTextFile("dummy");
        if (e.lastMergeCut())
            std::cerr << "lettro-dict: " << in << ": only its first "
                      << (engine::kMaxWordFileBytes >> 20) << " MiB were read\n";
        added += e.lastMergeAdded();
        skipped += e.lastMergeSkipped();
    }
    const engine::FileResult r = e.cWriteBinaryDictionary(out);
    if (!r.ok()) {
        std::cerr << "lettro-dict: " << out << ": " << engine::describe(r) << '\n';
        return kFailed;
    }
    std::cout << "words added: " << added << "\nlines skipped: " << skipped
              << "\nwords: " << e.cNumberOfWords() << '\n';
    return 0;
}

int exportWords(const std::string& dict, const std::string& out)
{
    engine::Engine e;
    if (!load(e, dict))
        return kFailed;
    if (!out.empty()) {
        if (e.cWriteTextFile(out))
            return 0;
        std::cerr << "lettro-dict: " << out << ": the file could not be written\n";
        return kFailed;
    }
    for (int a = 0; a < 26; ++a)
        for (int b = 0; b < 26; ++b) {
            if (e.cDictIndex(a, b) < 0)
                continue;
            e.cStartDecodingWords(a, b);
            for (std::string w = e.cDecodeNextWord(); !w.empty(); w = e.cDecodeNextWord())
                std::cout << w << '\n';
        }
    std::cout.flush();
    return std::cout ? 0 : kFailed;
}

// Every word of a board (16 letters, or a code with its language and settings) as the
// game's solve lists it: "word<TAB>points<TAB>path", the path's cubes as 4 * row + column.
// Without a dictionary, the built one of the code's language.
int solve(const char* argv0, std::string dict, const std::string& text)
{
    const BoardCode::Reading read = BoardCode::Decode(text);
    if (!read.given) {
        std::cerr << "lettro-dict: \"" << text << "\": " << read.error << '\n';
        return kFailed;
    }
    const BoardCode::GivenBoard& given = *read.given;
    if (dict.empty())
        dict = engine::shippedDictionary(argv0, given.Language);
    engine::Engine e;
    if (!load(e, dict))
        return kFailed;
    if (read.settings)
        e.cSetMinWordSize(given.MinWordSize);
    for (const Given::SolvedWord& w : Given::SolveBoard(e, given.Board, given.RepeatLetters)) {
        std::cout << w.Word << '\t' << w.Points << '\t';
        for (std::size_t i = 0; i < w.Path.size(); ++i)
            std::cout << (i ? "-" : "") << w.Path[i];
        std::cout << '\n';
    }
    std::cout.flush();
    return std::cout ? 0 : kFailed;
}

// The code of the board of the day: today's where the user is, unless a date is given.
int daily(const std::vector<std::string>& args)
{
    std::string language = engine::kEnglish;
    QDate date = QDate::currentDate();
    for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == "--language" && engine::findLanguage(args[i + 1]))
            language = args[i + 1];
        else if (args[i] == "--date")
            date = QDate::fromString(QString::fromStdString(args[i + 1]), Qt::ISODate);
        else
            return usage();
    }
    if (args.size() % 2 != 0 || !date.isValid())
        return usage();
    const std::string day = date.toString(Qt::ISODate).toStdString();
    std::cout << BoardCode::Encode(Given::BoardOfTheDay(language, day)) << '\n';
    return 0;
}

int info(const std::string& dict)
{
    engine::Engine e;
    if (!load(e, dict))
        return kFailed;
    std::cout << "words: " << e.cNumberOfWords() << "\nmin_word_size: " << e.cMinWordSize()
              << "\nmax_word_size: " << e.cMaxWordSize() << '\n';
    return 0;
}

// Every word of a language's word list (UTF-8, one a line) that folds into a-z, as
// "folded<TAB>original" lines in the list's order; data/make-language-words.sh sorts them.
int fold(const engine::Language& language, const std::string& wordFile)
{
    // A pipe or a device would block here, or never end.
    if (const engine::FileResult plain = engine::checkPlainFile(wordFile); !plain.ok()) {
        std::cerr << "lettro-dict: " << wordFile << ": " << engine::describe(plain) << '\n';
        return kFailed;
    }
    std::ifstream in(wordFile, std::ios::binary);
    if (!in) {
        std::cerr << "lettro-dict: " << wordFile << ": cannot open the word file\n";
        return kFailed;
    }
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (const auto folded = engine::foldWord(language, line))
            std::cout << *folded << '\t' << line << '\n';
    }
    std::cout.flush();
    return std::cout ? 0 : kFailed;
}

// The text the game shows for the word; without a definition also its Wiktionary page.
int define(const std::vector<std::string>& args)
{
    QString language = QStringLiteral("en"), word;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--language" && i + 1 < args.size())
            language = QString::fromStdString(args[++i]);
        else if (word.isEmpty() && !args[i].starts_with("--"))
            word = QString::fromStdString(args[i]);
        else
            return usage();
    }
    if (word.isEmpty() || !engine::findLanguage(language.toStdString()))
        return usage();
    Definitions::Library library;
    const Definitions::Definition d = library.Define(language, {word});
    std::cout << Definitions::DefinitionText(d, false).toStdString() << '\n';
    if (d.outcome == Definitions::Outcome::Found)
        return 0;
    std::cout << d.link.toStdString() << '\n';
    return kFailed;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    // A definition needs no dictionary: its --language names where to look the word up.
    if (!args.empty() && args[0] == "define")
        return define({args.begin() + 1, args.end()});
    if (!args.empty() && args[0] == "daily")
        return daily({args.begin() + 1, args.end()});
    // --language XX stands for the built dictionary of that language, wherever it comes.
    const engine::Language* language = nullptr;
    if (const auto at = std::find(args.begin(), args.end(), "--language"); at != args.end()) {
        if (at + 1 == args.end() || !(language = engine::findLanguage(at[1])))
            return usage();
        args.erase(at, at + 2);
        if (args.empty())
            return usage();
        if (args[0] == "fold")
            return args.size() == 2 ? fold(*language, args[1]) : usage();
        if (args[0] == "build")
            return usage();
        args.insert(args.begin() + 1, engine::shippedDictionary(argv[0], language->code));
    }
    if (args.empty())
        return usage();
    const std::string& cmd = args[0];
    if (cmd == "--version" && args.size() == 1) {
        std::cout << "lettro-dict " LETTRO_VERSION "\n";
        return 0;
    }
    if (cmd == "build" && args.size() >= 3)
        return build(args[1], {args.begin() + 2, args.end()});
    if (cmd == "export" && (args.size() == 2 || args.size() == 3))
        return exportWords(args[1], args.size() == 3 ? args[2] : std::string());
    if (cmd == "solve" && (args.size() == 2 || args.size() == 3))
        return solve(argv[0], args.size() == 3 ? args[1] : std::string(), args.back());
    if (cmd == "info" && args.size() == 2)
        return info(args[1]);
    return usage();
}
