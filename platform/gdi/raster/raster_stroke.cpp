#include "raster_stroke.h"

#include "raster_canvas.h"

#include <vector>

namespace gdi::raster {
namespace {

// Lit and unlit lengths in line widths for styles 2 (dashed), 3 (dotted),
// 4 (dash-dot) and 5 (dash-dot-dot).
std::vector<double> litPattern(int32_t style) {
  switch (style) {
    case 2:
      return {6, 3};
    case 3:
      return {1, 1};
    case 4:
      return {6, 3, 1, 3};
    case 5:
      return {6, 2, 1, 2, 1, 2};
    default:
      return {};
  }
}

}  // namespace

bool drawsLine(const LineStroke& stroke) {
  return stroke.width >= 1 && stroke.style > 0 && hasColour(stroke.colour);
}

double strokeOffset(int32_t width) { return width % 2 == 1 ? 0.5 : 1.0; }

void applyStroke(cairo_t* cr, const LineStroke& stroke) {
  setSourceColour(cr, stroke.colour);
  cairo_set_line_width(cr, stroke.width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  std::vector<double> dashes = litPattern(stroke.style);
  // Round caps add half a width to both ends of every dash.
  for (size_t i = 0; i < dashes.size(); ++i) {
    dashes[i] = (i % 2 == 0 ? dashes[i] - 1 : dashes[i] + 1) * stroke.width;
  }
  cairo_set_dash(cr, dashes.data(), static_cast<int>(dashes.size()), 0);
}

}  // namespace gdi::raster
