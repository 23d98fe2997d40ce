#include "canvas/ovals.h"

#include "canvas/canvas_transform.h"
#include "platform/gdi/osgx.h"

namespace tamri {

void drawCanvasOval(const CanvasPen& pen, const PlacedSize& shape) {
  const BoxCorners c = cornersOf(shape);
  osGXdrawEllipse(c.left, c.top, c.right, c.bottom, pen.color, lowWord(pen.lineStyle),
                  lowWord(pen.lineWidth), 0);
}

void fillCanvasOval(const CanvasPen& pen, const PlacedSize& shape) {
  const BoxCorners c = cornersOf(shape);
  osGXfillEllipse(c.left, c.top, c.right, c.bottom, pen.color, lowWord(pen.fillStyle),
                  pen.backColor);
}

void fillOvalStyled(const PlacedSize& shape, int32_t fillColor, int32_t backColor,
                    int8_t fillStyle) {
  const BoxCorners c = cornersOf(shape);
  osGXfillEllipse(c.left, c.top, c.right, c.bottom, fillColor, fillStyle, backColor);
}

void fillTranslatedOvalWithBorder(BorderedOval oval) {
  oval.shape.x = translatedX(oval.shape.x);
  oval.shape.y = translatedY(oval.shape.y);
  const BoxCorners c = cornersOf(oval.shape);
  if (oval.fillStyle > 0) {
    osGXfillEllipse(c.left, c.top, c.right, c.bottom, oval.fillColor, lowWord(oval.fillStyle),
                    oval.backColor);
  }
  if (oval.lineWidth > 0 && oval.lineStyle > 0) {
    osGXdrawEllipse(c.left, c.top, c.right, c.bottom, oval.lineColor, lowWord(oval.lineStyle),
                    lowWord(oval.lineWidth), oval.backColor);
  }
}

}  // namespace tamri
