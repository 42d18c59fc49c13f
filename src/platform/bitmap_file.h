#pragma once
// Reading Windows bitmap files into pictures.

#include <QByteArray>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/pixel_memory.h"

namespace bv::platform {

// Largest picture a file may declare; anything bigger is treated as damaged
// rather than allowed to claim gigabytes.
inline constexpr long long kMaxFilePixels = 64LL * 1024 * 1024;

// Memory that a run of loads reads its files into, one after another, kept
// and reused on huge pages. Without it each file is mapped, and on a virtual
// machine that shadows page tables every 4 KiB page of a mapping traps on
// its first touch: for the pictures of a run, tens of milliseconds.
using FileReadBuffer = std::vector<char, PixelAllocator<char>>;

// The file's own size, pixel format and colour table (1-, 4-, 8-, 24- and
// 32-bit, bottom-up or top-down). A missing, unreadable or damaged file gives
// the empty default picture, and problem (when given) what is wrong with it,
// in words that follow the file's name ("is missing", "is cut short: ...");
// it is emptied for a sound file. This never fails.
Bitmap LoadBitmapFile(const std::string& path, std::string* problem = nullptr,
                      FileReadBuffer* buffer = nullptr);

// The same for a bitmap file's bytes already in memory.
Bitmap DecodeBitmapFile(const QByteArray& bytes, std::string* problem = nullptr);

// A plain 24-bit bitmap file read into memory on huge pages, handing out its
// rows converted one at a time: a picture that is only drawn once, scaled (a
// background), is drawn from them without a decoded copy of its own. Any
// other file, or one that is missing, damaged or unreadable, is not valid:
// it is for the decoder above, which says what is wrong with it.
class BitmapFileRows {
public:
    explicit BitmapFileRows(const std::string& path);

    bool valid() const { return pixels_ != nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Picture row y (0 at the top) as true colour, width() pixels.
    void ConvertRow(int y, Colour* row) const;

private:
    FileReadBuffer bytes_;
    const std::uint8_t* pixels_ = nullptr;  // the picture's top row
    long long rowBytes_ = 0;                // from one row to the one below: negative bottom-up
    int width_ = 0;
    int height_ = 0;
};

}  // namespace bv::platform
