// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "core/board/BoardView.h"
#include "core/game/Opponents.h"
#include "core/game/Results.h"
#include "windows/board/BoardDrawing.h"
#include "windows/board/CubeArt.h"
#include "windows/board/CubeFrame.h"
#include "windows/board/WordEntry.h"
#include "windows/dictionary/Editor.h"
#include "windows/game/App.h"
#include "windows/game/Common.h"
#include "windows/game/MainMenus.h"
#include "windows/game/PlayFeedback.h"
#include "windows/game/ResultsWindow.h"
#include "windows/game/WindowPlace.h"
#include "windows/shell/Help.h"
#include "windows/ui/Icons.h"

#include <algorithm>

#include <QAction>
#include <QApplication>

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {
// A key for one of the game's main moves; the tooltip names it. The key belongs to the
// window, not the button, so it works even when a narrow toolbar tucks the button away.
void SetShortcut(QWidget* window, QToolButton* button, const QKeySequence& keys)
{
    auto* shortcut = new QShortcut(keys, window);
    QObject::connect(shortcut, &QShortcut::activated, button, &QToolButton::click);
    button->setToolTip(
        QStringLiteral("%1 (%2)").arg(button->toolTip(), keys.toString(QKeySequence::NativeText)));
}

// Lets the game's keys through a text box that would take them for itself (Ctrl+E is
// "end of line" in a text box on some desktops).
class GameKeysFirst : public QObject {
public:
    GameKeysFirst(QList<QKeyCombination> keys, QObject* parent)
        : QObject(parent), m_keys(std::move(keys))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride &&
            m_keys.contains(static_cast<QKeyEvent*>(event)->keyCombination())) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QList<QKeyCombination> m_keys;
};
} // namespace

