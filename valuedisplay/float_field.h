// The float field: a value shown with integer digits and decimals as C's
// printf rounds it, the decimal separator of the VM side, leading zeros,
// automatic decimals, grouping and a unit text as asked. A value that does
// not fit shows the overflow mark, asterisks in the field's shape.
#pragma once

#include "valuedisplay/separators.h"
#include "valuedisplay/value_text.h"

namespace tamri {

// Decimals beyond this would let the largest float's text pass the buffer.
inline constexpr int32_t kMostFloatDecimals = 38;

struct FloatField {
  float value = 0.0f;
  int32_t integerDigits = 0;
  int32_t decimals = 0;
  bool zeros = false;
  // Decimals fill the field up to `integerDigits` digits in all.
  bool autoDecimals = false;
  bool grouping = false;
};

// Not-a-number and the infinities show the overflow mark, with "-" for
// minus infinity; minus zero shows as zero.
ValueText floatFieldText(const FloatField& field, Separators separators, TextView unit = {});

}  // namespace tamri
