#include "raster_canvas.h"

#include "gdi_state.h"
#include "raster_surfaces.h"

#include <algorithm>
#include <optional>

namespace gdi::raster {

RasterCanvas::RasterCanvas() : RasterCanvas(targetSurface()) {}

RasterCanvas::RasterCanvas(int32_t surface) {
  cairo_surface_t* target = findSurface(surface);
  if (!target) return;
  const std::optional<POINTRECT> clip = clipArea(surface);
  // Corners in reverse order leave nothing to draw through.
  if (clip && (clip->right < clip->left || clip->bottom < clip->top)) return;
  cr_ = cairo_create(target);
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
  if (clip) limitTo(&*clip);
}

void RasterCanvas::limitTo(const POINTRECT* rect) {
  if (!cr_ || !rect) return;
  const double left = clampCoordinate(std::min(rect->left, rect->right));
  const double top = clampCoordinate(std::min(rect->top, rect->bottom));
  const double right = clampCoordinate(std::max(rect->left, rect->right) + 1.0);
  const double bottom = clampCoordinate(std::max(rect->top, rect->bottom) + 1.0);
  cairo_rectangle(cr_, left, top, right - left, bottom - top);
  cairo_clip(cr_);
}

RasterCanvas::~RasterCanvas() {
  if (cr_) cairo_destroy(cr_);
}

bool hasColour(int32_t colour) { return colour >= 0; }

void setSourceColour(cairo_t* cr, int32_t colour) {
  cairo_set_source_rgb(cr, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                       (colour & 0xFF) / 255.0);
}

double clampCoordinate(double value) {
  constexpr double kLimit = 1 << 22;
  return std::clamp(value, -kLimit, kLimit);
}

}  // namespace gdi::raster
