// Canvas ovals: the ellipse inscribed in a position and size. Unlike the
// rectangles, ovals of no width or height are handed on as they are.
#pragma once

#include "canvas/canvas_geometry.h"
#include "canvas/canvas_pen.h"

namespace tamri {

// Outline in the canvas colour and line, on background 0.
void drawCanvasOval(const CanvasPen& pen, const PlacedSize& shape);
// Fill in the canvas colours, no outline.
void fillCanvasOval(const CanvasPen& pen, const PlacedSize& shape);
void fillOvalStyled(const PlacedSize& shape, int32_t fillColor, int32_t backColor,
                    int8_t fillStyle);

// Every attribute given; the position is moved by the canvas translation.
struct BorderedOval {
  PlacedSize shape;
  int32_t fillColor, backColor, fillStyle, lineWidth, lineStyle, lineColor;
};
// Filled when the fill style is above 0, outlined when both the line width
// and the line style are.
void fillTranslatedOvalWithBorder(BorderedOval oval);

}  // namespace tamri
