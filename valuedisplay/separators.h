// The decimal and group separators of displayed values: two characters of
// the canvas class's static data, which the VM side may change at any time,
// so they are read afresh for every value drawn.
#pragma once

#include "module/field_access.h"

namespace tamri {

namespace canvas_statics {
inline constexpr CharField decimalSeparator{4};
inline constexpr CharField groupSeparator{6};

inline constexpr NamedField kFields[] = {
    {"decimalSeparator", decimalSeparator},
    {"groupSeparator", groupSeparator},
};
}  // namespace canvas_statics

struct Separators {
  unichar decimal = u'.';
  unichar group = u',';
};

// The canvas class's static field block, looked up afresh; null when the VM
// does not know the class.
const uint8_t* canvasStaticData();

// The separators as the VM side set them. A separator the VM side never set
// (0, which would end the text) and a missing class read as "." and ",".
Separators canvasSeparators();

}  // namespace tamri
