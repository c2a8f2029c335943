// SPDX-License-Identifier: GPL-3.0-or-later
// Every colour Lettro picks against what it is drawn on, on a light, a dark and a grey
// desktop.
#include "windows/ui/Colours.h"
#include "windows/game/ClockLook.h"

#include <QRandomGenerator>

#include <functional>
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

} // namespace

TEST(Colours, everyPairReadsOnALightADarkAndAGreyDesktop)
{
    using Colours::Contrast, Colours::kLarge, Colours::kText, TimeFormat::ClockColour;
    const std::vector<std::tuple<QColor, QColor, double>> known = {
        {Qt::black, Qt::white, 21.0},
        {Qt::red, Qt::red, 1.0},
        {Qt::red, Qt::white, 4.0},
        {Qt::yellow, QColor(239, 239, 239), 1.07}};
    for (const auto& [a, b, ratio] : known) {
        EXPECT_NEAR(Contrast(a, b), ratio, 0.01);
        EXPECT_NEAR(Contrast(b, a), ratio, 0.01);
    }

    using Pair = std::function<std::pair<QColor, QColor>(const QPalette&)>;
    using Pick = QColor (*)(const QPalette&);
    const auto on = [](Pick ink, QPalette::ColorRole ground) -> Pair {
        return [=](const QPalette& p) { return std::pair(ink(p), p.color(ground)); };
    };
    const auto text = [](Pick tint) -> Pair {
        return [=](const QPalette& p) { return std::pair(p.color(QPalette::Text), tint(p)); };
    };
    const auto fixed = [](QColor ink, QColor ground) -> Pair {
        return [=](const QPalette&) { return std::pair(ink, ground); };
    };
    const auto chart = [](QColor wanted) -> Pair {
        return [=](const QPalette& p) {
            return std::pair(Colours::ChartMark(wanted, p), p.color(QPalette::Base));
        };
    };
    std::vector<std::tuple<std::string, Pair, double>> pairs = {
        {"struck word", on(Colours::StruckWord, QPalette::Base), kText},
        {"warning", on(Colours::Warning, QPalette::Window), kText},
        {"refused word", fixed(Colours::kRefusedText, Colours::kRefusedBox), kText},
        {"no match in the editor", text(Colours::NoMatchTint), kText},
        {"letters off the path", fixed(Colours::kCubeLetters, Colours::kOffPath), kText},
        {"letters on the path", fixed(Colours::kCubeLetters, Colours::kOnPath), kText},
        {"help text", fixed(Colours::kHelpText, Colours::kHelpPaper), kText},
        {"help link", fixed(Colours::kHelpLink, Colours::kHelpPaper), kText},
        {"chart line", chart(QColor(30, 140, 60)), kLarge},
        {"chart bar", chart(QColor(40, 90, 200)), kLarge},
        {"chart boards bar", chart(Colours::kOffPath), kLarge}};
    using Look = ClockLook::Look;
    for (const ClockColour colour : {ClockColour::Black, ClockColour::Yellow, ClockColour::Red})
        for (const auto& [what, ink, ratio] :
             {std::tuple("time", &Look::time, kLarge), std::tuple("turn", &Look::text, kText),
              std::tuple("bonus", &Look::bonus, kText)})
            pairs.emplace_back(
                std::string("clock ") + what + ' ' + std::to_string(static_cast<int>(colour)),
                [colour, ink = ink](const QPalette& p) {
                    const Look look = ClockLook::LookFor(colour, p);
                    return std::pair(look.*ink, look.panel);
                },
                ratio);
    const std::vector<std::pair<const char*, QPalette>> desktops = {
        {"light", Desktop(239, 255, 0)},
        {"dark", Desktop(53, 45, 238)},
        {"grey", Desktop(128, 128, 255)}};
    for (const auto& [desktop, palette] : desktops) {
        for (const auto& [what, pair, ratio] : pairs) {
            const auto [ink, ground] = pair(palette);
            EXPECT_GE(Contrast(ink, ground), ratio)
                << what << " on a " << desktop << " desktop: " << Name(ink) << " on "
                << Name(ground);
        }
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
