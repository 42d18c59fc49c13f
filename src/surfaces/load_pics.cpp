#include "surfaces/load_pics.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "errors/error_handler.h"
#include "platform/bitmap_file.h"
#include "platform/case_insensitive_path.h"
#include "platform/scaling.h"
#include "platform/surface_ops.h"
#include "scene/centre_pieces.h"
#include "scene/creatures.h"
#include "scene/records.h"
#include "scene/scene_globals.h"
#include "settings/settings_globals.h"
#include "surfaces/memory_surfaces.h"
#include "surfaces/picture_prefetch.h"
#include "surfaces/reef_strip.h"
#include "surfaces/surface_globals.h"

namespace bv {
namespace {

constexpr int kMaskShiftLeft = 10;

// The palette and scratch surfaces live only while loading; releasing them
// here also covers a load that stops at a failure.
class LoadingSurfaces {
public:
    LoadingSurfaces() = default;
    LoadingSurfaces(const LoadingSurfaces&) = delete;
    LoadingSurfaces& operator=(const LoadingSurfaces&) = delete;
    ~LoadingSurfaces() {
        RemoveDC(LoadDC);
        RemoveDC(PaletteDC);
    }
};

// A handle that still names a surface (a second load) gives it up first, so
// nothing is left unreleased.
void Assign(SurfaceHandle& handle, SurfaceHandle surface) {
    RemoveDC(handle);
    handle = surface;
}

SurfaceHandle ComposedSurface(Integer width, Integer height) {
    return GenerateBufferDC(width, height, PaletteDC);
}

// The run goes on without a picture it cannot have, but says so, once per
// file; without the media folder it says that instead, once.
bool mediaFolderMissing = false;

void SayWhatIsWrong(const std::string& fileName, const std::string& problem) {
    if (problem.empty() || mediaFolderMissing) return;
    std::fprintf(stderr, "bluvessa: the picture %s%s %s; the scene goes on without it\n",
                 AssetDir.c_str(), fileName.c_str(), problem.c_str());
}

void CheckMediaFolder() {
    std::error_code error;
    mediaFolderMissing = !std::filesystem::is_directory(AssetDir, error);
    if (mediaFolderMissing)
        std::fprintf(stderr,
                     "bluvessa: the media folder %s is missing; the scene has no pictures\n",
                     AssetDir.c_str());
}

SurfaceHandle LoadRunPicture(const std::string& fileName) {
    std::string problem;
    const SurfaceHandle surface = GenerateDC(AssetDir + fileName, &problem);
    SayWhatIsWrong(fileName, problem);
    return surface;
}

void LoadPicture(Sprite& record) {
    Assign(record.DC, LoadRunPicture(record.FileName));
}

// A chosen piece whose picture was not found when the scene was set up.
void LoadChosen(Sprite& record) {
    if (record.Installed != kFalse)
        LoadPicture(record);
    else
        SayWhatIsWrong(record.FileName, "is missing");
}

// The common background, a plain 24-bit picture drawn larger than the
// screen, is scaled straight from its file's rows: decoded first, it would
// take a copy as large again in fresh memory, dear at the start of a run.
bool CoverStraightFromFile() {
    const platform::BitmapFileRows file(ResolveCaseInsensitive(AssetDir + Background.FileName));
    if (!file.valid() || (file.width() <= Background.Width && file.height() <= Background.Height))
        return false;
    platform::Bitmap* target = platform::FindSurface(Background.DC);
    return target != nullptr && platform::CoverWithRows(*target, file.width(), file.height(),
                                                        [&file](int y, platform::Colour* row) {
                                                            file.ConvertRow(y, row);
                                                        });
}

// A background of the catalogue's size is stretched over the screen; one
// drawn larger keeps its proportions and covers the screen, centred.
void ComposeBackground() {
    if (CoverStraightFromFile()) return;
    // Background 0 is the black one: no picture is wanted.
    Assign(LoadDC, Background.Choice == 0 ? GenerateDC(AssetDir + Background.FileName)
                                          : LoadRunPicture(Background.FileName));
    const platform::Bitmap* picture = platform::FindSurface(LoadDC);
    if (picture != nullptr &&
        (picture->width() > Background.Width || picture->height() > Background.Height)) {
        if (platform::Bitmap* target = platform::FindSurface(Background.DC))
            platform::CoverWith(*target, *picture);
    } else {
        platform::StretchBlt(Background.DC, 0, 0, ScreenWidth, ScreenHeight, LoadDC, 0, 0,
                             Background.Width, Background.Height);
    }
    RemoveDC(LoadDC);
}

void ComposeReefStrip(SurfaceHandle strip, const std::string& fileName, int shiftLeft) {
    Assign(LoadDC, LoadRunPicture(fileName));
    TileReefStrip(strip, LoadDC, Foreground.Width, Foreground.Height, ScreenWidth, shiftLeft);
    RemoveDC(LoadDC);
}

void LoadCentrePiece() {
    if (Sprite* chosen = ChosenCentrePiece()) LoadChosen(*chosen);
}

// Element 1 of a group holds the group's surface; the bubble streams share
// the left stream's. Each bottle has a picture of its own, and both follow
// the first bottle's selection.
void LoadCreatures() {
    for (const Creature& creature : Creatures())
        if (creature.record->Enabled != kFalse) LoadChosen(*creature.record);
    if (Bottle(1).Enabled != kFalse) LoadChosen(Bottle(2));
}

std::string ReefMaskFile() {
    return "bv_foregroundmask" + std::to_string(Foreground.Choice) + ".bmp";
}

// The files the load below asks for, in its order. The background is left
// to the loader: it is mostly drawn straight from its file.
std::vector<std::string> FilesToLoad() {
    std::vector<std::string> names = {"bv_palette.bmp", Foreground.FileName, ReefMaskFile()};
    const auto chosen = [&](const Sprite& record) {
        if (record.Installed != kFalse) names.push_back(record.FileName);
    };
    if (const Sprite* centre = ChosenCentrePiece()) chosen(*centre);
    for (const Creature& creature : Creatures())
        if (creature.record->Enabled != kFalse) chosen(*creature.record);
    if (Bottle(1).Enabled != kFalse) chosen(Bottle(2));
    std::vector<std::string> paths;
    paths.reserve(names.size());
    for (const std::string& name : names) paths.push_back(AssetDir + name);
    return paths;
}

}  // namespace

void LoadPics4ScreenSaver() {
    Guarded("Starter/LoadPics4ScreenSaver", [] {
        const LoadingSurfaces loading;
        CheckMediaFolder();
        // The pictures are decoded on a second core while the first composes.
        std::optional<PicturePrefetch> prefetch;
        if (!mediaFolderMissing) prefetch.emplace(FilesToLoad());
        Assign(PaletteDC, LoadRunPicture("bv_palette.bmp"));
        Assign(BufferDC, ComposedSurface(ScreenWidth, ScreenHeight));

        Assign(Background.DC, ComposedSurface(ScreenWidth, ScreenHeight));
        ComposeBackground();

        Assign(Foreground.DC, ComposedSurface(ScreenWidth, Foreground.Height));
        ComposeReefStrip(Foreground.DC, Foreground.FileName, 0);

        Assign(ForegroundMaskDC, ComposedSurface(ScreenWidth, Foreground.Height));
        ComposeReefStrip(ForegroundMaskDC, ReefMaskFile(), kMaskShiftLeft);

        LoadCentrePiece();
        LoadCreatures();
    });
}

}  // namespace bv
