// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar: Game, Dictionary and Help.
#include "core/game/Results.h"
#include "windows/game/MainWindow.h"
#include "windows/game/Runner.h"
#include "windows/shell/Help.h"
#include "windows/ui/Desktop.h"

#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolButton>

namespace {

// Keeps a menu command enabled exactly when its button is (the button is disabled with the
// window too, and Qt tells it so).
class FollowButton : public QObject {
public:
    FollowButton(QAction* action, QToolButton* button) : QObject(action), m_action(action)
    {
        button->installEventFilter(this);
        action->setEnabled(button->isEnabled());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange)
            m_action->setEnabled(static_cast<QWidget*>(watched)->isEnabled());
        return QObject::eventFilter(watched, event);
    }

private:
    QAction* m_action;
};

// Gives the command its keys. A key the window already handles (the game keys, which
// must work while the player types) is only shown beside the command: a second shortcut
// on the same key would make Qt fire neither.
void SetKeys(QWidget& window, QAction* action, const QList<QKeySequence>& keys)
{
    QList<QKeySequence> taken;
    for (const QShortcut* shortcut : window.findChildren<QShortcut*>())
        taken.append(shortcut->keys());
    QList<QKeySequence> own;
    QString shown;
    for (const QKeySequence& key : keys) {
        if (key.isEmpty() || own.contains(key))
            continue;
        if (!taken.contains(key))
            own.append(key);
        else if (shown.isEmpty())
            shown = key.toString(QKeySequence::NativeText);
    }
    action->setShortcuts(own);
    if (own.isEmpty() && !shown.isEmpty())
        action->setText(action->text() + QLatin1Char('\t') + shown);
}

QAction* AddCommand(QMenu* menu, const QString& name, const QString& text, QToolButton* button)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, button, &QToolButton::click);
    new FollowButton(action, button);
    return action;
}

} // namespace

void MainWindow::addMenus()
{
    MainWindow& w = *this;
    QMenuBar* bar = w.menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    const auto menu = [bar](const QString& name, const QString& title) {
        QMenu* m = bar->addMenu(title);
        m->setObjectName(name);
        return m;
    };

    QMenu* game = menu(QStringLiteral("GameMenu"), QObject::tr("&Game"));
    const auto gameKey = [&](QAction* action, QKeyCombination key) {
        SetKeys(w, action, {QKeySequence(key)});
    };
    gameKey(AddCommand(game, QStringLiteral("StartAction"), QObject::tr("&Start Game"), Start),
            Qt::CTRL | Qt::Key_N);
    gameKey(AddCommand(game, QStringLiteral("PauseAction"), QObject::tr("&Pause Game"), Pause),
            Qt::CTRL | Qt::Key_P);
    gameKey(AddCommand(game, QStringLiteral("EndAction"), QObject::tr("&End Game"), End),
            Qt::CTRL | Qt::Key_E);
    // No button of its own: the core says when the last results can be shown again.
    QAction* last = game->addAction(QObject::tr("&Last Results"));
    last->setObjectName(QStringLiteral("LastResultsAction"));
    last->setEnabled(Results::LastResultsAvailable(m_program));
    LastResultsAction = last;
    QObject::connect(last, &QAction::triggered, &w,
                     [this] { m_runner.run([this] { Results::ReopenResults(m_program); }); });
    QObject::connect(game, &QMenu::aboutToShow, last,
                     [this, last] { last->setEnabled(Results::LastResultsAvailable(m_program)); });
    QAction* playBoard = game->addAction(QObject::tr("Play a &Board..."));
    playBoard->setObjectName(QStringLiteral("PlayBoardAction"));
    QObject::connect(playBoard, &QAction::triggered, &w, [this] { m_runner.openPlayBoard(); });
    QAction* daily = game->addAction(QObject::tr("Board of the &Day"));
    daily->setObjectName(QStringLiteral("DailyAction"));
    QObject::connect(daily, &QAction::triggered, &w, [this] { m_runner.playBoardOfTheDay(); });
    // Given boards are single-player games, like Options' settings.
    QAction* progress = game->addAction(QObject::tr("P&rogress..."));
    progress->setObjectName(QStringLiteral("ProgressAction"));
    QObject::connect(progress, &QAction::triggered, &w, [this] { m_runner.openGameProgress(); });
    for (QAction* action : {playBoard, daily, progress})
        new FollowButton(action, Options);
    game->addSeparator();
    AddCommand(game, QStringLiteral("OptionsAction"), QObject::tr("&Options..."), Options);
    AddCommand(game, QStringLiteral("NetworkAction"), QObject::tr("&Network Game..."),
               NetworkButton);
    QAction* highScores = game->addAction(QObject::tr("&High Scores..."));
    highScores->setObjectName(QStringLiteral("HighScoresAction"));
    QObject::connect(highScores, &QAction::triggered, &w, [this] { m_runner.openHighScores(); });
    game->addSeparator();
    QAction* exit = AddCommand(game, QStringLiteral("ExitAction"), QObject::tr("E&xit"), Exit);
    exit->setMenuRole(QAction::QuitRole);
    SetKeys(w, exit,
            QKeySequence::keyBindings(QKeySequence::Quit) << QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* dictionary = menu(QStringLiteral("DictionaryMenu"), QObject::tr("&Dictionary"));
    AddCommand(dictionary, QStringLiteral("EditorAction"), QObject::tr("&Editor..."), Dictionary);

    QMenu* help = menu(QStringLiteral("HelpMenu"), QObject::tr("&Help"));
    QAction* contents =
        AddCommand(help, QStringLiteral("ContentsAction"), QObject::tr("&Contents"), HelpButton);
    SetKeys(w, contents, QKeySequence::keyBindings(QKeySequence::HelpContents));
    QAction* about = help->addAction(QObject::tr("&About Lettro"));
    about->setObjectName(QStringLiteral("AboutAction"));
    about->setMenuRole(QAction::AboutRole);
    QObject::connect(about, &QAction::triggered, &w, [this] {
        const std::string& language = m_program.dictionary.Language;
        m_desktop.ask(this, core::Prompt{.text = Shell::AboutText(language),
                                         .title = QObject::tr("About Lettro"),
                                         .details = Shell::AboutDetails(language)});
    });
}
