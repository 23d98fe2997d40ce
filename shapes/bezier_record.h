// The Bezier curve's own fields, after the graphic object record.
#pragma once

#include "module/graphic_record.h"

namespace tamri::bezier {

// Number of control points: cubic segments through points 0-3, 3-6, ...
inline constexpr IntField pointCount{140};
// Int array x0, y0, x1, y1, ...
inline constexpr RefField points{144};
// End marks: 0 none, 1 the last point, 2 the first point, 3 both.
inline constexpr ByteField lineEnds{152};

// Every field above by its VM name.
inline constexpr NamedField kFields[] = {
    {"pointCount", pointCount},
    {"points", points},
    {"lineEnds", lineEnds},
};

}  // namespace tamri::bezier
