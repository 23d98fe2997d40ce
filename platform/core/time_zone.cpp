// The time-zone offset: from the C library's local time, unless the host
// pinned it.
#include <ctime>
#include "spin_lock.h"

#include "core_host.h"
#include "host_trace.h"

namespace {

struct TimeZone {
  morv::SpinLock mutex;
  std::optional<std::chrono::minutes> pinned;
};

TimeZone& timeZone() {
  static TimeZone instance;
  return instance;
}

// Days since 1970-01-01 of a proleptic Gregorian date (month 1 to 12).
int64_t daysFromCivil(int64_t year, int64_t month, int64_t day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yearOfEra = year - era * 400;
  const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

int64_t secondsOf(const std::tm& time) {
  return daysFromCivil(time.tm_year + 1900LL, time.tm_mon + 1LL, time.tm_mday) * 86400 +
         time.tm_hour * 3600LL + time.tm_min * 60LL + time.tm_sec;
}

// GMT minus local time, in minutes, at the current moment.
bool libraryOffset(int32_t& minutes) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  std::tm gmt{};
#if defined(_WIN32)
  if (localtime_s(&local, &now) != 0 || gmtime_s(&gmt, &now) != 0) return false;
#else
  if (localtime_r(&now, &local) == nullptr || gmtime_r(&now, &gmt) == nullptr) return false;
#endif
  minutes = static_cast<int32_t>((secondsOf(gmt) - secondsOf(local)) / 60);
  return true;
}

}  // namespace

extern "C" bool osTMgetGMTTimeZoneOffset(int32_t* offsetMinutes) {
  host::PlatformScope scope;
  try {
    std::optional<std::chrono::minutes> pinned;
    {
      TimeZone& zone = timeZone();
      morv::LockGuard lock(zone.mutex);
      pinned = zone.pinned;
    }
    int32_t minutes = 0;
    const bool ok =
        pinned ? (minutes = static_cast<int32_t>(pinned->count()), true) : libraryOffset(minutes);
    if (ok && offsetMinutes != nullptr) *offsetMinutes = minutes;
    host::traceLine(std::string("osTMgetGMTTimeZoneOffset() -> ") +
                    (ok ? "true " + std::to_string(minutes) : "false"));
    return ok;
  } catch (...) {
    return false;
  }
}

namespace corehost {

void setTimeZoneOffset(std::optional<std::chrono::minutes> offset) {
  TimeZone& zone = timeZone();
  morv::LockGuard lock(zone.mutex);
  zone.pinned = offset;
}

}  // namespace corehost
