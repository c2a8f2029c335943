// SPDX-License-Identifier: GPL-3.0-or-later
// In every interface language each window and each menu keeps its mnemonics (the letter
// after &) apart, so Alt+letter reaches one control only, and no button or one-line label
// is narrower than its text when its window is at its smallest.
#include "TestApp.h"

#include "core/dictionary/Definitions.h"
#include "core/game/InterfaceLanguage.h"
#include "windows/dictionary/DictionaryEditor.h"
#include "windows/game/GameProgressWindow.h"
#include "windows/game/HighScoresWindow.h"
#include "windows/game/OptionsDialog.h"
#include "windows/game/PlayBoardDialog.h"
#include "windows/game/ResultsWindow.h"
#include "windows/game/SolvedBoardWindow.h"
#include "windows/network/NetworkDialog.h"
#include "windows/network/PromptWindow.h"

#include <QTranslator>
#include <QtWidgets>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The mnemonic letter of `text`, lower case; none when it has none ("&&" is a plain &).
QChar Mnemonic(QString text)
{
    const qsizetype at = text.remove(QStringLiteral("&&")).indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
}

// "window: &Foo / F&ile" for each letter two texts of one group share.
QStringList Clashes(const QString& where, const QStringList& texts)
{
    QMap<QChar, QString> seen;
    QStringList clashes;
    for (const QString& text : texts) {
        const QChar letter = Mnemonic(text);
        if (letter.isNull())
            continue;
        if (seen.contains(letter))
            clashes << QStringLiteral("%1: %2 / %3").arg(where, seen[letter], text);
        seen[letter] = text;
    }
    return clashes;
}

// The texts Alt+letter can reach in `window` (its own controls and menu bar, not those of
// the windows inside it), then the same for each of its menus.
QStringList WindowClashes(QWidget* window)
{
    QStringList texts, clashes;
    const QString name = window->objectName();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window)
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        else if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            texts << box->title();
    }
    if (auto* main = qobject_cast<QMainWindow*>(window); main && main->menuWidget())
        for (QAction* menu : main->menuBar()->actions())
            texts << menu->text();
    clashes << Clashes(name, texts);
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        QStringList items;
        for (QAction* action : menu->actions())
            items << action->text();
        clashes << Clashes(name + QLatin1Char('/') + menu->title(), items);
    }
    return clashes;
}

// The buttons and one-line labels of `window`, at its smallest, narrower than their text.
QStringList CutOff(QWidget* window)
{
    window->resize(window->minimumSize().expandedTo(window->minimumSizeHint()));
    window->show();
    QStringList cut;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisible())
            continue;
        // A push button's size hint has a floor of its own: its text, with a little room.
        int needed = 0;
        if (const auto* button = qobject_cast<QPushButton*>(w))
            needed = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(QLatin1Char('&'))) + 8;
        else if (const auto* label = qobject_cast<QLabel*>(w); qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w) || (label && !label->wordWrap()))
            needed = w->sizeHint().width();
        if (w->width() < needed)
            cut << QStringLiteral("%1: %2 is %3 wide of %4").arg(window->objectName(), w->objectName()).arg(w->width()).arg(needed);
    }
    window->hide();
    return cut;
}

TEST(Translations, eachLanguageKeepsTheMnemonicsOfEveryWindowAndMenuApart)
{
    for (const std::string& code : InterfaceLanguage::Codes()) {
        SCOPED_TRACE(code);
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/lettro_%1.qm").arg(QString::fromStdString(code))));
        QCoreApplication::installTranslator(&translator);
        {
            TestApp t;
            t.startUp();
            Definitions::Library definitions;
            std::vector<std::unique_ptr<QWidget>> windows;
            windows.push_back(std::make_unique<OptionsDialog>(t.program, t.app, nullptr));
            windows.push_back(std::make_unique<DictionaryEditor>(t.program, t.app, t.desktop, definitions));
            windows.push_back(std::make_unique<ResultsWindow>(t.program, t.app, t.desktop, definitions));
            windows.push_back(std::make_unique<HighScoresWindow>(t.program, t.app));
            windows.push_back(std::make_unique<GameProgressWindow>(t.program, t.app));
            windows.push_back(std::make_unique<PlayBoardDialog>(t.program, t.app));
            windows.push_back(std::make_unique<SolvedBoardWindow>(t.app));
            windows.push_back(std::make_unique<NetworkDialog>(t.program, t.app, [](const QStringList&) {}));
            windows.push_back(std::make_unique<PromptWindow>(t.program, t.app));
            QStringList clashes = WindowClashes(t.window), cut = CutOff(t.window);
            for (const auto& window : windows)
                clashes << WindowClashes(window.get()), cut << CutOff(window.get());
            EXPECT_TRUE(clashes.isEmpty()) << clashes.join(QLatin1Char('\n')).toStdString();
            EXPECT_TRUE(cut.isEmpty()) << cut.join(QLatin1Char('\n')).toStdString();
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

} // namespace
