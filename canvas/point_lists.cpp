#include "canvas/point_lists.h"

#include "canvas/canvas_transform.h"
#include "module/vm_arrays.h"

#include <algorithm>

namespace tamri {
namespace {

// Natives run one at a time on the VM's thread, and none of those that
// copy into the buffer calls back into the VM before it has drawn.
APOINT splitPointBuffer[kSplitPointCapacity];

// An int array x0, y0, x1, y1, ... is laid out as the drawing layer's points.
PointList inPlace(const IntArrayView& xy, int32_t count) {
  if (!xy.elements) return {};
  return {reinterpret_cast<const APOINT*>(xy.elements), xy.clampPoints(count)};
}

}  // namespace

PointList copySplitPoints(const SplitPointArgs& args, int32_t dx, int32_t dy) {
  const IntArrayView xs = intArrayOf(args.xs);
  const IntArrayView ys = intArrayOf(args.ys);
  if (!xs.elements || !ys.elements) return {};
  const int32_t count =
      std::clamp(args.count, 0, std::min({xs.length, ys.length, kSplitPointCapacity}));
  for (int32_t i = 0; i < count; ++i) {
    splitPointBuffer[i] = {xs.elements[i] + dx, ys.elements[i] + dy};
  }
  return {splitPointBuffer, count};
}

PointList interleavedPoints(const InterleavedPointArgs& args) {
  return inPlace(intArrayOf(args.xy), args.count);
}

PointList translateInterleavedPoints(const InterleavedPointArgs& args) {
  const IntArrayView xy = intArrayOf(args.xy);
  const PointList list = inPlace(xy, args.count);
  if (list) translatePointsInPlace(xy.elements, list.count);
  return list;
}

}  // namespace tamri
