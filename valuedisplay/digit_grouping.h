// Digit grouping: separators between groups of digits of a value's integer
// part, counted from its end, which is the last decimal separator (unless
// that stands first) or the text's end. A leading "-" is not a digit.
#pragma once

#include "valuedisplay/value_text.h"

namespace tamri {

// Inserts `separator` in place and returns the new length. A group size
// below 1, or a grouped text that would pass the buffer, leaves the text as
// it is.
int32_t groupDigits(ValueText& text, unichar separator, int32_t groupSize,
                    unichar decimalSeparator);

}  // namespace tamri
