// Point marks: a small symbol of `size` pixels drawn at each point of a
// point list, in one colour, one pixel wide (chart markers).
#pragma once

#include "module/local_ref.h"

#include <cstdint>

namespace tamri {

struct MarkStyle {
  int32_t color = 0, size = 0, markType = 0;
};

// Mark types: 1 filled circle, 2 circle, 3 diagonal cross, 4 diamond,
// 5 diamond with an upright cross, 6 upright cross, 7 square, 8 square with
// a diagonal cross, 9 triangle pointing down, 10 triangle pointing up; any
// other type draws nothing. Marks go at points first to first + count - 1
// of the arrays xs and ys, as far as both hold them.
void drawPointMarks(jword xs, jword ys, int32_t first, int32_t count, const MarkStyle& style);

}  // namespace tamri
