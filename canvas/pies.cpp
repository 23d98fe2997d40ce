#include "canvas/pies.h"

#include "canvas/angles.h"
#include "canvas/arc_geometry.h"
#include "canvas/canvas_transform.h"

namespace tamri {
namespace {

constexpr bool kWinding = true;
constexpr bool kKeepInsideBounds = true;
constexpr int8_t kWithRadiusLines = 1;
constexpr uint8_t kNoEndMarks = 0;

// The triangle of a too-thin slice is filled when its style is not 0 (the
// slice itself only when it is above 0).
void drawSliceOrTriangle(const PlacedSize& box, APOINT start, APOINT end, int32_t sweep,
                         const PieLook& look, int32_t surface) {
  if (sweep < kSmallSweepDegrees) {
    return drawPieTriangle(pieTriangle(box, start, end), look, look.fillStyle != 0);
  }
  drawPieSegment(box, start, end, look, surface);
}

}  // namespace

PieTriangle pieTriangle(const PlacedSize& box, APOINT start, APOINT end) {
  return {{centreOf(box), start, end}};
}

void drawPieTriangle(const PieTriangle& t, const PieLook& look, bool filled) {
  if (filled) {
    osGXfillPolygon(3, t.corners, look.fillColor, look.backColor, lowSignedByte(look.fillStyle),
                    kWinding);
  }
  osGXdrawPolygon(3, t.corners, lowWord(look.lineWidth), look.lineColor, look.backColor,
                  lowWord(look.lineStyle));
}

void drawPieSector(int32_t surface, const PlacedSize& box, APOINT start, APOINT end,
                   const POINTRECT& bounds, const SectorStyle& style) {
  const POINTRECT rect = rectOf(box);
  const POINTLINE ends{start.x, start.y, end.x, end.y};
  const PLANEATTRIB attributes{lowSignedByte(style.lineWidth), lowSignedByte(style.lineStyle),
                               lowSignedByte(style.fillStyle), kWithRadiusLines};
  osGXpie(surface, &rect, &ends, &style.colours, &attributes, &bounds, kKeepInsideBounds);
}

void drawPieSegment(const PlacedSize& box, APOINT start, APOINT end, const PieLook& look,
                    int32_t surface) {
  const POINTRECT rect = rectOf(box);
  const APOINT centre = centreOf(box);
  const POINTRECT bounds = arcBounds(centre, rect, start, end, true);
  if (!hasWidthAndHeight(bounds)) {
    return drawPieTriangle(pieTriangle(box, start, end), look, look.fillStyle > 0);
  }
  if (start.x == end.x && start.y == end.y) {
    osGXfillEllipse(rect.left, rect.top, rect.right, rect.bottom, look.fillColor,
                    lowWord(look.fillStyle), look.backColor);
    osGXdrawEllipse(rect.left, rect.top, rect.right, rect.bottom, look.lineColor,
                    lowWord(look.lineStyle), lowWord(look.lineWidth), look.backColor);
    osGXdrawLine(centre.x, centre.y, start.x, start.y, lowWord(look.lineWidth),
                 lowWord(look.lineStyle), look.lineColor, look.backColor, kNoEndMarks);
    return;
  }
  drawPieSector(surface, box, start, end, bounds,
                {{look.lineColor, look.backColor, look.fillColor},
                 look.lineWidth,
                 look.lineStyle,
                 look.fillStyle});
}

void fillPieSlice(const PlacedSize& box, int32_t start, int32_t sweep, const PieLook& look,
                  int32_t surface) {
  if (sweep > kFullTurnDegrees) sweep -= kFullTurnDegrees;
  drawSliceOrTriangle(box, ellipsePointDegrees(box, start), ellipsePointDegrees(box, start + sweep),
                      sweep, look, surface);
}

void fillTranslatedPieBetween(PlacedSize box, const Segment& ends, const PieLook& look,
                              int32_t surface) {
  box.x = translatedX(box.x);
  box.y = translatedY(box.y);
  drawPieSegment(box, {translatedX(ends.x1), translatedY(ends.y1)},
                 {translatedX(ends.x2), translatedY(ends.y2)}, look, surface);
}

void fillPieFromPoint(const PlacedSize& box, APOINT point, int32_t degrees, int32_t sweep,
                      const PieLook& look, bool pointIsStart, int32_t surface) {
  const APOINT onEllipse = ellipsePointDegrees(box, degrees);
  drawSliceOrTriangle(box, pointIsStart ? point : onEllipse, pointIsStart ? onEllipse : point,
                      sweep, look, surface);
}

}  // namespace tamri