MainWindow::MainWindow(App& app, QWidget* parent) : QMainWindow(parent), m_app(app)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Lettro"));
    app.main = this;

    ToolBar = addToolBar(QStringLiteral("Game"));
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setMovable(false);
    ToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Start = addToolButton(QStringLiteral("Start"), tr("Start Game"),
                          tr("Shake the dice and start a new game"));
    Pause = addToolButton(QStringLiteral("Pause"), tr("Pause Game"), tr("Pause the game"));
    End = addToolButton(QStringLiteral("End"), tr("End Game"), tr("End the game now"));
    ToolBar->addSeparator();
    Options = addToolButton(QStringLiteral("Options"), tr("Options"),
                            tr("Time, game type, players, word sizes and more"));
    Dictionary = addToolButton(QStringLiteral("Dictionary"), tr("Dictionary Editor"),
                               tr("Browse and edit the dictionary"));
    NetworkButton = addToolButton(QStringLiteral("NetworkButton"), tr("Network Game"),
                                  tr("Play with others on the local network"));
    HelpButton = addToolButton(QStringLiteral("HelpButton"), tr("Help"), tr("How to play"));
    Exit = addToolButton(QStringLiteral("Exit"), tr("Exit Lettro"), tr("Leave Lettro"));
    setToolBarIcons();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("MainArea"));
    setCentralWidget(central);

    cubeFrame = new CubeFrame(central);
    cubeFrame->move(16, 16);
    const int boardBottom = cubeFrame->y() + cubeFrame->height();
    const int boardRight = cubeFrame->x() + cubeFrame->width();

    QFont courier(QStringLiteral("Courier New"), 18);
    courier.setStyleHint(QFont::TypeWriter);

    NewWord = new QLineEdit(central);
    NewWord->setObjectName(QStringLiteral("NewWord"));
    NewWord->setFont(courier);
    NewWord->setMaxLength(40);
    NewWord->setGeometry(16, boardBottom + 12, 220, 40);

    Enter = new QPushButton(tr("Enter"), central);
    Enter->setObjectName(QStringLiteral("Enter"));
    Enter->setGeometry(244, boardBottom + 12, 76, 40);
    Enter->setDefault(true);
    Enter->setAutoDefault(true);

    Clear = new QPushButton(tr("Clear"), central);
    Clear->setObjectName(QStringLiteral("Clear"));
    Clear->setGeometry(boardRight - 76, boardBottom + 12, 76, 40);
    Clear->setAutoDefault(false);
    Clear->setFocusPolicy(Qt::NoFocus); // typing goes on in the word box

    const int listLeft = boardRight + 24;
    // The word list takes whatever width the toolbar needs beyond the board, so every
    // button shows without an overflow menu.
    const int listWidth = std::max(230, toolBarWidth() - listLeft - 16);
    TimeRemLabel = new QLabel(tr("Time Remaining"), central);
    TimeRemLabel->setObjectName(QStringLiteral("TimeRemLabel"));
    TimeRemLabel->setAlignment(Qt::AlignCenter);
    TimeRemLabel->setGeometry(listLeft, 16, listWidth, 22);

    TimeLeft = new QLabel(central);
    TimeLeft->setObjectName(QStringLiteral("TimeLeft"));
    TimeLeft->setAlignment(Qt::AlignCenter);
    QFont clockFont = font();
    clockFont.setPointSize(26);
    clockFont.setBold(true);
    TimeLeft->setFont(clockFont);
    TimeLeft->setAutoFillBackground(false);
    TimeLeft->setGeometry(listLeft, 40, listWidth, 44);

    WordList = new QTableWidget(0, 1, central);
    WordList->setObjectName(QStringLiteral("WordList"));
    WordList->horizontalHeader()->hide();
    WordList->verticalHeader()->hide();
    WordList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    WordList->setSelectionMode(QAbstractItemView::SingleSelection);
    WordList->setSelectionBehavior(QAbstractItemView::SelectRows);
    WordList->setFocusPolicy(Qt::NoFocus);
    WordList->setShowGrid(false);
    WordList->setGeometry(listLeft, 92, listWidth, boardBottom - 92 - 30);

    PlayerWordLabel = new QLabel(central);
    PlayerWordLabel->setObjectName(QStringLiteral("PlayerWordLabel"));
    PlayerWordLabel->setAlignment(Qt::AlignCenter);
    PlayerWordLabel->setGeometry(listLeft, boardBottom - 26, listWidth, 22);

    OpponentsLabel = new QLabel(central);
    OpponentsLabel->setObjectName(QStringLiteral("OpponentsLabel"));
    OpponentsLabel->setAlignment(Qt::AlignCenter);
    OpponentsLabel->hide();

    DefinedWordCount = new QLabel(central);
    DefinedWordCount->setObjectName(QStringLiteral("DefinedWordCount"));
    DefinedWordCount->setAlignment(Qt::AlignCenter);
    DefinedWordCount->setGeometry(listLeft, boardBottom + 20, listWidth, 22);

    // The size it opens at is the smallest; it grows from there.
    central->setMinimumSize(listLeft + listWidth + 16, boardBottom + 64);
    m_minListWidth = listWidth;
    Feedback = new PlayFeedback(*this);
    central->installEventFilter(this);

    // Keys for the main moves of a game; they work while the player types.
    const QList<QPair<QToolButton*, QKeyCombination>> gameKeys = {{Start, Qt::CTRL | Qt::Key_N},
                                                                  {Pause, Qt::CTRL | Qt::Key_P},
                                                                  {End, Qt::CTRL | Qt::Key_E},
                                                                  {Exit, Qt::CTRL | Qt::Key_Q}};
    QList<QKeyCombination> keys;
    for (const auto& [button, key] : gameKeys) {
        SetShortcut(this, button, QKeySequence(key));
        keys.append(key);
    }
    NewWord->installEventFilter(new GameKeysFirst(keys, NewWord));

    GameClock = new QTimer(this);
    GameClock->setObjectName(QStringLiteral("GameClock"));
    GameClock->setInterval(1000);

    connect(GameClock, &QTimer::timeout, this, [this] { Common::ClockTick(m_app); });
    connect(Start, &QToolButton::clicked, this, [this] { Common::StartGameClick(m_app); });
    connect(Pause, &QToolButton::clicked, this, [this] { Common::PauseGame(m_app); });
    connect(End, &QToolButton::clicked, this, [this] { EndGameNow(); });
    connect(Options, &QToolButton::clicked, this, [this] { Common::OpenOptions(m_app); });
    connect(NetworkButton, &QToolButton::clicked, this,
            [this] { Common::EnterNetworkGame(m_app); });
    connect(Dictionary, &QToolButton::clicked, this,
            [this] { ::Dictionary::OpenDictionaryEditor(m_app); });
    connect(HelpButton, &QToolButton::clicked, this, [this] { Shell::OpenHelp(m_app); });
    connect(Exit, &QToolButton::clicked, this, [this] { Common::ExitProgram(m_app); });

    connect(NewWord, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_mirroring)
            WordEntry::NewWordChanged(m_app, text);
    });
    connect(NewWord, &QLineEdit::returnPressed, this, [this] { WordEntry::EnterWord(m_app); });
    connect(Enter, &QPushButton::clicked, this, [this] { WordEntry::EnterWord(m_app); });
    connect(Clear, &QPushButton::clicked, this, [this] { WordEntry::RemoveLastLetter(m_app); });
    connect(WordList, &QTableWidget::cellClicked, this,
            [this](int row) { WordEntry::RecallListedWord(m_app, row); });
    connect(cubeFrame, &CubeFrame::pressed, this, [this](QPointF at) {
        cubeUnderMouse = BoardView::CubeAtPoint(m_app.view, at.x(), at.y());
    });
    connect(cubeFrame, &CubeFrame::clicked, this, [this] {
        if (cubeUnderMouse >= 0)
            WordEntry::CubeClicked(m_app, cubeUnderMouse);
    });
    connect(cubeFrame, &CubeFrame::doubleClicked, this, [this] { WordEntry::EnterWord(m_app); });

    AddMainMenus(*this, m_app);
    WindowPlace::Remember(m_app, *this, QStringLiteral("Main"));
}

