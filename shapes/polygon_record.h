// The polygon's own fields, after the graphic object record.
#pragma once

#include "shapes/fill_level.h"

namespace tamri::polygon {

// Number of corners and the int array x0, y0, x1, y1, ... holding them.
inline constexpr IntField pointCount{140};
inline constexpr RefField points{144};
inline constexpr FillLevelFields fillLevel{{156}, {160}, {164}, {168}, {169}, {170}};
// Non-zero: the drawing layer fills by the non-zero winding rule.
inline constexpr ByteField fillFlag{171};

// Every field above by its VM name, the fill level's in kLevelFields.
inline constexpr NamedField kFields[] = {
    {"pointCount", pointCount},
    {"points", points},
    {"fillFlag", fillFlag},
};
inline constexpr auto kLevelFields = namedFields(fillLevel);

}  // namespace tamri::polygon
