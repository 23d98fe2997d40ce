// VM arrays as natives see them: a field block whose first word is the
// element count, followed by the elements as 32-bit words.
#pragma once

#include "module/local_ref.h"

#include <algorithm>

namespace tamri {

struct IntArrayView {
  int32_t* elements = nullptr;
  int32_t length = 0;

  // Whole points (x, y pairs) the array holds.
  int32_t pointCapacity() const { return length / 2; }
  // The elements when the array holds at least one whole point, else null:
  // point-set operations read the first point even for a count of 0.
  int32_t* pointData() const { return pointCapacity() > 0 ? elements : nullptr; }
  // A point count limited to what the array holds; never negative.
  int32_t clampPoints(int32_t count) const { return std::clamp(count, 0, pointCapacity()); }
};

// Views an int array through any reference word; empty for null.
inline IntArrayView intArrayOf(jword reference) {
  const FieldBlock block = fieldBlockOf(reference);
  if (!block) return {};
  int32_t length;
  std::memcpy(&length, block, sizeof length);
  return {reinterpret_cast<int32_t*>(block + 4), std::max(length, 0)};
}

}  // namespace tamri
