#include "canvas/arcs.h"

#include "canvas/angles.h"
#include "canvas/arc_geometry.h"
#include "canvas/canvas_transform.h"
#include "canvas/pies.h"

namespace tamri {
namespace {

constexpr bool kWinding = true;
constexpr bool kKeepInsideBounds = true;
constexpr uint8_t kNoEndMarks = 0;
constexpr int8_t kSolid = 1;
constexpr int8_t kNoLine = 0, kNoFill = 0;

// The arc's end points from a start angle and a sweep in degrees.
struct DegreeArc {
  APOINT start, end;
  bool small;
};

DegreeArc degreeArc(const PlacedSize& box, int32_t startDegrees, int32_t sweep) {
  const APOINT start = ellipsePointDegrees(box, startDegrees);
  const APOINT end = ellipsePointDegrees(box, startDegrees + sweep);
  const bool small =
      sweep < kSmallSweepDegrees && (sweep == 0 || start.x == end.x || start.y == end.y);
  return {start, end, small};
}

void line(APOINT from, APOINT to, const LineLook& look) {
  osGXdrawLine(from.x, from.y, to.x, to.y, lowWord(look.lineWidth), lowWord(look.lineStyle),
               look.color, look.backColor, kNoEndMarks);
}

void arc(const PlacedSize& box, APOINT start, APOINT end, const POINTRECT& bounds,
         const LineLook& look) {
  const POINTRECT rect = rectOf(box);
  const POINTLINE ends{start.x, start.y, end.x, end.y};
  osGXdrawArc(&rect, &ends, look.color, look.backColor, lowSignedByte(look.lineStyle),
              lowWord(look.lineWidth), &bounds, kKeepInsideBounds);
}

// A sector on the canvas's surface, or nothing when the arc is small.
bool drewCanvasSector(const CanvasPen& pen, const PlacedSize& box, const DegreeArc& a,
                      const SectorStyle& style) {
  if (a.small) return false;
  drawPieSector(pen.surface, box, a.start, a.end,
                arcBounds(centreOf(box), rectOf(box), a.start, a.end, true), style);
  return true;
}

}  // namespace

void drawCanvasArc(const CanvasPen& pen, const PlacedSize& box, int32_t start, int32_t sweep) {
  if (sweep == kFullTurnDegrees) {
    const BoxCorners c = cornersOf(box);
    osGXdrawEllipse(c.left, c.top, c.right, c.bottom, pen.color, kSolid, lowWord(pen.lineWidth), 0);
    return;
  }
  drawArcStyled(box, start, sweep, {pen.color, 0, pen.lineWidth, kSolid});
}

void drawArcStyled(const PlacedSize& box, int32_t start, int32_t sweep, const LineLook& look) {
  const DegreeArc a = degreeArc(box, start, sweep);
  if (a.small) return line(a.start, a.end, look);
  arc(box, a.start, a.end, arcBounds(centreOf(box), rectOf(box), a.start, a.end, false), look);
}

void drawTranslatedArcBetween(PlacedSize box, const Segment& given, const LineLook& look) {
  box.x = translatedX(box.x);
  box.y = translatedY(box.y);
  const APOINT start{translatedX(given.x1), translatedY(given.y1)};
  const APOINT end{translatedX(given.x2), translatedY(given.y2)};
  const POINTRECT bounds = arcBounds(centreOf(box), rectOf(box), start, end, false);
  if (!hasWidthAndHeight(bounds)) return line(start, end, look);
  arc(box, start, end, bounds, look);
}

void fillCanvasArc(const CanvasPen& pen, const PlacedSize& box, int32_t start, int32_t sweep) {
  const DegreeArc a = degreeArc(box, start, sweep);
  if (drewCanvasSector(pen, box, a,
                       {{0, pen.backColor, pen.color}, pen.lineWidth, kNoLine, pen.fillStyle})) {
    return;
  }
  const PieTriangle t = pieTriangle(box, a.start, a.end);
  osGXfillPolygon(3, t.corners, pen.color, pen.backColor, lowSignedByte(pen.fillStyle), kWinding);
}

void drawCanvasPie(const CanvasPen& pen, const PlacedSize& box, int32_t start, int32_t sweep) {
  const DegreeArc a = degreeArc(box, start, sweep);
  if (drewCanvasSector(pen, box, a,
                       {{pen.color, pen.backColor, 0}, pen.lineWidth, kSolid, kNoFill})) {
    return;
  }
  const PieTriangle t = pieTriangle(box, a.start, a.end);
  osGXdrawPolygon(3, t.corners, lowWord(pen.lineWidth), pen.color, pen.backColor, kSolid);
}

}  // namespace tamri