void MainWindow::LayOutForHand(bool leftHanded)
{
    if (leftHanded == m_leftHanded)
        return;
    m_leftHanded = leftHanded;
    layOut();
}

void MainWindow::layOut()
{
    const QSize area = centralWidget()->size();
    // Margins: 16 round the edges, 24 between the board and the list; 64 under the board
    // for the word box and its buttons.
    const int cube =
        std::max(CubeArt::kCubeSize,
                 std::min((area.height() - 80) / 4, (area.width() - 56 - m_minListWidth) / 4));
    const int board = 4 * cube;
    const int listWidth = std::max(m_minListWidth, area.width() - 56 - board);
    const int boardLeft = m_leftHanded ? 16 : 16 + listWidth + 24;
    const int listLeft = m_leftHanded ? 16 + board + 24 : 16;
    const int boardBottom = 16 + board;

    if (cubeFrame->cubeSize() != cube) {
        cubeFrame->setCubeSize(cube);
        // The core's geometry follows the drawn size, so clicks find the cubes; then
        // every cube is painted again at its new place.
        BoardView::InitBoardGeometry(m_app);
        m_app.view.CubeDrawState.fill(BoardView::NotDrawn);
        BoardView::PaintChangedCubes(m_app);
    }
    cubeFrame->move(boardLeft, 16);
    NewWord->setGeometry(boardLeft, boardBottom + 12, board - 168, 40);
    Enter->setGeometry(boardLeft + board - 160, boardBottom + 12, 76, 40);
    Clear->setGeometry(boardLeft + board - 76, boardBottom + 12, 76, 40);

    TimeRemLabel->setGeometry(listLeft, 16, listWidth, 22);
    TimeLeft->setGeometry(listLeft, 40, listWidth, 44);
    Feedback->Bonus->move(listWidth - 76, 0);
    // The computers' lines take the top of the word list's place while they show.
    const QString shown = OpponentsLabel->text();
    const auto lines = shown.isEmpty() ? 0 : shown.count(QLatin1Char('\n')) + 1;
    const int linesHeight = static_cast<int>(lines) * (fontMetrics().height() + 2);
    OpponentsLabel->setGeometry(listLeft, 92, listWidth, linesHeight);
    WordList->setGeometry(listLeft, 92 + linesHeight, listWidth, boardBottom - 92 - 30 - linesHeight);
    PlayerWordLabel->setGeometry(listLeft, boardBottom - 26, listWidth, 22);
    Feedback->Score->setGeometry(PlayerWordLabel->geometry().translated(0, 22));
    DefinedWordCount->setGeometry(listLeft, boardBottom + 20, listWidth, 22);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize && Feedback)
        layOut();
    return QMainWindow::eventFilter(watched, event);
}

MainWindow::~MainWindow()
{
    if (m_app.main == this)
        m_app.main = nullptr;
}

void MainWindow::EndGame()
{
    Common::EndGame(m_app);
}

void MainWindow::EndGameNow()
{
    Common::EndGameNow(m_app);
}

