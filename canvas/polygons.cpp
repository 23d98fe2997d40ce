#include "canvas/polygons.h"

#include "canvas/canvas_geometry.h"

namespace tamri {
namespace {

constexpr bool kWinding = true;

// Fill without a style test, then the solid outline in the fill colour.
void fillAndRim(const PointList& list, int32_t color, int32_t backColor, int8_t fillStyle,
                int16_t rimWidth) {
  if (!list) return;
  osGXfillPolygon(list.count, list.points, color, backColor, fillStyle, kWinding);
  osGXdrawPolygon(list.count, list.points, rimWidth, color, color, 1);
}

void fillWithBorder(const PointList& list, const PolygonLook& look, bool winding) {
  if (!list) return;
  if (look.fillStyle > 0) {
    osGXfillPolygon(list.count, list.points, look.fillColor, look.backColor,
                    static_cast<int8_t>(look.fillStyle), winding);
  }
  const ShapeBorder border = borderOrFillOutline(look.border, look.fillColor, look.fillStyle);
  if (border.style != 0) {
    osGXdrawPolygon(list.count, list.points, lowByte(border.width), border.color, look.backColor,
                    lowByte(border.style));
  }
}

}  // namespace

void drawCanvasPolygon(const CanvasPen& pen, const SplitPointArgs& points) {
  const PointList list = copySplitPoints(points);
  if (!list) return;
  osGXdrawPolygon(list.count, list.points, lowByte(pen.lineWidth), pen.color, 0,
                  lowByte(pen.lineStyle));
}

void fillCanvasPolygon(const CanvasPen& pen, const SplitPointArgs& points) {
  fillAndRim(copySplitPoints(points), pen.color, pen.backColor, static_cast<int8_t>(pen.fillStyle),
             1);
}

void fillPolygonStyled(const SplitPointArgs& points, int32_t color, int32_t backColor,
                       int8_t fillStyle) {
  fillAndRim(copySplitPoints(points), color, backColor, fillStyle, 1);
}

void fillMovedPolygon(const SplitPointArgs& points, int32_t dx, int32_t dy, int32_t color,
                      int32_t backColor, int8_t fillStyle, int32_t lineWidth) {
  fillAndRim(copySplitPoints(points, dx, dy), color, backColor, fillStyle, lowWord(lineWidth));
}

void fillBorderedPolygon(const InterleavedPointArgs& points, const PolygonLook& look) {
  fillWithBorder(interleavedPoints(points), look, kWinding);
}

void fillTranslatedBorderedPolygon(const InterleavedPointArgs& points, const PolygonLook& look,
                                   int8_t windingFlag) {
  fillWithBorder(translateInterleavedPoints(points), look, windingFlag >= 1);
}

}  // namespace tamri
