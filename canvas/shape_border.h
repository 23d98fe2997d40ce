// The border of a filled polygon or triangle: a filled shape without a
// usable border (line style 0, or a line colour with its top bit set) gets a
// one-pixel solid outline in its own fill colour instead.
#pragma once

#include <cstdint>

namespace tamri {

struct ShapeBorder {
  int32_t color = 0, width = 0, style = 0;
};

inline ShapeBorder borderOrFillOutline(const ShapeBorder& border, int32_t fillColor,
                                       int32_t fillStyle) {
  if ((border.style == 0 || border.color < 0) && fillStyle != 0) return {fillColor, 1, 1};
  return border;
}

}  // namespace tamri
