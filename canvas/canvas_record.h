// The canvas state record: the field block of a CgpCanvas object. The VM side
// sets these; the natives only read them.
#pragma once

#include "module/field_access.h"

namespace tamri::canvas {

// Line, fill and text colour of the short overloads.
inline constexpr IntField color{0};
// Second colour of styled lines and fills, and of border rectangles.
inline constexpr IntField backColor{4};
// Third word of the text-colour record of strings and values.
inline constexpr IntField secondColor{8};
// 0 is no fill; its low byte or low 16 bits go where the layer takes them.
inline constexpr IntField fillStyle{12};
// Handle of the current font (unsigned).
inline constexpr IntField font{16};
inline constexpr IntField lineWidth{20};
inline constexpr IntField lineStyle{24};
// Default of the sixth byte of the text-attribute record.
inline constexpr ByteField textAttribute{28};
// The drawing surface of clip, pie, text and image operations.
inline constexpr IntField surface{32};

// Every field above by its VM name.
inline constexpr NamedField kFields[] = {
    {"color", color},
    {"backColor", backColor},
    {"secondColor", secondColor},
    {"fillStyle", fillStyle},
    {"font", font},
    {"lineWidth", lineWidth},
    {"lineStyle", lineStyle},
    {"textAttribute", textAttribute},
    {"surface", surface},
};

}  // namespace tamri::canvas
