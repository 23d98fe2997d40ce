// Point lists of the canvas natives, in the two forms they come in: split
// (an x array and a y array, copied into the module's point buffer) and
// interleaved (one array x0, y0, x1, y1, ... handed to the drawing layer in
// place). Counts are limited to what the arrays, and the buffer, hold.
#pragma once

#include "module/call_frame.h"
#include "platform/gdi/osgx.h"

namespace tamri {

// Room of the split-form point buffer.
inline constexpr int32_t kSplitPointCapacity = 2800;

// What the drawing layer gets; no points when an array is missing, in which
// case nothing is drawn.
struct PointList {
  const APOINT* points = nullptr;
  int32_t count = 0;
  explicit operator bool() const { return points != nullptr; }
};

// The array arguments of a native, as reference words, with its count.
struct SplitPointArgs {
  jword xs = 0, ys = 0;
  int32_t count = 0;
};
struct InterleavedPointArgs {
  jword xy = 0;
  int32_t count = 0;
};

// The arrays are the first reference arguments after `this`.
inline SplitPointArgs splitPointsArg(int32_t countIndex) {
  return {LocalRef::argument(1).value(), LocalRef::argument(2).value(), intArg(countIndex)};
}
inline InterleavedPointArgs interleavedPointsArg(int32_t countIndex) {
  return {LocalRef::argument(1).value(), intArg(countIndex)};
}

// Copies points (xs[i] + dx, ys[i] + dy) into the point buffer. The buffer
// belongs to the module and is reused by the next call.
PointList copySplitPoints(const SplitPointArgs& args, int32_t dx = 0, int32_t dy = 0);
// The array itself as the point list.
PointList interleavedPoints(const InterleavedPointArgs& args);
// The same after adding the canvas translation to the listed points in
// place: the caller's array keeps the moved points.
PointList translateInterleavedPoints(const InterleavedPointArgs& args);

}  // namespace tamri
