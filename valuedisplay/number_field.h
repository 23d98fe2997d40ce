// The number field: an integer shown in a field of integer digits and
// implied decimals, signed or unsigned, in any radix, with leading zeros,
// digit grouping and a unit text as asked. A value that does not fit shows
// the overflow mark, asterisks in the field's shape.
#pragma once

#include "valuedisplay/separators.h"
#include "valuedisplay/value_text.h"

namespace tamri {

// The widest field, in digits (integer digits and decimals together), whose
// text with sign, decimal separator and group separators fits the buffer.
// Wider fields are shown as this wide, their decimals kept first.
inline constexpr int32_t kWidestField = 58;

struct NumberField {
  int32_t value = 0;
  int32_t radix = 10;
  int32_t integerDigits = 0;
  int32_t decimals = 0;  // radix 10 only
  bool isUnsigned = false;
  bool grouping = false;
  bool zeros = false;
};

// The field's text followed by the unit text, cut where it would pass the
// buffer. A radix outside 2 to 36 shows the overflow mark.
ValueText numberFieldText(const NumberField& field, Separators separators, TextView unit = {});

}  // namespace tamri
