// Canvas triangles with a border.
#pragma once

#include "canvas/shape_border.h"

#include <cstdint>

namespace tamri {

struct Triangle {
  int32_t x1, y1, x2, y2, x3, y3;
};

// Filled when the style byte is above 0; outlined when the border's style is
// above 0, a filled triangle without a usable border in its fill colour.
void fillBorderedTriangle(const Triangle& corners, int32_t fillColor, int32_t backColor,
                          int8_t fillStyle, const ShapeBorder& border);

}  // namespace tamri
