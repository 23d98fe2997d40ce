// The field block of a CgpFont object. The three load bytes are kept in the
// order 3, 1, 2 and handed to the drawing layer in the order 1, 2, 3.
#pragma once

#include "module/field_access.h"
#include "platform/gdi/osgx.h"

namespace tamri::font {

inline constexpr RefField fontName{0};
// The handle createFont()I returned; the VM side stores it (unsigned).
inline constexpr IntField fontHandle{4};
// What calcTextMetrics stores: width, height and the baseline's distance
// from the top.
inline constexpr IntField textWidth{8};
inline constexpr IntField textHeight{12};
inline constexpr IntField thirdMetric{16};
inline constexpr ByteField fontParam3{20};
inline constexpr ByteField fontParam1{21};
inline constexpr ByteField fontParam2{22};

// Font names are copied into buffers of 260 characters and the terminator.
inline constexpr int32_t kNameCapacity = 261;

// The font handle of a CgpFont reference; 0 (no font) for null.
inline FONTHANDLE handleOf(jword fontObject) {
  const FieldBlock block = fieldBlockOf(fontObject);
  return block ? static_cast<FONTHANDLE>(read(block, fontHandle)) : 0;
}

}  // namespace tamri::font
