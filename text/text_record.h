// The text object's own fields, after the graphic object record.
#pragma once

#include "module/graphic_record.h"

namespace tamri::text {

// Third word of the text-colour record.
inline constexpr IntField textSecondColor{140};
// Layout code of the text-attribute record.
inline constexpr IntField textLayoutCode{144};
inline constexpr RefField text{148};
// The CgpFont to draw with; without one the object draws nothing.
inline constexpr RefField textFont{152};
// Attribute bytes 2, 6, 7 and 1 of the text-attribute record.
inline constexpr ByteField textAttribute2{158};
inline constexpr ByteField textAttribute6{159};
inline constexpr ByteField textAttribute7{160};
inline constexpr ByteField textAttribute1{161};

}  // namespace tamri::text
