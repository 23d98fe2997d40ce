// Thick circular arcs: a ring segment between two radii, filled as one
// polygon, or a pie slice when the inner radius is 0. Angles are in tenths
// of a degree.
#pragma once

#include <cstdint>

namespace tamri {

struct ThickArc {
  int32_t centreX, centreY, innerRadius, outerRadius;
  int32_t start, sweep;  // their low 16 bits, sign-extended
  int32_t color;
};

// Filled solid in `color`; an outer radius of 0 draws nothing. A negative
// sweep covers the same ring segment as its positive counterpart from
// start + sweep, and a sweep beyond a whole turn is the whole ring.
void drawThickArc(const ThickArc& arc, int32_t surface);

}  // namespace tamri
