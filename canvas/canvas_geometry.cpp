#include "canvas/canvas_geometry.h"

namespace tamri {

BoxCorners cornersOf(const PlacedSize& shape) {
  return {shape.x, shape.y, shape.x + shape.w - 1, shape.y + shape.h - 1};
}

}  // namespace tamri
