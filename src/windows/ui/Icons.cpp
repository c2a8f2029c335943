// SPDX-License-Identifier: GPL-3.0-or-later
#include "Icons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <algorithm>

namespace ui {

QList<QIcon> ToolBarIcons(const QStringList& names, const QColor& colour)
{
    const bool themed = std::all_of(names.begin(), names.end(),
                                    [](const QString& name) { return QIcon::hasThemeIcon(name); });
    QList<QIcon> icons;
    for (const QString& name : names)
        icons.append(themed ? QIcon::fromTheme(name) : BundledIcon(name, colour));
    return icons;
}

QIcon BundledIcon(const QString& name, const QColor& colour)
{
    QFile file(QStringLiteral(":/icons/%1.svg").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Drawn ahead in the palette's colour, since an SVG cannot ask the widget for it.
    QSvgRenderer renderer(file.readAll().replace("currentColor", colour.name().toLatin1()));
    if (!renderer.isValid())
        return {};
    QIcon icon;
    // The sizes toolbars and menus ask for, doubled for high-density screens; Qt derives
    // the disabled look from these.
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace ui
