#include "valuedisplay/float_field.h"

#include "module/int_math.h"
#include "platform/core/morvcore.h"
#include "valuedisplay/digit_grouping.h"
#include "valuedisplay/number_field.h"

#include <cmath>

namespace tamri {
namespace {

// Digits before the point: 1 up to 1.0, else the integer part of log10 + 1.
int32_t integerDigitCount(double value) {
  const double magnitude = osUTfabs(value);
  return magnitude > 1.0 ? truncateToInt(osUTlog10(magnitude)) + 1 : 1;
}

void useDecimalSeparator(ValueText& text, unichar separator) {
  if (separator == u'.') return;
  for (int32_t i = 0; i < text.length; ++i) {
    if (text.chars[i] == u'.') {
      text.chars[i] = separator;
      return;
    }
  }
}

}  // namespace

ValueText floatFieldText(const FloatField& field, Separators separators, TextView unit) {
  // Minus zero would print as "-0" without a sign counted for it.
  const double value = field.value == 0.0f ? 0.0 : static_cast<double>(field.value);
  const bool negative = value < 0.0;
  int32_t decimals = std::clamp(field.decimals, 0, kMostFloatDecimals);
  const int32_t integerDigits = std::clamp(field.integerDigits, 0, kWidestField - decimals);

  ValueText text;
  bool fits = false;
  if (std::isfinite(value)) {
    int32_t width = 0;
    if (field.autoDecimals) {
      width = integerDigitCount(value);
      if (width < integerDigits) decimals = integerDigits - width;
    } else if (field.zeros) {
      width = integerDigits + decimals + (negative ? 1 : 0) + (decimals > 0 ? 1 : 0);
    }
    // The largest float has 39 digits before the point, and automatic
    // decimals fill the field only: the text always fits the buffer.
    text.length = osUTusprintf(text.chars, u"%0*.*f", width, decimals, value);
    useDecimalSeparator(text, separators.decimal);
    fits = text.length <= decimals + integerDigits + (negative ? 1 : 0) + (decimals > 0 ? 1 : 0);
  }
  if (!fits) {
    text.clear();
    if (negative) text.append(u'-');
    text.append(u'*', integerDigits);
    if (decimals > 0) {
      text.append(separators.decimal);
      text.append(u'*', decimals);
    }
  }
  if (field.grouping) groupDigits(text, separators.group, 3, separators.decimal);
  text.append(unit);
  return text;
}

}  // namespace tamri
