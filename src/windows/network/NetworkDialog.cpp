// SPDX-License-Identifier: GPL-3.0-or-later
#include "NetworkDialog.h"

#include "core/game/ComputerPlayer.h"
#include "core/game/Program.h"
#include "core/game/SettingsText.h"
#include "core/network/NetworkCommon.h"
#include "core/network/NetworkGame.h"
#include "core/network/NetworkSettings.h"
#include "windows/game/Runner.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

// The marker column has no heading. Each column is as wide as its sample text.
constexpr std::array<const char*, 7> kHeadings = {"",
                                                  QT_TRANSLATE_NOOP("NetworkDialog", "Player"),
                                                  QT_TRANSLATE_NOOP("NetworkDialog", "Status"),
                                                  QT_TRANSLATE_NOOP("NetworkDialog", "Device"),
                                                  QT_TRANSLATE_NOOP("NetworkDialog", "Address"),
                                                  QT_TRANSLATE_NOOP("NetworkDialog", "Type"),
                                                  QT_TRANSLATE_NOOP("NetworkDialog", "Connection")};
constexpr std::array<const char*, 7> kSamples = {
    "XX",        "XXXXXXXXXXX", "Sending game dataX", "XXXXXXXXXXX", "888.888.888.888X",
    "PocketPCX", "->888.888.888.888X"};

QPushButton* Button(const char* name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    // Return presses only the default button, and only when the core makes one.
    button->setAutoDefault(false);
    return button;
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// The settings' items are English in the core (they travel to the players); shown translated.
QStringList Texts(const std::vector<std::string>& items)
{
    QStringList texts;
    for (const std::string& item : items)
        texts << SettingsText::Shown(item);
    return texts;
}

void Fill(QListWidget* list, const std::vector<std::string>& items, int index)
{
    const QSignalBlocker quiet(list);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    if (shown != Texts(items)) {
        list->clear();
        list->addItems(Texts(items));
    }
    if (list->currentRow() != index)
        list->setCurrentRow(index);
}

void Fill(QComboBox* combo, const std::vector<std::string>& items, int index)
{
    const QSignalBlocker quiet(combo);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    if (shown != Texts(items)) {
        combo->clear();
        combo->addItems(Texts(items));
    }
    combo->setCurrentIndex(index);
}

// A list box tall enough for `rows` whole rows and wide enough for its longest item
// beside a scroll bar.
void Fit(QListWidget* list, int rows)
{
    const int row = list->count() > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height();
    list->setFixedHeight(rows * row + 2 * list->frameWidth());
    int widest = 0;
    for (int i = 0; i < list->count(); ++i)
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->item(i)->text()));
    list->setMinimumWidth(widest + 2 * list->frameWidth() +
                          list->verticalScrollBar()->sizeHint().width() + 16);
}

// A label above a list box, its mnemonic taking the focus to the list.
QVBoxLayout* Labelled(const QString& text, QListWidget* list, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(list->objectName() + QStringLiteral("Label"));
    label->setBuddy(list);
    auto* column = new QVBoxLayout;
    column->addWidget(label);
    column->addWidget(list);
    column->addStretch();
    return column;
}

} // namespace

