// Canvas arcs, and the pies drawn in the canvas's own colours, from a start
// angle and a sweep in whole degrees (counter-clockwise for a positive
// sweep) on the ellipse inscribed in a box. An arc of less than 5 degrees
// whose ends share a row or a column, or of no sweep, is drawn as a line or
// a triangle: the drawing layer would take it for a full turn.
#pragma once

#include "canvas/canvas_geometry.h"
#include "canvas/canvas_pen.h"

namespace tamri {

// In the canvas colour and width, solid, on background 0; a sweep of exactly
// 360 is the whole ellipse.
void drawCanvasArc(const CanvasPen& pen, const PlacedSize& box, int32_t start, int32_t sweep);
// In the given line; no whole-ellipse case.
void drawArcStyled(const PlacedSize& box, int32_t start, int32_t sweep, const LineLook& line);
// Between two given points, with the box moved by the canvas translation
// and the points too; an arc whose bounds have no width or no height is the
// line between its points.
void drawTranslatedArcBetween(PlacedSize box, const Segment& ends, const LineLook& line);
// The sector filled in the canvas colour, fill style and background, without
// an outline.
void fillCanvasArc(const CanvasPen& pen, const PlacedSize& box, int32_t start, int32_t sweep);
// The sector outlined in the canvas colour and width, solid, unfilled.
void drawCanvasPie(const CanvasPen& pen, const PlacedSize& box, int32_t start, int32_t sweep);

}  // namespace tamri
