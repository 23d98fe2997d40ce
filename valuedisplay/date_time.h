// Dates and times of day as text, in thirteen fixed formats, and the time
// zone they are shown in.
#pragma once

#include "valuedisplay/value_text.h"

namespace tamri {

// The offset of local time from GMT in minutes (GMT = local time + offset),
// asked of the platform on first use and again after a time change.
inline constexpr int32_t kUnknownTimeZoneOffset = 9999;
int32_t& cachedTimeZoneOffset();
// The offset to show times in: the cached one, asked for first when it is
// not known; GMT while the platform cannot tell.
int32_t currentTimeZoneOffset();

// Seconds since 1970-01-01 00:00 GMT as local time, without wrapping.
inline int64_t localTimeOf(int32_t time, int32_t offsetMinutes) {
  return static_cast<int64_t>(time) - static_cast<int64_t>(offsetMinutes) * 60;
}

// Codes 1 to 12 are dates (year, month and day in the orders below), 20 the
// time of day; any other code gives a single space. Times before 1970 are
// shown by the same calendar.
//   1 2024/03/07   2 2024/07/03   3 03/07/2024   4 07/03/2024   5 24/03/07
//   6 24/07/03     7 03/07/24     8 07/03/24     9 20240307    10 03/07
//  11 240307      12 07/03       20 14:05:09
ValueText dateTimeText(int32_t code, int64_t localTime);

}  // namespace tamri
