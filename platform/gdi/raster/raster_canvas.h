// One drawing on a raster surface: a Cairo context with antialiasing off,
// clipped to the surface's clip area (inclusive pixels). Coordinates are
// pixel edges: pixel (x, y) spans x..x+1, y..y+1, its centre is x+0.5, y+0.5.
#pragma once

#include "osgx.h"

#include <cairo.h>

#include <cstdint>

namespace gdi::raster {

class RasterCanvas {
 public:
  // On the selected target surface.
  RasterCanvas();
  explicit RasterCanvas(int32_t surface);
  ~RasterCanvas();
  RasterCanvas(const RasterCanvas&) = delete;
  RasterCanvas& operator=(const RasterCanvas&) = delete;

  // False when there is no such surface or its clip area is empty.
  explicit operator bool() const { return cr_ != nullptr; }
  cairo_t* cr() const { return cr_; }

  // Limits the drawing further to the inclusive pixels of `rect` (corners in
  // either order); nothing for a null rectangle.
  void limitTo(const POINTRECT* rect);

 private:
  cairo_t* cr_ = nullptr;
};

// Colours are 0x00RRGGBB; a colour with the top bit set is no colour.
bool hasColour(int32_t colour);
void setSourceColour(cairo_t* cr, int32_t colour);

// Keeps absurd coordinates inside what Cairo's fixed-point numbers hold.
double clampCoordinate(double value);

}  // namespace gdi::raster
