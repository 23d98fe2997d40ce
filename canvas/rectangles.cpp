#include "canvas/rectangles.h"

#include "canvas/canvas_transform.h"
#include "platform/gdi/osgx.h"

namespace tamri {
namespace {

// The outline the plain filling natives draw: style 0 in white.
constexpr int32_t kPlainOutlineColor = 16777215;
constexpr int16_t kPlainOutlineStyle = 0;

struct Rounding {
  uint8_t rounded = 0;
  int32_t width = 0, height = 0;
};

void fill(const BoxCorners& c, int32_t lineWidth, int32_t colour, int8_t style, int32_t back,
          const Rounding& r) {
  osGXfillRectangle(c.left, c.top, c.right, c.bottom, lowWord(lineWidth), colour, style, back,
                    r.rounded, r.width, r.height);
}

void outline(const BoxCorners& c, int32_t lineWidth, int16_t style, int32_t colour, int32_t back,
             const Rounding& r) {
  osGXdrawRectangle(c.left, c.top, c.right, c.bottom, lowWord(lineWidth), style, colour, back,
                    r.rounded, r.width, r.height);
}

// The short filling overloads: canvas colours, white style-0 outline.
void fillWithPen(const CanvasPen& pen, const PlacedSize& shape, const Rounding& r) {
  if (!hasArea(shape)) return;
  const BoxCorners c = cornersOf(shape);
  if (pen.fillStyle != 0) {
    fill(c, pen.lineWidth, pen.color, static_cast<int8_t>(pen.fillStyle), pen.backColor, r);
  }
  outline(c, pen.lineWidth, kPlainOutlineStyle, kPlainOutlineColor, pen.backColor, r);
}

}  // namespace

void drawCanvasRect(const CanvasPen& pen, const PlacedSize& shape) {
  if (!hasArea(shape)) return;
  outline(cornersOf(shape), pen.lineWidth, lowWord(pen.lineStyle), pen.color, pen.backColor, {});
}

void drawCanvasRoundRect(const CanvasPen& pen, const PlacedSize& shape, int32_t cornerWidth,
                         int32_t cornerHeight) {
  if (!hasArea(shape)) return;
  outline(cornersOf(shape), pen.lineWidth, lowWord(pen.lineStyle), pen.color, 0,
          {1, cornerWidth, cornerHeight});
}

void fillCanvasRect(const CanvasPen& pen, const PlacedSize& shape) { fillWithPen(pen, shape, {}); }

void fillCanvasRoundRect(const CanvasPen& pen, const PlacedSize& shape, int32_t cornerWidth,
                         int32_t cornerHeight) {
  fillWithPen(pen, shape, {1, cornerWidth, cornerHeight});
}

void fillRectStyled(const PlacedSize& shape, int32_t fillColor, int32_t backColor, int8_t fillStyle,
                    int32_t lineWidth) {
  if (!hasArea(shape)) return;
  const BoxCorners c = cornersOf(shape);
  if (fillStyle > 0) fill(c, lineWidth, fillColor, fillStyle, backColor, {});
  outline(c, lineWidth, kPlainOutlineStyle, kPlainOutlineColor, backColor, {});
}

void fillCanvasRectWithBorder(const CanvasPen& pen, int32_t borderColor, int32_t borderWidth,
                              const PlacedSize& shape) {
  if (!hasArea(shape)) return;
  const BoxCorners c = cornersOf(shape);
  if (pen.fillStyle > 0) {
    fill(c, borderWidth, pen.color, static_cast<int8_t>(pen.fillStyle), pen.backColor, {});
  }
  outline(c, borderWidth, 1, borderColor, pen.backColor, {});
}

void fillTranslatedRectWithBorder(BorderedRectangle rect) {
  rect.shape.x = translatedX(rect.shape.x);
  rect.shape.y = translatedY(rect.shape.y);
  if (!hasArea(rect.shape)) return;
  const BoxCorners c = cornersOf(rect.shape);
  const Rounding r{lowByte(rect.rounded), rect.cornerWidth, rect.cornerHeight};
  if (rect.fillStyle > 0) {
    fill(c, rect.lineWidth, rect.fillColor, static_cast<int8_t>(rect.fillStyle), rect.backColor, r);
  }
  outline(c, rect.lineWidth, lowWord(rect.lineStyle), rect.borderColor, rect.backColor, r);
}

}  // namespace tamri
