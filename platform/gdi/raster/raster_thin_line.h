// Lines of width 1 are stepped pixel by pixel (Bresenham) instead of stroked,
// so they are exactly one pixel thick, light both end pixels and keep their
// dot and dash pattern on any slope. Curves are flattened first.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <vector>

namespace gdi::raster {

// Lit and unlit pixel counts, alternating, for line styles 2 to 5; empty
// (always lit) for solid lines.
std::vector<int> linePattern(int32_t style);

// Paints the current path one pixel wide in `colour` and clears the path.
// Path coordinates are pixel edges; a point lights the pixel it falls in.
void strokeThin(cairo_t* cr, int32_t style, int32_t colour);

}  // namespace gdi::raster
