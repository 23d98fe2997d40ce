#include "valuedisplay/date_time.h"

#include "platform/core/morvcore.h"

#include <chrono>

namespace tamri {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::sys_seconds;
using std::chrono::year_month_day;

// Which date part goes where in each format.
enum class Part { Year, ShortYear, Month, Day };
struct DateFormat {
  const unichar* format;
  Part parts[3];
  int32_t count;
};

constexpr DateFormat kDateFormats[12] = {
    {u"%d/%02d/%02d", {Part::Year, Part::Month, Part::Day}, 3},
    {u"%d/%02d/%02d", {Part::Year, Part::Day, Part::Month}, 3},
    {u"%02d/%02d/%d", {Part::Month, Part::Day, Part::Year}, 3},
    {u"%02d/%02d/%d", {Part::Day, Part::Month, Part::Year}, 3},
    {u"%02d/%02d/%02d", {Part::ShortYear, Part::Month, Part::Day}, 3},
    {u"%02d/%02d/%02d", {Part::ShortYear, Part::Day, Part::Month}, 3},
    {u"%02d/%02d/%02d", {Part::Month, Part::Day, Part::ShortYear}, 3},
    {u"%02d/%02d/%02d", {Part::Day, Part::Month, Part::ShortYear}, 3},
    {u"%d%02d%02d", {Part::Year, Part::Month, Part::Day}, 3},
    {u"%02d/%02d", {Part::Month, Part::Day}, 2},
    {u"%02d%02d%02d", {Part::ShortYear, Part::Month, Part::Day}, 3},
    {u"%02d/%02d", {Part::Day, Part::Month}, 2},
};
constexpr int32_t kTimeOfDayCode = 20;

// Dates follow the Gregorian calendar before 1970 as after it.
int32_t partOf(const year_month_day& date, Part part) {
  const int32_t year = static_cast<int32_t>(date.year());
  switch (part) {
    case Part::Year:
      return year;
    case Part::ShortYear:
      return (year % 100 + 100) % 100;  // years before 0 too
    case Part::Month:
      return static_cast<int32_t>(unsigned{date.month()});
    case Part::Day:
      return static_cast<int32_t>(unsigned{date.day()});
  }
  return 0;
}

}  // namespace

int32_t& cachedTimeZoneOffset() {
  static int32_t offset = kUnknownTimeZoneOffset;
  return offset;
}

int32_t currentTimeZoneOffset() {
  int32_t& cached = cachedTimeZoneOffset();
  // Only an answer the platform vouches for is kept.
  int32_t asked = 0;
  if (cached == kUnknownTimeZoneOffset && osTMgetGMTTimeZoneOffset(&asked)) cached = asked;
  return cached == kUnknownTimeZoneOffset ? 0 : cached;
}

ValueText dateTimeText(int32_t code, int64_t localTime) {
  ValueText text;
  const sys_seconds time{std::chrono::seconds{localTime}};
  const sys_days day = std::chrono::floor<days>(time);
  if (code == kTimeOfDayCode) {
    const std::chrono::hh_mm_ss clock{time - day};
    text.length =
        osUTusprintf(text.chars, u"%02d:%02d:%02d", static_cast<int32_t>(clock.hours().count()),
                     static_cast<int32_t>(clock.minutes().count()),
                     static_cast<int32_t>(clock.seconds().count()));
  } else if (code >= 1 && code <= 12) {
    const year_month_day date{day};
    const DateFormat& f = kDateFormats[code - 1];
    const int32_t a = partOf(date, f.parts[0]);
    const int32_t b = partOf(date, f.parts[1]);
    const int32_t c = f.count == 3 ? partOf(date, f.parts[2]) : 0;
    text.length = osUTusprintf(text.chars, f.format, a, b, c);
  } else {
    text.append(u' ');
  }
  return text;
}

}  // namespace tamri