NetworkDialog::NetworkDialog(Program& program, Runner& runner,
                             const std::function<void(const QStringList&)>& startComputerPlayer,
                             QWidget* parent)
    : QDialog(parent), m_program(program), m_runner(runner),
      m_startComputerPlayer(startComputerPlayer)
{
    setObjectName(QStringLiteral("NetworkDialog"));
    setWindowTitle(tr("Lettro Networking"));
    setModal(false);

    PlayerTable = new QTableWidget(1, static_cast<int>(kHeadings.size()), this);
    PlayerTable->setObjectName(QStringLiteral("PlayerTable"));
    PlayerTable->horizontalHeader()->hide();
    PlayerTable->verticalHeader()->hide();
    PlayerTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The only highlight is the player chosen for booting, which the core keeps.
    PlayerTable->setSelectionMode(QAbstractItemView::NoSelection);
    PlayerTable->setFocusPolicy(Qt::NoFocus);
    QFont bold = PlayerTable->font();
    bold.setBold(true);
    int tableWidth = 2 * PlayerTable->frameWidth();
    for (int column = 0; column < static_cast<int>(kHeadings.size()); ++column) {
        const auto c = static_cast<std::size_t>(column);
        // As wide as the sample, the heading and, for the status, its longest translation.
        QStringList samples{QString::fromLatin1(kSamples[c]),
                            QCoreApplication::translate("NetworkDialog", kHeadings[c]) +
                                QLatin1Char('X')};
        if (column == 2)
            for (int phase = 0; phase <= static_cast<int>(Phase::ReviewingResults); ++phase)
                samples << QCoreApplication::translate("PlayerStatus",
                                                       Network::StatusText(Phase(phase))) +
                               QLatin1Char('X');
        int width = 0;
        for (const QString& sample : samples)
            width = std::max(width, PlayerTable->fontMetrics().horizontalAdvance(sample));
        PlayerTable->setColumnWidth(column, width);
        tableWidth += width;
        auto* heading =
            new QTableWidgetItem(QCoreApplication::translate("NetworkDialog", kHeadings[c]));
        heading->setFont(bold);
        heading->setFlags(Qt::ItemIsEnabled);
        PlayerTable->setItem(0, column, heading);
    }
    PlayerTable->setMinimumWidth(tableWidth + PlayerTable->verticalScrollBar()->sizeHint().width());

    Status = new QLabel(this);
    Status->setObjectName(QStringLiteral("Status"));

    GameType = new QListWidget(this);
    GameType->setObjectName(QStringLiteral("GameType"));
    GameTime = new QListWidget(this);
    GameTime->setObjectName(QStringLiteral("GameTime"));
    RepeatLetters = new QCheckBox(tr("&Repeat Letters"), this);
    RepeatLetters->setObjectName(QStringLiteral("RepeatLetters"));
    MinWordsLabel = new QLabel(tr("&Min Word Size"), this);
    MinWordsLabel->setObjectName(QStringLiteral("MinWordsLabel"));
    MinWordSizeCombo = new QComboBox(this);
    MinWordSizeCombo->setObjectName(QStringLiteral("MinWordSizeCombo"));
    NumWordsLabel = new QLabel(tr("&Words"), this);
    NumWordsLabel->setObjectName(QStringLiteral("NumWordsLabel"));
    NumWordsCombo = new QComboBox(this);
    NumWordsCombo->setObjectName(QStringLiteral("NumWordsCombo"));
    MinWordsLabel->setBuddy(MinWordSizeCombo);
    BoardLanguage = new QLabel(this);
    BoardLanguage->setObjectName(QStringLiteral("BoardLanguage"));
    NumWordsLabel->setBuddy(NumWordsCombo);

    Connect = Button("Connect", tr("&Connect..."), this);
    StartGame = Button("StartGame", tr("&Start Game"), this);
    BootPlayer = Button("BootPlayer", tr("&Boot Player"), this);
    Quit = Button("Quit", tr("&Quit"), this);
    AddComputerPlayer = Button("AddComputerPlayer", tr("&Add Computer Player"), this);
    ComputerStrength = new QComboBox(this);
    ComputerStrength->setObjectName(QStringLiteral("ComputerStrength"));
    for (int level = 0; level < ComputerPlayer::kLevels; ++level)
        ComputerStrength->addItem(
            SettingsText::Shown(ComputerPlayer::LevelName(ComputerPlayer::LevelAt(level))));
    ComputerStrength->setCurrentIndex(static_cast<int>(ComputerPlayer::kDefaultLevel));

    auto* sizes = new QGridLayout;
    sizes->addWidget(RepeatLetters, 0, 0, 1, 2);
    sizes->addWidget(MinWordsLabel, 1, 0);
    sizes->addWidget(MinWordSizeCombo, 1, 1);
    sizes->addWidget(NumWordsLabel, 2, 0);
    sizes->addWidget(NumWordsCombo, 2, 1);
    sizes->addWidget(BoardLanguage, 3, 0, 1, 2);
    auto* settings = new QHBoxLayout;
    settings->addLayout(Labelled(tr("Game &Type"), GameType, this));
    settings->addLayout(Labelled(tr("Game T&ime"), GameTime, this));
    settings->addLayout(sizes);
    settings->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Connect);
    buttons->addWidget(StartGame);
    buttons->addWidget(BootPlayer);
    buttons->addWidget(AddComputerPlayer);
    buttons->addWidget(ComputerStrength);
    buttons->addStretch();
    buttons->addWidget(Quit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PlayerTable);
    layout->addWidget(Status);
    layout->addLayout(settings);
    layout->addLayout(buttons);

    PollTimer = new QTimer(this);
    PollTimer->setObjectName(QStringLiteral("PollTimer"));
    PollTimer->setInterval(Network::kPollMilliseconds);

    connect(PollTimer, &QTimer::timeout, this, [this] {
        // A message box of an earlier call is still open: its tick comes later.
        if (!m_runner.busy())
            m_runner.run([this] { Network::PollNetwork(m_program); });
    });
    // Messages are taken as they come, not only on the tick, so that a hand-over between
    // machines is not a tick per message slower.
    if (m_program.transport)
        m_program.transport->setArrivalNotice([this] {
            if (!m_runner.busy())
                m_runner.run([this] { Network::ReceiveNetwork(m_program); });
        });
    connect(Connect, &QPushButton::clicked, this,
            [this] { m_runner.run([this] { Network::ConnectClick(m_program, false); }); });
    connect(StartGame, &QPushButton::clicked, this,
            [this] { m_runner.run([this] { Network::StartHostedGame(m_program); }); });
    connect(BootPlayer, &QPushButton::clicked, this,
            [this] { m_runner.run([this] { Network::BootPlayer(m_program); }); });
    connect(AddComputerPlayer, &QPushButton::clicked, this, [this] {
        if (Network::TableFull(m_program))
            return;
        const auto arguments = Network::ComputerPlayerArguments(
            m_program, ComputerPlayer::LevelStrength(
                           ComputerPlayer::LevelAt(ComputerStrength->currentIndex())));
        QStringList list;
        for (const std::string& a : arguments)
            list << QString::fromStdString(a);
        if (!list.isEmpty() && m_startComputerPlayer)
            m_startComputerPlayer(list);
    });
    connect(Quit, &QPushButton::clicked, this,
            [this] { m_runner.run([this] { Network::LeaveNetworkGame(m_program); }); });
    connect(PlayerTable, &QTableWidget::cellClicked, this, [this](int row) {
        m_runner.run([this, row] { Network::PlayerTableClick(m_program, row); });
    });

    connect(GameType, &QListWidget::currentRowChanged, this, [this](int row) {
        m_runner.run([this, row] { NetworkSettings::GameTypeClick(m_program, row); });
    });
    // The lists show translated items; the core gets its own English ones.
    const auto item = [this](const std::vector<std::string> LobbySettings::*items, int row) {
        const std::vector<std::string>& all = m_program.network.Lobby.*items;
        return row >= 0 && row < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(row)]
                                                              : std::string();
    };
    connect(GameTime, &QListWidget::currentRowChanged, this, [this, item](int row) {
        if (row < 0)
            return;
        m_runner.run([this, text = item(&LobbySettings::TimeItems, row)] {
            NetworkSettings::GameTimeClick(m_program, text);
        });
    });
    connect(RepeatLetters, &QCheckBox::clicked, this, [this](bool checked) {
        m_runner.run([this, checked] { NetworkSettings::RepeatLettersClick(m_program, checked); });
    });
    connect(MinWordSizeCombo, &QComboBox::activated, this, [this, item](int row) {
        m_runner.run([this, text = item(&LobbySettings::MinWordSizeItems, row)] {
            NetworkSettings::MinWordSizeClick(m_program, text);
        });
    });
    connect(NumWordsCombo, &QComboBox::activated, this, [this, item](int row) {
        m_runner.run([this, text = item(&LobbySettings::NumWordsItems, row)] {
            NetworkSettings::NumWordsClick(m_program, text);
        });
    });
}

