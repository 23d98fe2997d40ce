#include "raster_fill.h"

#include "raster_canvas.h"
#include "raster_thin_line.h"

namespace gdi::raster {
namespace {

constexpr int kHatchSize = 8;

bool isHatch(int32_t style) { return style >= 2 && style <= 7; }

bool onHatchLine(int32_t style, int x, int y) {
  const int last = kHatchSize - 1;
  switch (style) {
    case 2:
      return y == 0;
    case 3:
      return x == 0;
    case 4:
      return x + y == last;
    case 5:
      return x == y;
    case 6:
      return x == 0 || y == 0;
    default:  // 7
      return x == y || x + y == last;
  }
}

uint32_t opaque(int32_t colour) {
  return 0xFF000000u | (static_cast<uint32_t>(colour) & 0xFFFFFFu);
}

// One repeating tile; parts without colour stay transparent.
cairo_pattern_t* createHatchPattern(const AreaFill& fill) {
  cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kHatchSize, kHatchSize);
  if (cairo_surface_status(tile) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(tile);
    return nullptr;
  }
  cairo_surface_flush(tile);
  unsigned char* data = cairo_image_surface_get_data(tile);
  const int stride = cairo_image_surface_get_stride(tile);
  for (int y = 0; y < kHatchSize; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < kHatchSize; ++x) {
      const int32_t colour = onHatchLine(fill.style, x, y) ? fill.colour : fill.backColour;
      row[x] = hasColour(colour) ? opaque(colour) : 0;
    }
  }
  cairo_surface_mark_dirty(tile);
  cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
  cairo_surface_destroy(tile);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
  cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
  return pattern;
}

// The fill's colour, or its hatch tile, as the source; false when that
// cannot be made.
bool setFillSource(cairo_t* cr, const AreaFill& fill) {
  if (!isHatch(fill.style)) {
    setSourceColour(cr, fill.colour);
    return true;
  }
  cairo_pattern_t* pattern = createHatchPattern(fill);
  if (!pattern) return false;
  cairo_set_source(cr, pattern);
  cairo_pattern_destroy(pattern);
  return true;
}

}  // namespace

bool fillsArea(const AreaFill& fill) {
  if (fill.style <= 0) return false;
  if (isHatch(fill.style)) return hasColour(fill.colour) || hasColour(fill.backColour);
  return hasColour(fill.colour);
}

void fillPath(cairo_t* cr, const AreaFill& fill) {
  if (!fillsArea(fill) || !setFillSource(cr, fill)) {
    cairo_new_path(cr);
    return;
  }
  cairo_fill(cr);
}

void fillPathWithRim(cairo_t* cr, const AreaFill& fill) {
  if (!fillsArea(fill)) {
    cairo_new_path(cr);
    return;
  }
  // The covered pixels first, as a mask the fill is painted through.
  cairo_push_group_with_content(cr, CAIRO_CONTENT_ALPHA);
  cairo_fill_preserve(cr);
  strokeThin(cr, 1, 0);
  cairo_pattern_t* coverage = cairo_pop_group(cr);
  if (setFillSource(cr, fill)) cairo_mask(cr, coverage);
  cairo_pattern_destroy(coverage);
}

}  // namespace gdi::raster
