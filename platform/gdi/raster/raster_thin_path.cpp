#include "raster_thin_path.h"

#include "far_path_clip.h"

#include <cmath>

namespace gdi::raster {
namespace {

// Where Cairo's fixed-point numbers (1/256 pixel) put a point.
PathPoint onCairoGrid(PathPoint p) {
  return {std::nearbyint(p.x * 256) / 256, std::nearbyint(p.y * 256) / 256};
}

}  // namespace

ThinPathSink::ThinPathSink(cairo_t* cr, int32_t style)
    : painter_(cr, style), path_(cairo_create(cairo_get_target(cr))) {}

ThinPathSink::~ThinPathSink() { cairo_destroy(path_); }

void ThinPathSink::moveTo(double x, double y) {
  current_ = start_ = {x, y};
  inCairo_ = subpathInCairo_ = withinCairoReach(current_);
  if (inCairo_) cairo_move_to(path_, x, y);
}

void ThinPathSink::lineTo(double x, double y) {
  const PathPoint to{x, y};
  if (!withinCairoReach(current_) || !withinCairoReach(to)) return stepFar(to);
  continueInCairo();
  cairo_line_to(path_, x, y);
  current_ = to;
}

void ThinPathSink::curveTo(double x1, double y1, double x2, double y2, double x, double y) {
  continueInCairo();
  cairo_curve_to(path_, x1, y1, x2, y2, x, y);
  current_ = {x, y};
}

void ThinPathSink::closePath() {
  if (subpathInCairo_) {
    cairo_close_path(path_);
    current_ = start_;
  } else {
    lineTo(start_.x, start_.y);
  }
}

void ThinPathSink::paint(int32_t colour) {
  flush();
  painter_.paint(colour);
}

void ThinPathSink::stepFar(PathPoint to) {
  flush();
  painter_.segment(onCairoGrid(current_), onCairoGrid(to));
  current_ = to;
  inCairo_ = subpathInCairo_ = false;
}

void ThinPathSink::continueInCairo() {
  if (!inCairo_) cairo_move_to(path_, current_.x, current_.y);
  inCairo_ = true;
}

// Steps the Cairo path built so far.
void ThinPathSink::flush() {
  walkFlatPath(
      path_, [] {}, [&](PathPoint from, PathPoint to) { painter_.segment(from, to); });
}

}  // namespace gdi::raster
