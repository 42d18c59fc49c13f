#include "platform/bitmap_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/pixel_memory.h"

namespace bv::platform {
namespace {

std::uint32_t ReadLe32(const char* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;  // x86 and ARM Linux are little-endian, as the file is
}
std::uint16_t ReadLe16(const char* p) {
    std::uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}

// What the headers say about the pixels.
struct PixelLayout {
    long long width = 0;
    long long height = 0;  // negative for a top-down picture
    int bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t pixelOffset = 0;
};
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kBitFields = 3;

long long RowBytes(const PixelLayout& layout) {
    return ((layout.width * layout.bitsPerPixel + 31) / 32) * 4;
}

// Checks the headers against the file's real size before any decoder sees
// it: a wrong magic, a pixel offset outside the file, absurd dimensions or
// pixel rows the file does not hold mark the file as damaged. Returns what is
// wrong, or "" for a sound file, whose layout is then filled in.
std::string HeaderProblem(const QByteArray& file, PixelLayout& layout) {
    constexpr int kFileHeader = 14;
    if (file.size() < kFileHeader + 12 || file[0] != 'B' || file[1] != 'M')
        return "is not a bitmap file";
    const char* data = file.constData();
    layout.pixelOffset = ReadLe32(data + 10);
    const std::uint32_t infoSize = ReadLe32(data + kFileHeader);
    if (infoSize == 12) {  // the old core header
        layout.width = ReadLe16(data + 18);
        layout.height = static_cast<std::int16_t>(ReadLe16(data + 20));
        layout.bitsPerPixel = ReadLe16(data + 24);
    } else if (infoSize >= 40 && file.size() >= kFileHeader + 40) {
        layout.width = static_cast<std::int32_t>(ReadLe32(data + 18));
        layout.height = static_cast<std::int32_t>(ReadLe32(data + 22));
        layout.bitsPerPixel = ReadLe16(data + 28);
        layout.compression = ReadLe32(data + 30);
    } else {
        return "has a damaged header";
    }
    const long long width = layout.width;
    const long long height = std::llabs(layout.height);
    if (width <= 0 || height <= 0 || width * height > kMaxFilePixels)
        return "declares an impossible size of " + std::to_string(width) + " x " +
               std::to_string(height);
    if (layout.pixelOffset < kFileHeader + infoSize ||
        layout.pixelOffset >= static_cast<std::uint32_t>(file.size()))
        return "is damaged: its pixels would lie outside the file";
    if (layout.compression == kUncompressed || layout.compression == kBitFields) {
        const int bits = layout.bitsPerPixel;
        if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
            return "has an unknown pixel format of " + std::to_string(bits) + " bits";
        const long long pixelBytes = RowBytes(layout) * height;
        if (layout.pixelOffset + pixelBytes > file.size())
            return "is cut short: it holds " + std::to_string(file.size() - layout.pixelOffset) +
                   " of its " + std::to_string(pixelBytes) + " bytes of pixels";
    }
    return {};
}

// The pictures of the media pack are plain 24-bit files. Qt's reader turns
// them into pixels at several nanoseconds each, through a generic path; at
// the start of a run that is most of the time to the first frame, so their
// rows are converted here, straight into the picture. The headers are
// already checked: every row lies inside the file.
bool IsPlain24Bit(const PixelLayout& layout) {
    return layout.bitsPerPixel == 24 && layout.compression == kUncompressed;
}

// A row of blue, green, red bytes as true colour.
void ConvertBgrRow(const std::uint8_t* source, Colour* target, int width) {
    for (int x = 0; x < width; ++x, source += 3)
        target[x] = kBlack | Colour{source[2]} << 16 | Colour{source[1]} << 8 | source[0];
}

const std::uint8_t* StoredRow(const QByteArray& file, const PixelLayout& layout, int y) {
    const long long height = std::llabs(layout.height);
    const long long stored = layout.height < 0 ? y : height - 1 - y;
    return reinterpret_cast<const std::uint8_t*>(file.constData()) + layout.pixelOffset +
           RowBytes(layout) * stored;
}

Bitmap FromPlain24Bit(const QByteArray& file, const PixelLayout& layout) {
    const int width = static_cast<int>(layout.width);
    const int height = static_cast<int>(std::llabs(layout.height));
    Bitmap bitmap(width, height, Bitmap::ToBeFilled{});
    for (int y = 0; y < height; ++y)
        ConvertBgrRow(StoredRow(file, layout, y), bitmap.trueColourRow(y), width);
    return bitmap;
}

// The whole file into the buffer, which keeps what it has room for: grown
// afresh, not copied, since what it held is of no more use, and to a huge page
// at least, which most pictures' files fit at once.
bool ReadWhole(QFile& file, FileReadBuffer& buffer) {
    const auto size = static_cast<std::size_t>(file.size());
    if (buffer.capacity() < size) {
        FileReadBuffer grown;
        grown.reserve(std::max({size, 2 * buffer.capacity(), std::size_t{2} << 20}));
        buffer.swap(grown);
    }
    buffer.resize(size);
    return size > 0 && file.read(buffer.data(), file.size()) == file.size();
}

Bitmap FromIndexedImage(const QImage& image, PixelFormat format) {
    const QList<QRgb> table = image.colorTable();
    Bitmap bitmap(image.width(), image.height(), format,
                  std::vector<Colour>(table.begin(), table.end()));
    const QImage indexed = image.format() == QImage::Format_Indexed8
                               ? image
                               : image.convertToFormat(QImage::Format_Indexed8, table);
    const auto entries = static_cast<int>(bitmap.colourTable().size());
    const int width = image.width();  // read once: the loops below run per pixel
    for (int y = 0; y < image.height(); ++y) {
        const uchar* source = indexed.constScanLine(y);
        std::uint8_t* target = bitmap.indexRow(y);
        for (int x = 0; x < width; ++x) target[x] = source[x] < entries ? source[x] : 0;
    }
    return bitmap;
}

Bitmap FromTrueColourImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Bitmap bitmap(rgb.width(), rgb.height(), PixelFormat::TrueColour);
    const int width = rgb.width();  // read once: the loop below runs per pixel
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        Colour* target = bitmap.trueColourRow(y);
        for (int x = 0; x < width; ++x) target[x] = source[x] | 0xFF000000u;
    }
    return bitmap;
}

