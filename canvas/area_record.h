// CgpArea: a rectangle by its inclusive corners, as the clip queries give it.
#pragma once

#include "module/field_access.h"

namespace tamri::area {

inline constexpr const char* kClassPath = "gpclasses/graphics/CgpArea";

inline constexpr CoordField x1{0};
inline constexpr CoordField y1{4};
inline constexpr CoordField x2{8};
inline constexpr CoordField y2{12};

// Every field above by its VM name.
inline constexpr NamedField kFields[] = {{"x1", x1}, {"y1", y1}, {"x2", x2}, {"y2", y2}};

}  // namespace tamri::area
