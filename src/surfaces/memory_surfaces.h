#pragma once
// Making and releasing the memory surfaces every picture lives in.

#include <string>

#include "platform/checked_arithmetic.h"
#include "scene/sprite.h"

namespace bv {

// A surface holding the bitmap file's picture; a missing or damaged file
// leaves the empty default picture in it, and problem (when given) says what
// is wrong with the file ("" when nothing is). Returns 0 when no surface can
// be had.
SurfaceHandle GenerateDC(const std::string& fileName, std::string* problem = nullptr);

// An uninitialised width x height surface in the reference surface's pixel
// format and colour table (one bit deep when the reference holds the empty
// default picture or is 0).
SurfaceHandle GenerateBufferDC(Integer width, Integer height, SurfaceHandle referenceDC);

// Releases the surface when the handle names one and sets the handle to 0.
// Returns nonzero when something was released.
Long RemoveDC(SurfaceHandle& handle);

}  // namespace bv
