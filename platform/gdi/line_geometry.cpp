#include "line_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace gdi {
namespace {

int32_t clampToInt32(double value) {
  constexpr double kLow = std::numeric_limits<int32_t>::min();
  constexpr double kHigh = std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(std::clamp(std::round(value), kLow, kHigh));
}

int32_t clampToInt32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

int32_t atLeastOne(int32_t lineWidth) { return std::max(lineWidth, 1); }

}  // namespace

int32_t arrowLength(int32_t lineWidth) {
  return static_cast<int32_t>(std::min<int64_t>(3LL * atLeastOne(lineWidth) + 4, INT32_MAX));
}

int32_t arrowHalfWidth(int32_t lineWidth) {
  return static_cast<int32_t>(std::min<int64_t>(3LL * atLeastOne(lineWidth) / 2 + 2, INT32_MAX));
}

std::optional<ArrowMark> arrowMark(APOINT from, APOINT tip, int32_t lineWidth) {
  const double dx = static_cast<double>(tip.x) - from.x;
  const double dy = static_cast<double>(tip.y) - from.y;
  const double length = std::hypot(dx, dy);
  if (length == 0) return std::nullopt;
  const double ux = dx / length, uy = dy / length;
  const double baseX = tip.x - ux * arrowLength(lineWidth);
  const double baseY = tip.y - uy * arrowLength(lineWidth);
  const double half = arrowHalfWidth(lineWidth);
  ArrowMark mark;
  mark.tip = tip;
  mark.base = {clampToInt32(baseX), clampToInt32(baseY)};
  mark.wing1 = {clampToInt32(baseX - uy * half), clampToInt32(baseY + ux * half)};
  mark.wing2 = {clampToInt32(baseX + uy * half), clampToInt32(baseY - ux * half)};
  return mark;
}

POINTRECT segmentBounds(APOINT first, APOINT second, int32_t lineWidth) {
  const int64_t width = std::max(lineWidth, 0);
  const int64_t before = (width - 1) / 2;  // 0 for widths 0 and 1
  const int64_t after = width / 2;
  POINTRECT bounds;
  bounds.left = clampToInt32(std::min<int64_t>(first.x, second.x) - before);
  bounds.top = clampToInt32(std::min<int64_t>(first.y, second.y) - before);
  bounds.right = clampToInt32(std::max<int64_t>(first.x, second.x) + after);
  bounds.bottom = clampToInt32(std::max<int64_t>(first.y, second.y) + after);
  return bounds;
}

POINTRECT markedSegmentBounds(APOINT first, APOINT second, int32_t lineWidth) {
  POINTRECT bounds = segmentBounds(first, second, lineWidth);
  const std::optional<ArrowMark> mark = arrowMark(first, second, lineWidth);
  if (!mark) return bounds;
  for (const APOINT corner : {mark->wing1, mark->wing2}) {
    bounds.left = std::min<int32_t>(bounds.left, corner.x);
    bounds.top = std::min<int32_t>(bounds.top, corner.y);
    bounds.right = std::max<int32_t>(bounds.right, corner.x);
    bounds.bottom = std::max<int32_t>(bounds.bottom, corner.y);
  }
  return bounds;
}

std::optional<POINTRECT> drawingLimit(const POINTRECT* bounds, bool flag, int32_t lineWidth) {
  if (!flag || !bounds) return std::nullopt;
  return segmentBounds({bounds->left, bounds->top}, {bounds->right, bounds->bottom}, lineWidth);
}

}  // namespace gdi
