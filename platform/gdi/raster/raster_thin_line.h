// Lines of width 1 are stepped pixel by pixel (Bresenham) instead of stroked,
// so they are exactly one pixel thick, light both end pixels and keep their
// dot and dash pattern on any slope. Curves are flattened first.
#pragma once

#include "flat_path.h"

#include <cairo.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace gdi::raster {

// Steps straight pieces pixel by pixel onto a context: the pixels inside its
// clip extents join its current path as unit squares, which paint() fills.
// Ends lie within ±2^29 pixels, so the stepping stays exact in 64 bits.
class ThinLinePainter {
 public:
  ThinLinePainter(cairo_t* cr, int32_t style);

  // From the pixel `from` falls in to the pixel `to` falls in; a piece that
  // starts where the previous one ended does not light (or count) that
  // pixel again.
  void segment(PathPoint from, PathPoint to);
  void paint(int32_t colour);

 private:
  struct Pixel {
    int64_t x, y;
  };
  static Pixel pixelOf(PathPoint point);
  static Pixel pointAt(Pixel from, int64_t dx, int64_t dy, int64_t steps, int64_t k);
  std::pair<int64_t, int64_t> visibleSteps(Pixel from, Pixel to, int64_t steps) const;
  void plot(Pixel pixel, int64_t phase);
  bool lit(int64_t phase) const;

  cairo_t* cr_;
  std::vector<int> pattern_;
  int64_t cycle_ = 0;
  int64_t left_, top_, right_, bottom_;
  int64_t phase_ = 0;
  Pixel last_{0, 0};
  bool hasLast_ = false;
};

// Lit and unlit pixel counts, alternating, for line styles 2 to 5; empty
// (always lit) for solid lines.
std::vector<int> linePattern(int32_t style);

// Paints the current path one pixel wide in `colour` and clears the path.
// Path coordinates are pixel edges; a point lights the pixel it falls in.
void strokeThin(cairo_t* cr, int32_t style, int32_t colour);

}  // namespace gdi::raster
