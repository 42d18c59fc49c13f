#pragma once
// The surfaces that live only while the pictures load.

#include "scene/sprite.h"

namespace bv {

inline SurfaceHandle PaletteDC = 0;  // gives the composed surfaces their pixel format
inline SurfaceHandle LoadDC = 0;     // a picture on its way into a composed surface

}  // namespace bv
