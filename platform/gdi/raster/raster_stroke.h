// Line styles. Lines have round caps and joins, so a stroke never reaches
// further than half its width beyond its path in any direction.
#pragma once

#include "raster_backend.h"

#include <cairo.h>

namespace gdi::raster {

// False for width < 1, style <= 0 or no colour.
bool drawsLine(const LineStroke& stroke);

// Where a line through pixel p runs: p + 0.5 (the pixel centre) for odd
// widths, p + 1 for even ones, so a line of width w covers the pixels
// p - (w - 1) / 2 through p + w / 2 across its length.
double strokeOffset(int32_t width);

// Colour, width, dashes, round caps and joins for `stroke`.
void applyStroke(cairo_t* cr, const LineStroke& stroke);

}  // namespace gdi::raster
