// Stored settings, the options window and the left-handed layout, on the real windows.
#include "TestApp.h"

#include "windows/board/CubeFrame.h"
#include "windows/game/Common.h"
#include "windows/game/OptionsDialog.h"
#include "core/game/Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>

namespace {

const std::vector<std::string> kWords = {"cat", "cats", "dog", "tea", "seat", "eats", "steam",
                                         "teamsters", "abracadabra", "encyclopaedia"};

void Store(TestApp& t, const std::map<std::string, std::string>& values)
{
    for (const auto& [name, value] : values)
        t.app.settings->cSetRegValue(engine::kSettingsKey, name, value);
    t.app.settings->sync();
}

std::optional<std::string> Stored(TestApp& t, const char* name)
{
    return t.app.settings->cGetRegValue(engine::kSettingsKey, name, 50);
}

// Rewrites the test dictionary with a smaller largest word size.
void LimitDictionary(TestApp& t, int maxSize)
{
    engine::Engine dict;
    dict.cSetMaxWordSize(maxSize);
    for (const auto& w : kWords)
        if (static_cast<int>(w.size()) <= maxSize)
            dict.cDictionaryAdd(w);
    ASSERT_TRUE(dict.cWriteBinaryDictionary(t.folder.filePath("Dictionary.dat").toStdString()).ok());
}

OptionsDialog& OpenDialog(TestApp& t)
{
    t.window->Options->click();
    EXPECT_NE(t.app.optionsDialog, nullptr);
    return *t.app.optionsDialog;
}

void Choose(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// What start-up made of one stored setting, written as it would be stored.
std::string Loaded(TestApp& t, const std::string& name)
{
    const auto& o = t.app.options;
    if (name == "TimeLimit")
        return std::to_string(t.app.game.TimeLimit);
    if (name == "MinWordSize")
        return std::to_string(t.app.engine.cMinWordSize());
    if (name == "NumWordsLimit")
        return o.NumWordsLimit;
    const bool flag = name == "Sounds"            ? o.SoundsOn
                      : name == "ShowUnusedWords" ? o.ShowUnusedWords
                      : name == "RepeatLetters"   ? o.RepeatLetters
                                                  : o.LeftHandedDisplay;
    return flag ? "1" : "0";
}

TEST(ReadSettings, eachStoredValueOrItsDefault)
{
    {
        TestApp t(kWords);
        t.startUp(); // nothing stored
        for (const auto& [name, value] : std::map<std::string, std::string>{
                 {"TimeLimit", "180"}, {"MinWordSize", "3"}, {"NumWordsLimit", "-"},
                 {"Sounds", "1"}, {"ShowUnusedWords", "0"}, {"RepeatLetters", "0"},
                 {"LeftHandedDisplay", "0"}})
            EXPECT_EQ(Loaded(t, name), value) << name;
        EXPECT_EQ(t.app.game.GameType, Standard);
        EXPECT_EQ(t.app.game.GameMode, SinglePlayer);
        EXPECT_TRUE(t.desktop.shown.empty());
        t.window->Start->click();
        EXPECT_EQ(t.window->TimeLeft->text(), "3:00");
    }
    // Unusable values take their defaults without a message; long values are cut and refused.
    const struct {
        const char* name;
        std::string stored;
        const char* loaded;
    } cases[] = {
        {"TimeLimit", "90", "180"},
        {"TimeLimit", "1200", "1200"},
        {"TimeLimit", std::string(5000, '6'), "180"},
        {"MinWordSize", "1", "3"},
        {"MinWordSize", "17", "3"},
        {"MinWordSize", "x", "3"},
        {"MinWordSize", "2", "2"},
        {"MinWordSize", "4", "4"},
        {"NumWordsLimit", ">30", "-"},
        {"NumWordsLimit", "<50", "<50"},
        {"NumWordsLimit", ">25" + std::string(100, ' '), "-"},
        {"Sounds", "0", "0"},
        {"ShowUnusedWords", "1", "1"},
        {"RepeatLetters", "yes", "0"}, // only "1" is true
        {"RepeatLetters", "1", "1"},
        {"LeftHandedDisplay", "", "0"}, // an empty value counts as absent
        {"LeftHandedDisplay", "1", "1"},
    };
    for (const auto& c : cases) {
        TestApp t(kWords);
        Store(t, {{c.name, c.stored}});
        t.startUp();
        EXPECT_EQ(Loaded(t, c.name), c.loaded) << c.name << " = " << c.stored.substr(0, 20);
        EXPECT_TRUE(t.desktop.shown.empty()) << c.name;
    }
}

TEST(ReadSettings, theDialogShowsTheStoredValues)
{
    TestApp t(kWords);
    Store(t, {{"TimeLimit", "1200"}, {"MinWordSize", "4"}, {"NumWordsLimit", "<50"}});
    t.startUp();
    OptionsDialog& d = OpenDialog(t);
    EXPECT_EQ(d.TimeCombo->currentText(), "20:00");
    EXPECT_EQ(d.MinWordSizeCombo->currentText(), "4 letters");
    EXPECT_EQ(d.NumWordsCombo->currentText(), "Less than 50");
}

TEST(ReadSettings, aStoredSmallestSizeOfTwoSurvivesTheDialog)
{
    TestApp t(kWords);
    Store(t, {{"MinWordSize", "2"}});
    t.startUp();
    t.window->Start->click();
    OptionsDialog& d = OpenDialog(t);
    EXPECT_EQ(d.MinWordSizeCombo->currentIndex(), -1)
        << "the dialog offers no 2 and shows no selection";
    // Before, OK read the empty selection as size 0 and asked to stop the game.
    d.OKButton->click();
    EXPECT_EQ(t.app.engine.cMinWordSize(), 2);
    EXPECT_TRUE(t.desktop.shown.empty());
    EXPECT_EQ(t.app.game.TimeRemaining, 180);
}

// Start-up with a dictionary of words up to 12 letters and `stored` as the largest size.
void StartWithLargestSize(TestApp& t, const char* stored, std::vector<ui::Answer> answers)
{
    LimitDictionary(t, 12);
    Store(t, {{"MaxWordSize", stored}});
    for (ui::Answer a : answers)
        t.desktop.answer(a);
    t.startUp();
}

TEST(ReadSettings, largestWordSizeAboveTheDictionarysWarns)
{
    TestApp t(kWords);
    StartWithLargestSize(t, "20", {ui::Answer::Ok}); // not 2 to 16: counts as 16
    ASSERT_EQ(t.desktop.shown.size(), 1u);
    EXPECT_EQ(t.desktop.shown[0].text,
              "WARNING - dictionary is limited to words that have no more than 12 letters, "
              "resetting Max Word Size option");
    EXPECT_EQ(t.app.engine.cMaxWordSize(), 12);
    EXPECT_EQ(t.app.options.LoadedMaxWordSize, 12);
    EXPECT_FALSE(t.app.dictionary.DictionaryUpdated);

    TestApp equal(kWords);
    StartWithLargestSize(equal, "12", {});
    EXPECT_TRUE(equal.desktop.shown.empty()) << "equal sizes say nothing";
    EXPECT_EQ(equal.app.engine.cMaxWordSize(), 12);
}

TEST(ReadSettings, largestWordSizeBelowAsksToShrinkTheDictionary)
{
    TestApp yes(kWords);
    StartWithLargestSize(yes, "8", {ui::Answer::Yes});
    ASSERT_EQ(yes.desktop.shown.size(), 1u);
    EXPECT_EQ(yes.desktop.shown[0].text,
              "Dictionary contains words longer than 8 letters, is it OK to remove the "
              "longer words from the dictionary?");
    EXPECT_EQ(yes.app.engine.cMaxWordSize(), 8);
    EXPECT_FALSE(yes.app.engine.contains("teamsters"));
    EXPECT_TRUE(yes.app.engine.contains("steam"));
    EXPECT_TRUE(yes.app.dictionary.DictionaryUpdated);
    EXPECT_EQ(yes.app.options.LoadedMaxWordSize, 8);

    TestApp no(kWords);
    StartWithLargestSize(no, "8", {ui::Answer::No, ui::Answer::Ok});
    ASSERT_EQ(no.desktop.shown.size(), 2u);
    EXPECT_EQ(no.desktop.shown[1].text, "Setting Max Word Size option to 12 letters");
    EXPECT_EQ(no.app.engine.cMaxWordSize(), 12);
    EXPECT_TRUE(no.app.engine.contains("teamsters"));
    EXPECT_FALSE(no.app.dictionary.DictionaryUpdated);
}

TEST(Options, dialogShowsTheCurrentSettings)
{
    TestApp t(kWords);
    t.startUp();
    OptionsDialog& d = OpenDialog(t);
    EXPECT_EQ(d.windowTitle(), "Lettro Options");
    EXPECT_FALSE(t.window->isEnabled()) << "the main window waits while the dialog is up";
    EXPECT_EQ(d.GameTypeCombo->count(), 2);
    EXPECT_EQ(d.TimeCombo->count(), 10);
    EXPECT_EQ(d.TimeCombo->itemText(0), "0:15");
    EXPECT_EQ(d.TimeCombo->itemText(9), "30:00");
    EXPECT_EQ(d.WordSizeCombo->count(), 14);
    EXPECT_EQ(d.WordSizeCombo->itemText(0), "3 letters");
    EXPECT_EQ(d.NumWordsCombo->itemText(4), "More than 100");
    EXPECT_EQ(d.NumWordsCombo->itemText(8), "Less than 25");
    EXPECT_EQ(d.TimeCombo->currentText(), "3:00");
    EXPECT_EQ(d.WordSizeCombo->currentText(), "16 letters");
    EXPECT_EQ(d.NumWordsCombo->currentText(), "No limits");
    EXPECT_TRUE(d.SoundsOption->isChecked());
    EXPECT_TRUE(d.TimeCombo->isEnabled());
}

TEST(Options, franticDisablesTheTimeListAtOnce)
{
    TestApp t(kWords);
    t.startUp();
    OptionsDialog& d = OpenDialog(t);
    Choose(d.GameTypeCombo, "Frantic");
    EXPECT_FALSE(d.TimeCombo->isEnabled());
    Choose(d.GameTypeCombo, "Standard");
    EXPECT_TRUE(d.TimeCombo->isEnabled());
}

TEST(Options, okAppliesAndStoresEverything)
{
    TestApp t(kWords);
    t.startUp();
    OptionsDialog& d = OpenDialog(t);
    Choose(d.GameTypeCombo, "Frantic");
    Choose(d.GameModeCombo, "Two Player");
    Choose(d.TimeCombo, "10:00");
    Choose(d.MinWordSizeCombo, "4 letters");
    Choose(d.NumWordsCombo, "More than 50");
    d.SoundsOption->setChecked(false);
    d.ShowUnusedWordsOption->setChecked(true);
    d.RepeatLettersOption->setChecked(true);
    d.OKButton->click();

    EXPECT_TRUE(t.desktop.shown.empty()) << "no game is running: nothing to ask";
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(t.window->isEnabled());
    EXPECT_EQ(t.app.game.GameType, Frantic);
    EXPECT_EQ(t.app.game.GameMode, TwoPlayer);
    EXPECT_EQ(t.app.game.TimeLimit, 600);
    EXPECT_EQ(t.app.engine.cMinWordSize(), 4);
    EXPECT_EQ(t.app.options.NumWordsLimit, ">50");
    EXPECT_FALSE(t.app.options.SoundsOn);
    EXPECT_TRUE(t.app.options.ShowUnusedWords);
    EXPECT_TRUE(t.app.options.RepeatLetters);

    EXPECT_EQ(Stored(t, "TimeLimit"), "600");
    EXPECT_EQ(Stored(t, "MinWordSize"), "4");
    EXPECT_EQ(Stored(t, "MaxWordSize"), "16");
    EXPECT_EQ(Stored(t, "NumWordsLimit"), ">50");
    EXPECT_EQ(Stored(t, "Sounds"), "0");
    EXPECT_EQ(Stored(t, "ShowUnusedWords"), "1");
    EXPECT_EQ(Stored(t, "RepeatLetters"), "1");
    EXPECT_EQ(Stored(t, "LeftHandedDisplay"), "0");
    EXPECT_FALSE(Stored(t, "GameType")) << "game type and mode are never stored";
    EXPECT_FALSE(Stored(t, "GameMode"));
}

TEST(Options, cancelChangesNothing)
{
    TestApp t(kWords);
    t.startUp();
    OptionsDialog& d = OpenDialog(t);
    Choose(d.TimeCombo, "0:30");
    d.SoundsOption->setChecked(false);
    d.CancelButton->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(t.window->isEnabled());
    EXPECT_EQ(t.app.game.TimeLimit, 180);
    EXPECT_TRUE(t.app.options.SoundsOn);
    EXPECT_FALSE(Stored(t, "TimeLimit"));
}

TEST(Options, gameTypeChangeDuringAGameYesAbortsAndDropsTheRest)
{
    TestApp t(kWords);
    t.startUp();
    t.window->Start->click();
    OptionsDialog& d = OpenDialog(t);
    Choose(d.GameTypeCombo, "Frantic");
    d.SoundsOption->setChecked(false);
    t.desktop.answer(ui::Answer::Yes);
    d.OKButton->click();
    ASSERT_EQ(t.desktop.shown.size(), 1u);
    EXPECT_EQ(t.desktop.shown[0].text, "Changing the game type now will abort the current game.  "
                                       "Are you sure you want to do this?");
    EXPECT_EQ(t.app.game.GameType, Frantic);
    EXPECT_EQ(t.app.game.TimeRemaining, 0);
    EXPECT_EQ(t.window->TimeRemLabel->text(), "Game Over");
    EXPECT_FALSE(t.window->GameClock->isActive());
    EXPECT_FALSE(t.window->NewWord->isEnabled());
    EXPECT_TRUE(t.app.options.SoundsOn) << "the rest of the dialog is not applied";
    EXPECT_FALSE(Stored(t, "Sounds")) << "nor saved";
    EXPECT_TRUE(t.window->isEnabled());

    // The aborted game has no turn left: End must not evaluate it.
    t.window->End->click();
    EXPECT_EQ(t.desktop.shown.size(), 1u);
}

TEST(Options, gameModeChangeDuringAGameNoKeepsPlaying)
{
    TestApp t(kWords);
    t.startUp();
    t.window->Start->click();
    OptionsDialog& d = OpenDialog(t);
    Choose(d.GameModeCombo, "Two Player");
    Choose(d.TimeCombo, "5:00");
    t.desktop.answer(ui::Answer::No);
    d.OKButton->click();
    EXPECT_EQ(t.app.game.GameMode, SinglePlayer);
    EXPECT_EQ(t.app.game.TimeRemaining, 180) << "the game goes on";
    EXPECT_EQ(t.app.game.TimeLimit, 180) << "the refill put the time back too";
    EXPECT_TRUE(t.window->GameClock->isActive());
}

TEST(Options, smallestSizeChangeDuringAGameEndsItAtTheNextTick)
{
    TestApp t(kWords);
    t.startUp();
    t.window->Start->click();
    OptionsDialog& d = OpenDialog(t);
    Choose(d.MinWordSizeCombo, "5 letters");
    t.desktop.answer(ui::Answer::Yes);
    d.OKButton->click();
    EXPECT_EQ(t.desktop.shown.at(0).text, "Changing the minimum word size now will stop the "
                                          "current game.  Are you sure you want to do this?");
    EXPECT_EQ(t.app.engine.cMinWordSize(), 5);
    EXPECT_EQ(t.app.game.TimeRemaining, 1);
    Common::ClockTick(t.app);
    EXPECT_EQ(t.app.game.TimeRemaining, 0);
    EXPECT_EQ(t.window->TimeRemLabel->text(), "Game Over");
}

TEST(Options, repeatLettersDuringAGame)
{
    TestApp t(kWords);
    t.startUp();
    t.window->Start->click();
    OptionsDialog& d = OpenDialog(t);
    d.RepeatLettersOption->setChecked(true);
    t.desktop.answer(ui::Answer::No);
    d.OKButton->click();
    EXPECT_FALSE(t.app.options.RepeatLetters);
    EXPECT_EQ(t.app.game.TimeRemaining, 180);

    OpenDialog(t).RepeatLettersOption->setChecked(true);
    t.desktop.answer(ui::Answer::Yes);
    d.OKButton->click();
    EXPECT_TRUE(t.app.options.RepeatLetters);
    EXPECT_EQ(t.app.game.TimeRemaining, 1);
}

TEST(Options, loweringTheLargestSizeShrinksTheDictionaryOnlyOnYes)
{
    TestApp t(kWords);
    t.startUp();
    OptionsDialog& d = OpenDialog(t);
    Choose(d.WordSizeCombo, "10 letters");
    t.desktop.answer(ui::Answer::No);
    d.OKButton->click();
    EXPECT_EQ(t.desktop.shown.at(0).text,
              "Are you sure you want to remove words longer than 10 letters from the dictionary?");
    EXPECT_EQ(t.app.engine.cMaxWordSize(), 16);
    EXPECT_TRUE(t.app.engine.contains("encyclopaedia"));
    EXPECT_FALSE(t.app.dictionary.DictionaryUpdated);

    OpenDialog(t);
    Choose(d.WordSizeCombo, "10 letters");
    t.desktop.answer(ui::Answer::Yes);
    d.OKButton->click();
    EXPECT_EQ(t.app.engine.cMaxWordSize(), 10);
    EXPECT_FALSE(t.app.engine.contains("encyclopaedia"));
    EXPECT_TRUE(t.app.engine.contains("teamsters"));
    EXPECT_TRUE(t.app.dictionary.DictionaryUpdated);

    // Raising it again asks nothing.
    OpenDialog(t);
    Choose(d.WordSizeCombo, "12 letters");
    d.OKButton->click();
    EXPECT_EQ(t.desktop.shown.size(), 2u);
    EXPECT_EQ(t.app.engine.cMaxWordSize(), 12);
}

TEST(Options, networkPlayKeepsTheDialogShut)
{
    TestApp t(kWords);
    t.startUp();
    t.app.game.GameMode = NetworkPlayer;
    t.window->Options->click();
    EXPECT_EQ(t.app.optionsDialog, nullptr);
    EXPECT_TRUE(t.window->isEnabled());
}

TEST(LeftHandedLayout, boardAndWordListChangeSidesWithTheirGroups)
{
    TestApp t(kWords);
    MainWindow& w = *t.window;
    // As laid out the window is the left-handed layout.
    const int CL = w.cubeFrame->x(), CW = w.cubeFrame->width();
    const int WL = w.WordList->x(), WW = w.WordList->width();
    std::map<QWidget*, QPoint> before;
    for (QWidget* widget : w.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        before[widget] = widget->pos();
    t.startUp(); // nothing stored: right-handed
    EXPECT_FALSE(t.app.options.LeftHandedDisplay);

    const int boardShift = (WL + WW - CW) - CL;
    const int listShift = CL - WL;
    EXPECT_EQ(w.cubeFrame->x(), WL + WW - CW);
    EXPECT_EQ(w.WordList->x(), CL);
    for (QWidget* widget : {static_cast<QWidget*>(w.Clear), static_cast<QWidget*>(w.Enter),
                            static_cast<QWidget*>(w.NewWord)})
        EXPECT_EQ(widget->pos(), before[widget] + QPoint(boardShift, 0)) << widget->objectName().toStdString();
    for (QWidget* widget : {static_cast<QWidget*>(w.TimeLeft), static_cast<QWidget*>(w.DefinedWordCount),
                            static_cast<QWidget*>(w.PlayerWordLabel), static_cast<QWidget*>(w.TimeRemLabel)})
        EXPECT_EQ(widget->pos(), before[widget] + QPoint(listShift, 0)) << widget->objectName().toStdString();
    // No two controls of the two groups overlap after the swap.
    EXPECT_FALSE(w.cubeFrame->geometry().intersects(w.WordList->geometry()));

    // Asking for the layout already shown moves nothing; switching back restores every place.
    w.LayOutForHand(false);
    EXPECT_EQ(w.cubeFrame->x(), WL + WW - CW);
    w.LayOutForHand(true);
    for (const auto& [widget, pos] : before)
        EXPECT_EQ(widget->pos(), pos) << widget->objectName().toStdString();
}

TEST(EnterNetworkGame, guardQuestionAndSavedSettings)
{
    TestApp t(kWords);
    t.startUp();
    t.window->Start->click();
    t.desktop.answer(ui::Answer::No);
    t.window->NetworkButton->click();
    EXPECT_EQ(t.desktop.shown.at(0).text, "Entering a network game now will abort the current "
                                          "game.  Are you sure you want to do this?");
    EXPECT_EQ(t.app.game.TimeRemaining, 180);
    EXPECT_FALSE(t.app.savedForNetwork);

    t.app.game.TimeLimit = 300;
    t.app.options.NumWordsLimit = "<75";
    t.desktop.answer(ui::Answer::Yes);
    t.window->NetworkButton->click();
    EXPECT_EQ(t.app.game.TimeRemaining, 0);
    EXPECT_EQ(t.window->TimeRemLabel->text(), "Game Over");
    ASSERT_TRUE(t.app.savedForNetwork);
    EXPECT_EQ(t.app.savedForNetwork->TimeLimit, 300);
    EXPECT_EQ(t.app.savedForNetwork->NumWordsLimit, "<75");
    EXPECT_EQ(t.app.savedForNetwork->MinWordSize, 3);
    EXPECT_EQ(t.app.savedForNetwork->GameMode, SinglePlayer);

    t.app.savedForNetwork.reset();
    t.app.game.GameMode = NetworkHost;
    t.window->NetworkButton->click();
    EXPECT_FALSE(t.app.savedForNetwork) << "already in network play";
}

} // namespace
