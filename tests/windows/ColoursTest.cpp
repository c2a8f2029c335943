// SPDX-License-Identifier: GPL-3.0-or-later
// Every colour Lettro picks against what it is drawn on, on a light, a dark and a grey
// desktop.
#include "windows/ui/Colours.h"
#include "windows/game/ClockLook.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

QPalette Desktop(int window, int base, int text)
{
    QPalette palette{QColor(window, window, window)};
    palette.setColor(QPalette::Base, QColor(base, base, base));
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText})
        palette.setColor(role, QColor(text, text, text));
    return palette;
}

std::string Name(const QColor& c)
{
    return c.name().toStdString();
}

// What Lettro draws on `p`: each an ink, its ground and the contrast it needs.
std::vector<std::tuple<std::string, QColor, QColor, double>> Pairs(const QPalette& p)
{
    using namespace Colours;
    const QColor base = p.color(QPalette::Base);
    std::vector<std::tuple<std::string, QColor, QColor, double>> pairs = {
        {"struck word", StruckWord(p), base, kText},
        {"warning", Warning(p), p.color(QPalette::Window), kText},
        {"refused word", kRefusedText, kRefusedBox, kText},
        {"no match in the editor", p.color(QPalette::Text), NoMatchTint(p), kText},
        {"letters off the path", kCubeLetters, kOffPath, kText},
        {"letters on the path", kCubeLetters, kOnPath, kText},
        {"help text", kHelpText, kHelpPaper, kText},
        {"help link", kHelpLink, kHelpPaper, kText},
        {"chart line", ChartMark(QColor(30, 140, 60), p), base, kLarge},
        {"chart bar", ChartMark(QColor(40, 90, 200), p), base, kLarge},
        {"chart boards bar", ChartMark(kOffPath, p), base, kLarge}};
    using TimeFormat::ClockColour;
    for (const ClockColour colour : {ClockColour::Black, ClockColour::Yellow, ClockColour::Red}) {
        const ClockLook::Look look = ClockLook::LookFor(colour, p);
        const std::string clock = "clock " + std::to_string(static_cast<int>(colour));
        pairs.emplace_back(clock + " time", look.time, look.panel, kLarge);
        pairs.emplace_back(clock + " turn", look.text, look.panel, kText);
        pairs.emplace_back(clock + " bonus", look.bonus, look.panel, kText);
    }
    return pairs;
}

} // namespace

TEST(Colours, everyPairReadsOnALightADarkAndAGreyDesktop)
{
    using Colours::Contrast, TimeFormat::ClockColour;
    const std::vector<std::tuple<QColor, QColor, double>> known = {
        {Qt::black, Qt::white, 21.0},
        {Qt::red, Qt::red, 1.0},
        {Qt::red, Qt::white, 4.0},
        {Qt::yellow, QColor(239, 239, 239), 1.07}};
    for (const auto& [a, b, ratio] : known) {
        EXPECT_NEAR(Contrast(a, b), ratio, 0.01);
        EXPECT_NEAR(Contrast(b, a), ratio, 0.01);
    }

    const std::vector<std::pair<const char*, QPalette>> desktops = {
        {"light", Desktop(239, 255, 0)},
        {"dark", Desktop(53, 45, 238)},
        {"grey", Desktop(128, 128, 255)}};
    for (const auto& [desktop, palette] : desktops) {
        for (const auto& [what, ink, ground, ratio] : Pairs(palette))
            EXPECT_GE(Contrast(ink, ground), ratio)
                << what << " on a " << desktop << " desktop: " << Name(ink) << " on "
                << Name(ground);
        // The fixed clock colours keep their values.
        EXPECT_EQ(ClockLook::LookFor(ClockColour::Yellow, palette).time, QColor(Qt::yellow));
        EXPECT_EQ(ClockLook::LookFor(ClockColour::Red, palette).time, QColor(Qt::red));
    }
    EXPECT_EQ(ClockLook::LookFor(ClockColour::Black, desktops[0].second).time, QColor(Qt::black));
}

// A colour that reads already is kept; one that does not is moved just far enough.
TEST(Colours, readableReachesTheRatioAndKeepsWhatAlreadyReads)
{
    QRandomGenerator random(25);
    const auto any = [&] { return QColor::fromRgb(random.generate() & 0xffffff); };
    for (int i = 0; i < 2000; ++i) {
        const QColor ink = any(), ground = any();
        const double ratio = i % 2 ? Colours::kText : Colours::kLarge;
        const QColor shown = Colours::Readable(ink, ground, ratio);
        EXPECT_GE(Colours::Contrast(shown, ground), ratio) << Name(ink) << " on " << Name(ground);
        if (Colours::Contrast(ink, ground) >= ratio) {
            EXPECT_EQ(shown, ink);
        }
    }
}
