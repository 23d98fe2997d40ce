// Canvas scales: a straight scale along a rectangle, and round scales whose
// ticks run from the circle inscribed in the rectangle's width to a given
// radius. All three are moved by the canvas translation.
#pragma once

#include "canvas/canvas_geometry.h"
#include "transform/scale_ticks.h"

namespace tamri {

// The rectangle of a scale by its inclusive corners, as given.
struct ScaleBox {
  int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Angles in whole degrees.
struct RoundScale {
  int32_t startAngle = 0, endAngle = 0, tickRadius = 0;
};

inline ScaleBox scaleBoxArg(int32_t first) {
  return {intArg(first), intArg(first + 1), intArg(first + 2), intArg(first + 3)};
}
// Colour, background colour, width and style from consecutive arguments.
inline TickPen tickPenArg(int32_t first) {
  return {lowWord(intArg(first + 2)), lowWord(intArg(first + 3)), intArg(first), intArg(first + 1)};
}

void drawCanvasStraightScale(const ScaleBox& box, bool vertical, const TickPen& pen,
                             int32_t divisions);
void drawCanvasRoundScale(const ScaleBox& box, const RoundScale& round, const TickPen& pen,
                          int32_t divisions);
// The main ticks, then (subdivisions + 1) × divisions fine ticks from the
// circle of the rectangle shrunk by `inset` on every side; the fine ticks
// fall on the main ones too. Fine ticks beyond the tick maximum are left out.
void drawCanvasSubdividedScale(const ScaleBox& box, int32_t inset, const RoundScale& round,
                               const TickPen& pen, int32_t divisions, int32_t subdivisions);

}  // namespace tamri
