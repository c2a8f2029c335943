// One whole single-player game on the real windows, from start-up to exit, and the next
// start-up finding what the first one saved.
#include "TestApp.h"

#include "windows/board/CubeFrame.h"
#include "windows/game/Common.h"
#include "windows/game/OptionsDialog.h"
#include "windows/game/ResultsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// Every draw 0 shakes the first face of each die in order:
//   E T I S
//   S O Y W       its, set, site, soot and toys can be traced here;
//   O O I V       "zebra" cannot, "toy" is no dictionary word.
//   A A T I
const std::vector<std::string> kWords = {"its", "set", "site", "soot", "toys", "zebra"};

QPoint Centre(const App& app, int cube)
{
    return {app.view.CubeLeft[cube] + app.view.CubeWidth / 2,
            app.view.CubeTop[cube] + app.view.CubeHeight / 2};
}

void Type(TestApp& t, const char* text)
{
    QTest::keyClicks(t.window->NewWord, QString::fromLatin1(text));
    QTest::keyClick(t.window->NewWord, Qt::Key_Return);
}

QStringList ListedWords(QTableWidget* list)
{
    QStringList words;
    for (int row = 0; row < list->rowCount(); ++row)
        words << list->item(row, 0)->text();
    return words;
}

TEST(EndToEnd, aWholeGameAndTheNextStartUp)
{
    TestApp t(kWords);
    t.app.random = std::make_unique<ScriptedRandom>(std::vector<float>{0.0f});
    t.startUp();
    t.window->show();
    // Start-up does not reseed a scripted generator.
    t.window->Start->click();
    ASSERT_EQ(t.app.board.BoardText, "ETISSOYWOOIVAATI");
    EXPECT_EQ(t.window->DefinedWordCount->text(), "Lettro found 5 words");
    EXPECT_EQ(t.window->focusWidget(), t.window->NewWord) << "typing goes straight to the word box";

    // Typed: a board word, then one that is no dictionary word (struck through).
    Type(t, "site");
    Type(t, "toy");
    // Clicked: t, o, y, s; the last cube clicked again enters the word.
    for (int cube : {1, 5, 6, 3, 3})
        QTest::mouseClick(t.window->cubeFrame, Qt::LeftButton, {}, Centre(t.app, cube));
    EXPECT_EQ(ListedWords(t.window->WordList), (QStringList{"toys", "toy", "site"}));
    EXPECT_EQ(t.window->PlayerWordLabel->text(), "3 words entered");
    EXPECT_TRUE(t.window->WordList->item(1, 0)->font().strikeOut());

    t.window->End->click();
    ASSERT_NE(t.app.resultsWindow, nullptr);
    ResultsWindow& r = *t.app.resultsWindow;
    EXPECT_TRUE(r.isVisible());
    EXPECT_FALSE(t.window->isEnabled());
    EXPECT_EQ(r.WordsLabel->text(), "2 words found out of 5 (40%)");
    EXPECT_EQ(r.ScoreLabel->text(), "Score is 2 out of 5 (40%)");
    EXPECT_EQ(r.BadWordsLabel->text(), "1 word not in dictionary");

    // "toy" goes into the dictionary from the undefined list.
    r.UserWordsCombo->setCurrentIndex(r.UserWordsCombo->findText("Undefined"));
    emit r.UserWordsCombo->activated(r.UserWordsCombo->currentIndex());
    ASSERT_EQ(r.UserWords->count(), 1);
    r.UserWords->setCurrentRow(0);
    r.AddToDict->click();
    EXPECT_TRUE(t.app.engine.contains("toy"));
    EXPECT_EQ(r.WordsLabel->text(), "3 words found out of 6 (50%)");
    EXPECT_EQ(r.BadWordsLabel->text(), "");

    // OK counts only after the first second; move the results' clock back.
    t.app.results.ShownAt -= std::chrono::seconds(2);
    r.ResultsOK->click();
    EXPECT_FALSE(r.isVisible());
    EXPECT_TRUE(t.window->isEnabled());

    // Options: two-minute games, no sounds, left-handed.
    t.window->Options->click();
    OptionsDialog& d = *t.app.optionsDialog;
    d.TimeCombo->setCurrentIndex(d.TimeCombo->findText("2:00"));
    d.SoundsOption->setChecked(false);
    d.LeftHandDisplay->setChecked(true);
    d.OKButton->click();
    EXPECT_EQ(t.app.game.TimeLimit, 120);

    t.desktop.answer(ui::Answer::Yes);
    t.window->Exit->click();
    ASSERT_EQ(t.desktop.shown.size(), 1u);
    EXPECT_EQ(t.desktop.shown[0].title, "Save dictionary?");
    EXPECT_FALSE(t.window->isVisible());
    EXPECT_EQ(t.desktop.pending(), 0);

    // A fresh run in the same program folder with the same settings store.
    ScriptedDesktop desktop;
    App second(desktop);
    second.ProgramFolder = t.app.ProgramFolder;
    second.settings = std::make_unique<engine::SettingsStore>(t.folder.path().toStdString());
    MainWindow window(second);
    Common::StartUp(second);
    EXPECT_TRUE(desktop.shown.empty());
    EXPECT_TRUE(second.engine.contains("toy"));
    EXPECT_EQ(second.engine.cNumberOfWords(), 7);
    EXPECT_EQ(second.game.TimeLimit, 120);
    EXPECT_FALSE(second.options.SoundsOn);
    EXPECT_TRUE(second.options.LeftHandedDisplay);
    EXPECT_GT(window.WordList->x(), window.cubeFrame->x()) << "left-handed: the list on the right";
    window.Start->click();
    EXPECT_EQ(window.TimeLeft->text(), "2:00");
}

} // namespace
