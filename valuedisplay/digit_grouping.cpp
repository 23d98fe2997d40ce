#include "valuedisplay/digit_grouping.h"

namespace tamri {
namespace {

// Where the integer part ends: at the last decimal separator, unless that
// is the first character, else at the text's end.
int32_t integerPartEnd(const ValueText& text, unichar decimalSeparator) {
  for (int32_t i = text.length - 1; i > 0; --i) {
    if (text.chars[i] == decimalSeparator) return i;
  }
  return text.length;
}

}  // namespace

int32_t groupDigits(ValueText& text, unichar separator, int32_t groupSize,
                    unichar decimalSeparator) {
  if (groupSize < 1) return text.length;
  const int32_t end = integerPartEnd(text, decimalSeparator);
  const int32_t sign = text.length > 0 && text.chars[0] == u'-' ? 1 : 0;
  int32_t pending = (end - 1 - sign) / groupSize;
  if (pending < 1 || pending > text.room()) return text.length;

  // From the end down, each character moves right by the separators still
  // to come; a separator goes in front of every group boundary.
  const int32_t grouped = text.length + pending;
  text.chars[grouped] = 0;
  for (int32_t i = text.length - 1; i >= 0 && pending > 0; --i) {
    text.chars[i + pending] = text.chars[i];
    if (i >= 1 && i < end && (end - i) % groupSize == 0) {
      --pending;
      text.chars[i + pending] = separator;
    }
  }
  text.length = grouped;
  return grouped;
}

}  // namespace tamri
