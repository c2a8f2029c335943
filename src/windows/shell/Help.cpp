#include "Help.h"

#include "windows/game/App.h"
#include "windows/game/MainWindow.h"
#include "windows/shell/HelpBrowser.h"
#include "windows/game/WindowPlace.h"

#include <QDir>

namespace Shell {

QUrl HelpPageUrl(const App& app)
{
    return QUrl::fromLocalFile(
        QDir(QString::fromStdString(app.ProgramFolder)).filePath(QStringLiteral("Lettro.htm")));
}

void OpenHelp(App& app)
{
    if (IsNetworkGame(app))
        return;
    if (!app.helpBrowser) {
        app.helpBrowser = new HelpBrowser(app, app.main);
        WindowPlace::Remember(app, *app.helpBrowser, QStringLiteral("Help"));
    }
    ShowContents(app);
    app.helpBrowser->show();
    app.helpBrowser->raise();
    app.helpBrowser->activateWindow();
}

void ShowContents(App& app)
{
    if (!app.helpBrowser)
        return;
    app.helpBrowser->WebBrowser->setSource(HelpPageUrl(app));
}

void ShowAbout(App& app)
{
#ifdef LETTRO_VERSION
    const QString name = QStringLiteral("Lettro " LETTRO_VERSION);
#else
    const QString name = QStringLiteral("Lettro");
#endif
    app.desktop.ask(app.main,
                    core::Prompt{.text = name + QStringLiteral(
                                                    "\n\nA word game: find the words hidden in "
                                                    "a board of shaken letter dice before the "
                                                    "clock runs out, alone, against a friend or "
                                                    "over the network."),
                                 .title = QStringLiteral("About Lettro")});
}

QString PageNotFoundHtml(const QUrl& page)
{
    return QStringLiteral("<html><body><h2>Page not found</h2>"
                          "<p>The help page <tt>%1</tt> could not be found.</p>"
                          "<p>It is installed beside the Lettro program; reinstalling "
                          "Lettro puts it back.</p></body></html>")
        .arg((page.isLocalFile() ? QDir::toNativeSeparators(page.toLocalFile())
                                     : page.toDisplayString())
                 .toHtmlEscaped());
}

} // namespace Shell
