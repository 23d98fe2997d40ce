#include "canvas/polylines.h"

#include "canvas/canvas_geometry.h"

namespace tamri {
namespace {

void drawPolyline(const PointList& list, const LineLook& look, int32_t lineEnds) {
  if (!list) return;
  osGXdrawPolyline(list.count, list.points, lowByte(look.lineWidth), lowByte(look.lineStyle),
                   look.color, look.backColor, lowByte(lineEnds));
}

}  // namespace

void drawSplitPolyline(const SplitPointArgs& points, const LineLook& look, int32_t lineEnds) {
  drawPolyline(copySplitPoints(points), look, lineEnds);
}

void drawTranslatedPolyline(const InterleavedPointArgs& points, const LineLook& look,
                            int32_t lineEnds) {
  drawPolyline(translateInterleavedPoints(points), look, lineEnds);
}

void drawTranslatedBezier(const InterleavedPointArgs& points, const LineLook& look) {
  const PointList list = translateInterleavedPoints(points);
  if (!list) return;
  const uint8_t style = lowByte(look.lineStyle);
  osGXdrawBezierLine(list.count, list.points, lowWord(look.lineWidth), style, look.color,
                     look.backColor, style);
}

}  // namespace tamri
