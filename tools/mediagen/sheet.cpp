#include "sheet.h"

#include <QPainter>

namespace mediagen {

QImage renderFrame(QSize frameSize, const FrameArt& art, int index, int count, double scale) {
    QImage canvas(QSize(qRound(frameSize.width() * scale), qRound(frameSize.height() * scale)),
                  QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    art(painter, FrameInfo{index, count, QSizeF(frameSize)});
    return canvas;
}

QImage renderStrip(QSize frameSize, int frames, const FrameArt& art, Strips strips) {
    const int stripCount = strips == Strips::One ? 1 : 2;
    QImage strip(frameSize.width() * frames * stripCount, frameSize.height(),
                 QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    for (int k = 0; k < frames; ++k) {
        const QImage drawn = renderFrame(frameSize, art, k, frames);
        const QImage mirrored = drawn.mirrored(true, false);
        const int x = k * frameSize.width();
        switch (strips) {
            case Strips::One:
                painter.drawImage(x, 0, drawn);
                break;
            case Strips::TurnFirstRight:
                painter.drawImage(x, 0, drawn);
                painter.drawImage(x + frames * frameSize.width(), 0, mirrored);
                break;
            case Strips::TurnFirstLeft:
                painter.drawImage(x, 0, mirrored);
                painter.drawImage(x + frames * frameSize.width(), 0, drawn);
                break;
        }
    }
    return strip;
}

QImage maskFromCoverage(const QImage& coverage) {
    const QImage argb = coverage.convertToFormat(QImage::Format_ARGB32);
    QImage mask(argb.size(), QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            out[x] = qAlpha(in[x]) >= 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return mask;
}

QImage colourUnderMask(const QImage& coverage, const QImage& mask) {
    const QImage argb = coverage.convertToFormat(QImage::Format_ARGB32);
    QImage colour(argb.size(), QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(colour.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            out[x] =
                qRed(m[x]) == 0 ? qRgb(qRed(in[x]), qGreen(in[x]), qBlue(in[x])) : qRgb(0, 0, 0);
    }
    return colour;
}

QImage sheetFromCoverage(const QImage& coverage) {
    const QImage mask = maskFromCoverage(coverage);
    QImage sheet(coverage.width(), coverage.height() * 2, QImage::Format_RGB32);
    QPainter painter(&sheet);
    painter.drawImage(0, 0, colourUnderMask(coverage, mask));
    painter.drawImage(0, coverage.height(), mask);
    return sheet;
}

}  // namespace mediagen
