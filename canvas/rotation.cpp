#include "canvas/rotation.h"

#include "canvas/angles.h"
#include "canvas/point_lists.h"
#include "module/int_math.h"
#include "module/vm_arrays.h"
#include "platform/core/morvcore.h"
#include "platform/gdi/osgx.h"

#include <algorithm>

namespace tamri {
namespace {

// Into 0..360, where a whole number of turns above 0 gives 360, not 0.
int16_t degreesInTenths(int32_t degrees) {
  if (degrees < 0) {
    degrees = reducedAngle(degrees, kFullTurnDegrees);
  } else if (degrees > kFullTurnDegrees) {
    degrees = (degrees - 1) % kFullTurnDegrees + 1;
  }
  return static_cast<int16_t>(degrees * 10);
}

int16_t reducedTenths(int32_t tenths) {
  return static_cast<int16_t>(reducedAngle(tenths, kFullTurnTenths));
}

// Wrapping negation: the most negative int stays as it is.
int32_t negated(int32_t value) { return static_cast<int32_t>(0u - static_cast<uint32_t>(value)); }

int32_t cosinePart(int32_t length, int16_t tenths) {
  return truncateToInt(osUTfastcos(tenths) * length);
}
int32_t sinePart(int32_t length, int16_t tenths) {
  return negated(truncateToInt(osUTfastsin(tenths) * length));
}

// The single-precision pi of the panel's angle conversion.
constexpr double kPanelPi = static_cast<double>(3.1415f);

// Tenths of a degree of the point (x, y) about the centre, counter-clockwise
// on screen; a point straight above the centre, or on it, is at 900.
int32_t polarAngle(int32_t x, int32_t y) {
  if (x == 0) return y < 1 ? 900 : 2700;
  const auto radians = static_cast<float>(osUTatan(static_cast<double>(y) / x));
  const int32_t a = truncateToInt(radians * 1800.0 / kPanelPi);
  return x > 0 ? negated(a) : 1800 - a;
}

// Rounded distance from the centre; the squares are summed in double, since
// two full 16-bit coordinates already leave the int range (and exactly so
// for any coordinate below 2^26).
int32_t polarRadius(int32_t x, int32_t y) {
  const double squares = static_cast<double>(x) * x + static_cast<double>(y) * y;
  return truncateToInt(osUTsqrt(squares) + 0.5);
}

struct PolarViews {
  IntArrayView xs, ys, radii, angles;
};

PolarViews viewsOf(const PolarArrays& arrays) {
  return {intArrayOf(arrays.xs), intArrayOf(arrays.ys), intArrayOf(arrays.radii),
          intArrayOf(arrays.angles)};
}

// Fixed room for the turned points: natives run one at a time.
APOINT turnedPoints[kRotatingPolygonCapacity];

PointList turnedPointList(int32_t count, const RotatingPolygon& polygon, const IntArrayView& radii,
                          const IntArrayView& angles) {
  if (!radii.elements || !angles.elements) return {};
  count = std::clamp(count, 0, std::min(radii.length, angles.length));
  const int16_t rotation = reducedTenths(polygon.rotation);
  for (int32_t i = 0; i < count; ++i) {
    int32_t a = cutTo16Bits(rotation + angles.elements[i]);
    if (a < 0) a += kFullTurnTenths;
    if (a >= kFullTurnTenths) a -= kFullTurnTenths;
    const auto tenths = static_cast<int16_t>(a);
    const double radius = radii.elements[i];
    turnedPoints[i] = {truncateToInt(osUTfastcos(tenths) * radius + 0.5 + polygon.centreX),
                       truncateToInt(-osUTfastsin(tenths) * radius + 0.5 + polygon.centreY)};
  }
  return {turnedPoints, count};
}

}  // namespace

int32_t rotatedX(int32_t length, int32_t degrees) {
  return cosinePart(length, degreesInTenths(degrees));
}
int32_t rotatedY(int32_t length, int32_t degrees) {
  return sinePart(length, degreesInTenths(degrees));
}
int32_t preciseRotatedX(int32_t length, int32_t tenths) {
  return cosinePart(length, reducedTenths(tenths));
}
int32_t preciseRotatedY(int32_t length, int32_t tenths) {
  return sinePart(length, reducedTenths(tenths));
}

void computePolarForm(int32_t count, const PolarArrays& arrays) {
  const PolarViews v = viewsOf(arrays);
  if (!v.xs.elements || !v.ys.elements || !v.radii.elements || !v.angles.elements) return;
  count =
      std::clamp(count, 0, std::min({v.xs.length, v.ys.length, v.radii.length, v.angles.length}));
  for (int32_t i = 0; i < count; ++i) {
    const int32_t x = v.xs.elements[i], y = v.ys.elements[i];
    v.angles.elements[i] = polarAngle(x, y);
    v.radii.elements[i] = polarRadius(x, y);
  }
}

void fillTurnedPolygon(const RotatingPolygon& polygon, const PolarArrays& arrays) {
  const int32_t count = std::min(polygon.count, kRotatingPolygonCapacity);
  const PolarViews v = viewsOf(arrays);
  const PointList list = polygon.rotation == 0 ? copySplitPoints({arrays.xs, arrays.ys, count},
                                                                 polygon.centreX, polygon.centreY)
                                               : turnedPointList(count, polygon, v.radii, v.angles);
  if (!list) return;
  constexpr bool kWinding = true;
  constexpr int8_t kSolid = 1;
  if (polygon.fill) {
    osGXfillPolygon(list.count, list.points, polygon.fillColor, 0, kSolid, kWinding);
    osGXdrawPolygon(list.count, list.points, 1, polygon.fillColor, 0, kSolid);
  }
  if (polygon.outline) osGXdrawPolygon(list.count, list.points, 1, polygon.lineColor, 0, kSolid);
}

}  // namespace tamri
