// SPDX-License-Identifier: GPL-3.0-or-later
// Toolbar icons: the desktop's icon theme where it has every one, else Lettro's own set.
#pragma once

#include <QColor>
#include <QIcon>
#include <QList>
#include <QStringList>

namespace ui {

// The icons for these theme names, in order: all from the desktop's icon theme when it has
// every one of them, otherwise all from Lettro's own set drawn in `colour`, so that one
// toolbar never mixes two styles.
QList<QIcon> ToolBarIcons(const QStringList& names, const QColor& colour);

// One icon of Lettro's own set (":/icons/NAME.svg", lines in the colour "currentColor"),
// drawn in `colour`; a null icon when the set has none by that name.
QIcon BundledIcon(const QString& name, const QColor& colour);

} // namespace ui
