// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPlace.h"

#include "core/game/Program.h"

#include "engine/Settings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace WindowPlace {

QString PlaceText(const StoredPlace& stored)
{
    const QRect& r = stored.place;
    return QStringLiteral("%1,%2,%3,%4%5")
        .arg(r.left())
        .arg(r.top())
        .arg(r.width())
        .arg(r.height())
        .arg(stored.maximised ? QStringLiteral(",max") : QString());
}

std::optional<StoredPlace> ParsePlace(const QString& text, const QList<QRect>& screens)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4 && !(parts.size() == 5 && parts[4] == QLatin1String("max")))
        return std::nullopt;
    int v[4] = {};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].toInt(&ok);
        // Far beyond any desktop: the arithmetic below must not overflow.
        if (!ok || std::abs(v[i]) > 100000)
            return std::nullopt;
    }
    if (v[2] <= 0 || v[3] <= 0)
        return std::nullopt;
    StoredPlace stored{QRect(v[0], v[1], v[2], v[3]), parts.size() == 5};
    for (const QRect& desk : screens) {
        const QRect top = QRect(v[0], v[1], v[2], 1) & desk;
        if (top.isEmpty() || top.width() < std::min(v[2], 80) || v[1] > desk.bottom() - 40)
            continue;
        stored.place.setSize(stored.place.size().boundedTo(desk.size()));
        return stored;
    }
    return std::nullopt;
}

namespace {

QList<QRect> FreeScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

// Moves a window to the middle of the main window, its top left kept on the screen so
// that its title bar can always be reached.
void CentreOverMain(const QWidget* main, QWidget& window)
{
    if (!main || main == &window)
        return;
    QRect place = window.geometry();
    place.moveCenter(main->geometry().center());
    if (const QScreen* screen = main->screen()) {
        const QRect desk = screen->availableGeometry();
        place.moveTo(std::max(place.left(), desk.left()), std::max(place.top(), desk.top()));
    }
    window.move(place.topLeft());
}

// Watches one window's showing and hiding.
class Placer : public QObject {
public:
    Placer(const Program& program, QWidget& window, const QString& name, const QWidget* main)
        : QObject(&window), m_program(program), m_window(window), m_name(name), m_main(main)
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
            if (!restore())
                CentreOverMain(m_main, m_window);
        } else if (watched == &m_window && event->type() == QEvent::Hide) {
            store();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool restore()
    {
        if (!m_program.settings)
            return false;
        const std::optional<std::string> text =
            m_program.settings->cGetRegValue(kPlacesKey, m_name.toStdString(), 64);
        const std::optional<StoredPlace> stored =
            text ? ParsePlace(QString::fromStdString(*text), FreeScreenAreas()) : std::nullopt;
        if (!stored)
            return false;
        m_window.setGeometry(stored->place);
        // Maximised once the window is on the screen, so it returns to the stored place.
        if (stored->maximised)
            QTimer::singleShot(0, &m_window, [w = &m_window] { w->showMaximized(); });
        return true;
    }

    void store()
    {
        if (!m_program.settings || !m_placed)
            return;
        const bool maximised = m_window.isMaximized();
        const QRect place = maximised || m_window.isMinimized() ? m_window.normalGeometry()
                                                                : m_window.geometry();
        if (place.isValid())
            m_program.settings->cSetRegValue(kPlacesKey, m_name.toStdString(),
                                             PlaceText({place, maximised}).toStdString());
    }

    const Program& m_program;
    QWidget& m_window;
    QString m_name;
    const QWidget* m_main;
    bool m_placed = false;
};

} // namespace

void Remember(const Program& program, QWidget& window, const QString& name, const QWidget* main)
{
    new Placer(program, window, name, main);
}

} // namespace WindowPlace
