// The ellipse's own fields, after the graphic object record.
#pragma once

#include "shapes/fill_level.h"

namespace tamri::ellipse {

inline constexpr FillLevelFields fillLevel{{140}, {144}, {148}, {152}, {153}, {154}};

// Every field above by its VM name.
inline constexpr auto kFields = namedFields(fillLevel);

}  // namespace tamri::ellipse
