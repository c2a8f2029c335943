// Lettro: wires the application object, the desktop and the main window together.
#include "windows/game/App.h"
#include "windows/game/Common.h"
#include "windows/game/MainWindow.h"
#include "windows/ui/Desktop.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Penwick"));
    QApplication::setApplicationName(QStringLiteral("Lettro"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Lettro, a word game with letter dice."));
    parser.addHelpOption();
    const QCommandLineOption seedOption(
        QStringLiteral("seed"),
        QStringLiteral("Shake the dice from seed <N> (0 to 4294967295): the same boards in "
                       "the same order every time, for replays and tests."),
        QStringLiteral("N"));
    parser.addOption(seedOption);
    parser.process(application);
    ui::QtDesktop desktop;
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
        app.Seed = value;
    }
    app.ProgramFolder = QApplication::applicationDirPath().toStdString();
    app.settings = std::make_unique<engine::SettingsStore>();

    MainWindow window(app);
    Common::StartUp(app);
    window.show();
    return QApplication::exec();
}
