// Canvas rectangles and rounded rectangles. The filling natives always make
// two drawing-layer calls in the same order: the fill, when its style passes
// the native's own test, then the outline, which is drawn even when nothing
// was filled.
#pragma once

#include "canvas/canvas_geometry.h"
#include "canvas/canvas_pen.h"

namespace tamri {

void drawCanvasRect(const CanvasPen& pen, const PlacedSize& shape);
// The outline's background colour is 0 here, not the canvas's.
void drawCanvasRoundRect(const CanvasPen& pen, const PlacedSize& shape, int32_t cornerWidth,
                         int32_t cornerHeight);
// Filled when the canvas fill style is not 0; white style-0 outline.
void fillCanvasRect(const CanvasPen& pen, const PlacedSize& shape);
void fillCanvasRoundRect(const CanvasPen& pen, const PlacedSize& shape, int32_t cornerWidth,
                         int32_t cornerHeight);
// Filled when the style byte is above 0; white style-0 outline.
void fillRectStyled(const PlacedSize& shape, int32_t fillColor, int32_t backColor, int8_t fillStyle,
                    int32_t lineWidth);
// Filled in the canvas colours when the canvas fill style is above 0; solid
// border in the given colour and width.
void fillCanvasRectWithBorder(const CanvasPen& pen, int32_t borderColor, int32_t borderWidth,
                              const PlacedSize& shape);

// Every attribute given; the position is moved by the canvas translation.
struct BorderedRectangle {
  int32_t borderColor, lineWidth, lineStyle;
  PlacedSize shape;
  int32_t fillColor, backColor, fillStyle, rounded, cornerWidth, cornerHeight;
};
void fillTranslatedRectWithBorder(BorderedRectangle rect);

}  // namespace tamri
