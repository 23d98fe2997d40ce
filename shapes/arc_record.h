// The arc's own fields, after the graphic object record; the pie starts with
// the same fields.
#pragma once

#include "module/graphic_record.h"

namespace tamri::arc {

// Rectangle of the whole ellipse the arc belongs to.
inline constexpr CoordField ellipseLeft{140};
inline constexpr CoordField ellipseRight{144};
inline constexpr CoordField ellipseTop{148};
inline constexpr CoordField ellipseBottom{152};
// Start and end point of the arc.
inline constexpr CoordField startX{172};
inline constexpr CoordField startY{176};
inline constexpr CoordField endX{180};
inline constexpr CoordField endY{184};
// Non-zero: the drawing is limited to the bounding rectangle.
inline constexpr ByteField boundsFlag{204};

// Every field above by its VM name.
inline constexpr NamedField kFields[] = {
    {"arcX1", ellipseLeft},   {"arcX2", ellipseRight}, {"arcY1", ellipseTop},
    {"arcY2", ellipseBottom}, {"startX", startX},      {"startY", startY},
    {"endX", endX},           {"endY", endY},          {"boundsFlag", boundsFlag},
};

}  // namespace tamri::arc
