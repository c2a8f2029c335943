// Lettro: wires the application object, the desktop and the main window together.
#include "game/App.h"
#include "game/Common.h"
#include "game/MainWindow.h"
#include "ui/Desktop.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Penwick"));
    QApplication::setApplicationName(QStringLiteral("Lettro"));

    ui::QtDesktop desktop;
    App app(desktop);
    app.ProgramFolder = QApplication::applicationDirPath().toStdString();
    app.settings = std::make_unique<engine::SettingsStore>();

    MainWindow window(app);
    Common::StartUp(app);
    window.show();
    return QApplication::exec();
}
