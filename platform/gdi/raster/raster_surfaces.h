// The raster surfaces by handle.
#pragma once

#include <cairo.h>

#include <cstdint>

namespace gdi::raster {

// The surface of `handle`, or null when there is none.
cairo_surface_t* findSurface(int32_t handle);

}  // namespace gdi::raster
