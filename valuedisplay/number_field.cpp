#include "valuedisplay/number_field.h"

#include "platform/core/morvcore.h"
#include "valuedisplay/digit_grouping.h"
#include "valuedisplay/number_text.h"

namespace tamri {
namespace {

// Unsigned values in radix 10 and 8 are formatted as C's printf gives them.
ValueText convertedUnsigned(int32_t value, int32_t radix) {
  if (radix != 10 && radix != 8) return convertedNumber(value, radix);
  ValueText text;
  text.length = osUTusprintf(text.chars, radix == 10 ? u"%u" : u"%o", value);  // at most 11
  return text;
}

void groupByRadix(ValueText& text, int32_t radix, Separators separators) {
  switch (radix) {
    case 16:
    case 2:
      groupDigits(text, u' ', 4, separators.decimal);
      break;
    case 8:
      groupDigits(text, u' ', 3, separators.decimal);
      break;
    case 10:
      groupDigits(text, separators.group, 3, separators.decimal);
      break;
    default:
      break;
  }
}

}  // namespace

ValueText numberFieldText(const NumberField& field, Separators separators, TextView unit) {
  const int32_t radix = field.radix;
  const int32_t decimals = radix == 10 ? std::clamp(field.decimals, 0, kWidestField) : 0;
  const int32_t integerDigits = std::clamp(field.integerDigits, 0, kWidestField - decimals);
  const int32_t capacity = integerDigits + decimals;

  ValueText text = field.isUnsigned ? convertedUnsigned(field.value, radix)
                                    : convertedNumber(field.value, radix);
  // The minus sign does not count against the field.
  const bool negative = !field.isUnsigned && field.value < 0 && radix == 10;
  const bool fits = isUsableRadix(radix) && text.length - (negative ? 1 : 0) <= capacity;

  if (fits) {
    // The sign stays in front: zeros, the decimal separator and the group
    // separators all go among the digits after it.
    if (field.zeros) zeroFill(text, capacity - (text.length - (negative ? 1 : 0)));
    if (decimals >= 1) {
      placeDecimalSeparator(text, decimals, separators.decimal);
    } else {
      upperCaseHexadecimal(text, radix);
    }
    if (field.grouping) groupByRadix(text, radix, separators);
  } else {
    text.clear();
    if (!field.isUnsigned && field.value < 0) text.append(u'-');
    text.append(u'*', integerDigits);
    if (decimals >= 1) {
      text.append(separators.decimal);
      text.append(u'*', decimals);
    }
  }
  text.append(unit);
  return text;
}

}  // namespace tamri
