// The drawing layer's text records as every text native fills them.
#pragma once

#include "platform/gdi/osgx.h"

#include <cstdint>

namespace tamri {

// Only bit 31 set: no colour (no background behind the text).
inline constexpr int32_t kNoColour = INT32_MIN;

// Attribute bytes 1, 2, 6 and 7, the ones callers choose. A value from an
// int keeps its low byte (300 gives 44).
struct TextAttributeBytes {
  uint8_t first, second, sixth, seventh;
};

// Layout code, then bytes 1 to 7 as given with bytes 3 to 5 always 1; the
// trailing 13 bytes are always 0.
inline TEXTATTRIB textAttributes(int32_t layout, TextAttributeBytes bytes) {
  TEXTATTRIB record{};
  record.layout = layout;
  record.attributes[0] = bytes.first;
  record.attributes[1] = bytes.second;
  record.attributes[2] = record.attributes[3] = record.attributes[4] = 1;
  record.attributes[5] = bytes.sixth;
  record.attributes[6] = bytes.seventh;
  return record;
}

}  // namespace tamri
