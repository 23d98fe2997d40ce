// The complex object's own fields, after the graphic object record.
#pragma once

#include "module/graphic_record.h"

namespace tamri::complex_obj {

// Array of the member objects (any graphic object, groups included).
inline constexpr RefField children{140};
// The rotation point as last given, relative to the group's centre.
inline constexpr CoordField rotationPointX{148};
inline constexpr CoordField rotationPointY{152};

// Every field above by its VM name.
inline constexpr NamedField kFields[] = {
    {"children", children},
    {"rotationPointX", rotationPointX},
    {"rotationPointY", rotationPointY},
};

}  // namespace tamri::complex_obj
