// Canvas polygons, outlined and filled, from split or interleaved point
// arrays (canvas/point_lists.h).
#pragma once

#include "canvas/canvas_pen.h"
#include "canvas/point_lists.h"
#include "canvas/shape_border.h"

namespace tamri {

// Outline in the canvas colour, line width and style, on background 0.
void drawCanvasPolygon(const CanvasPen& pen, const SplitPointArgs& points);
// The split-form fills fill without testing the style, then draw a solid
// one-pixel outline whose line and background colours are the fill colour.
void fillCanvasPolygon(const CanvasPen& pen, const SplitPointArgs& points);
void fillPolygonStyled(const SplitPointArgs& points, int32_t color, int32_t backColor,
                       int8_t fillStyle);
// Moved by (dx, dy) as they are copied; the outline takes the given width.
void fillMovedPolygon(const SplitPointArgs& points, int32_t dx, int32_t dy, int32_t color,
                      int32_t backColor, int8_t fillStyle, int32_t lineWidth);

struct PolygonLook {
  int32_t fillColor, backColor, fillStyle;
  ShapeBorder border;
};
// Filled (non-zero winding) when the fill style is above 0, then the border.
void fillBorderedPolygon(const InterleavedPointArgs& points, const PolygonLook& look);
// The same after moving the caller's points by the canvas translation in
// place; the fill is by non-zero winding when the flag is 1 or more.
void fillTranslatedBorderedPolygon(const InterleavedPointArgs& points, const PolygonLook& look,
                                   int8_t windingFlag);

}  // namespace tamri
