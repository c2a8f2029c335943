// SPDX-License-Identifier: GPL-3.0-or-later
// All state of one run of the game, in plain structs. One Program exists per run
// (tests make a fresh one); the default values are the start-up values.
#pragma once

#include "core/board/BoardView.h"
#include "core/board/Dice.h"
#include "core/game/HighScoreTable.h"
#include "core/game/Opponents.h"
#include "core/game/Progress.h"
#include "core/game/Prompter.h"
#include "core/game/TimeFormat.h"
#include "core/game/Tr.h"
#include "core/network/NetworkState.h"
#include "engine/Engine.h"
#include "engine/Languages.h"
#include "engine/Settings.h"
#include "engine/Transport.h"

#include <QString>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A growable list of lower-case words; its size is the list's count.
using Words = std::vector<std::string>;

// Game modes and types.
enum GameModes { SinglePlayer = 0, TwoPlayer = 1, NetworkPlayer = 2, NetworkHost = 3 };
enum GameTypes { Standard = 0, Frantic = 1 };

struct BoardState {
    Dice::Faces DieFaces{};
    Dice::Faces BoardFaces{};                      // "" before the first game, "Qu" for Q
    Dice::Grid BoardGrid{};                        // lower case, "qu" for the Qu cube
    std::array<std::array<bool, 4>, 4> UsedCubes{}; // the path of the last search
    std::vector<int> PathOrder; // the path of the last search that found its word, in order
    Words BoardWords;                              // the board's dictionary words
    std::string BoardText;                         // the board being played
    bool Given = false;    // given by a code or typed in, not chosen from shakes
    std::string DailyDate; // the day (yyyy-mm-dd) whose board of the day it is; "" none
};

// A word of the turn's list; one that is no board word is shown struck through.
struct ListedWord {
    QString Word;
    bool BoardWord = false;
    bool operator==(const ListedWord&) const = default;
};

// Word entry: the word box, the turn's list, clicked cubes. The main window mirrors it.
struct EntryState {
    std::string LastNewWordText;
    std::string ClickedWord;
    std::array<int, 18> ClickedPath{}; // entries 1 to 17 are used
    int ClickedCount = 0;
    bool BoardClean = true;
    QString NewWordText; // the word box
    bool NewWordEnabled = true;
    std::vector<ListedWord> ListedWords; // newest first
    int SelectedRow = 0;                 // the list's current row
    // Refused letters and words so far; only ever grows.
    int Refusals = 0;
    // The box shows red from a refusal until the next accepted key, Clear or Enter.
    bool Refused = false;
};

// The rest of what the main window shows; it mirrors this.
struct ScreenState {
    bool BoardHidden = false; // paused, another window in front, or a "Hit OK" box up
    bool ClockRunning = false;
    QString ClockCaption = core::Tr("Game", "Time Remaining");
    QString ClockText;
    TimeFormat::ClockColour ClockColour = TimeFormat::ClockColour::Black;
    QString PlayerWordText;  // "N words entered"
    QString DefinedWordText; // "Lettro found N words"
    QString BonusText;       // "+N s" beside the clock while BonusTicks last
    int BonusTicks = 0;
};

struct GameState {
    int TimeRemaining = 0; // 0: no game is running
    int TimeLimit = 180;
    int GameType = Standard;
    int GameMode = SinglePlayer;
    int PlayerCount = 1;
    int LocalPlayerIndex = 0;
    bool GameInProgress = false;
    bool Paused = false;
    std::vector<Words> PlayerWords; // per player, in entry order
    // Players' names by player index: the lobby's player table fills it, or a game
    // against the computer.
    std::vector<std::string> PlayerNames;
    // Computer opponents in the single-player game being played (players 1 on); 0 in a
    // game without them.
    int Opponents = 0;
};

