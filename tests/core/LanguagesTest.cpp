// SPDX-License-Identifier: GPL-3.0-or-later
// Every board language: its words folded into a-z, its built dictionary, its dice, the
// notice of its word list; and a language put in play with its own files.
#include "DictionaryProgram.h"

#include "core/board/DiceTables.h"
#include "core/game/BoardLanguage.h"
#include "core/game/Options.h"
#include "engine/Languages.h"

#include <fstream>

namespace {

using engine::languageFile;

std::string Fold(const char* code, const char* word)
{
    return engine::foldWord(*engine::findLanguage(code), word).value_or("-");
}

// What a language's dictionary must not hold: its list of slurs, a word ending in * for
// every word that starts with the letters before it.
std::vector<std::string> Offensive(const std::string& code)
{
    std::ifstream in(languageFile(LETTRO_DATA_FOLDER "/offensive-words.txt", code));
    std::vector<std::string> words;
    std::string line;
    std::getline(in, line); // what the list is for
    while (std::getline(in, line))
        words.push_back(line);
    return words;
}

bool HoldsWordStartingWith(engine::Engine& e, const std::string& stem)
{
    e.cStartDecodingWords(stem[0] - 'a', stem[1] - 'a');
    bool found = false;
    for (std::string w = e.cDecodeNextWord(); !w.empty(); w = e.cDecodeNextWord())
        found = found || w.starts_with(stem);
    return found;
}

TEST(Languages, foldingDictionaryDiceAndNoticeOfEach)
{
    // Each language: words of its list and what they fold to ("-": left out: a name, an
    // apostrophe, a hyphen or a letter of another language), and the number of words its
    // built dictionary holds.
    const struct {
        const char* code;
        std::vector<std::pair<const char*, const char*>> folds;
        int fewest, most;
    } cases[] = {
        {"en", {{"cat", "cat"}, {"café", "-"}, {"Paris", "-"}, {"don't", "-"}}, 110000, 120000},
        {"fr",
         {{"élève", "eleve"}, {"garçon", "garcon"}, {"cœur", "coeur"}, {"naïf", "naif"},
          {"peut-être", "-"}, {"straße", "-"}},
         300000, 340000},
        {"de",
         {{"Straße", "strasse"}, {"Ärger", "aerger"}, {"müde", "muede"}, {"Haus", "haus"},
          {"Café", "cafe"}, {"ABC", "-"}, {"GmbH", "-"}, {"Ab", "-"}, {"bzw", "-"}},
         290000, 330000},
        {"es",
         {{"niño", "nino"}, {"pingüino", "pinguino"}, {"canción", "cancion"}, {"garçon", "-"}},
         80000, 90000},
        {"it", {{"città", "citta"}, {"perché", "perche"}, {"niño", "-"}}, 100000, 112000},
        {"pt", {{"coração", "coracao"}, {"pão", "pao"}, {"avô", "avo"}, {"señor", "-"}},
         360000, 400000},
        {"nl", {{"ideeën", "ideeen"}, {"café", "cafe"}, {"cd2", "-"},
                {"aaaaabbbbbcccccdd", "-"}}, // 17 letters
         295000, 330000},
    };
    Dice::Faces english;
    Dice::InitDice(english);
    ASSERT_EQ(std::size(cases), engine::languages().size());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        for (const auto& [word, folded] : c.folds)
            EXPECT_EQ(Fold(c.code, word), folded) << word;

        engine::Engine e;
        ASSERT_TRUE(e.cReadBinaryDictionary(languageFile(LETTRO_SHIPPED_DICTIONARY, c.code)).ok());
        EXPECT_GE(e.cNumberOfWords(), c.fewest);
        EXPECT_LE(e.cNumberOfWords(), c.most);
        const std::vector<std::string> offensive = Offensive(c.code);
        EXPECT_FALSE(offensive.empty());
        for (const std::string& w : offensive)
            EXPECT_FALSE(w.ends_with('*') ? HoldsWordStartingWith(e, w.substr(0, w.size() - 1))
                                          : e.contains(w))
                << w;

        // 16 dice of 6 faces A-Z, one at most showing Qu; each language its own.
        Dice::Faces faces;
        Dice::InitDice(faces, c.code);
        EXPECT_EQ(faces == english, c.code == std::string("en"));
        std::string all;
        for (const std::string& die : faces) {
            EXPECT_EQ(die.size(), 6u) << die;
            all += die;
        }
        EXPECT_TRUE(std::all_of(all.begin(), all.end(), [](char l) { return l >= 'A' && l <= 'Z'; }));
        EXPECT_LE(std::count(all.begin(), all.end(), 'Q'), 1) << all;

        EXPECT_TRUE(BoardLanguage::WordListNotice(c.code).contains("opyright")) << "its notice";
        EXPECT_EQ(engine::defaultLanguage(std::string(c.code) + "_XX.UTF-8"), c.code);
    }
    for (const char* other : {"sv_SE", "C", ""})
        EXPECT_EQ(engine::defaultLanguage(other), "en") << other;
    EXPECT_EQ(languageFile("/a.b/HighScores.txt", "de") + languageFile("/a.b/c", "nl") +
                  languageFile("x.dat", "en"),
              "/a.b/HighScores-de.txt/a.b/c-nlx.dat");
}

