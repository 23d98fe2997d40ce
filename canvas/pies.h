// Canvas pie slices with a border: the sector of the ellipse inscribed in a
// box between two points on it, filled and outlined by the drawing layer; a
// slice too thin to have an area is drawn as the triangle of the centre and
// the two points.
#pragma once

#include "canvas/canvas_geometry.h"
#include "platform/gdi/osgx.h"

#include <cstdint>

namespace tamri {

// Sweeps below this many degrees are drawn as the triangle.
inline constexpr int32_t kSmallSweepDegrees = 5;

// Every attribute of a bordered slice, in the order the natives take them.
struct PieLook {
  int32_t fillColor, backColor, fillStyle, lineColor, lineWidth, lineStyle;
};

// The triangle of the box's centre and two points.
struct PieTriangle {
  APOINT corners[3];
};
PieTriangle pieTriangle(const PlacedSize& box, APOINT start, APOINT end);

// The triangle filled when `filled`, then outlined in the line attributes.
void drawPieTriangle(const PieTriangle& triangle, const PieLook& look, bool filled);

// The sector from `start` to `end` through the drawing layer on `surface`,
// kept inside `bounds`, outlined with its radius lines.
struct SectorStyle {
  PLANECOL colours;
  int32_t lineWidth, lineStyle, fillStyle;
};
void drawPieSector(int32_t surface, const PlacedSize& box, APOINT start, APOINT end,
                   const POINTRECT& bounds, const SectorStyle& style);

// The slice from `start` counter-clockwise to `end` on `surface`. Equal
// points are a full turn: the whole ellipse, filled (whatever the style) and
// outlined, with one radius line. When the slice's bounds have no width or
// no height it is the triangle, filled when the fill style is above 0.
void drawPieSegment(const PlacedSize& box, APOINT start, APOINT end, const PieLook& look,
                    int32_t surface);

// From a start and a sweep in degrees; a sweep above 360 loses one turn.
void fillPieSlice(const PlacedSize& box, int32_t start, int32_t sweep, const PieLook& look,
                  int32_t surface);
// Between two given points; the box and both points are moved by the canvas
// translation.
void fillTranslatedPieBetween(PlacedSize box, const Segment& ends, const PieLook& look,
                              int32_t surface);
// From a given point and the point at `degrees`: the given point is the
// start when `pointIsStart`, else the end. The sweep only chooses between
// the slice (5 or more) and the triangle.
void fillPieFromPoint(const PlacedSize& box, APOINT point, int32_t degrees, int32_t sweep,
                      const PieLook& look, bool pointIsStart, int32_t surface);

}  // namespace tamri
