#include "far_path_clip.h"

#include <algorithm>
#include <iterator>

namespace gdi::raster {

BoxClip::BoxClip(PathSink& out, double limit, bool closeSubpaths)
    : bottom_(out, false, 1, limit),
      top_(bottom_, false, -1, limit),
      right_(top_, true, 1, limit),
      left_(right_, true, -1, limit),
      closeSubpaths_(closeSubpaths) {}

void BoxClip::moveTo(double x, double y) {
  finish();
  left_.moveTo(x, y);
}

void BoxClip::lineTo(double x, double y) {
  open_ = true;
  left_.lineTo(x, y);
}

void BoxClip::curveTo(double x1, double y1, double x2, double y2, double x, double y) {
  open_ = true;
  left_.curveTo(x1, y1, x2, y2, x, y);
}

void BoxClip::closePath() {
  open_ = false;
  left_.closePath();
}

void BoxClip::finish() {
  if (closeSubpaths_ && open_) closePath();
}

void BoxClip::SideClip::moveTo(double x, double y) {
  first_ = previous_ = {x, y};
  started_ = false;
  if (inside(first_)) emit(first_);
}

void BoxClip::SideClip::lineTo(double x, double y) {
  const PathPoint to{x, y};
  if (inside(previous_) != inside(to)) emit(crossing(previous_, to));
  if (inside(to)) emit(to);
  previous_ = to;
}

void BoxClip::SideClip::curveTo(double x1, double y1, double x2, double y2, double x, double y) {
  out_.curveTo(x1, y1, x2, y2, x, y);
  previous_ = {x, y};
}

void BoxClip::SideClip::closePath() {
  // Inside at both ends the receiver closes the subpath itself.
  if (!inside(previous_) || !inside(first_)) lineTo(first_.x, first_.y);
  if (started_) out_.closePath();
  // The next piece starts where the subpath did.
  moveTo(first_.x, first_.y);
}

PathPoint BoxClip::SideClip::crossing(PathPoint from, PathPoint to) const {
  const double edge = limit_ * sign_;
  if (alongX_) return {edge, from.y + (to.y - from.y) * (edge - from.x) / (to.x - from.x)};
  return {from.x + (to.x - from.x) * (edge - from.y) / (to.y - from.y), edge};
}

void BoxClip::SideClip::emit(PathPoint p) {
  if (started_) {
    out_.lineTo(p.x, p.y);
  } else {
    out_.moveTo(p.x, p.y);
    started_ = true;
  }
}

namespace {

bool insideBox(const PathPoint (&curve)[4]) {
  return std::all_of(std::begin(curve), std::end(curve), withinCairoReach);
}

// All four points beyond one edge of the box: so is the whole piece, and the
// straight line between its ends.
bool beyondOneEdge(const PathPoint (&curve)[4]) {
  auto all = [&](auto beyond) { return std::all_of(std::begin(curve), std::end(curve), beyond); };
  return all([](PathPoint p) { return p.x > kCairoReach; }) ||
         all([](PathPoint p) { return p.x < -kCairoReach; }) ||
         all([](PathPoint p) { return p.y > kCairoReach; }) ||
         all([](PathPoint p) { return p.y < -kCairoReach; });
}

// Smaller than a quarter of the box: a piece that also reaches beyond the
// box lies three quarters of the box's half side away from the origin.
bool small(const PathPoint (&curve)[4]) {
  auto [left, right] = std::minmax({curve[0].x, curve[1].x, curve[2].x, curve[3].x});
  auto [top, bottom] = std::minmax({curve[0].y, curve[1].y, curve[2].y, curve[3].y});
  return std::max(right - left, bottom - top) < kCairoReach / 4;
}

PathPoint midpoint(PathPoint a, PathPoint b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

}  // namespace

void FarCurveSplitter::moveTo(double x, double y) {
  current_ = start_ = {x, y};
  out_.moveTo(x, y);
}

void FarCurveSplitter::lineTo(double x, double y) {
  current_ = {x, y};
  out_.lineTo(x, y);
}

void FarCurveSplitter::curveTo(double x1, double y1, double x2, double y2, double x, double y) {
  split({current_, {x1, y1}, {x2, y2}, {x, y}}, 0);
  current_ = {x, y};
}

void FarCurveSplitter::closePath() {
  current_ = start_;
  out_.closePath();
}

// Halves the piece until each part lies inside the box or nowhere near a
// surface; the pieces halve in size, so a few dozen levels reach the box's
// scale from any number the path reader takes.
void FarCurveSplitter::split(const PathPoint (&curve)[4], int depth) {
  constexpr int kDeepest = 64;
  const PathPoint& end = curve[3];
  if (insideBox(curve))
    return out_.curveTo(curve[1].x, curve[1].y, curve[2].x, curve[2].y, end.x, end.y);
  if (depth == kDeepest || beyondOneEdge(curve) || small(curve)) return out_.lineTo(end.x, end.y);
  const PathPoint a = midpoint(curve[0], curve[1]), b = midpoint(curve[1], curve[2]),
                  c = midpoint(curve[2], curve[3]), ab = midpoint(a, b), bc = midpoint(b, c),
                  middle = midpoint(ab, bc);
  split({curve[0], a, ab, middle}, depth + 1);
  split({middle, bc, c, end}, depth + 1);
}

}  // namespace gdi::raster
