#include "canvas/canvas_geometry.h"

namespace tamri {

BoxCorners cornersOf(const PlacedSize& shape) {
  return {shape.x, shape.y, shape.x + shape.w - 1, shape.y + shape.h - 1};
}

POINTRECT rectOf(const PlacedSize& shape) {
  const BoxCorners c = cornersOf(shape);
  return {c.left, c.top, c.right, c.bottom};
}

}  // namespace tamri
