// Fill styles: 1 and any style above 7 solid in the fill colour; 2 to 7 hatch
// lines in the fill colour over the background colour, on an 8 x 8 pixel
// grid anchored at the surface origin: 2 horizontal, 3 vertical, 4 diagonal
// rising to the right (/), 5 diagonal falling to the right (\), 6 cross,
// 7 diagonal cross. A part whose colour has the top bit set is not painted.
#pragma once

#include "raster_backend.h"

#include <cairo.h>

namespace gdi::raster {

// False for style <= 0 or when no part of the style has a colour.
bool fillsArea(const AreaFill& fill);

// Fills and clears the current path.
void fillPath(cairo_t* cr, const AreaFill& fill);

// Fills the current path together with the pixels a one-pixel outline along
// it would light, and clears it: a path through pixel centres then covers
// every pixel of the shape, its edges included.
void fillPathWithRim(cairo_t* cr, const AreaFill& fill);

}  // namespace gdi::raster
