// VM arrays as natives see them: a field block whose first word is the
// element count, followed by the elements as 32-bit words.
#pragma once

#include "module/local_ref.h"

#include <algorithm>

namespace tamri {

// The element count in an array's first word; never negative.
inline int32_t arrayLength(const uint8_t* block) {
  int32_t length;
  std::memcpy(&length, block, sizeof length);
  return std::max(length, 0);
}

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
  return {reinterpret_cast<int32_t*>(block + 4), arrayLength(block)};
}

// A reference array: its elements are reference words (0 for null).
struct RefArrayView {
  const jword* elements = nullptr;
  int32_t length = 0;

  // Element `index`, or null when the array has no such element.
  jword at(int32_t index) const { return index >= 0 && index < length ? elements[index] : 0; }
};

// Views a reference array through any reference word; empty for null.
inline RefArrayView refArrayOf(jword reference) {
  const FieldBlock block = fieldBlockOf(reference);
  if (!block) return {};
  return {reinterpret_cast<const jword*>(block + 4), arrayLength(block)};
}

}  // namespace tamri
