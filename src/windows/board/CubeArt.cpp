// SPDX-License-Identifier: GPL-3.0-or-later
#include "CubeArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace CubeArt {

namespace {
// Everything is laid out on a 97-unit cube and scaled to the picture's pixels.
constexpr double kUnit = kCubeSize;

const QColor kFelt(28, 74, 56);
const QColor kFeltShadow(14, 40, 30);

// The part of a cube place that the cube owns; the socket's rim lies outside it, so
// the mask's hard edge falls on plain felt and never shows.
QPainterPath MaskPath(double s)
{
    QPainterPath path;
    const double inset = 5 * s;
    path.addRoundedRect(QRectF(inset, inset, kUnit * s - 2 * inset, kUnit * s - 2 * inset),
                        14 * s, 14 * s);
    return path;
}

QRectF BodyRect(double s)
{
    const double inset = 8 * s;
    return QRectF(inset, inset, kUnit * s - 2 * inset, kUnit * s - 2 * inset);
}

void PaintCube(QPainter& p, double s, bool selected)
{
    const QRectF body = BodyRect(s);
    const double radius = 13 * s;

    // A soft shadow towards the bottom right: light falls from the top left.
    p.setPen(Qt::NoPen);
    for (int layer = 3; layer >= 1; --layer) {
        QColor shade(0, 0, 0, 34 + 12 * (3 - layer));
        const double grow = layer * 0.6 * s;
        p.setBrush(shade);
        p.drawRoundedRect(body.translated(1.2 * s, 2.0 * s).adjusted(-grow, -grow, grow, grow),
                          radius + grow, radius + grow);
    }

    if (selected) {
        // A warm glow round the cube so the traced path reads at a glance.
        QRadialGradient glow(body.center(), body.width() * 0.72);
        glow.setColorAt(0.60, QColor(255, 196, 64, 230));
        glow.setColorAt(0.80, QColor(255, 170, 30, 110));
        glow.setColorAt(1.00, QColor(255, 150, 0, 0));
        p.setBrush(glow);
        p.drawRoundedRect(body.adjusted(-3 * s, -3 * s, 3 * s, 3 * s), radius + 3 * s,
                          radius + 3 * s);
    }

    // The body: a bevel that is light at the top left and dark at the bottom right.
    QLinearGradient bevel(body.topLeft(), body.bottomRight());
    if (selected) {
        bevel.setColorAt(0, QColor(255, 243, 196));
        bevel.setColorAt(0.55, QColor(246, 200, 92));
        bevel.setColorAt(1, QColor(196, 128, 24));
    } else {
        bevel.setColorAt(0, QColor(255, 254, 248));
        bevel.setColorAt(0.55, QColor(236, 228, 208));
        bevel.setColorAt(1, QColor(178, 164, 134));
    }
    p.setBrush(bevel);
    p.setPen(QPen(selected ? QColor(140, 86, 8) : QColor(112, 98, 72), 1.0 * s));
    p.drawRoundedRect(body, radius, radius);

    // The top face: slightly dished, lighter in the middle.
    const QRectF face = body.adjusted(7 * s, 6 * s, -7 * s, -8 * s);
    QRadialGradient dish(face.center() - QPointF(4 * s, 6 * s), face.width() * 0.75);
    if (selected) {
        dish.setColorAt(0, QColor(255, 250, 222));
        dish.setColorAt(1, QColor(250, 214, 118));
    } else {
        dish.setColorAt(0, QColor(255, 255, 253));
        dish.setColorAt(1, QColor(240, 233, 216));
    }
    p.setPen(QPen(selected ? QColor(214, 150, 40, 150) : QColor(196, 184, 156, 150), 0.8 * s));
    p.setBrush(dish);
    p.drawRoundedRect(face, 10 * s, 10 * s);

    // A gloss along the top edge.
    QLinearGradient gloss(face.topLeft(), QPointF(face.left(), face.top() + face.height() * 0.4));
    gloss.setColorAt(0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(face.adjusted(2 * s, 2 * s, -2 * s, -face.height() * 0.55), 8 * s, 8 * s);
}
} // namespace

QImage CubePicture(int pixels, bool selected)
{
    const double s = pixels / kUnit;
    QImage image(pixels, pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Inside the outline the picture replaces the board, so it brings its own felt.
    p.setClipPath(MaskPath(s));
    p.fillRect(image.rect(), kFelt);
    PaintCube(p, s, selected);
    return image;
}

QImage OuterMask(int pixels)
{
    const double s = pixels / kUnit;
    QImage image(pixels, pixels, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    // A hard edge: OR and AND work bit by bit, so the mask must be all or nothing.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(MaskPath(s));
    return image;
}

QImage BoardBackground(QSize pixels, double cell)
{
    const double s = cell / kUnit;
    QImage image(pixels, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Walnut, darker towards the bottom, with a faint grain.
    QLinearGradient wood(0, 0, pixels.width() * 0.3, pixels.height());
    wood.setColorAt(0, QColor(122, 78, 46));
    wood.setColorAt(1, QColor(78, 46, 26));
    p.fillRect(image.rect(), wood);
    for (int line = 0; line < 40; ++line) {
        const double y = (line + 0.5) * pixels.height() / 40.0;
        QPainterPath grain;
        grain.moveTo(0, y);
        for (int x = 0; x <= pixels.width(); x += std::max(1, pixels.width() / 24))
            grain.lineTo(x, y + 2.5 * s * std::sin(x * 0.013 / s + line * 1.7));
        p.setPen(QPen(QColor(40, 20, 8, 28 + (line * 37) % 30), 1.0 * s));
        p.drawPath(grain);
    }
    // The tray's rim: lit at the top left, in shade at the bottom right.
    const QRectF all(0.5 * s, 0.5 * s, pixels.width() - s, pixels.height() - s);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(170, 120, 80), 1.0 * s));
    p.drawLine(all.topLeft(), all.topRight());
    p.drawLine(all.topLeft(), all.bottomLeft());
    p.setPen(QPen(QColor(36, 18, 8), 1.0 * s));
    p.drawLine(all.bottomLeft(), all.bottomRight());
    p.drawLine(all.topRight(), all.bottomRight());

    // One felt socket per cube place, its rim in shade at the top left.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        const QPointF origin(std::round(cell * (i % 4)), std::round(cell * (i / 4)));
        const QRectF socket(origin.x() + 3 * s, origin.y() + 3 * s, kUnit * s - 6 * s,
                            kUnit * s - 6 * s);
        p.setBrush(kFeltShadow);
        p.drawRoundedRect(socket, 16 * s, 16 * s);
        p.setBrush(kFelt);
        p.drawRoundedRect(socket.adjusted(2 * s, 2 * s, 0, 0), 15 * s, 15 * s);
    }
    return image;
}

} // namespace CubeArt
