#include "valuedisplay/number_text.h"

#include "platform/core/morvcore.h"

namespace tamri {

ValueText convertedNumber(int32_t value, int32_t radix) {
  ValueText text;
  if (!isUsableRadix(radix)) return text;
  osUTitou(value, text.chars, radix);  // at most 32 digits and a sign
  while (text.chars[text.length] != 0) ++text.length;
  return text;
}

void upperCaseHexadecimal(ValueText& text, int32_t radix) {
  if (radix != 16) return;
  for (int32_t i = 0; i < text.length; ++i) text.chars[i] = osUTtoupper(text.chars[i]);
}

void zeroFill(ValueText& text, int32_t count) {
  const int32_t sign = text.length > 0 && text.chars[0] == u'-' ? 1 : 0;
  text.insert(sign, u'0', count);
}

void placeDecimalSeparator(ValueText& text, int32_t decimals, unichar separator) {
  const int32_t sign = text.length > 0 && text.chars[0] == u'-' ? 1 : 0;
  const int32_t digitCount = text.length - sign;
  if (decimals >= digitCount) {
    text.insert(sign, u'0', 1 + decimals - digitCount);
    text.insert(sign + 1, separator, 1);
  } else {
    text.insert(text.length - decimals, separator, 1);
  }
}

ValueText plainNumberText(int32_t value, int32_t radix) {
  ValueText text = convertedNumber(value, radix);
  if (!isUsableRadix(radix)) text.append(u'*');
  upperCaseHexadecimal(text, radix);
  return text;
}

ValueText windowedNumberText(int32_t value, int32_t radix, int32_t digits, bool zeros) {
  digits = std::clamp(digits, 0, kLongestValueText);
  ValueText text = convertedNumber(value, radix);
  if (!isUsableRadix(radix)) {
    text.append(u'*', digits);
    return text;
  }
  upperCaseHexadecimal(text, radix);
  if (text.length > digits) {
    text.keepLast(digits);
  } else if (zeros) {
    zeroFill(text, digits - text.length);
  }
  return text;
}

}  // namespace tamri