void MainWindow::sync()
{
    const Program& p = m_app;
    BoardView::PaintChangedCubes(m_app);
    if (cubeFrame->isVisible() == p.screen.BoardHidden)
        cubeFrame->setVisible(!p.screen.BoardHidden);

    NewWord->setEnabled(p.entry.NewWordEnabled);
    if (NewWord->text() != p.entry.NewWordText) {
        m_mirroring = true;
        NewWord->setText(p.entry.NewWordText);
        NewWord->setCursorPosition(static_cast<int>(NewWord->text().size()));
        m_mirroring = false;
    }
    if (m_shownWords != p.entry.ListedWords) {
        m_shownWords = p.entry.ListedWords;
        WordList->setUpdatesEnabled(false);
        WordList->setRowCount(static_cast<int>(m_shownWords.size()));
        QFont font(QStringLiteral("Courier New"), 18);
        font.setStyleHint(QFont::TypeWriter);
        for (std::size_t row = 0; row < m_shownWords.size(); ++row) {
            const ListedWord& listed = m_shownWords[row];
            auto* item = new QTableWidgetItem(listed.Word);
            font.setStrikeOut(!listed.BoardWord);
            item->setFont(font);
            if (!listed.BoardWord)
                item->setForeground(QColor(150, 40, 40));
            WordList->setItem(static_cast<int>(row), 0, item);
        }
        WordList->scrollToTop();
        WordList->setUpdatesEnabled(true);
    }
    if (WordList->rowCount() > 0 && WordList->currentRow() != p.entry.SelectedRow)
        WordList->setCurrentCell(p.entry.SelectedRow, 0);
    const QString caption = WordEntry::EnterCaption(p);
    if (Enter->text() != caption)
        Enter->setText(caption);

    PlayerWordLabel->setText(p.screen.PlayerWordText);
    DefinedWordCount->setText(p.screen.DefinedWordText);
    const QString opponents = Opponents::PlayLines(p).join(QLatin1Char('\n'));
    if (OpponentsLabel->text() != opponents) {
        // Lines come or go: the word list makes room or takes it back.
        const bool relayOut = OpponentsLabel->text().isEmpty() != opponents.isEmpty() ||
                              OpponentsLabel->text().count(QLatin1Char('\n')) != opponents.count(QLatin1Char('\n'));
        OpponentsLabel->setText(opponents);
        OpponentsLabel->setVisible(!opponents.isEmpty());
        if (relayOut)
            layOut();
    }
    TimeRemLabel->setText(p.screen.ClockCaption);
    TimeLeft->setText(p.screen.ClockText);
    Feedback->sync(p); // also the clock's colours
    if (p.screen.ClockRunning && !GameClock->isActive())
        GameClock->start();
    else if (!p.screen.ClockRunning && GameClock->isActive())
        GameClock->stop();

    if (LastResultsAction)
        LastResultsAction->setEnabled(Results::LastResultsAvailable(p));
    // Results prepared since the window last opened them: a game has just been evaluated,
    // or the last results are shown again.
    if (p.results.Open && p.results.ShownAt != m_resultsShownAt) {
        m_resultsShownAt = p.results.ShownAt;
        Common::PrepareResultsWindow(m_app);
        ShowOverMainWindow(m_app, Common::ResultsWindowFor(m_app));
    }
}

void MainWindow::showGameState()
{
    sync();
    if (m_app.entry.NewWordEnabled)
        NewWord->setFocus();
}

QToolButton* MainWindow::addToolButton(const QString& name, const QString& text, const QString& tip)
{
    auto* button = new QToolButton(ToolBar);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(tip);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFocusPolicy(Qt::NoFocus);
    ToolBar->addWidget(button);
    return button;
}

// The desktop's own icons where its theme has them all, so the toolbar looks at home;
// else our own set, one size and style, in the colour of the buttons' text.
void MainWindow::setToolBarIcons()
{
    const QList<QToolButton*> buttons = {Start,      Pause,         End,        Options,
                                         Dictionary, NetworkButton, HelpButton, Exit};
    const QList<QIcon> icons = ui::ToolBarIcons(
        {QStringLiteral("media-playback-start"), QStringLiteral("media-playback-pause"),
         QStringLiteral("media-playback-stop"), QStringLiteral("preferences-system"),
         QStringLiteral("accessories-dictionary"), QStringLiteral("network-workgroup"),
         QStringLiteral("help-contents"), QStringLiteral("application-exit")},
        palette().color(QPalette::ButtonText)); // the toolbar learns of a new one later
    for (qsizetype i = 0; i < buttons.size(); ++i)
        buttons[i]->setIcon(icons[i]);
}

// Our own icons follow the desktop into a dark or light palette, or into an icon theme.
void MainWindow::changeEvent(QEvent* event)
{
    if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::ThemeChange) && Exit)
        setToolBarIcons();
    QMainWindow::changeEvent(event);
}

int MainWindow::toolBarWidth() const
{
    const int spacing = style()->pixelMetric(QStyle::PM_ToolBarItemSpacing, nullptr, ToolBar);
    const int margin = style()->pixelMetric(QStyle::PM_ToolBarItemMargin, nullptr, ToolBar) +
                       style()->pixelMetric(QStyle::PM_ToolBarFrameWidth, nullptr, ToolBar);
    const int separator = style()->pixelMetric(QStyle::PM_ToolBarSeparatorExtent, nullptr, ToolBar);
    int width = 2 * margin + separator + spacing + 12; // a little air at the end
    for (const QToolButton* button :
         ToolBar->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
        if (!button->objectName().startsWith(QLatin1String("qt_")))
            width += button->sizeHint().width() + spacing;
    return width;
}

// Closing by the frame is the same as Exit.
void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_app.exiting && !Common::ExitProgram(m_app)) {
        event->ignore();
        return;
    }
    GameClock->stop();
    event->accept();
}