// A program folder with an English dictionary, and a user's folder with their own French
// dictionary and French high scores.
struct TwoLanguages : DictionaryProgram {
    TwoLanguages() : DictionaryProgram({"cat", "dog"}, false)
    {
        p.UserFolder = user.path().toStdString();
        p.highScores.File = user.filePath("HighScores.txt").toStdString();
        engine::Engine french;
        french.cDictionaryAdd("chat");
        EXPECT_TRUE(french.cWriteBinaryDictionary(p.UserFolder + "/Dictionary-fr.dat").ok());
        QFile scores(user.filePath("HighScores-fr.txt"));
        EXPECT_TRUE(scores.open(QIODevice::WriteOnly));
        scores.write("Lettro high scores 1\n0\t180\t5\t3\t10\t2026-01-02\tAnne\n");
    }
    std::string state() const
    {
        return p.dictionary.Language + " " + p.options.BoardLanguage + " " +
               std::to_string(p.engine.cNumberOfWords()) + " " + p.board.DieFaces[0] + " " +
               std::to_string(p.highScores.Table.size()) + " " +
               std::to_string(p.engine.cMinWordSize());
    }
    QTemporaryDir user;
};

TEST(Languages, aLanguageIsChosenAtStartUpAndInTheOptions)
{
    // Start-up: the command line, else the stored choice, else the desktop's (English here).
    const struct {
        const char* stored;
        std::optional<std::string> commandLine;
        const char* language;
    } starts[] = {{nullptr, {}, "en"}, {"fr", {}, "fr"}, {"xx", {}, "en"}, {"en", "fr", "fr"}};
    for (const auto& s : starts) {
        TwoLanguages t;
        if (s.stored)
            t.p.settings->cSetRegValue(engine::kSettingsKey, "BoardLanguage", s.stored);
        t.p.CommandLineLanguage = s.commandLine;
        BoardLanguage::ChooseAtStartUp(t.p);
        EXPECT_EQ(t.p.dictionary.Language + t.p.options.BoardLanguage,
                  std::string(s.language) + s.language);
    }

    // The options: a change during a game asks as a change of game type does.
    for (const core::Answer answer : {core::Answer::No, core::Answer::Yes}) {
        TwoLanguages t;
        t.p.Seed = 1;
        Game::StartUp(t.p);
        t.p.engine.cSetMinWordSize(4);
        t.p.game.TimeRemaining = 60;
        t.prompter.answer(answer);
        Common::OptionsValues v = Common::FillOptionsDialog(t.p);
        v.BoardLanguage = 1; // Français
        v.Sounds = false;
        Common::ApplyOptions(t.p, v);
        EXPECT_EQ(t.prompter.texts().first(), "Changing the board language now will abort the "
                                              "current game.  Are you sure you want to do this?");
        if (answer == core::Answer::No) {
            EXPECT_EQ(t.state(), "en en 2 EDAMCP 0 4");
            EXPECT_EQ(t.p.game.TimeRemaining, 60);
            continue;
        }
        // The game is over; the user's own French dictionary, French dice and high scores
        // are in play, and nothing else of the dialog was applied. (The choice is stored:
        // OptionsDialog.boardLanguageIsStoredAndTheWindowsFollowIt.)
        EXPECT_EQ(t.state(), "fr fr 1 " + std::string(Dice::kLanguageDice[0].faces[0]) + " 1 4");
        EXPECT_EQ(t.p.game.TimeRemaining, 0);
        EXPECT_TRUE(t.p.options.SoundsOn);

        // Back to English with a change made to the French dictionary: it is offered for
        // saving first, into the user's French copy.
        Dictionary::AddDictionaryWord(t.p, "chien");
        t.prompter.answer(core::Answer::Yes);
        v = Common::FillOptionsDialog(t.p);
        v.BoardLanguage = 0;
        Common::ApplyOptions(t.p, v);
        EXPECT_EQ(t.prompter.texts().last(), "Dictionary has been updated, do you want to save it?");
        EXPECT_EQ(t.state(), "en en 2 EDAMCP 0 4");
        engine::Engine saved;
        ASSERT_TRUE(saved.cReadBinaryDictionary(t.p.UserFolder + "/Dictionary-fr.dat").ok());
        EXPECT_TRUE(saved.contains("chien"));
    }
}

} // namespace
