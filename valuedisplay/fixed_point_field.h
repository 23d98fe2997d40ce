// The fixed-point field: an integer shown with `digits` places and, in
// radix 10, `decimals` implied decimals; in radix 10 a negative value, and
// with leading zeros the value 0, gets one more place.
#pragma once

#include "valuedisplay/separators.h"
#include "valuedisplay/value_text.h"

namespace tamri {

// Decimals above 10 count as 10, negative counts as 0; digits are held so
// that the text fits the buffer.
inline constexpr int32_t kMostFixedPointDecimals = 10;

struct FixedPointField {
  int32_t value = 0;
  int32_t radix = 10;
  int32_t digits = 0;
  int32_t decimals = 0;
  bool zeros = false;
};

// Values too wide for the field show asterisks: in radix 10 with decimals
// the overflow mark (digits asterisks, the separator, decimals asterisks),
// shown as it is; otherwise every character of the text becomes "*", and
// the row is then cut to its last `digits` characters or zero-filled like
// any text (in another radix the decimals still widen the field, so
// 0x12345 in 4 digits with 2 decimals and zeros shows "0*****"). A radix
// outside 2 to 36 shows `digits` asterisks. Leading zeros go after a minus
// sign.
ValueText fixedPointText(const FixedPointField& field, Separators separators);

}  // namespace tamri