// A true-colour picture decoded straight into its own memory, sparing a
// screen-sized copy and its page faults. Empty when the decoder will not
// fill a picture of the format it announced, or the announced size is
// not the one it gives: the caller then takes the decoder's own picture.
Bitmap DecodeTrueColourInPlace(QImageReader& reader) {
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (size.isEmpty() || (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32))
        return Bitmap();
    Bitmap bitmap(size.width(), size.height(), Bitmap::ToBeFilled{});
    auto* memory = reinterpret_cast<uchar*>(bitmap.trueColourRow(0));
    QImage target(memory, size.width(), size.height(), qsizetype{size.width()} * 4, format);
    if (!reader.read(&target) || target.constBits() != memory || target.size() != size)
        return Bitmap();
    const int width = size.width();
    for (int y = 0; y < size.height(); ++y) {
        Colour* row = bitmap.trueColourRow(y);
        for (int x = 0; x < width; ++x) row[x] |= 0xFF000000u;
    }
    return bitmap;
}

}  // namespace

Bitmap DecodeBitmapFile(const QByteArray& bytes, std::string* problem) {
    std::string ignored;
    std::string& whatIsWrong = problem != nullptr ? *problem : ignored;
    try {
        PixelLayout layout;
        whatIsWrong = HeaderProblem(bytes, layout);
        if (!whatIsWrong.empty()) return Bitmap();
        if (IsPlain24Bit(layout)) return FromPlain24Bit(bytes, layout);

        QBuffer device;
        device.setData(bytes);
        device.open(QIODevice::ReadOnly);
        {
            QImageReader reader(&device, "BMP");
            Bitmap decoded = DecodeTrueColourInPlace(reader);
            if (!decoded.isEmptyDefault()) return decoded;
        }
        device.seek(0);
        QImageReader reader(&device, "BMP");
        const QImage image = reader.read();
        if (image.isNull()) {
            whatIsWrong = "cannot be decoded";
            return Bitmap();
        }
        switch (image.format()) {
            case QImage::Format_Mono:
            case QImage::Format_MonoLSB:
                return FromIndexedImage(image, PixelFormat::Mono);
            case QImage::Format_Indexed8:
                return FromIndexedImage(image, PixelFormat::Indexed);
            default:
                return FromTrueColourImage(image);
        }
    } catch (const std::bad_alloc&) {
        whatIsWrong = "is too large to hold in memory";
        return Bitmap();
    }
}

Bitmap LoadBitmapFile(const std::string& path, std::string* problem, FileReadBuffer* buffer) {
    try {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly)) {
            if (problem != nullptr)
                *problem = file.exists() ? "cannot be read: " + file.errorString().toStdString()
                                         : "is missing";
            return Bitmap();
        }
        const auto size = static_cast<std::size_t>(file.size());
        if (buffer != nullptr) {
            if (ReadWhole(file, *buffer))
                return DecodeBitmapFile(
                    QByteArray::fromRawData(buffer->data(), static_cast<qsizetype>(size)), problem);
            file.seek(0);
        }
        // Mapped rather than read: the decoder takes the pixels straight
        // from the file's cached pages.
        if (uchar* mapped = file.map(0, file.size()); mapped != nullptr) {
            FaultInForReading(mapped, size);
            Bitmap decoded =
                DecodeBitmapFile(QByteArray::fromRawData(reinterpret_cast<const char*>(mapped),
                                                         static_cast<qsizetype>(size)),
                                 problem);
            file.unmap(mapped);
            return decoded;
        }
        return DecodeBitmapFile(file.readAll(), problem);
    } catch (const std::bad_alloc&) {
        if (problem != nullptr) *problem = "is too large to hold in memory";
        return Bitmap();
    }
}

BitmapFileRows::BitmapFileRows(const std::string& path) {
    try {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly) || !ReadWhole(file, bytes_)) return;
        const QByteArray bytes =
            QByteArray::fromRawData(bytes_.data(), static_cast<qsizetype>(bytes_.size()));
        PixelLayout layout;
        if (!HeaderProblem(bytes, layout).empty() || !IsPlain24Bit(layout)) return;
        // The header check has made sure that every row lies inside the file.
        width_ = static_cast<int>(layout.width);
        height_ = static_cast<int>(std::llabs(layout.height));
        pixels_ = StoredRow(bytes, layout, 0);
        rowBytes_ = layout.height < 0 ? RowBytes(layout) : -RowBytes(layout);
    } catch (const std::bad_alloc&) {
        pixels_ = nullptr;  // left to the decoder, which says what is wrong
    }
}

void BitmapFileRows::ConvertRow(int y, Colour* row) const {
    ConvertBgrRow(pixels_ + rowBytes_ * y, row, width_);
}

}  // namespace bv::platform
