#include "sheet_checks.h"

#include <sstream>

#include "media_files.h"

namespace media_test {

std::string maskIsBlackAndWhite(const QImage& sheet, const QRect& mask) {
    for (int y = mask.top(); y <= mask.bottom(); ++y)
        for (int x = mask.left(); x <= mask.right(); ++x) {
            const QRgb p = sheet.pixel(x, y);
            if (!isBlack(p) && !isWhite(p)) {
                std::ostringstream out;
                out << "mask pixel (" << x << ", " << y << ") is neither black nor white";
                return out.str();
            }
        }
    return {};
}

std::string imageDarkUnderClearMask(const QImage& sheet, const QRect& image, QPoint maskTopLeft) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb m = sheet.pixel(maskTopLeft.x() + x, maskTopLeft.y() + y);
            const QRgb c = sheet.pixel(image.left() + x, image.top() + y);
            if (isWhite(m) && !isBlack(c)) {
                std::ostringstream out;
                out << "image pixel (" << image.left() + x << ", " << image.top() + y
                    << ") is lit where the mask is white";
                return out.str();
            }
        }
    return {};
}

bool maskHasOpaquePixel(const QImage& sheet, const QRect& mask) {
    for (int y = mask.top(); y <= mask.bottom(); ++y)
        for (int x = mask.left(); x <= mask.right(); ++x)
            if (isBlack(sheet.pixel(x, y))) return true;
    return false;
}

bool mirrored(const QImage& a, const QImage& b) {
    return a.size() == b.size() && a.mirrored(true, false) == b;
}

}  // namespace media_test
