// The graphic object record: the field block shared by every retained
// graphic object (offsets 0 to 139); each class's own fields start at 140.
#pragma once

#include "module/field_access.h"

namespace tamri::graphic {

// Coordinates are written cut to 16 bits (CoordField).
// Bounding rectangle, inclusive corners.
inline constexpr CoordField x1{0};
inline constexpr CoordField y1{4};
inline constexpr CoordField x2{8};
inline constexpr CoordField y2{12};
// Bounding rectangle at design size and position.
inline constexpr CoordField baseX1{16};
inline constexpr CoordField baseY1{20};
inline constexpr CoordField baseX2{24};
inline constexpr CoordField baseY2{28};
// Display states: 1 reversed, 2 and 4 visible, 8 visited, 16 disabled,
// 32 bad quality, 64 secured.
inline constexpr IntField stateFlags{32};
inline constexpr ByteField rotated{39};
// Thousandths of a radian.
inline constexpr IntField rotationAngle{40};
inline constexpr CoordField rotCenterX{52};
inline constexpr CoordField rotCenterY{56};
inline constexpr IntField fillColor{96};
inline constexpr IntField backColor{100};
inline constexpr IntField lineColor{104};
// Centre of the drawn geometry, now and at design size and position.
inline constexpr CoordField anchorX{108};
inline constexpr CoordField anchorY{112};
inline constexpr CoordField baseAnchorX{116};
inline constexpr CoordField baseAnchorY{120};
inline constexpr CoordField baseRotCenterX{124};
inline constexpr CoordField baseRotCenterY{128};
inline constexpr ByteField lineStyle{132};
inline constexpr ByteField lineWidth{133};
inline constexpr ByteField fillStyle{134};
inline constexpr ByteField hasBackground{136};

// Every field above by its VM name.
inline constexpr NamedField kFields[] = {
    {"x1", x1},
    {"y1", y1},
    {"x2", x2},
    {"y2", y2},
    {"baseX1", baseX1},
    {"baseY1", baseY1},
    {"baseX2", baseX2},
    {"baseY2", baseY2},
    {"stateFlags", stateFlags},
    {"rotated", rotated},
    {"rotationAngle", rotationAngle},
    {"rotCenterX", rotCenterX},
    {"rotCenterY", rotCenterY},
    {"fillColor", fillColor},
    {"backColor", backColor},
    {"lineColor", lineColor},
    {"anchorX", anchorX},
    {"anchorY", anchorY},
    {"baseAnchorX", baseAnchorX},
    {"baseAnchorY", baseAnchorY},
    {"baseRotCenterX", baseRotCenterX},
    {"baseRotCenterY", baseRotCenterY},
    {"lineStyle", lineStyle},
    {"lineWidth", lineWidth},
    {"fillStyle", fillStyle},
    {"hasBackground", hasBackground},
};

// Where each class's own fields begin.
inline constexpr int32_t kOwnFieldsOffset = 140;

}  // namespace tamri::graphic
