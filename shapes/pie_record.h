// The pie's own fields: those of the arc, then its fill level.
#pragma once

#include "shapes/arc_record.h"
#include "shapes/fill_level.h"

namespace tamri::pie {

inline constexpr FillLevelFields fillLevel{{208}, {212}, {216}, {220}, {221}, {222}};

// Every field above by its VM name; the arc's come first (arc::kFields).
inline constexpr auto kFields = namedFields(fillLevel);

}  // namespace tamri::pie
