// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindow.h"

#include "core/board/BoardView.h"
#include "core/board/WordEntry.h"
#include "core/game/BoardLanguage.h"
#include "core/game/Game.h"
#include "core/game/Opponents.h"
#include "core/game/Results.h"
#include "windows/board/CubeArt.h"
#include "windows/board/CubeFrame.h"
#include "windows/game/PlayFeedback.h"
#include "windows/game/Runner.h"
#include "windows/game/WindowPlace.h"
#include "windows/ui/Colours.h"
#include "windows/ui/Desktop.h"
#include "windows/ui/Icons.h"

#include <algorithm>

#include <QAction>
#include <QApplication>

#include <QBoxLayout>
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

MainWindow::MainWindow(Program& program, Runner& runner, ui::Desktop& desktop)
    : m_program(program), m_runner(runner), m_desktop(desktop)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Lettro"));

    ToolBar = addToolBar(tr("Game"));
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

    QFont courier(QStringLiteral("Courier New"), 18);
    courier.setStyleHint(QFont::TypeWriter);

    NewWord = new QLineEdit(central);
    NewWord->setObjectName(QStringLiteral("NewWord"));
    NewWord->setFont(courier);
    NewWord->setMaxLength(40);
    NewWord->setFixedHeight(40);
    // As wide as the board leaves beside Enter and Clear.
    NewWord->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    Enter = new QPushButton(tr("Enter"), central);
    Enter->setObjectName(QStringLiteral("Enter"));
    Enter->setFixedSize(76, 40);
    Enter->setDefault(true);
    Enter->setAutoDefault(true);

    Clear = new QPushButton(tr("Clear"), central);
    Clear->setObjectName(QStringLiteral("Clear"));
    Clear->setFixedSize(76, 40);
    Clear->setAutoDefault(false);
    Clear->setFocusPolicy(Qt::NoFocus); // typing goes on in the word box

    TimeRemLabel = new QLabel(tr("Time Remaining"), central);
    TimeRemLabel->setObjectName(QStringLiteral("TimeRemLabel"));
    TimeRemLabel->setAlignment(Qt::AlignCenter);
    TimeRemLabel->setFixedHeight(22);

    TimeLeft = new QLabel(central);
    TimeLeft->setObjectName(QStringLiteral("TimeLeft"));
    TimeLeft->setAlignment(Qt::AlignCenter);
    QFont clockFont = font();
    clockFont.setPointSize(26);
    clockFont.setBold(true);
    TimeLeft->setFont(clockFont);
    TimeLeft->setAutoFillBackground(false);
    TimeLeft->setFixedHeight(44);

    WordList = new QTableWidget(0, 1, central);
    WordList->setObjectName(QStringLiteral("WordList"));
    WordList->horizontalHeader()->hide();
    WordList->verticalHeader()->hide();
    WordList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    WordList->setSelectionMode(QAbstractItemView::SingleSelection);
    WordList->setSelectionBehavior(QAbstractItemView::SelectRows);
    WordList->setFocusPolicy(Qt::NoFocus);
    WordList->setShowGrid(false);
    // The list gives way to the board: the board decides the window's height.
    WordList->setMinimumHeight(0);
    WordList->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

    PlayerWordLabel = new QLabel(central);
    PlayerWordLabel->setObjectName(QStringLiteral("PlayerWordLabel"));
    PlayerWordLabel->setAlignment(Qt::AlignCenter);
    PlayerWordLabel->setFixedHeight(22);

    OpponentsLabel = new QLabel(central);
    OpponentsLabel->setObjectName(QStringLiteral("OpponentsLabel"));
    OpponentsLabel->setAlignment(Qt::AlignCenter);
    OpponentsLabel->hide();

    DefinedWordCount = new QLabel(central);
    DefinedWordCount->setObjectName(QStringLiteral("DefinedWordCount"));
    DefinedWordCount->setAlignment(Qt::AlignCenter);
    DefinedWordCount->setFixedHeight(22);

    Feedback = new PlayFeedback(TimeLeft, PlayerWordLabel, NewWord, this);

    // The board and its word box in one column, the clock and the list in the other; the
    // board's cubes grow with the area (layOut), the list takes the width that is left.
    auto* entry = new QHBoxLayout;
    entry->setSpacing(8);
    entry->addWidget(NewWord, 1);
    entry->addWidget(Enter);
    entry->addWidget(Clear);
    m_boardColumn = new QVBoxLayout;
    m_boardColumn->setSpacing(12);
    m_boardColumn->addWidget(cubeFrame, 0, Qt::AlignLeft | Qt::AlignTop);
    m_boardColumn->addLayout(entry);
    m_listColumn = new QVBoxLayout;
    m_listColumn->setSpacing(2);
    m_listColumn->addWidget(TimeRemLabel);
    m_listColumn->addWidget(TimeLeft);
    m_listColumn->addSpacing(6);
    // The computers' lines take the top of the word list's place while they show.
    m_listColumn->addWidget(OpponentsLabel);
    m_listColumn->addWidget(WordList, 1);
    m_listColumn->addSpacing(2);
    m_listColumn->addWidget(PlayerWordLabel);
    m_listColumn->addWidget(Feedback->scoreLabel());
    m_listColumn->addWidget(DefinedWordCount);
    m_columns = new QHBoxLayout(central);
    m_columns->setContentsMargins(16, 16, 16, 12);
    m_columns->setSpacing(24);
    m_columns->addLayout(m_boardColumn);
    m_columns->addLayout(m_listColumn, 1);

    // The word list takes whatever width the toolbar needs beyond the board, so every
    // button shows without an overflow menu.
    m_minListWidth = std::max(230, toolBarWidth() - (16 + cubeFrame->width() + 24) - 16);
    TimeRemLabel->setMinimumWidth(m_minListWidth);
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

    // Each handler is one core call, run by the application, which then brings every
    // window up to date.
    connect(GameClock, &QTimer::timeout, this, [this] {
        m_runner.run([this] { Game::ClockTick(m_program, m_desktop.isForeground(this)); });
    });
    connect(Start, &QToolButton::clicked, this, [this] {
        // In front before a "Hit OK" box can ask for the start.
        if (!IsNetworkGame(m_program))
            showInFront();
        m_runner.run([this] { Game::StartGameClick(m_program); });
        focusWordBox();
    });
    connect(Pause, &QToolButton::clicked, this, [this] {
        m_runner.run([this] { Game::PauseGame(m_program); });
        if (!IsNetworkGame(m_program))
            showInFront();
    });
    connect(End, &QToolButton::clicked, this, [this] {
        m_runner.run([this] { Game::EndGameNow(m_program); });
        focusWordBox();
    });
    connect(Options, &QToolButton::clicked, this, [this] { m_runner.openOptions(); });
    connect(NetworkButton, &QToolButton::clicked, this, [this] { m_runner.enterNetworkGame(); });
    connect(Dictionary, &QToolButton::clicked, this, [this] { m_runner.openDictionaryEditor(); });
    connect(HelpButton, &QToolButton::clicked, this, [this] { m_runner.openHelp(); });
    connect(Exit, &QToolButton::clicked, this, [this] { m_runner.exitProgram(); });

    connect(NewWord, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_mirroring)
            m_runner.run([this, &text] { WordEntry::NewWordChanged(m_program, text); });
    });
    connect(NewWord, &QLineEdit::returnPressed, this, [this] { enterWord(); });
    connect(Enter, &QPushButton::clicked, this, [this] { enterWord(); });
    connect(Clear, &QPushButton::clicked, this,
            [this] { m_runner.run([this] { WordEntry::RemoveLastLetter(m_program); }); });
    connect(WordList, &QTableWidget::cellClicked, this, [this](int row) {
        m_runner.run([this, row] { WordEntry::RecallListedWord(m_program, row); });
        NewWord->setFocus();
    });
    connect(cubeFrame, &CubeFrame::pressed, this,
            [this](QPointF at) { m_cubeUnderMouse = cubeFrame->cubeAt(at); });
    connect(cubeFrame, &CubeFrame::clicked, this, [this] {
        if (m_cubeUnderMouse < 0)
            return;
        // The typing goes on in the word box whatever was clicked.
        if (NewWord->isEnabled())
            NewWord->setFocus();
        m_runner.run([this] { WordEntry::CubeClicked(m_program, m_cubeUnderMouse); });
    });
    connect(cubeFrame, &CubeFrame::doubleClicked, this, [this] { enterWord(); });
    // A drag adds each cube it reaches as a click does, and ends the word where it ends.
    connect(cubeFrame, &CubeFrame::draggedTo, this, [this](int cube) {
        if (NewWord->isEnabled())
            NewWord->setFocus();
        m_runner.run([this, cube] { WordEntry::CubeDragged(m_program, cube); });
    });
    connect(cubeFrame, &CubeFrame::dragReleased, this, [this](int cube) {
        m_runner.run([this, cube] { WordEntry::CubeDragReleased(m_program, cube); });
    });

    addMenus();
    WindowPlace::Remember(m_program, *this, QStringLiteral("Main"), nullptr);
}

