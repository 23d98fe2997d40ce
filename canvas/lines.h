// Canvas straight lines, given by their two end points.
#pragma once

#include "canvas/canvas_geometry.h"
#include "canvas/canvas_pen.h"

namespace tamri {

// In the canvas colours and line, without end marks.
void drawCanvasLine(const CanvasPen& pen, const Segment& line);
// The style byte keeps its sign; no end marks.
void drawLineStyled(const Segment& line, int32_t color, int32_t backColor, int8_t lineStyle,
                    int32_t lineWidth);
// Both end points moved by the canvas translation.
void drawTranslatedLine(Segment line, int32_t color, int32_t backColor, int32_t lineStyle,
                        int32_t lineWidth, int32_t lineEnds);

}  // namespace tamri
