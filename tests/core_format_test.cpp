#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <random>
#include <string>

#include "morvcore.h"

namespace {

const unichar* U(const char16_t* text) { return reinterpret_cast<const unichar*>(text); }

template <typename... Arguments>
std::u16string format(const char16_t* pattern, Arguments... arguments) {
  unichar buffer[1200];
  const int32_t written = osUTusprintf(buffer, U(pattern), arguments...);
  const std::u16string result(reinterpret_cast<const char16_t*>(buffer));
  EXPECT_EQ(written, static_cast<int32_t>(result.size()));
  return result;
}

// The displays' fields: unsigned and octal numbers, the float field with
// width and precision from arguments (a sign inside the zeros, a carry into
// a new digit, halves rounded to even), a clock.
TEST(CoreFormat, FieldsOfTheDisplays) {
  EXPECT_EQ(format(u"%u|%u|%o|%o", -1, 1500, 8, -1), u"4294967295|1500|10|37777777777");
  EXPECT_EQ(format(u"%0*.*f|%0*.*f|%0*.*f", 6, 2, -3.14159, 0, 2, 9.996, 0, 0, 2.5),
            u"-03.14|10.00|2");
  EXPECT_EQ(format(u"%.*f", -1, 1.5), u"1.500000");  // a negative precision is none
  EXPECT_EQ(format(u"%02d:%02d:%02d", 14, 5, 9), u"14:05:09");
}

// Integers are written without the C library; they must read as its own.
TEST(CoreFormat, IntegersMatchTheCLibraryForEveryFlagWidthAndPrecision) {
  std::mt19937 engine(5);
  const auto pick = [&engine](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(engine);
  };
  const char* const flagSets[] = {"", "-", "+", " ", "0", "#", "-0", "+0", "#0", "- ", "+ #0"};
  const char conversions[] = {'d', 'i', 'u', 'o', 'x', 'X'};
  for (int i = 0; i < 5000; ++i) {
    std::string pattern = std::string("%") + flagSets[pick(0, 10)];
    if (pick(0, 1)) pattern += std::to_string(pick(0, 25));
    if (pick(0, 1)) pattern += "." + std::to_string(pick(0, 15));
    const bool wide = pick(0, 1) == 1;
    pattern += std::string(wide ? "ll" : "") + conversions[pick(0, 5)];
    const int choice = pick(0, 3);
    const long long value = choice == 0   ? 0
                            : choice == 1 ? pick(-1000, 1000)
                            : choice == 2 ? (wide ? LLONG_MIN : INT32_MIN)
                                          : static_cast<long long>(engine()) << pick(0, 31);
    char expected[128];
    std::u16string wideText;
    if (wide) {
      std::snprintf(expected, sizeof expected, pattern.c_str(), value);
      wideText = format(std::u16string(pattern.begin(), pattern.end()).c_str(), value);
    } else {
      std::snprintf(expected, sizeof expected, pattern.c_str(), static_cast<int>(value));
      wideText =
          format(std::u16string(pattern.begin(), pattern.end()).c_str(), static_cast<int>(value));
    }
    EXPECT_EQ(std::string(wideText.begin(), wideText.end()), expected) << pattern << " " << value;
  }
  EXPECT_EQ(format(u"%*d|%*d", 4, 7, -4, 7), u"   7|7   ");
  EXPECT_EQ(format(u"%ld|%hd|%hu|%hhx", 123456L, 70000, -1, 0x1FF), u"123456|4464|65535|ff");
}

TEST(CoreFormat, FloatingConversions) {
  EXPECT_EQ(format(u"%e|%E", 12345.678, 0.00012), u"1.234568e+04|1.200000E-04");
  EXPECT_EQ(format(u"%g|%G|%g", 0.0001, 1e-5, 100000.0), u"0.0001|1E-05|100000");
  EXPECT_EQ(format(u"%#.0f|%+.1f|%8.3f", 3.0, 2.25, -1.5), u"3.|+2.2|  -1.500");
}

TEST(CoreFormat, TextsCharactersAndUnknownConversions) {
  const unichar* reason = U(u"no memory");
  EXPECT_EQ(format(u"Failed to init native support for gpclasses.graphics.CgpArc : %s", reason),
            u"Failed to init native support for gpclasses.graphics.CgpArc : no memory");
  EXPECT_EQ(format(u"[%5s|%-5s|%.2s]", U(u"ab"), U(u"ab"), U(u"abc")), u"[   ab|ab   |ab]");
  EXPECT_EQ(format(u"%ls|%hs|%S", U(u"wide"), "narrow", "caf\xC3\xA9"), u"wide|narrow|café");
  EXPECT_EQ(format(u"%c%c|%3c|%-3c|", u'\x20AC', u'A', u'x', u'y'), u"€A|  x|y  |");
  EXPECT_EQ(
      format(u"%s|%hs", static_cast<const unichar*>(nullptr), static_cast<const char*>(nullptr)),
      u"(null)|(null)");
  EXPECT_EQ(format(u"100%%"), u"100%");
  // Unknown conversions are copied.
  EXPECT_EQ(format(u"%y|%5k|end%", 1), u"%y|%5k|end%");
  EXPECT_EQ(format(u"a%\x20AC"), u"a%€");
}

TEST(CoreFormat, HugeWidthsAreLimitedAndBoundedFormattingCutsAndTerminates) {
  EXPECT_EQ(format(u"%*d", 100000, 1).size(), 512u);
  EXPECT_EQ(format(u"%.*f", 100000, 1.0).size(), 514u);
  EXPECT_EQ(format(u"%f", 1e308).size(), 316u);
  unichar buffer[8];
  EXPECT_EQ(osUTusnprintf(buffer, 5, U(u"%d"), 1234567), 4);
  EXPECT_EQ(std::u16string(reinterpret_cast<char16_t*>(buffer)), u"1234");
  EXPECT_EQ(osUTusnprintf(buffer, 1, U(u"abc")), 0);
  EXPECT_EQ(buffer[0], 0);
  EXPECT_EQ(osUTusnprintf(buffer, 0, U(u"abc")), 0);
  EXPECT_EQ(osUTusnprintf(nullptr, 8, U(u"abc")), 0);
  EXPECT_EQ(osUTusnprintf(buffer, 8, nullptr), 0);
  EXPECT_EQ(buffer[0], 0);
}

}  // namespace
