// SPDX-License-Identifier: GPL-3.0-or-later
// Lettro: wires the application object, the desktop and the main window together.
#include "core/game/BoardCode.h"
#include "core/game/DataFolders.h"
#include "core/game/GivenBoard.h"
#include "core/game/HighScores.h"
#include "core/game/InterfaceLanguage.h"
#include "core/game/KeptGame.h"
#include "core/game/Progress.h"
#include "core/network/ComputerPlayers.h"
#include "engine/Languages.h"
#include "engine/QtTransport.h"
#include "engine/Settings.h"
#include "windows/game/App.h"
#include "windows/game/MainWindow.h"
#include "windows/ui/Desktop.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSessionManager>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The interface language must be in place before the first text is made, the command
// line's help included: --ui-language is looked for before the command line is read.
std::string UiLanguageArgument(int argc, char* argv[])
{
    const std::string option = "--ui-language";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == option && i + 1 < argc)
            return argv[i + 1];
        if (argument.rfind(option + "=", 0) == 0)
            return argument.substr(option.size() + 1);
    }
    return {};
}

} // namespace

int main(int argc, char* argv[])
{
    // Before the application object, which needs a display: packagers and scripts ask
    // for the version where there is none.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("lettro %s\n", LETTRO_VERSION);
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Penwick"));
    QApplication::setApplicationName(QStringLiteral("Lettro"));
    // Ties the windows to the installed desktop entry (its icon and name on Wayland).
    QApplication::setDesktopFileName(QStringLiteral("io.github.lettro.Lettro"));
    const std::string uiLanguage = UiLanguageArgument(argc, argv);
    const std::string storedUiLanguage =
        engine::SettingsStore()
            .cGetRegValue(engine::kSettingsKey, InterfaceLanguage::kSetting, 10)
            .value_or("");
    InterfaceLanguage::Install(
        InterfaceLanguage::Choose(uiLanguage, storedUiLanguage, QLocale::system().uiLanguages()));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Lettro, a word game with letter dice."));
    parser.addHelpOption();
    // Answered above; listed here so that --help shows it.
    parser.addOption(QCommandLineOption(
        QStringLiteral("version"),
        QCoreApplication::translate("CommandLine", "Print the version and exit.")));
    const QCommandLineOption seedOption(
        QStringLiteral("seed"),
        QCoreApplication::translate(
            "CommandLine", "Shake the dice from seed <N> (0 to 4294967295): the same boards in "
                           "the same order every time, for replays and tests."),
        QStringLiteral("N"));
    parser.addOption(seedOption);
    const QCommandLineOption addressOption(
        QStringLiteral("address"),
        QCoreApplication::translate(
            "CommandLine", "Play on the network from IPv4 address <A> (default: $LETTRO_ADDRESS, "
                           "else every interface); copies on one machine each take their own "
                           "127.0.0.x."),
        QStringLiteral("A"));
    parser.addOption(addressOption);
    const QCommandLineOption languageOption(
        QStringLiteral("language"),
        QCoreApplication::translate(
            "CommandLine", "Play in board language <XX> this time: en, fr, de, es, it, pt or nl "
                           "(default: the one chosen in the options)."),
        QStringLiteral("XX"));
    parser.addOption(languageOption);
    const QCommandLineOption boardOption(
        QStringLiteral("board"),
        QCoreApplication::translate(
            "CommandLine", "Start by playing the board of board code <CODE> with its settings, or "
                           "16 letters row by row (Q for Qu) with your own."),
        QStringLiteral("CODE"));
    parser.addOption(boardOption);
    const QCommandLineOption uiLanguageOption(
        QStringLiteral("ui-language"),
        QCoreApplication::translate(
            "CommandLine",
            "Show the windows in language <XX>: en, fr, de, es, it, pt or nl (default: the one "
            "chosen in the options, else the desktop's)."),
        QStringLiteral("XX"));
    parser.addOption(uiLanguageOption);
    parser.process(application);
    ui::QtDesktop desktop;
    // The lobby's computer players end with this program at the latest, even when it is
    // killed.
    ComputerPlayers computers(
        QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("lettro-bot")));
    App app(desktop);
    if (parser.isSet(seedOption)) {
        bool ok = false;
        const uint value = parser.value(seedOption).toUInt(&ok);
        if (!ok) {
            std::fprintf(stderr,
                         "lettro: --seed wants a whole number from 0 to 4294967295, "
                         "not \"%s\"\n",
                         qPrintable(parser.value(seedOption)));
            return 2;
        }
        app.program.Seed = value;
    }
    if (parser.isSet(languageOption)) {
        const std::string code = parser.value(languageOption).toStdString();
        if (!engine::findLanguage(code)) {
            std::fprintf(stderr,
                         "lettro: --language wants one of en, fr, de, es, it, pt, nl, not "
                         "\"%s\"\n",
                         code.c_str());
            return 2;
        }
        app.program.CommandLineLanguage = code;
    }
    if (parser.isSet(uiLanguageOption) && !InterfaceLanguage::Offered(uiLanguage)) {
        std::fprintf(stderr,
                     "lettro: --ui-language wants one of en, fr, de, es, it, pt, nl, not \"%s\"\n",
                     qPrintable(parser.value(uiLanguageOption)));
        return 2;
    }
    BoardCode::Reading board;
    if (parser.isSet(boardOption)) {
        board = BoardCode::Decode(parser.value(boardOption).toStdString());
        if (!board.given) {
            std::fprintf(stderr, "lettro: --board: %s\n", board.error.c_str());
            return 2;
        }
    }
    // The option wins over the environment.
    const char* fromEnvironment = std::getenv("LETTRO_ADDRESS");
    const std::string address = parser.isSet(addressOption)
                                    ? parser.value(addressOption).toStdString()
                                    : std::string(fromEnvironment ? fromEnvironment : "");
    if (!engine::QtTransport::isAddress(address)) {
        std::fprintf(stderr,
                     "lettro: --address (or LETTRO_ADDRESS) wants an IPv4 address such as "
                     "127.0.0.2, not \"%s\"\n",
                     address.c_str());
        return 2;
    }
    app.program.transport = std::make_unique<engine::QtTransport>(address);
    const QString bin = QApplication::applicationDirPath();
    const QString share = QDir::cleanPath(bin + QStringLiteral("/../share/lettro"));
    const bool installed = QFileInfo::exists(share + QStringLiteral("/Dictionary.dat")) &&
                           QFileInfo::exists(share + QStringLiteral("/Lettro.htm"));
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const DataFolders::Places places = DataFolders::Choose(bin.toStdString(), share.toStdString(),
                                                           installed, userData.toStdString());
    app.program.ProgramFolder = places.programFolder;
    app.program.UserFolder = places.userFolder;
    // High scores are the user's own whether the game is installed or run from its build.
    if (!userData.isEmpty()) {
        app.program.highScores.File = QDir(userData).filePath(HighScores::kFileName).toStdString();
        app.program.progress.File = QDir(userData).filePath(Progress::kFileName).toStdString();
        app.program.KeptGameFile = QDir(userData).filePath(KeptGame::kFileName).toStdString();
    }
    app.program.settings = std::make_unique<engine::SettingsStore>();

    MainWindow& window = app.mainWindow();
    app.startComputerPlayer = [&computers](const QStringList& arguments) {
        computers.start(arguments);
    };
    // A game running when the desktop logs out, or when the program is told to quit
    // without Exit, is kept as Exit keeps it.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                     [&app](QSessionManager&) { KeptGame::KeepGame(app.program); });
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &application,
                     [&app] { KeptGame::KeepGame(app.program); });
    app.startUp();
    window.show();
    // A board asked for on the command line is played instead; the kept game waits.
    if (!board.given)
        app.run([&] { KeptGame::ResumeKeptGame(app.program); });
    if (board.given) {
        const BoardCode::GivenBoard given =
            board.settings ? *board.given : Given::WithOwnSettings(app.program, board.given->Board);
        bool started = false;
        app.run([&] { started = Given::PlayGivenBoard(app.program, given); });
        // The dialog says why it cannot be played.
        if (!started)
            app.openPlayBoard(parser.value(boardOption));
    }
    return QApplication::exec();
}
