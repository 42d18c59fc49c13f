#include "platform/surface_table.h"

#include <limits>
#include <memory>
#include <unordered_map>

namespace bv::platform {
namespace {

struct Table {
    std::unordered_map<Handle, std::unique_ptr<Bitmap>> surfaces;
    Handle next = 0x100;  // handles look like the platform's: never small, never reused
};

Table& Surfaces() {
    static Table table;
    return table;
}

}  // namespace

Handle CreateSurface(Bitmap bitmap) {
    Table& table = Surfaces();
    if (table.next == std::numeric_limits<Handle>::max()) return 0;
    const Handle handle = table.next++;
    table.surfaces.emplace(handle, std::make_unique<Bitmap>(std::move(bitmap)));
    return handle;
}

Bitmap* FindSurface(Handle handle) {
    if (handle <= 0) return nullptr;
    Table& table = Surfaces();
    const auto found = table.surfaces.find(handle);
    return found == table.surfaces.end() ? nullptr : found->second.get();
}

void ReplaceSurfaceBitmap(Handle handle, Bitmap bitmap) {
    if (Bitmap* existing = FindSurface(handle)) *existing = std::move(bitmap);
}

bool DeleteSurface(Handle handle) {
    if (handle <= 0) return false;
    return Surfaces().surfaces.erase(handle) > 0;
}

int LiveSurfaceCount() {
    return static_cast<int>(Surfaces().surfaces.size());
}

}  // namespace bv::platform
