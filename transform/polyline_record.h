// The polyline's own fields, after the graphic object record.
#pragma once

#include "module/graphic_record.h"

namespace tamri::polyline {

// Number of points; the transforms use its low byte only.
inline constexpr IntField pointCount{140};
// Int array x0, y0, x1, y1, ...: the points that are drawn.
inline constexpr RefField points{144};
// Int array of the same length: the points at design size and position.
inline constexpr RefField corePoints{148};
// End marks: 0 none, 1 the last point, 2 the first point, 3 both.
inline constexpr ByteField lineEnds{152};

// Every field above by its VM name.
inline constexpr NamedField kFields[] = {
    {"pointCount", pointCount},
    {"points", points},
    {"corePoints", corePoints},
    {"lineEnds", lineEnds},
};

}  // namespace tamri::polyline
