#include "shapes/rectangle_resize.h"

#include "module/int_math.h"
#include "transform/point_transforms.h"

namespace tamri {
namespace {

// value x scale / 100, the product taken wide: a large scale must not wrap.
int32_t scaled(int32_t value, int32_t scale) {
  return static_cast<int32_t>(int64_t{value} * scale / 100);
}

}  // namespace

AxisAnchor toAxisAnchor(int8_t code, int8_t lowEdgeCode, int8_t centreCode, int8_t highEdgeCode) {
  if (code == lowEdgeCode) return AxisAnchor::LowEdge;
  if (code == centreCode) return AxisAnchor::Centre;
  if (code == highEdgeCode) return AxisAnchor::HighEdge;
  return AxisAnchor::None;
}

AxisResize resizeAxis(const AxisSpan& span, int32_t scale, AxisAnchor anchor) {
  const int32_t size = scaled(span.baseHigh - span.baseLow + 1, scale);
  if (anchor == AxisAnchor::None) return {size, false, span.low, span.high, false, span.anchor};
  int32_t low = span.low, high = span.high, anchorAt = span.anchor;
  switch (anchor) {
    case AxisAnchor::LowEdge:
      high = low + size - 1;
      anchorAt = low + scaled(span.baseAnchor - span.baseLow, scale);
      break;
    case AxisAnchor::HighEdge:
      low = high - size + 1;
      anchorAt = high + scaled(span.baseAnchor - span.baseHigh, scale);
      break;
    case AxisAnchor::Centre: {
      // An even size has no middle pixel: the span starts one pixel later.
      const int32_t half = size / 2;
      const int32_t middle = spanMidpoint(low, high);
      low = middle - half + (size % 2 == 0 ? 1 : 0);
      high = middle + half;
      break;
    }
    case AxisAnchor::None:
      break;
  }
  low = cutTo16Bits(low);
  high = cutTo16Bits(high);
  // A size of 0 or less collapses the span onto the edge that stays.
  if (low > high) {
    if (anchor == AxisAnchor::LowEdge) {
      high = low;
    } else {
      low = high;
    }
  }
  return {size, true, low, high, anchor != AxisAnchor::Centre, cutTo16Bits(anchorAt)};
}

}  // namespace tamri
