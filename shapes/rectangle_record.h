// The rectangle's own fields, after the graphic object record.
#pragma once

#include "shapes/fill_level.h"

namespace tamri::rectangle {

// Current size in pixels, set when the rectangle is resized; 0 hides it.
inline constexpr IntField width{148};
inline constexpr IntField height{152};
// Rounded corners of cornerWidth x cornerHeight when `rounded` is non-zero.
inline constexpr IntField cornerWidth{156};
inline constexpr IntField cornerHeight{160};
inline constexpr ByteField rounded{176};
inline constexpr FillLevelFields fillLevel{{164}, {168}, {172}, {177}, {178}, {179}};

// Every field above by its VM name, the fill level's in kLevelFields.
inline constexpr NamedField kFields[] = {
    {"rectWidth", width},           {"rectHeight", height}, {"cornerWidth", cornerWidth},
    {"cornerHeight", cornerHeight}, {"rounded", rounded},
};
inline constexpr auto kLevelFields = namedFields(fillLevel);

}  // namespace tamri::rectangle
