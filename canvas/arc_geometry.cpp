#include "canvas/arc_geometry.h"

#include "canvas/angles.h"
#include "module/int_math.h"
#include "platform/core/morvcore.h"

#include <algorithm>

namespace tamri {
namespace {

// The quarter angles of a turn, in its own unit.
struct QuarterAngles {
  int32_t turn, right, top, left, bottom;
};
constexpr QuarterAngles kTenths{kFullTurnTenths, 0, 900, 1800, 2700};
constexpr QuarterAngles kDegrees{kFullTurnDegrees, 0, 90, 180, 270};

// Turns `angle` (in the unit of `q`) into a point on the box's ellipse.
APOINT pointOnEllipse(const PlacedSize& box, int32_t angle, const QuarterAngles& q) {
  const int32_t a = reducedAngle(angle, q.turn);
  const double halfW = box.w / 2.0, halfH = box.h / 2.0;
  if (a == q.right) return {box.x + box.w, box.y + truncateToInt(halfH)};
  if (a == q.top) return {box.x + truncateToInt(halfW), box.y};
  if (a == q.left) return {box.x, box.y + truncateToInt(halfH)};
  if (a == q.bottom) return {box.x + truncateToInt(halfW), box.y + box.h};
  if (box.w == 0) return {box.x, box.y + truncateToInt(halfH)};
  if (box.h == 0) return {box.x + truncateToInt(halfW), box.y};
  const auto tenths = static_cast<int16_t>(a * (kFullTurnTenths / q.turn));
  const double c = osUTfastcos(tenths), s = osUTfastsin(tenths);
  if (halfW == halfH) {
    const int32_t half = box.w / 2;
    return {box.x + half + truncateToInt(c * halfW), box.y + half - truncateToInt(s * halfW)};
  }
  // The radius of the ellipse along the angle; never 0 here, as neither half
  // is 0 and sine and cosine are not both 0.
  const double k = halfW * halfH / osUTsqrt(halfH * halfH * c * c + halfW * halfW * s * s);
  return {box.x + truncateToInt(k * c + halfW), box.y + truncateToInt(halfH - k * s)};
}

// ---- arcBounds: which sides of the box an arc passes ------------------------

enum class Quadrant : uint8_t { kUpperLeft, kUpperRight, kLowerRight, kLowerLeft };

// Where the end lies about the centre (tested row by row, in order).
enum class EndTest : uint8_t { kLeftUp, kRightUp, kRightDown, kLeftStrictlyUp, kLeft, kUp, kAny };

enum Side : uint8_t { kL = 1, kT = 2, kR = 4, kB = 8, kAllSides = kL | kT | kR | kB };

// Start and end in one quadrant: the arc is either short (no side) or goes
// almost all the way round (every side), depending on which comes first.
enum class WholeTurn : uint8_t { kNo, kWhenStartXNotAfterEndX, kWhenEndXNotAfterStartX };

struct BoundsRow {
  Quadrant start;
  EndTest end;
  uint8_t sides;
  WholeTurn whole = WholeTurn::kNo;
};

constexpr BoundsRow kBoundsRows[] = {
    {Quadrant::kUpperLeft, EndTest::kLeftUp, 0, WholeTurn::kWhenStartXNotAfterEndX},
    {Quadrant::kUpperLeft, EndTest::kRightUp, kL | kR | kB},
    {Quadrant::kUpperLeft, EndTest::kRightDown, kL | kB},
    {Quadrant::kUpperLeft, EndTest::kAny, kL},
    {Quadrant::kUpperRight, EndTest::kLeftStrictlyUp, kT},
    {Quadrant::kUpperRight, EndTest::kRightUp, 0, WholeTurn::kWhenStartXNotAfterEndX},
    {Quadrant::kUpperRight, EndTest::kRightDown, kL | kT | kB},
    {Quadrant::kUpperRight, EndTest::kAny, kL | kT},
    {Quadrant::kLowerRight, EndTest::kLeftStrictlyUp, kT | kR},
    {Quadrant::kLowerRight, EndTest::kRightUp, kR},
    {Quadrant::kLowerRight, EndTest::kLeft, kL | kT | kR},
    {Quadrant::kLowerRight, EndTest::kAny, 0, WholeTurn::kWhenEndXNotAfterStartX},
    {Quadrant::kLowerLeft, EndTest::kLeftUp, kT | kR | kB},
    {Quadrant::kLowerLeft, EndTest::kLeft, 0, WholeTurn::kWhenEndXNotAfterStartX},
    {Quadrant::kLowerLeft, EndTest::kUp, kR | kB},
    {Quadrant::kLowerLeft, EndTest::kAny, kB},
};

Quadrant quadrantOf(APOINT p, APOINT centre) {
  if (p.x <= centre.x && p.y <= centre.y) return Quadrant::kUpperLeft;
  if (p.x >= centre.x && p.y <= centre.y) return Quadrant::kUpperRight;
  if (p.x >= centre.x && p.y >= centre.y) return Quadrant::kLowerRight;
  return Quadrant::kLowerLeft;
}

bool holds(EndTest test, APOINT end, APOINT centre) {
  const bool left = end.x <= centre.x, up = end.y <= centre.y;
  switch (test) {
    case EndTest::kLeftUp:
      return left && up;
    case EndTest::kRightUp:
      return !left && up;
    case EndTest::kRightDown:
      return !left && !up;
    case EndTest::kLeftStrictlyUp:
      return left && end.y < centre.y;
    case EndTest::kLeft:
      return left;
    case EndTest::kUp:
      return up;
    case EndTest::kAny:
      return true;
  }
  return true;
}

uint8_t sidesPassed(APOINT centre, APOINT start, APOINT end) {
  const Quadrant quadrant = quadrantOf(start, centre);
  for (const BoundsRow& row : kBoundsRows) {
    if (row.start != quadrant || !holds(row.end, end, centre)) continue;
    switch (row.whole) {
      case WholeTurn::kNo:
        return row.sides;
      case WholeTurn::kWhenStartXNotAfterEndX:
        return start.x <= end.x ? kAllSides : 0;
      case WholeTurn::kWhenEndXNotAfterStartX:
        return end.x <= start.x ? kAllSides : 0;
    }
  }
  return 0;  // every quadrant ends in a row that always holds
}

}  // namespace

int32_t arcStepAngle(int32_t radius) {
  if (radius == 0) return kCoarsestArcStep;
  // 32544 / (71 r) as (32544 / 71) / r: integer division truncates alike
  // either way, and this way 71 r cannot leave the int range.
  constexpr int32_t kDividend = 32544 / 71;
  return std::clamp(kDividend / radius, kFinestArcStep, kCoarsestArcStep);
}

APOINT circlePoint(int32_t left, int32_t top, int32_t radius, int32_t tenths) {
  const int32_t a = reducedAngle(tenths, kFullTurnTenths);
  if (a == kTenths.right) return {left + 2 * radius, top + radius};
  if (a == kTenths.top) return {left + radius, top};
  if (a == kTenths.left) return {left, top + radius};
  if (a == kTenths.bottom) return {left + radius, top + 2 * radius};
  const auto t = static_cast<int16_t>(a);
  return {left + radius + truncateToInt(osUTfastcos(t) * radius),
          top + radius - truncateToInt(osUTfastsin(t) * radius)};
}

APOINT ellipsePoint(const PlacedSize& box, int32_t tenths) {
  return pointOnEllipse(box, tenths, kTenths);
}

APOINT ellipsePointDegrees(const PlacedSize& box, int32_t degrees) {
  return pointOnEllipse(box, degrees, kDegrees);
}

APOINT centreOf(const PlacedSize& box) { return {box.x + box.w / 2, box.y + box.h / 2}; }

POINTRECT arcBounds(APOINT centre, const POINTRECT& box, APOINT start, APOINT end,
                    bool withCentre) {
  POINTRECT r{std::min(start.x, end.x), std::min(start.y, end.y), std::max(start.x, end.x),
              std::max(start.y, end.y)};
  const uint8_t sides = sidesPassed(centre, start, end);
  if (sides & kL) r.left = box.left;
  if (sides & kT) r.top = box.top;
  if (sides & kR) r.right = box.right;
  if (sides & kB) r.bottom = box.bottom;
  if (withCentre) {
    r = {std::min(r.left, centre.x), std::min(r.top, centre.y), std::max(r.right, centre.x),
         std::max(r.bottom, centre.y)};
  }
  return r;
}

}  // namespace tamri
