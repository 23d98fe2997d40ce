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

  // From the end down, the decimal part moves right unchanged, then the
  // digits of the integer part with a separator before every full group.
  const int32_t grouped = text.length + pending;
  text.chars[grouped] = 0;
  int32_t from = text.length - 1;
  int32_t to = grouped - 1;
  while (from >= end) text.chars[to--] = text.chars[from--];
  for (int32_t inGroup = 1; pending > 0; ++inGroup) {
    text.chars[to--] = text.chars[from--];
    if (inGroup == groupSize) {
      text.chars[to--] = separator;
      --pending;
      inGroup = 0;
    }
  }
  text.length = grouped;
  return grouped;
}

}  // namespace tamri
