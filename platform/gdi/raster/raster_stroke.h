// Line styles: 0 (or negative) no line, 1 solid, 2 dashed, 3 dotted,
// 4 dash-dot, 5 dash-dot-dot, others solid; dash and gap lengths are
// multiples of the line width. Wide lines have round caps and joins, so a
// stroke never reaches further than half its width beyond its path.
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

// Strokes and clears the current path. Width 1 steps pixel by pixel; wider
// lines get round caps and `join` (round unless a caller needs square corners).
void strokePath(cairo_t* cr, const LineStroke& stroke,
                cairo_line_join_t join = CAIRO_LINE_JOIN_ROUND);

}  // namespace gdi::raster
