#include "media_pack.h"

#include <QImage>
#include <stdexcept>
#include <string>

#include "ambience.h"
#include "bmp_file.h"
#include "catalogue.h"
#include "previews.h"
#include "scenery.h"
#include "sheet.h"
#include "songs.h"
#include "special_sheets.h"
#include "thumbnails.h"

namespace mediagen {
namespace {

// The reef's mask is drawn 10 pixels left of its picture when the scene is
// composed, so the mask file carries the reef's outline 10 pixels further
// right (wrapping round, as the reef tiles) to line the two up on screen.
constexpr int kReefMaskLead = 10;

QImage rotatedRight(const QImage& image, int by) {
    QImage out(image.size(), image.format());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.setPixel((x + by) % image.width(), y, image.pixel(x, y));
    return out;
}

void savePng(const QImage& image, const std::filesystem::path& path) {
    if (!image.save(QString::fromStdString(path.string()), "PNG"))
        throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

void writeMediaPack(const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);

    for (const SheetEntry& entry : standardSheets())
        writeBmp24(
            sheetFromCoverage(renderStrip(entry.frame, entry.frames, entry.art, entry.strips)),
            dir / entry.file);
    writeBmp24(clamSheet(), dir / "bv_clam.bmp");
    writeBmp24(scubaDudeSheet(), dir / "bv_scubadude.bmp");

    writeBmp24(paletteSwatch(), dir / "bv_palette.bmp");
    for (int n = 1; n <= 3; ++n) {
        writeBmp24(backgroundPicture(n), dir / ("bv_background" + std::to_string(n) + ".bmp"));
        writeBmp24(backgroundPreviewSheet(n),
                   dir / ("bv_backgroundpreview" + std::to_string(n) + ".bmp"));
    }
    const QImage reef = reefCoverage();
    const QImage reefMask = maskFromCoverage(reef);
    writeBmp24(colourUnderMask(reef, reefMask), dir / "bv_foreground0.bmp");
    writeBmp24(rotatedRight(reefMask, kReefMaskLead), dir / "bv_foregroundmask0.bmp");
    writeBmp24(foregroundPreviewSheet(), dir / "bv_foregroundpreview0.bmp");
    writeBmp24(sceneryPlaceholderSheet(), dir / "bv_previewscenery.bmp");
    writeBmp24(creaturePlaceholderSheet(), dir / "bv_previewother.bmp");
    writeBmp24(previewStrip(), dir / "bv_preview.bmp");

    const auto songs = allSongs();
    for (std::size_t n = 0; n < songs.size(); ++n)
        writeSong(songs[n], dir / ("bv_song" + std::to_string(n) + ".Mid"));
    writeAmbience(dir / "bv_soundfx.wav");
}

void writeDialogPictures(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder / "pictures");
    savePng(thumbnailStrip(), folder / "thumbnails.png");
    savePng(bugPicture(), folder / "pictures" / "bug.png");
    savePng(fishPicture(), folder / "pictures" / "fish.png");
}

}  // namespace mediagen
