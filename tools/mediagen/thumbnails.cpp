#include "thumbnails.h"

#include <QPainter>

#include "art.h"
#include "catalogue.h"
#include "paint_kit.h"
#include "scene/creatures.h"
#include "sheet.h"

namespace mediagen {
namespace {

constexpr double kOversample = 4.0;

// The drawn part of a frame, oversampled, cropped to what is opaque.
QImage croppedFrame(QSize frame, const FrameArt& art, int index, int count) {
    QImage big = renderFrame(frame, art, index, count, kOversample);
    int left = big.width(), top = big.height(), right = -1, bottom = -1;
    for (int y = 0; y < big.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(big.constScanLine(y));
        for (int x = 0; x < big.width(); ++x) {
            if (qAlpha(line[x]) < 64) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return big;
    return big.copy(left, top, right - left + 1, bottom - top + 1);
}

QImage fitted(const QImage& picture, QSize box, const QBrush& backdrop) {
    QImage out(box, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(out.rect(), backdrop);
    const QSize inner = box - QSize(2, 2);
    const QImage small = picture.scaled(inner, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawImage((box.width() - small.width()) / 2, (box.height() - small.height()) / 2, small);
    return out;
}

}  // namespace

QImage thumbnailStrip() {
    constexpr int kSide = 17;
    const QBrush water = linear(QPointF(0, 0), QPointF(0, kSide),
                                {{0.0, QColor(90, 180, 220)}, {1.0, QColor(20, 70, 130)}});
    const auto creatures = bv::Creatures();
    QImage strip(kSide * static_cast<int>(creatures.size()), kSide,
                 QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    int left = 0;
    for (const bv::Creature& creature : creatures) {
        const SheetEntry& sheet = sheetNamed(creature.thumbnailSheet);
        p.drawImage(
            left, 0,
            fitted(croppedFrame(sheet.frame, sheet.art, creature.thumbnailFrame, sheet.frames),
                   QSize(kSide, kSide), water));
        left += kSide;
    }
    return strip;
}

QImage bugPicture() {
    return fitted(croppedFrame(QSize(32, 32), art::ladybird, 0, 1), QSize(32, 32), Qt::transparent);
}

QImage fishPicture() {
    return fitted(croppedFrame(QSize(41, 31), art::redFish, 0, 8), QSize(32, 32), Qt::transparent);
}

}  // namespace mediagen
