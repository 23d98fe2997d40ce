// Integer geometry of lines and their arrow marks, shared by the raster
// drawing and osGXgetLineBoundingRect so that the rectangle always covers
// what is drawn.
//
// Arrow mark of a line of width w (w below 1 counts as 1): a triangle with
// its tip on the marked end point, length 3w + 4 along the line and half
// width 3w / 2 + 2 (integer division) across it at its base. Corner
// coordinates are rounded to the nearest integer, halves away from zero.
// A segment whose two ends coincide has no direction and gets no mark.
//
// Segment bounds at width w (negative counts as 0): the inclusive rectangle
// of the two end points, grown by (w - 1) / 2 on the left and top and by
// w / 2 on the right and bottom, so a width of 0 or 1 gives the bare segment.
#pragma once

#include "osgx.h"

#include <optional>

namespace gdi {

struct ArrowMark {
  APOINT tip;
  APOINT base;  // centre of the base, where a marked line stops
  APOINT wing1;
  APOINT wing2;
};

int32_t arrowLength(int32_t lineWidth);
int32_t arrowHalfWidth(int32_t lineWidth);

// The mark on `tip` of the segment from -> tip; none when the ends coincide.
std::optional<ArrowMark> arrowMark(APOINT from, APOINT tip, int32_t lineWidth);

POINTRECT segmentBounds(APOINT first, APOINT second, int32_t lineWidth);

// Segment bounds extended to cover the arrow mark on `second`.
POINTRECT markedSegmentBounds(APOINT first, APOINT second, int32_t lineWidth);

// Where an arc or pie with its flag set may draw: its bounds rectangle
// (corners in either order) grown like segment bounds by the reach of its
// line, so that an outline through the rectangle's border stays whole.
// None without the flag or without a rectangle.
std::optional<POINTRECT> drawingLimit(const POINTRECT* bounds, bool flag, int32_t lineWidth);

}  // namespace gdi
