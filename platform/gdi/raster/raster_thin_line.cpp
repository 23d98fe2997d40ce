#include "raster_thin_line.h"

#include "raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace gdi::raster {

ThinLinePainter::ThinLinePainter(cairo_t* cr, int32_t style)
    : cr_(cr), pattern_(linePattern(style)) {
  for (int length : pattern_) cycle_ += length;
  double x1, y1, x2, y2;
  cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
  left_ = static_cast<int64_t>(std::floor(x1));
  top_ = static_cast<int64_t>(std::floor(y1));
  right_ = static_cast<int64_t>(std::ceil(x2)) - 1;
  bottom_ = static_cast<int64_t>(std::ceil(y2)) - 1;
}

void ThinLinePainter::segment(PathPoint fromPoint, PathPoint toPoint) {
  const Pixel from = pixelOf(fromPoint), to = pixelOf(toPoint);
  const bool continues = hasLast_ && from.x == last_.x && from.y == last_.y;
  const int64_t dx = to.x - from.x, dy = to.y - from.y;
  const int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
  const int64_t firstStep = continues ? 1 : 0;
  const auto [low, high] = visibleSteps(from, to, steps);
  for (int64_t k = std::max(low, firstStep); k <= high; ++k) {
    plot(pointAt(from, dx, dy, steps, k), phase_ + k - firstStep);
  }
  phase_ += steps + 1 - firstStep;
  last_ = to;
  hasLast_ = true;
}

void ThinLinePainter::paint(int32_t colour) {
  setSourceColour(cr_, colour);
  cairo_fill(cr_);
}

ThinLinePainter::Pixel ThinLinePainter::pixelOf(PathPoint point) {
  return {static_cast<int64_t>(std::floor(point.x)), static_cast<int64_t>(std::floor(point.y))};
}

// Rounds to the nearest pixel along the minor axis, halves away from `from`.
ThinLinePainter::Pixel ThinLinePainter::pointAt(Pixel from, int64_t dx, int64_t dy, int64_t steps,
                                                int64_t k) {
  if (steps == 0) return from;
  auto offset = [&](int64_t delta) {
    const int64_t magnitude = (2 * k * std::llabs(delta) + steps) / (2 * steps);
    return delta < 0 ? -magnitude : magnitude;
  };
  return {from.x + offset(dx), from.y + offset(dy)};
}

// Steps whose major coordinate lies inside the clip extents.
std::pair<int64_t, int64_t> ThinLinePainter::visibleSteps(Pixel from, Pixel to,
                                                          int64_t steps) const {
  const bool alongX = std::llabs(to.x - from.x) >= std::llabs(to.y - from.y);
  const int64_t start = alongX ? from.x : from.y;
  const int64_t sign = (alongX ? to.x - from.x : to.y - from.y) < 0 ? -1 : 1;
  const int64_t low = alongX ? left_ : top_, high = alongX ? right_ : bottom_;
  const int64_t a = (low - start) * sign, b = (high - start) * sign;
  return {std::max<int64_t>(0, std::min(a, b)), std::min(steps, std::max(a, b))};
}

void ThinLinePainter::plot(Pixel pixel, int64_t phase) {
  if (pixel.x < left_ || pixel.x > right_ || pixel.y < top_ || pixel.y > bottom_) return;
  if (!lit(phase)) return;
  cairo_rectangle(cr_, static_cast<double>(pixel.x), static_cast<double>(pixel.y), 1, 1);
}

bool ThinLinePainter::lit(int64_t phase) const {
  if (cycle_ == 0) return true;
  int64_t position = phase % cycle_;
  for (size_t i = 0; i < pattern_.size(); ++i) {
    if (position < pattern_[i]) return i % 2 == 0;
    position -= pattern_[i];
  }
  return true;
}

std::vector<int> linePattern(int32_t style) {
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

void strokeThin(cairo_t* cr, int32_t style, int32_t colour) {
  ThinLinePainter painter(cr, style);
  walkFlatPath(
      cr, [] {}, [&](PathPoint from, PathPoint to) { painter.segment(from, to); });
  painter.paint(colour);
}

}  // namespace gdi::raster
