#pragma once
// Drawing surfaces named by handles, as the scene records keep them: a handle
// greater than 0 names a surface that owns its picture; 0 names none.

#include <cstdint>

#include "platform/bitmap.h"

namespace bv::platform {

using Handle = std::int32_t;

// Takes ownership of the picture; returns its new handle (never 0), or 0
// when no handle can be had.
Handle CreateSurface(Bitmap bitmap);

// The picture of a surface, or nullptr for 0 and for released handles.
Bitmap* FindSurface(Handle handle);

// Replaces a surface's picture (what selecting a new bitmap into it does).
void ReplaceSurfaceBitmap(Handle handle, Bitmap bitmap);

// Releases the surface and its picture; false when there was none.
bool DeleteSurface(Handle handle);

// How many surfaces are alive: for tests of release and leak checks.
int LiveSurfaceCount();

}  // namespace bv::platform
