// Dates and times across all of 32-bit time, in time zones up to 14 hours
// either side of Greenwich, read as the C library's calendar gives them.
#include "valuedisplay/date_time.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <random>
#include <string>

namespace {

std::string narrow(const tamri::ValueText& text) { return {text.chars, text.chars + text.length}; }

TEST(ValueDisplayProperties, DatesAndTimesMatchTheCLibrarysCalendar) {
  std::mt19937 engine{20240307};
  std::uniform_int_distribution<int32_t> anyTime(INT32_MIN, INT32_MAX);
  std::uniform_int_distribution<int32_t> anyOffset(-14 * 60, 14 * 60);
  for (int i = 0; i < 20000; ++i) {
    const int32_t time = anyTime(engine);
    const int32_t offset = anyOffset(engine);
    const int64_t local = tamri::localTimeOf(time, offset);
    const std::time_t seconds = static_cast<std::time_t>(local);
    std::tm expected{};
    ASSERT_NE(gmtime_r(&seconds, &expected), nullptr);
    char date[32], clock[32];
    std::snprintf(date, sizeof date, "%d/%02d/%02d", expected.tm_year + 1900, expected.tm_mon + 1,
                  expected.tm_mday);
    std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", expected.tm_hour, expected.tm_min,
                  expected.tm_sec);
    EXPECT_EQ(narrow(tamri::dateTimeText(1, local)), date) << time << " " << offset;
    EXPECT_EQ(narrow(tamri::dateTimeText(20, local)), clock) << time << " " << offset;
  }
}

}  // namespace
