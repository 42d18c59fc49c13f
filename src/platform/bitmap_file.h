#pragma once
// Reading Windows bitmap files into pictures.

#include <QByteArray>
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

}  // namespace bv::platform
