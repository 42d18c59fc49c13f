#include "surfaces/memory_surfaces.h"

#include "errors/error_handler.h"
#include "platform/surface_table.h"
#include "surfaces/picture_prefetch.h"

namespace bv {
namespace {

// A new surface holding the empty default picture. Asking again helps when
// the platform is briefly out of handles; a few tries are enough, and an
// endless loop would hang the saver when memory is really gone.
platform::Handle CreateCompatibleDC() {
    constexpr int kAttempts = 8;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        try {
            const platform::Handle handle = platform::CreateSurface(platform::Bitmap());
            if (handle > 0) return handle;
        } catch (const std::bad_alloc&) {
        }
    }
    Fail(kOutOfMemory);
}

}  // namespace

SurfaceHandle GenerateDC(const std::string& fileName, std::string* problem) {
    return GuardedOr<SurfaceHandle>("System/GenerateDC", 0, [&] {
        const platform::Handle handle = CreateCompatibleDC();
        std::optional<DecodedPicture> prefetched;
        if (PicturePrefetch* prefetch = PicturePrefetch::Active())
            prefetched = prefetch->Take(fileName);
        DecodedPicture decoded = prefetched ? std::move(*prefetched) : DecodePictureFile(fileName);
        if (problem != nullptr) *problem = std::move(decoded.problem);
        platform::ReplaceSurfaceBitmap(handle, std::move(decoded.picture));
        return handle;
    });
}

SurfaceHandle GenerateBufferDC(Integer width, Integer height, SurfaceHandle referenceDC) {
    return GuardedOr<SurfaceHandle>("System/GenerateBufferDC", 0, [&] {
        const platform::Bitmap* reference = platform::FindSurface(referenceDC);
        const platform::Bitmap emptyDefault;
        const platform::Bitmap& format =
            (reference == nullptr || reference->isEmptyDefault()) ? emptyDefault : *reference;
        if (width <= 0 || height <= 0) Fail(kInvalidArgument);
        platform::Bitmap blank = format.isEmptyDefault()
                                     ? platform::Bitmap(width, height, platform::PixelFormat::Mono)
                                     : format.CompatibleBlank(width, height);
        const platform::Handle handle = CreateCompatibleDC();
        platform::ReplaceSurfaceBitmap(handle, std::move(blank));
        return handle;
    });
}

Long RemoveDC(SurfaceHandle& handle) {
    return GuardedOr<Long>("Starter/RemoveDC", 0, [&] {
        if (handle <= 0) return Long{0};
        const bool released = platform::DeleteSurface(handle);
        handle = 0;
        return Long{released ? 1 : 0};
    });
}

}  // namespace bv
