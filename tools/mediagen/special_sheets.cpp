#include "special_sheets.h"

#include <QPainter>

#include "art.h"
#include "sheet.h"

namespace mediagen {

QImage clamSheet() {
    // Both clam strips share the sheet's one mask row at y = 27, so the small
    // clams' masks start there too.
    QImage coverage(350, 27, QImage::Format_ARGB32_Premultiplied);
    coverage.fill(Qt::transparent);
    QPainter p(&coverage);
    p.drawImage(0, 0, renderStrip(QSize(40, 27), 5, art::largeClam, Strips::One));
    p.drawImage(200, 0, renderStrip(QSize(30, 19), 5, art::smallClam, Strips::One));
    p.end();
    return sheetFromCoverage(coverage);
}

QImage scubaDudeSheet() {
    constexpr int frames = 3;
    const QSize frame(92, 155);
    const QImage strip = renderStrip(frame, frames, art::scubaDude, Strips::One);

    // One mask serves every frame: it is opaque wherever any frame is.
    QImage unionCoverage(frame, QImage::Format_ARGB32_Premultiplied);
    unionCoverage.fill(Qt::transparent);
    {
        QPainter p(&unionCoverage);
        p.setCompositionMode(QPainter::CompositionMode_Lighten);
        for (int k = 0; k < frames; ++k)
            p.drawImage(0, 0, strip.copy(k * frame.width(), 0, frame.width(), frame.height()));
    }
    const QImage mask = maskFromCoverage(unionCoverage);

    QImage sheet(frame.width() * (frames + 1), frame.height(), QImage::Format_RGB32);
    QPainter p(&sheet);
    for (int k = 0; k < frames; ++k)
        p.drawImage(
            k * frame.width(), 0,
            colourUnderMask(strip.copy(k * frame.width(), 0, frame.width(), frame.height()), mask));
    p.drawImage(frames * frame.width(), 0, mask);
    return sheet;
}

}  // namespace mediagen
