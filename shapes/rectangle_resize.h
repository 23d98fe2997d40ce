// Resizing a rectangle along one axis by a scale in hundredths of its design
// size, keeping one edge or the centre of the current rectangle in place.
#pragma once

#include <cstdint>

namespace tamri {

enum class AxisAnchor { None, LowEdge, Centre, HighEdge };

// Reads an anchor code for one axis: horizontally 6 keeps the left edge,
// 1 the centre, 2 the right edge; vertically 5 the top, 4 the centre, 3 the
// bottom. Other codes keep nothing.
AxisAnchor toAxisAnchor(int8_t code, int8_t lowEdgeCode, int8_t centreCode, int8_t highEdgeCode);

// One axis of the record: the current span and anchor, and the same at
// design size.
struct AxisSpan {
  int32_t low, high, anchor;
  int32_t baseLow, baseHigh, baseAnchor;
};

struct AxisResize {
  int32_t size;  // pixels: the design size scaled
  // The new span, cut to 16 bits, low never above high; only for an anchor.
  bool spanChanged;
  int32_t low, high;
  // The new anchor, cut to 16 bits; only for the edge anchors.
  bool anchorChanged;
  int32_t anchor;
};

// The edge anchors keep their edge and scale the anchor's offset from the
// design edge; the centre anchor keeps the current centre and the anchor.
// With no anchor only the size changes.
AxisResize resizeAxis(const AxisSpan& span, int32_t scale, AxisAnchor anchor);

}  // namespace tamri