struct Options {
    std::string BoardLanguage = engine::kEnglish; // the chosen board language, stored
    bool RepeatLetters = false;
    std::string NumWordsLimit = "-";
    bool SoundsOn = true;
    bool ShowUnusedWords = false;
    bool LeftHandedDisplay = true; // the window as laid out is the left-handed layout
    bool ShowWhereWordCanGo = true; // dims the cubes the word being built cannot take next
    int LoadedMaxWordSize = engine::kAbsoluteMaxWordSize;
    // Single-player games against this many computers, of this strength; 0: alone.
    int ComputerOpponents = 0;
    ComputerPlayer::Level ComputerLevel = ComputerPlayer::kDefaultLevel;
};

// The end-of-game lists; counts are the vectors' sizes.
struct Evaluation {
    std::vector<Words> PlayerDefinedWords;
    std::vector<Words> PlayerUndefinedWords;
    Words UnusedWords;
    Words CommonWords;
    std::vector<int> PlayerScores;
    bool operator==(const Evaluation&) const = default;
};

// One item of a results selector: its text and the list code it stands for.
struct SelectorItem {
    std::string text;
    int code = 0;
    bool operator==(const SelectorItem&) const = default;
};

// The results window's state; it mirrors this. The lists it shows are derived from the
// evaluation by the chosen items' codes.
struct ResultsState {
    bool Open = false;
    std::string Words, Score, BadWords;             // the three result lines
    std::vector<SelectorItem> UserItems, DictItems; // the two selectors
    int UserChoice = 0, DictChoice = 0;             // their chosen items
    std::array<std::array<bool, 4>, 4> Path{};      // the selected word's cubes, lit
    std::vector<int> PathOrder;                     // its path in order, 4 * row + column
    std::string UserSelected, DictSelected;         // the lists' selected words; "" none
    int PathFrom = -1; // the list whose selected word the path shows (a Selector); -1 none
    std::chrono::steady_clock::time_point ShownAt{};
    // What the results were made for, so that showing them again changes nothing: the
    // game mode and repeat letters may be changed before the next game.
    int Mode = SinglePlayer;
    bool RepeatLetters = false;
    // The last game's results can be shown again until the next game starts.
    bool Available = false;
    std::array<std::string, 3> KeptLines; // the result lines while the window is closed
    // The last dictionary correction, until it is undone: its word, which way it went,
    // and the board words and lists as they were before it.
    struct Correction {
        std::string word;
        bool added = false;
        ::Words boardWords;
        Evaluation eval;
    };
    std::optional<Correction> LastCorrection;
};

// The dictionary editor's state; its window and the progress window mirror this.
struct EditorState {
    bool Open = false;
    std::vector<std::string> StartingLetters; // the two-letter starts with words, "AA".."ZZ"
    int SelectedStart = -1;                   // into StartingLetters; -1 when there is none
    Words ShownWords;                         // the words of the selected start
    int WordCount = 0;                        // of the whole dictionary
    bool Merging = false;                     // a word-file merge is being stepped
    int MergePercent = 0;
    // Counts the refills of StartingLetters and ShownWords: a window redraws its lists
    // only when they changed, not on every keystroke of a search.
    int Listing = 0;
    int FoundWord = -1;        // into ShownWords: the word searched for or just added
    int NearWord = -1;         // where a searched word that is not there would stand
    bool SearchMissed = false; // no word is or starts with the searched text
    QString Status;            // the summary of the last merge
    std::string LastRemoved;   // the word the last Remove took out, until it is put back
};

struct DictionaryState {
    // The board language in play: its dictionary is the one loaded, its dice are shaken
    // and its high scores shown. The chosen one outside network play, the host's inside.
    std::string Language = engine::kEnglish;
    bool DictionaryUpdated = false;
    int LetterBase = 'a';
    std::string DictionaryPath;    // the dictionary file loaded first
    engine::FileResult LoadResult; // how loading that file went
    EditorState Editor;
};

// The game settings kept aside while a network game overrides them.
struct SavedGameSettings {
    int GameMode = SinglePlayer;
    int GameType = Standard;
    bool RepeatLetters = false;
    int TimeLimit = 180;
    int MinWordSize = engine::kDefaultMinWordSize;
    std::string NumWordsLimit = "-";
    std::string Language = engine::kEnglish;
};

