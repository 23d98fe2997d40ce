// Shapes as the canvas natives take them: a position and a size, or the two
// end points of a line, read from consecutive int arguments.
#pragma once

#include "module/call_frame.h"
#include "platform/gdi/osgx.h"

namespace tamri {

// Left x, top y, width and height in pixels.
struct PlacedSize {
  int32_t x = 0, y = 0, w = 0, h = 0;
};

// Inclusive corners, as the drawing layer takes rectangles.
struct BoxCorners {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

struct Segment {
  int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

inline PlacedSize placedSizeArg(int32_t first) {
  return {intArg(first), intArg(first + 1), intArg(first + 2), intArg(first + 3)};
}
inline Segment segmentArg(int32_t first) {
  return {intArg(first), intArg(first + 1), intArg(first + 2), intArg(first + 3)};
}

// x, y, x + w - 1, y + h - 1 in wrapping int arithmetic: negative sizes give
// corners before the position, which the drawing layer takes either way.
BoxCorners cornersOf(const PlacedSize& shape);
// The same corners as the drawing layer's rectangle record.
POINTRECT rectOf(const PlacedSize& shape);
// Rectangles of no width or no height are not drawn.
inline bool hasArea(const PlacedSize& shape) { return shape.w != 0 && shape.h != 0; }

// Widths, styles and codes go to the drawing layer narrowed as its
// parameters declare them, never held to a range: the low 16 bits of the int
// (sign-extended) for a 16-bit parameter, the low byte for a byte. A byte
// handed on to a 16-bit parameter is zero-extended (lowByte) unless it is
// read as a signed byte (lowSignedByte), as the plane attribute record is.
inline int16_t lowWord(int32_t value) { return static_cast<int16_t>(value); }
inline uint8_t lowByte(int32_t value) { return static_cast<uint8_t>(value); }
inline int8_t lowSignedByte(int32_t value) { return static_cast<int8_t>(value); }

}  // namespace tamri
