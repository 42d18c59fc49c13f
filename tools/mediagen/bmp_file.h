#pragma once

#include <QImage>
#include <filesystem>

namespace mediagen {

// Writes the image as an uncompressed 24-bit bottom-up Windows bitmap; the
// bytes depend on the pixels alone. Throws std::runtime_error on failure.
void writeBmp24(const QImage& image, const std::filesystem::path& path);

}  // namespace mediagen
