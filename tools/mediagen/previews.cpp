#include "previews.h"

#include <cmath>
#include <numbers>

#include "art.h"
#include "paint_kit.h"
#include "scenery.h"
#include "scenery_kit.h"
#include "sheet.h"

namespace mediagen {
namespace {

const QSize kBox(181, 167);

QImage opaqueSheet(const QImage& picture) {
    QImage sheet(kBox.width(), kBox.height() * 2, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter p(&sheet);
    p.drawImage(0, 0, picture.convertToFormat(QImage::Format_RGB32));
    return sheet;
}

// The picture scaled to cover `size` and cropped to it, centred, the way the
// scene fits a backdrop to the screen.
QImage coverScaled(const QImage& image, QSize size) {
    const QImage scaled =
        image.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return scaled.copy((scaled.width() - size.width()) / 2, (scaled.height() - size.height()) / 2,
                       size.width(), size.height());
}

// The reef as it appears over the sea bed, scaled so `width` pixels of it
// cover the whole `size`.
void paintReef(QPainter& p, QSize size, double scale) {
    const QImage reef = reefCoverage();
    const QImage small =
        reef.scaled(QSize(qRound(reef.width() * scale), qRound(reef.height() * scale)),
                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    p.drawImage(0, size.height() - small.height(), small);
}

void paintSprite(QPainter& p, QPointF at, QSize frame, const FrameArt& art, int index, int count,
                 double scale, bool faceLeft) {
    QImage sprite = renderFrame(frame, art, index, count, 2.0);
    if (faceLeft) sprite = sprite.mirrored(true, false);
    const QSize size(qRound(frame.width() * scale), qRound(frame.height() * scale));
    p.drawImage(QRectF(at, QSizeF(size)), sprite);
}

// A small scene: background, reef and a few fish; `index` of `count`
// animates it in a loop.
QImage miniScene(QSize size, int index, int count) {
    QImage scene = coverScaled(backgroundPicture(1), size)
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&scene);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const double scale = size.width() / 400.0;
    const double phase = 2 * std::numbers::pi * index / count;
    paintSprite(p, QPointF(size.width() * 0.5, size.height() * 0.14 + std::sin(phase) * 2),
                QSize(130, 62), art::shark, index % 6, 6, scale * 1.1, false);
    paintSprite(p, QPointF(size.width() * 0.12, size.height() * 0.42 - std::sin(phase) * 2),
                QSize(33, 31), art::yellowFish, index, count, scale * 1.6, true);
    paintSprite(p, QPointF(size.width() * 0.3, size.height() * 0.52 + std::cos(phase) * 2),
                QSize(41, 31), art::redFish, index, count, scale * 1.4, true);
    paintReef(p, size, scale * 1.2);
    for (int k = 0; k < 5; ++k) {
        const double rise = std::fmod((index / double(count) + k / 5.0), 1.0);
        drawBubble(p,
                   QPointF(size.width() * 0.85 + std::sin(rise * 6 + k) * 3,
                           size.height() * (0.95 - rise * 0.9)),
                   1.5 + (k % 2));
    }
    return scene;
}

}  // namespace

QImage backgroundPreviewSheet(int number) {
    return opaqueSheet(coverScaled(backgroundPicture(number), kBox));
}

QImage foregroundPreviewSheet() {
    QImage picture(kBox, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paintWater(p, QSizeF(kBox), QColor(70, 170, 210), QColor(8, 40, 80));
    Prng rng(505);
    paintLightRays(p, QSizeF(kBox), rng, 4, QColor(220, 250, 255, 50));
    paintReef(p, kBox, 0.5);
    p.end();
    return opaqueSheet(picture);
}

QImage sceneryPlaceholderSheet() {
    return opaqueSheet(miniScene(kBox, 0, 8));
}

QImage creaturePlaceholderSheet() {
    // Open water waiting for a creature: rays, drifting specks and bubbles.
    QImage picture(kBox, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paintWater(p, QSizeF(kBox), QColor(40, 130, 190), QColor(6, 26, 60));
    Prng rng(606);
    paintLightRays(p, QSizeF(kBox), rng, 5, QColor(220, 250, 255, 60));
    paintParticles(p, QSizeF(kBox), rng, 60, QColor(210, 240, 255, 140));
    for (int k = 0; k < 9; ++k)
        drawBubble(p, QPointF(rng.range(10, 171), rng.range(10, 157)), rng.range(1.5, 4.5));
    p.end();
    return opaqueSheet(picture);
}

QImage previewStrip() {
    constexpr int frames = 8;
    const QSize frame(103, 102);
    QImage strip(frame.width() * frames, frame.height(), QImage::Format_RGB32);
    QPainter p(&strip);
    for (int k = 0; k < frames; ++k)
        p.drawImage(k * frame.width(), 0,
                    miniScene(frame, k, frames).convertToFormat(QImage::Format_RGB32));
    return strip;
}

}  // namespace mediagen
