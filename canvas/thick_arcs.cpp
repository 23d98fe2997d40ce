#include "canvas/thick_arcs.h"

#include "canvas/angles.h"
#include "canvas/arc_geometry.h"
#include "canvas/pies.h"
#include "module/int_math.h"

#include <algorithm>

namespace tamri {
namespace {

constexpr bool kWinding = true;
constexpr int8_t kSolid = 1;

// The ring's polygon: the outer edge forwards, the inner edge backwards.
// Natives run one at a time, so one buffer serves every call.
constexpr int32_t kThickArcCapacity = 300;
APOINT thickArcPoints[kThickArcCapacity];

// Each edge has sweep / step + 1 points, one more for a remainder.
constexpr int32_t kMostEdgePoints = kFullTurnTenths / (kFinestArcStep * 10) + 2;
static_assert(2 * kMostEdgePoints <= kThickArcCapacity);

struct HeldSweep {
  int32_t start, sweep;
};

HeldSweep heldSweep(int32_t start, int32_t sweep) {
  start = cutTo16Bits(start);
  sweep = cutTo16Bits(sweep);
  if (sweep < 0) {
    start += sweep;
    sweep = -sweep;
  }
  return {start, std::min(sweep, kFullTurnTenths)};
}

int32_t edgePointCount(int32_t sweep, int32_t step) {
  return sweep / step + 1 + (sweep % step != 0 ? 1 : 0);
}

// Points of the circle of `radius` about the centre from `from` by `step`
// (negative runs backwards), the last one exactly at `to`.
APOINT* addEdge(APOINT* out, const ThickArc& arc, int32_t radius, int32_t sweep, int32_t from,
                int32_t to, int32_t direction) {
  const int32_t step = arcStepAngle(radius) * 10;
  const int32_t count = edgePointCount(sweep, step);
  const int32_t left = arc.centreX - radius, top = arc.centreY - radius;
  for (int32_t i = 0; i < count - 1; ++i) {
    *out++ = circlePoint(left, top, radius, from + direction * i * step);
  }
  *out++ = circlePoint(left, top, radius, to);
  return out;
}

// A thick arc without a hole. Ends on the same pixel make the whole disc,
// as a sweep near a whole turn should, but below half a turn they are a
// slice too thin to show: the flat triangle between them.
void drawThickPie(const ThickArc& arc, const HeldSweep& held, int32_t surface) {
  const int32_t r = arc.outerRadius;
  const PlacedSize box{arc.centreX - r, arc.centreY - r, 2 * r, 2 * r};
  const APOINT start = ellipsePoint(box, held.start);
  const APOINT end = ellipsePoint(box, held.start + held.sweep);
  const PieLook look{arc.color, arc.color, kSolid, 0, 1, 0};
  const bool sameEnds = start.x == end.x && start.y == end.y;
  if (sameEnds && held.sweep < kHalfTurnTenths) {
    return drawPieTriangle(pieTriangle(box, start, end), look, true);
  }
  drawPieSegment(box, start, end, look, surface);
}

}  // namespace

void drawThickArc(const ThickArc& arc, int32_t surface) {
  if (arc.outerRadius == 0) return;
  const HeldSweep held = heldSweep(arc.start, arc.sweep);
  if (arc.innerRadius == 0) return drawThickPie(arc, held, surface);
  // Points reduce their angles to one turn themselves.
  const int32_t end = held.start + held.sweep;
  APOINT* next = addEdge(thickArcPoints, arc, arc.outerRadius, held.sweep, held.start, end, 1);
  next = addEdge(next, arc, arc.innerRadius, held.sweep, end, held.start, -1);
  const auto count = static_cast<int32_t>(next - thickArcPoints);
  osGXfillPolygon(count, thickArcPoints, arc.color, 0, kSolid, kWinding);
}

}  // namespace tamri
