#include "valuedisplay/date_time.h"

#include "platform/core/morvcore.h"

namespace tamri {
namespace {

constexpr int64_t kSecondsPerDay = 86400;

int64_t floorDiv(int64_t a, int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }
int64_t floorMod(int64_t a, int64_t b) { return a - floorDiv(a, b) * b; }

bool isLeapYear(int64_t year) {
  if (year % 4 != 0) return false;
  if (year % 100 != 0) return true;
  return year % 400 == 0;
}

// Leap days from the start of year 1 to the start of `year`.
int64_t leapDaysBefore(int64_t year) {
  const int64_t y = year - 1;
  return floorDiv(y, 4) - floorDiv(y, 100) + floorDiv(y, 400);
}

// Day number of 1 January of year 1970 + n, counted from 1970-01-01.
int64_t yearStart(int64_t n) { return 365 * n + leapDaysBefore(1970 + n) - leapDaysBefore(1970); }

// The day of the year on which each month starts, from 0.
constexpr int32_t kCommonYearMonths[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr int32_t kLeapYearMonths[12] = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};

struct Date {
  int32_t year, month, day;
};

Date dateOf(int64_t days) {
  int64_t n = floorDiv(days, 365);
  while (days < yearStart(n)) --n;
  while (days >= yearStart(n + 1)) ++n;  // only before 1970
  const auto dayOfYear = static_cast<int32_t>(days - yearStart(n));
  const int64_t year = 1970 + n;
  const int32_t* starts = isLeapYear(year) ? kLeapYearMonths : kCommonYearMonths;
  int32_t month = 11;
  while (month > 0 && dayOfYear < starts[month]) --month;
  return {static_cast<int32_t>(year), month + 1, dayOfYear - starts[month] + 1};
}

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

int32_t partOf(const Date& date, Part part) {
  switch (part) {
    case Part::Year:
      return date.year;
    case Part::ShortYear:
      return static_cast<int32_t>(floorMod(date.year, 100));
    case Part::Month:
      return date.month;
    case Part::Day:
      return date.day;
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
  if (cached == kUnknownTimeZoneOffset) osTMgetGMTTimeZoneOffset(&cached);
  return cached == kUnknownTimeZoneOffset ? 0 : cached;
}

ValueText dateTimeText(int32_t code, int64_t localTime) {
  ValueText text;
  if (code == kTimeOfDayCode) {
    const auto seconds = static_cast<int32_t>(floorMod(localTime, kSecondsPerDay));
    text.length = osUTusprintf(text.chars, u"%02d:%02d:%02d", seconds / 3600, seconds % 3600 / 60,
                               seconds % 60);
  } else if (code >= 1 && code <= 12) {
    const Date date = dateOf(floorDiv(localTime, kSecondsPerDay));
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
