// Integers as text: the platform's conversion in any radix from 2 to 36,
// and the two simplest displays built on it.
#pragma once

#include "valuedisplay/value_text.h"

namespace tamri {

inline bool isUsableRadix(int32_t radix) { return radix >= 2 && radix <= 36; }

// The platform's text of the value: lower-case digits, "-" before a negative
// value in radix 10, the 32-bit two's complement in any other radix.
ValueText convertedNumber(int32_t value, int32_t radix);
// Hexadecimal digits are shown in upper case.
void upperCaseHexadecimal(ValueText& text, int32_t radix);
// Puts `count` zeros in front of the digits, after a leading "-".
void zeroFill(ValueText& text, int32_t count);
// Splits off the last `decimals` digits with the decimal separator, with a
// "0" before it and zeros after it where the digits do not reach that far:
// 12345 gives 123.45, 45 gives 0.45, -5 with 3 decimals gives -0.005.
void placeDecimalSeparator(ValueText& text, int32_t decimals, unichar separator);

// The value as converted, hexadecimal in upper case. A radix outside 2 to 36
// shows a single "*".
ValueText plainNumberText(int32_t value, int32_t radix);

// The last `digits` characters of the plain text, or, with `zeros`, the
// plain text filled with zeros (after its sign) to `digits` characters. A
// radix outside 2 to 36 shows `digits` asterisks; negative counts count as 0.
ValueText windowedNumberText(int32_t value, int32_t radix, int32_t digits, bool zeros);

}  // namespace tamri