// The high scores and their window; the window mirrors this.
struct HighScoreState {
    // Where English's are kept, another board language's beside it (HighScores-fr.txt);
    // empty: none are kept (windowless programs).
    std::string File;
    HighScores::Table Table;
    bool Writable = true;     // false when a damaged file could not be moved out of the way
    bool GameToEnter = false; // a single-player game was evaluated and has not been entered
    // The table the game being played enters: its settings at its start, since a new time
    // limit chosen during a game only applies to the next.
    HighScores::Key GameKey;
    bool Open = false;        // the window
    HighScores::Key Shown;    // the table the window shows
    int MarkedRow = -1;       // the row just entered into that table; -1: none
};

// The progress history (Progress.h).
struct ProgressState {
    std::string File; // the database; empty: none is kept (windowless programs)
    std::vector<Progress::GameRecord> Pending; // finished games not recorded yet
    bool GameToRecord = false; // a single-player game was evaluated, not yet recorded
    bool Checked = false;      // the file's pages were checked this run
    bool SetAside = false;     // damaged and could not be moved: not used this run
    int Said = 0;              // the troubles already said this run, a bit each
    // Runs inside a write just before it is committed; a test stops a writer there.
    std::function<void()> BeforeCommit;
};

struct Program {
    std::string PlatformType = "PC";
    std::string ProgramFolder = "."; // where Dictionary.dat and Lettro.htm live
    std::string UserFolder; // the user's own Dictionary.dat when installed; empty: none
    std::string KeptGameFile; // a game kept across a quit (KeptGame.h); empty: none is kept

    engine::Engine engine;
    std::unique_ptr<engine::SettingsStore> settings;
    // Made at start-up from Seed (the clock when there is none) unless one is given.
    std::unique_ptr<Dice::RandomSource> random;
    std::optional<std::uint32_t> Seed;
    // The board language asked for on the command line; the stored choice otherwise.
    std::optional<std::string> CommandLineLanguage;
    // Answers the game's notices and questions; the windows, a test or a windowless
    // program installs one.
    core::Prompter* prompter = nullptr;
    // Network play's connections; main() installs the Qt Network one, tests an in-memory one.
    std::unique_ptr<engine::Transport> transport;

    BoardState board;
    BoardView::BoardViewState view;
    EntryState entry;
    ScreenState screen;
    GameState game;
    Options options;
    Evaluation eval;
    ResultsState results;
    DictionaryState dictionary;
    std::optional<SavedGameSettings> savedForNetwork;
    // The user's own settings while a given board plays with the ones its code names.
    std::optional<SavedGameSettings> savedForGivenBoard;
    NetworkState network;
    HighScoreState highScores;
    ProgressState progress;
    OpponentsState opponents;
};

// Network play (joined player or host): the local-only buttons and windows stand still.
inline bool IsNetworkGame(const Program& program)
{
    return program.game.GameMode == NetworkPlayer || program.game.GameMode == NetworkHost;
}

// The game settings now in effect, to be kept aside while others are played.
SavedGameSettings GameSettings(const Program& program);
// Puts kept settings back, all but the language (which needs its dictionary loaded).
void RestoreGameSettings(Program& program, const SavedGameSettings& saved);

// Shows a notice or asks a question through the program's prompter.
core::Answer Ask(Program& program, const QString& text, core::Buttons buttons = core::Buttons::Ok,
                 const QString& title = QStringLiteral("Lettro"),
                 core::Owner owner = core::Owner::Main);

// Asks for one line of text with `initial` filled in; nothing when cancelled.
std::optional<QString> AskText(Program& program, const QString& text, const QString& initial,
                               const QString& title, core::Owner owner = core::Owner::Main);

// A Yes/No question whose Yes destroys data (words of the dictionary): No is the default.
core::Answer AskBeforeLosing(Program& program, const QString& text,
                             core::Owner owner = core::Owner::Main);

// The rejection sound, made only when sounds are on.
void RejectionSound(Program& program);
