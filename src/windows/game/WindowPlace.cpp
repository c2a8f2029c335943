#include "WindowPlace.h"

#include "windows/game/App.h"
#include "windows/game/MainWindow.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace WindowPlace {

namespace {

// Moves a window to the middle of the main window, its top left kept on the screen so
// that its title bar can always be reached.
void CentreOverMain(const App& app, QWidget& window)
{
    if (!app.main || app.main == &window)
        return;
    QRect place = window.geometry();
    place.moveCenter(app.main->geometry().center());
    if (const QScreen* screen = app.main->screen()) {
        const QRect desk = screen->availableGeometry();
        place.moveTo(std::max(place.left(), desk.left()), std::max(place.top(), desk.top()));
    }
    window.move(place.topLeft());
}

// Watches one window's showing and hiding.
class Placer : public QObject {
public:
    Placer(App& app, QWidget& window, const QString& name)
        : QObject(&window), m_app(app), m_window(window), m_name(name)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The show event comes after the window has its size and before it reaches
        // the screen: the place is set without a visible jump.
        if (watched == &m_window && event->type() == QEvent::Show && !m_placed) {
            m_placed = true;
            CentreOverMain(m_app, m_window);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    App& m_app;
    QWidget& m_window;
    QString m_name;
    bool m_placed = false;
};

} // namespace

void Remember(App& app, QWidget& window, const QString& name)
{
    new Placer(app, window, name);
}

} // namespace WindowPlace
