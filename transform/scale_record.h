// The scale's own fields, after the graphic object record.
#pragma once

#include "module/graphic_record.h"

namespace tamri::scale {

// Circular scale: angles of the first and the last tick, whole degrees.
inline constexpr IntField startAngle{140};
inline constexpr IntField endAngle{144};
// Straight scale: only every step-th tick is drawn.
inline constexpr IntField step{148};
// Circular scale: each tick runs from the outer radius in to the inner one.
inline constexpr IntField innerRadius{152};
inline constexpr IntField outerRadius{160};
// A scale of n divisions has the ticks 0 to n.
inline constexpr IntField divisions{168};
inline constexpr ByteField circular{172};
// Straight scale: non-zero runs vertically.
inline constexpr ByteField vertical{173};

// Every field above by its VM name.
inline constexpr NamedField kFields[] = {
    {"scaleStartAngle", startAngle},
    {"scaleEndAngle", endAngle},
    {"scaleStep", step},
    {"scaleInnerRadius", innerRadius},
    {"scaleOuterRadius", outerRadius},
    {"scaleDivisions", divisions},
    {"scaleCircular", circular},
    {"scaleVertical", vertical},
};

}  // namespace tamri::scale
