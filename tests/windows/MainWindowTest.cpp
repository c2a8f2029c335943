// SPDX-License-Identifier: GPL-3.0-or-later
// The main window hands its events to the core and shows the core's state; the keys of
// the toolbar's main moves work while the player types.
#include "TestApp.h"

#include "core/game/Game.h"
#include "windows/board/CubeFrame.h"
#include "windows/game/Common.h"
#include "windows/game/PlayFeedback.h"
#include "windows/game/ResultsWindow.h"
#include "windows/ui/Icons.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

namespace {

// C A T S / O D G E / B Qu I T / L X Y Z: cat, cats, cod and stag lie on it.
const std::vector<std::string> kWords = {"cat", "cats", "cod", "dog", "stag", "tea", "sea"};

// Clicks the middle of each cube.
void Click(MainWindow& w, std::initializer_list<int> cubes)
{
    for (const int i : cubes)
        QTest::mouseClick(w.cubeFrame, Qt::LeftButton, {},
                          QPoint(97 * (i % 4) + 48, 97 * (i / 4) + 48));
}

TEST(Window, eventsReachTheCoreAndTheWindowShowsItsState)
{
    TestApp t{kWords};
    MainWindow& w = *t.window;
    t.startUp();
    t.placeBoard(BoardFromText("CATS/ODGE/BQIT/LXYZ"));
    Common::BeginPlay(t.app);
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const QColor box = w.NewWord->palette().color(QPalette::Base);
    QTest::keyClicks(w.NewWord, "CAtz");
    EXPECT_EQ(w.NewWord->text() + QString::number(w.NewWord->cursorPosition()), "cat3");
    EXPECT_NE(w.NewWord->palette().color(QPalette::Base), box) << "the refused z flashes the box";
    auto* fade = w.Feedback->findChild<QVariantAnimation*>();
    ASSERT_TRUE(fade && fade->state() == QAbstractAnimation::Running);
    fade->setCurrentTime(fade->duration()); // its end, without waiting for it
    EXPECT_EQ(w.NewWord->palette().color(QPalette::Base), box) << "and fades";
    EXPECT_EQ(t.app.view.CubeDrawState[2], BoardView::Selected) << "the path is painted";
    QTest::keyClick(w.NewWord, Qt::Key_Return);
    Click(w, {0, 4});
    w.Clear->click();
    EXPECT_EQ(w.NewWord->text(), "c");
    Click(w, {4, 5});
    QTest::mouseDClick(w.cubeFrame, Qt::LeftButton, {}, QPoint(97 + 48, 97 + 48));
    EXPECT_EQ(w.WordList->item(0, 0)->text() + w.PlayerWordLabel->text(), "cod2 words entered");
    QTest::mouseClick(w.WordList->viewport(), Qt::LeftButton, {},
                      w.WordList->visualItemRect(w.WordList->item(1, 0)).center());
    EXPECT_EQ(w.NewWord->text(), "cat");

    t.app.game.TimeRemaining = 11;
    Common::ClockTick(t.app);
    EXPECT_EQ(w.TimeLeft->text(), "0:10");

    // Beside the clock, the turn and a bonus; under the list, the score. All of the clock's
    // panel reads at 3:1 or better whatever colour the time shows.
    t.app.game.GameMode = TwoPlayer;
    Game::ShowBonus(t.app, 4);
    const auto rgb = [](const QLabel* label, QPalette::ColorRole role) {
        const QColor c = label->palette().color(role);
        return TimeFormat::Rgb{c.red(), c.green(), c.blue()};
    };
    using TimeFormat::ClockColour;
    for (const ClockColour colour : {ClockColour::Black, ClockColour::Yellow, ClockColour::Red}) {
        t.app.screen.ClockColour = colour;
        w.sync();
        for (const QLabel* label :
             {w.TimeRemLabel, w.TimeLeft, w.Feedback->Turn, w.Feedback->Bonus})
            EXPECT_GE(TimeFormat::ContrastRatio(rgb(label, QPalette::WindowText),
                                                rgb(label, QPalette::Window)),
                      3.0)
                << label->objectName().toStdString() << " " << static_cast<int>(colour);
    }
    EXPECT_EQ(w.Feedback->Turn->text() + '|' + w.Feedback->Bonus->text() + '|' +
                  w.Feedback->Score->text(),
              "Player 1|+4 s|Score so far: 2 points (2 words)");
    t.app.game.GameMode = SinglePlayer;
    t.desktop.answer(ui::Answer::Ok,
                     [&] { EXPECT_FALSE(w.cubeFrame->isVisible()) << "behind the box"; });
    w.Pause->click();
    EXPECT_TRUE(w.cubeFrame->isVisible() && w.GameClock->isActive());

    // The toolbar's keys work while the player types. Ctrl+E is also "end of line" in a text
    // box on some desktops; that case needs a real X server and is covered by the smoke test.
    w.NewWord->setFocus();
    QTest::keyClick(w.NewWord, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(w.TimeRemLabel->text(), "Game Over");
    EXPECT_FALSE(w.GameClock->isActive() || w.isEnabled());
    EXPECT_TRUE(t.app.resultsWindow && t.app.resultsWindow->isVisible());
}

// The toolbar's icons all come from the desktop's theme when it has every one, else all
// from our own set in the given colour: one toolbar never mixes two styles.
TEST(Window, toolbarIconsAllComeFromTheThemeOrAllFromOurOwnSet)
{
    const QStringList names = {"media-playback-start",   "media-playback-pause",
                               "media-playback-stop",    "preferences-system",
                               "accessories-dictionary", "network-workgroup",
                               "help-contents",          "application-exit"};
    const QStringList paths = QIcon::themeSearchPaths();
    const QString theme = QIcon::themeName();
    QTemporaryDir themes;
    QDir(themes.path()).mkpath(QStringLiteral("plain/i"));
    QFile index(themes.filePath(QStringLiteral("plain/index.theme")));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly) &&
                index.write("[Icon Theme]\nDirectories=i\n[i]\nSize=16\n") && index.flush());
    QPixmap green(16, 16);
    green.fill(Qt::green);
    for (qsizetype i = 0; i + 1 < names.size(); ++i)
        ASSERT_TRUE(green.save(themes.filePath("plain/i/" + names[i] + ".png")));
    QIcon::setThemeSearchPaths({themes.path()});
    QIcon::setThemeName(QStringLiteral("plain"));
    const auto inRed = [](const QIcon& icon) { // drawn, every opaque pixel in red
        const QImage image = icon.pixmap(24).toImage().convertToFormat(QImage::Format_ARGB32);
        const auto* begin = reinterpret_cast<const QRgb*>(image.constBits());
        const auto* end = begin + image.width() * image.height();
        const auto inked = std::count(begin, end, qRgb(255, 0, 0));
        return inked > 20 &&
               inked == std::count_if(begin, end, [](QRgb p) { return qAlpha(p) == 255; });
    };
    // The theme lacks the last one: every icon is ours, drawn in the given colour alone.
    for (const QIcon& icon : ui::ToolBarIcons(names, Qt::red))
        EXPECT_TRUE(icon.name().isEmpty() && inRed(icon));
    // The window's follow its palette, so that a dark desktop gets light icons.
    TestApp t;
    QPalette red = t.window->palette();
    red.setColor(QPalette::ButtonText, Qt::red);
    t.window->setPalette(red);
    EXPECT_TRUE(inRed(t.window->Exit->icon()));
    // With the last one too, the theme's.
    ASSERT_TRUE(green.save(themes.filePath("plain/i/" + names.back() + ".png")));
    QIcon::setThemeName(QStringLiteral("plain")); // forgets what it looked up before
    EXPECT_EQ(ui::ToolBarIcons(names, Qt::red).back().name(), names.back());
    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName(theme);
}

} // namespace
