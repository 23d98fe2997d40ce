// CgpArea: a rectangle by its inclusive corners, as the clip queries give it.
#pragma once

#include "module/field_access.h"

namespace tamri::area {

inline constexpr const char* kClassPath = "gpclasses/graphics/CgpArea";

inline constexpr CoordField x1{0};
inline constexpr CoordField y1{4};
inline constexpr CoordField x2{8};
inline constexpr CoordField y2{12};

}  // namespace tamri::area
