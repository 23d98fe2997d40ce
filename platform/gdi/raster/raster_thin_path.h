// Width-1 outlines of path texts. Pieces that Cairo holds are built into a
// Cairo path and stepped as every thin line is (raster_thin_line.h); a line
// reaching beyond (far_path_clip.h) is stepped from end to end by itself, so
// its pixels on the surface keep the line's own slope.
#pragma once

#include "path_data.h"
#include "raster_thin_line.h"

#include <cairo.h>

namespace gdi::raster {

// What the stepping of a line holds exactly (raster_thin_line.h).
inline constexpr double kStepReach = 1 << 29;

// Takes placed pieces within ±kStepReach, curves within ±kCairoReach.
class ThinPathSink : public PathSink {
 public:
  ThinPathSink(cairo_t* cr, int32_t style);
  ~ThinPathSink() override;
  ThinPathSink(const ThinPathSink&) = delete;
  ThinPathSink& operator=(const ThinPathSink&) = delete;

  void moveTo(double x, double y) override;
  void lineTo(double x, double y) override;
  void curveTo(double x1, double y1, double x2, double y2, double x, double y) override;
  void closePath() override;

  // Paints everything received in `colour`.
  void paint(int32_t colour);

 private:
  void stepFar(PathPoint to);
  void continueInCairo();
  void flush();

  ThinLinePainter painter_;
  cairo_t* path_;  // a second context: the painter's squares gather on the first
  PathPoint current_{0, 0}, start_{0, 0};
  bool inCairo_ = false;         // the Cairo path's current point is `current_`
  bool subpathInCairo_ = false;  // nothing since the last move went past Cairo
};

}  // namespace gdi::raster
