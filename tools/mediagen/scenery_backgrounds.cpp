#include <cmath>

#include "paint_kit.h"
#include "scenery.h"
#include "scenery_kit.h"

namespace mediagen {
namespace {

constexpr QSizeF kSize(640, 480);

void archWay(QPainter& p) {
    Prng rng(101);
    paintWater(p, kSize, QColor(70, 170, 210), QColor(8, 40, 80));
    paintLightRays(p, kSize, rng, 9, QColor(220, 250, 255, 45));
    paintRidge(p, kSize, rng, 300, 40, QColor(52, 110, 150), QColor(20, 60, 100));
    paintRidge(p, kSize, rng, 345, 35, QColor(40, 88, 126), QColor(14, 44, 80));
    // The arch: a rock mass with a gap of open water through it.
    QPainterPath mass;
    mass.moveTo(150, 480);
    mass.cubicTo(140, 300, 180, 170, 300, 150);
    mass.cubicTo(420, 130, 500, 200, 520, 300);
    mass.cubicTo(530, 380, 515, 440, 520, 480);
    mass.closeSubpath();
    QPainterPath opening;
    opening.moveTo(245, 480);
    opening.cubicTo(240, 360, 270, 250, 340, 245);
    opening.cubicTo(410, 240, 440, 340, 430, 480);
    opening.closeSubpath();
    const QPainterPath arch = mass.subtracted(opening);
    p.setPen(Qt::NoPen);
    p.setBrush(linear(
        QPointF(150, 0), QPointF(520, 0),
        {{0.0, QColor(50, 78, 96)}, {0.45, QColor(86, 116, 128)}, {1.0, QColor(30, 52, 70)}}));
    p.drawPath(arch);
    p.save();
    p.setClipPath(arch);
    p.setBrush(linear(QPointF(0, 150), QPointF(0, 480),
                      {{0.0, QColor(160, 210, 220, 90)},
                       {0.4, QColor(0, 0, 0, 0)},
                       {1.0, QColor(0, 10, 30, 140)}}));
    p.drawRect(QRectF(140, 130, 400, 350));
    // Cracks, ledges and patches of growth.
    for (int i = 0; i < 120; ++i) {
        const double x = rng.range(150, 520);
        const double y = rng.range(150, 480);
        p.setBrush(i % 3 ? QColor(30, 50, 64, 120) : QColor(110, 150, 110, 120));
        p.drawEllipse(QPointF(x, y), rng.range(2, 9), rng.range(1, 4));
    }
    p.restore();
    // Sea floor and drifting specks.
    paintSeaFloor(p, kSize, 420, QColor(150, 160, 140), rng);
    paintParticles(p, kSize, rng, 160, QColor(210, 240, 255, 120));
}

void muddyWaters(QPainter& p) {
    Prng rng(202);
    paintWater(p, kSize, QColor(128, 138, 86), QColor(34, 36, 18));
    paintLightRays(p, kSize, rng, 6, QColor(230, 230, 170, 30));
    paintRidge(p, kSize, rng, 280, 30, QColor(96, 100, 60), QColor(60, 60, 34));
    paintRidge(p, kSize, rng, 340, 45, QColor(78, 78, 46), QColor(40, 38, 22));
    // A sunken log and drowned branches.
    p.setPen(Qt::NoPen);
    p.setBrush(linear(QPointF(0, 350), QPointF(0, 390),
                      {{0.0, QColor(90, 72, 46)}, {1.0, QColor(40, 30, 18)}}));
    p.save();
    p.translate(320, 372);
    p.rotate(-8);
    p.drawRoundedRect(QRectF(-190, -18, 380, 36), 18, 18);
    p.setBrush(QColor(120, 100, 70));
    p.drawEllipse(QPointF(-188, 0), 10, 17);
    p.restore();
    p.setPen(QPen(QColor(56, 44, 28), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(250, 372), QPointF(220, 300));
    p.drawLine(QPointF(225, 312), QPointF(190, 290));
    p.drawLine(QPointF(420, 360), QPointF(460, 290));
    // Reeds swaying in the murk.
    for (int i = 0; i < 40; ++i) {
        const double x = rng.range(0, 640);
        const double h = rng.range(60, 160);
        const auto reed = sampleSpine(
            [&](double t) { return QPointF(x + 14 * std::sin(t * 2.5 + x) * t, 470 - h * t); }, 14);
        fillWithRim(p, taperedPath(reed, 4, 1), QColor(70 + rng.below(30), 86 + rng.below(30), 40),
                    QColor(40, 50, 20), 0.5);
    }
    paintSeaFloor(p, kSize, 430, QColor(110, 96, 64), rng);
    // Thick silt in the water.
    paintParticles(p, kSize, rng, 700, QColor(170, 160, 110, 110));
    p.fillRect(QRectF(QPointF(0, 0), kSize), QColor(90, 90, 50, 40));
}

void skullMountain(QPainter& p) {
    Prng rng(303);
    paintWater(p, kSize, QColor(56, 90, 150), QColor(10, 12, 40));
    paintLightRays(p, kSize, rng, 7, QColor(200, 210, 255, 35));
    paintRidge(p, kSize, rng, 320, 35, QColor(46, 60, 100), QColor(18, 22, 50));
    // The mountain, its face a skull.
    QPainterPath mountain;
    mountain.moveTo(60, 480);
    mountain.cubicTo(120, 360, 180, 120, 320, 100);
    mountain.cubicTo(460, 120, 520, 360, 580, 480);
    mountain.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(linear(
        QPointF(60, 0), QPointF(580, 0),
        {{0.0, QColor(70, 70, 90)}, {0.45, QColor(150, 146, 150)}, {1.0, QColor(40, 40, 60)}}));
    p.drawPath(mountain);
    p.save();
    p.setClipPath(mountain);
    p.setBrush(linear(QPointF(0, 100), QPointF(0, 480),
                      {{0.0, QColor(0, 0, 0, 0)}, {1.0, QColor(0, 0, 30, 170)}}));
    p.drawRect(QRectF(60, 100, 520, 380));
    // Eye sockets with a faint green glow deep inside.
    for (const double x : {255.0, 385.0}) {
        QPainterPath socket;
        socket.addEllipse(QPointF(x, 230), 46, 40);
        p.setBrush(radial(
            QPointF(x, 235), 46,
            {{0.0, QColor(70, 200, 120)}, {0.25, QColor(20, 60, 40)}, {1.0, QColor(6, 6, 14)}}));
        p.drawPath(socket);
    }
    QPainterPath noseHole;
    noseHole.moveTo(320, 270);
    noseHole.lineTo(298, 318);
    noseHole.quadTo(320, 326, 342, 318);
    noseHole.closeSubpath();
    p.setBrush(QColor(10, 10, 20));
    p.drawPath(noseHole);
    // Teeth along the jaw.
    p.setBrush(QColor(10, 10, 20));
    p.drawRoundedRect(QRectF(230, 350, 180, 50), 16, 16);
    for (int i = 0; i < 8; ++i) {
        p.setBrush(QColor(176, 172, 170));
        p.drawRoundedRect(QRectF(236 + i * 21.5, 352, 17, 22), 4, 4);
        p.setBrush(QColor(150, 146, 146));
        p.drawRoundedRect(QRectF(236 + i * 21.5, 378, 17, 20), 4, 4);
    }
    for (int i = 0; i < 140; ++i) {
        p.setBrush(i % 4 ? QColor(40, 40, 60, 110) : QColor(90, 130, 90, 110));
        p.drawEllipse(QPointF(rng.range(60, 580), rng.range(100, 480)), rng.range(2, 8),
                      rng.range(1, 4));
    }
    p.restore();
    paintSeaFloor(p, kSize, 430, QColor(100, 100, 120), rng);
    paintParticles(p, kSize, rng, 200, QColor(200, 210, 255, 110));
}

}  // namespace

QImage backgroundPicture(int number) {
    QImage image(kSize.toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    switch (number) {
        case 1:
            archWay(p);
            break;
        case 2:
            muddyWaters(p);
            break;
        default:
            skullMountain(p);
            break;
    }
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage paletteSwatch() {
    // A spread of the scene's colours; only its pixel format matters to the
    // loader, but it should still be a sensible picture.
    QImage image(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y,
                           QColor::fromHsv((x * 360 / 16) % 360, 80 + y * 10, 255 - y * 12).rgb());
    return image;
}

}  // namespace mediagen