NetworkDialog::~NetworkDialog()
{
    if (m_program.transport)
        m_program.transport->setArrivalNotice({});
}

void NetworkDialog::stop()
{
    PollTimer->stop();
}

void NetworkDialog::closeEvent(QCloseEvent* event)
{
    if (m_runner.exiting()) {
        event->accept();
        return;
    }
    event->ignore();
    m_runner.run([this] { Network::LeaveNetworkGame(m_program); });
}

void NetworkDialog::sync()
{
    const LobbyState& w = m_program.network.Window;
    if (w.PollTimerOn && !PollTimer->isActive())
        PollTimer->start();
    else if (!w.PollTimerOn && PollTimer->isActive())
        PollTimer->stop();

    Status->setText(Text(w.StatusLine));
    Connect->setVisible(w.ConnectShown);
    StartGame->setVisible(w.StartGameShown);
    BootPlayer->setVisible(w.BootPlayerShown);
    Quit->setEnabled(w.QuitEnabled);
    const bool botsWelcome = !Network::ComputerPlayerArguments(m_program, 0).empty();
    AddComputerPlayer->setVisible(botsWelcome);
    ComputerStrength->setVisible(botsWelcome);
    // A computer player the table has no room for would only be turned away.
    AddComputerPlayer->setEnabled(!Network::TableFull(m_program));
    StartGame->setDefault(w.StartGameDefault);
    PlayerTable->setVisible(w.TableShown);
    syncTable();
    syncSettings();

    if (!w.Shown) {
        if (isVisible())
            hide();
        return;
    }
    // Disabling the main window disables its child windows too; the lobby is in use.
    setEnabled(true);
    if (!isVisible()) {
        show();
        raise();
        activateWindow();
    }
}

