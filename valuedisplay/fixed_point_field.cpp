#include "valuedisplay/fixed_point_field.h"

#include "valuedisplay/number_text.h"

namespace tamri {
namespace {

ValueText overflowMark(int32_t digits, int32_t decimals, unichar separator) {
  ValueText text;
  text.append(u'*', digits);
  text.append(separator);
  text.append(u'*', decimals);
  return text;
}

}  // namespace

ValueText fixedPointText(const FixedPointField& field, Separators separators) {
  const int32_t decimals = std::clamp(field.decimals, 0, kMostFixedPointDecimals);
  // Two places more at most (sign and separator) still fit the buffer.
  int32_t digits = std::clamp(field.digits, 0, kLongestValueText - 2 - decimals);
  if (!isUsableRadix(field.radix)) {
    ValueText text;
    text.append(u'*', digits);
    return text;
  }
  const bool decimal = field.radix == 10;
  const bool negative = decimal && field.value < 0;
  if (decimal && (negative || (field.zeros && field.value == 0))) ++digits;

  ValueText text = convertedNumber(field.value, field.radix);
  if (!decimal || decimals == 0) {
    if (text.length > digits) {
      text.fill(u'*');
    } else {
      upperCaseHexadecimal(text, field.radix);
    }
  } else if (digits + decimals >= text.length) {
    ++digits;  // the separator's place
    placeDecimalSeparator(text, decimals, separators.decimal);
  } else {
    return overflowMark(digits, decimals, separators.decimal);
  }

  if (text.length > digits + decimals + (decimals > 0 ? 1 : 0)) {
    text.keepLast(digits);
  } else if (field.zeros && text.length < digits + decimals) {
    zeroFill(text, digits + decimals - text.length - (negative ? 1 : 0));
  }
  return text;
}

}  // namespace tamri
