#pragma once
// Reading Windows bitmap files into pictures.

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <string>

#include "platform/bitmap.h"

namespace bv::platform {

// Largest picture a file may declare; anything bigger is treated as damaged
// rather than allowed to claim gigabytes.
inline constexpr long long kMaxFilePixels = 64LL * 1024 * 1024;

// The file's own size, pixel format and colour table (1-, 4-, 8-, 24- and
// 32-bit, bottom-up or top-down). A missing, unreadable or damaged file gives
// the empty default picture, and problem (when given) what is wrong with it,
// in words that follow the file's name ("is missing", "is cut short: ...");
// it is emptied for a sound file. This never fails.
Bitmap LoadBitmapFile(const std::string& path, std::string* problem = nullptr);

// The same for a bitmap file's bytes already in memory.
Bitmap DecodeBitmapFile(const QByteArray& bytes, std::string* problem = nullptr);

// A plain 24-bit bitmap file's pixel rows where they lie, in the file's
// mapped pages: a picture that is only drawn once, scaled (a background), is
// drawn straight from them, without a decoded copy of its own in fresh
// memory. Any other file, or one that is missing, damaged or cannot be
// mapped, gives a null image: it is for the decoder above.
class MappedBitmapFile {
public:
    explicit MappedBitmapFile(const std::string& path);
    ~MappedBitmapFile();
    MappedBitmapFile(const MappedBitmapFile&) = delete;
    MappedBitmapFile& operator=(const MappedBitmapFile&) = delete;

    // The rows as the file stores them: the picture's bottom row first
    // unless the file is top-down.
    const QImage& rows() const { return rows_; }
    bool bottomUp() const { return bottomUp_; }

private:
    QFile file_;
    uchar* mapped_ = nullptr;
    QImage rows_;
    bool bottomUp_ = false;
};

}  // namespace bv::platform
