#include "canvas/triangles.h"

#include "canvas/canvas_geometry.h"
#include "platform/gdi/osgx.h"

namespace tamri {

void fillBorderedTriangle(const Triangle& t, int32_t fillColor, int32_t backColor, int8_t fillStyle,
                          const ShapeBorder& given) {
  if (fillStyle > 0) {
    osGXfillTriangle(t.x1, t.y1, t.x2, t.y2, t.x3, t.y3, fillColor, backColor, fillStyle);
  }
  const ShapeBorder border = borderOrFillOutline(given, fillColor, fillStyle);
  if (border.style > 0) {
    osGXdrawTriangle(t.x1, t.y1, t.x2, t.y2, t.x3, t.y3, border.color, backColor,
                     lowWord(border.style), lowWord(border.width));
  }
}

}  // namespace tamri