void NetworkDialog::syncTable()
{
    const auto& players = m_program.network.Players;
    const int rows = static_cast<int>(players.size()) + 1;
    if (PlayerTable->rowCount() != rows)
        PlayerTable->setRowCount(rows);
    const QPalette& palette = PlayerTable->palette();
    for (int row = 1; row < rows; ++row) {
        const PlayerEntry& e = players[static_cast<std::size_t>(row - 1)];
        const std::array<const std::string*, 6> texts = {&e.Name,    &e.Status, &e.Device,
                                                         &e.Address, &e.Type,   &e.Connection};
        for (int column = 0; column < PlayerTable->columnCount(); ++column) {
            QTableWidgetItem* cell = PlayerTable->item(row, column);
            if (!cell) {
                cell = new QTableWidgetItem;
                cell->setFlags(Qt::ItemIsEnabled);
                PlayerTable->setItem(row, column, cell);
            }
            if (column > 0)
                cell->setText(column == 2
                                  ? QCoreApplication::translate("PlayerStatus", e.Status.c_str())
                                  : Text(*texts[static_cast<std::size_t>(column - 1)]));
        }
        QBrush marker;
        switch (Network::MarkerOf(m_program, row - 1)) {
        case Marker::Connected: marker = QColor(0, 255, 0); break;
        case Marker::NotConnected: marker = QColor(255, 0, 0); break;
        case Marker::Plain: break;
        }
        PlayerTable->item(row, 0)->setData(Qt::BackgroundRole,
                                           marker.style() == Qt::NoBrush ? QVariant() : marker);
        // An empty colour would draw the text invisible: the plain cell has none at all.
        QTableWidgetItem* name = PlayerTable->item(row, 1);
        const bool chosen = row - 1 == m_program.network.Window.BootSelectedRow;
        name->setData(Qt::BackgroundRole,
                      chosen ? QVariant(QBrush(palette.color(QPalette::Text))) : QVariant());
        name->setData(Qt::ForegroundRole,
                      chosen ? QVariant(QBrush(palette.color(QPalette::Base))) : QVariant());
    }
}

void NetworkDialog::syncSettings()
{
    const LobbySettings& s = m_program.network.Lobby;
    Fill(GameType, s.GameTypeItems, s.GameTypeIndex);
    Fill(GameTime, s.TimeItems, s.TimeIndex);
    Fit(GameType, 2);
    Fit(GameTime, 4);
    Fill(MinWordSizeCombo, s.MinWordSizeItems, s.MinWordSizeIndex);
    Fill(NumWordsCombo, s.NumWordsItems, s.NumWordsIndex);
    RepeatLetters->setChecked(s.RepeatLetters);
    const std::array<QWidget*, 6> controls = {GameType,      RepeatLetters, MinWordsLabel,
                                              MinWordSizeCombo, NumWordsLabel, NumWordsCombo};
    for (QWidget* control : controls) {
        control->setVisible(s.Shown);
        control->setEnabled(s.Editable);
    }
    GameTime->setVisible(s.Shown && s.TimeShown);
    GameTime->setEnabled(s.Editable);
    // The game's language: the host's, which a player takes for the game.
    const engine::Language* language = engine::findLanguage(m_program.dictionary.Language);
    BoardLanguage->setText(
        tr("Board language: %1").arg(QString::fromUtf8(language ? language->name : "")));
    BoardLanguage->setVisible(s.Shown);
    // Each list's label goes with it.
    for (QListWidget* list : {GameType, GameTime})
        if (auto* label = findChild<QLabel*>(list->objectName() + QStringLiteral("Label"))) {
            label->setVisible(list->isVisibleTo(this));
            label->setEnabled(list->isEnabled());
        }
}