void MainWindow::enterWord()
{
    m_runner.run([this] { WordEntry::EnterWord(m_program); });
    NewWord->setFocus();
    Enter->setDefault(true);
}

void MainWindow::startUp()
{
    WordList->horizontalHeader()->setStretchLastSection(true);
    WordList->setColumnWidth(0, WordList->viewport()->width());
    sync();
}

void MainWindow::showInFront()
{
    show();
    raise();
    activateWindow();
}

void MainWindow::LayOutForHand(bool leftHanded)
{
    if (leftHanded == m_leftHanded)
        return;
    m_leftHanded = leftHanded;
    arrangeColumns();
}

void MainWindow::arrangeColumns()
{
    const bool boardFirst = m_leftHanded || m_stacked;
    m_columns->removeItem(m_boardColumn);
    m_columns->removeItem(m_listColumn);
    m_columns->setDirection(m_stacked ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    m_columns->addLayout(boardFirst ? m_boardColumn : m_listColumn, boardFirst ? 0 : 1);
    m_columns->addLayout(boardFirst ? m_listColumn : m_boardColumn, boardFirst ? 1 : 0);
    m_boardColumn->setAlignment(cubeFrame,
                                (m_stacked ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    m_columns->activate();
}

void MainWindow::layOut()
{
    // The cubes take what the margins, the word box and the list's least width leave.
    const QSize area = centralWidget()->size();
    const QMargins margins = m_columns->contentsMargins();
    const int below = m_boardColumn->spacing() + NewWord->height();
    const int wide = area.width() - margins.left() - margins.right();
    const int high = area.height() - margins.top() - margins.bottom() - below;
    const int beside = std::min(high, wide - m_columns->spacing() - m_minListWidth) / 4;
    // Under the board the list keeps its clock, its lines and a few rows.
    const int listHeight =
        m_listColumn->minimumSize().height() + 5 * WordList->verticalHeader()->defaultSectionSize();
    const int under = std::min(wide, high - m_columns->spacing() - listHeight) / 4;
    if ((under > beside) != m_stacked) {
        m_stacked = under > beside;
        arrangeColumns();
    }
    cubeFrame->setCubeSize(std::max(CubeArt::kCubeSize, std::max(beside, under)));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize && Feedback)
        layOut();
    return QMainWindow::eventFilter(watched, event);
}

MainWindow::~MainWindow() = default;

void MainWindow::stopClock()
{
    GameClock->stop();
}

void MainWindow::sync()
{
    const Program& p = m_program;
    setWindowTitle(BoardLanguage::WindowTitle(QStringLiteral("Lettro"), p.dictionary.Language));
    LayOutForHand(p.options.LeftHandedDisplay);
    cubeFrame->show(p.board.BoardFaces, p.view.WantedLooks);
    cubeFrame->showPath(p.view.ShownPath, BoardView::DimmedCubes(p));
    if (cubeFrame->isVisible() == p.screen.BoardHidden)
        cubeFrame->setVisible(!p.screen.BoardHidden);

    NewWord->setEnabled(p.entry.NewWordEnabled);
    Pause->setEnabled(!IsNetworkGame(p)); // the other players' clocks would not stop
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
                item->setForeground(Colours::StruckWord(WordList->palette()));
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
    // The layout gives the word list's top to the lines while they show.
    if (OpponentsLabel->text() != opponents) {
        OpponentsLabel->setText(opponents);
        OpponentsLabel->setVisible(!opponents.isEmpty());
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
}

void MainWindow::focusWordBox()
{
    if (m_program.entry.NewWordEnabled)
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
    if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::ThemeChange) && Exit) {
        setToolBarIcons();
        m_shownWords.clear(); // coloured anew at the next sync
    }
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
    if (!m_runner.exiting() && !m_runner.exitProgram()) {
        event->ignore();
        return;
    }
    GameClock->stop();
    event->accept();
}
