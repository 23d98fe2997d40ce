// The field block of a CgpListBox object. Only the rectangle shares its place
// with the graphic object record; every other field is the list box's own.
#pragma once

#include "module/field_access.h"

namespace tamri::list_box {

// The list's rectangle, inclusive corners; `move` writes it cut to 16 bits.
inline constexpr CoordField x1{0};
inline constexpr CoordField y1{4};
inline constexpr CoordField x2{8};
inline constexpr CoordField y2{12};
// The rectangle `move` offsets.
inline constexpr IntField homeX1{32};
inline constexpr IntField homeY1{36};
inline constexpr IntField homeX2{40};
inline constexpr IntField homeY2{44};
// Handed to the model at construction; the first one is kept, never drawn.
inline constexpr IntField firstColor{100};
inline constexpr IntField textColor{104};
inline constexpr IntField backColor{108};
// The frame width setFrame was given, for the VM side.
inline constexpr ByteField frameWidthByte{141};
// CgpFont of the data rows.
inline constexpr RefField listFont{144};
// The model's handle: 0 without a model. Only handles the module gave out
// and has not taken back reach a model (listbox/list_box_table.h).
inline constexpr IntField listHandle{148};
// The y coordinate getRowPos turns into a row position, and its upper bound.
inline constexpr IntField pointY{156};
inline constexpr IntField rowLimit{164};
// 1 once setTitle ran.
inline constexpr ByteField titleFlag{176};

// Every field above by its VM name.
inline constexpr NamedField kFields[] = {
    {"x1", x1},
    {"y1", y1},
    {"x2", x2},
    {"y2", y2},
    {"homeX1", homeX1},
    {"homeY1", homeY1},
    {"homeX2", homeX2},
    {"homeY2", homeY2},
    {"firstColor", firstColor},
    {"textColor", textColor},
    {"backColor", backColor},
    {"frameWidthByte", frameWidthByte},
    {"listFont", listFont},
    {"listHandle", listHandle},
    {"pointY", pointY},
    {"rowLimit", rowLimit},
    {"titleFlag", titleFlag},
};

}  // namespace tamri::list_box
