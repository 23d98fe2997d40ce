#include <gtest/gtest.h>

#include <string>

#include "morvcore.h"

namespace {

const unichar* U(const char16_t* text) { return reinterpret_cast<const unichar*>(text); }
std::u16string text(const unichar* buffer) {
  return buffer == nullptr ? u"<null>" : std::u16string(reinterpret_cast<const char16_t*>(buffer));
}

std::u16string itou(int32_t value, int32_t radix) {
  unichar buffer[40];
  return text(osUTitou(value, buffer, radix));
}

// Negative numbers are signed in decimal and two's complement in any other
// radix; a radix outside 2..36 writes nothing.
TEST(CoreStrings, ItouWritesEveryRadix) {
  const struct {
    int32_t value, radix;
    std::u16string expected;
  } rows[] = {{0, 10, u"0"},
              {-1234, 10, u"-1234"},
              {255, 16, u"ff"},
              {10, 2, u"1010"},
              {8, 8, u"10"},
              {35, 36, u"z"},
              {-1, 16, u"ffffffff"},
              {-1, 2, std::u16string(32, u'1')},
              {-8, 8, u"37777777770"},
              {5, 1, u""},
              {5, 37, u""}};
  for (const auto& row : rows) EXPECT_EQ(itou(row.value, row.radix), row.expected) << row.value;
  EXPECT_EQ(osUTitou(5, nullptr, 10), nullptr);
  // Decimal digits go two at a time: every digit count, both signs, each
  // side of a power of ten, and both ends of the range.
  for (int64_t power = 1; power <= 10000000000; power *= 10) {
    for (const int64_t v :
         {power - 1, power, power + 1, 7 * power + 3, int64_t{INT32_MAX}, int64_t{2147483648}}) {
      for (const int64_t value : {v, -v}) {
        if (value > INT32_MAX || value < INT32_MIN) continue;
        const std::string expected = std::to_string(value);
        EXPECT_EQ(itou(static_cast<int32_t>(value), 10),
                  std::u16string(expected.begin(), expected.end()));
      }
    }
  }
}

TEST(CoreStrings, LengthCopyConcatenateCompareAndFind) {
  unichar buffer[16] = {u'x', u'y', 0};
  EXPECT_EQ(osUTustrlen(U(u"abc")), 3);
  EXPECT_EQ(osUTustrlen(nullptr), 0);
  EXPECT_EQ(osUTustrcpy(buffer, U(u"12")), buffer);
  EXPECT_EQ(text(osUTustrcat(buffer, U(u"345"))), u"12345");
  EXPECT_EQ(text(osUTustrcpy(buffer, nullptr)), u"");  // a null source empties the target
  EXPECT_EQ(text(osUTustrcat(buffer, nullptr)), u"");
  EXPECT_EQ(osUTustrcpy(nullptr, U(u"a")), nullptr);
  EXPECT_EQ(osUTustrncmp(U(u"TCP-Sans"), U(u"TCP"), 3), 0);
  EXPECT_NE(osUTustrncmp(U(u"tcp"), U(u"TCP"), 3), 0);
  EXPECT_LT(osUTustrncmp(U(u"TC"), U(u"TCP"), 3), 0);
  EXPECT_GT(osUTustrncmp(U(u"\xFFFF"), U(u"a"), 1), 0);  // code units compare unsigned
  EXPECT_EQ(osUTustrncmp(U(u"abc"), U(u"abd"), 2), 0);
  EXPECT_EQ(osUTustrncmp(U(u"abc"), U(u"xyz"), 0), 0);
  EXPECT_LT(osUTustrncmp(nullptr, U(u"a"), 1), 0);
  const unichar* number = U(u"1.234.5");
  EXPECT_EQ(osUTustrrchr(number, u'.'), number + 5);
  EXPECT_EQ(osUTustrrchr(number, u','), nullptr);
  EXPECT_EQ(osUTustrrchr(number, 0), number + 7);
  EXPECT_EQ(osUTustrrchr(nullptr, u'.'), nullptr);
}

TEST(CoreStrings, UpperCaseAndMemory) {
  // a, 9, é, division sign, ÿ, ā, ľ, α, ж
  const std::u16string lower = u"af9A\u00E9\u00F7\u00FF\u0101\u013E\u03B1\u0436";
  const std::u16string upper = u"AF9A\u00C9\u00F7\u0178\u0100\u013D\u0391\u0416";
  for (size_t i = 0; i < lower.size(); ++i) EXPECT_EQ(osUTtoupper(lower[i]), upper[i]) << i;
  unichar buffer[6] = {1, 2, 3, 4, 5, 6};
  EXPECT_EQ(osUTmemcpy(buffer + 1, buffer, 4 * sizeof(unichar)), buffer + 1);
  EXPECT_EQ(std::u16string(reinterpret_cast<char16_t*>(buffer), 6), u"\1\1\2\3\4\6");
  EXPECT_EQ(osUTmemset(buffer, 0, sizeof buffer), buffer);
  EXPECT_EQ(buffer[5], 0);
  EXPECT_EQ(osUTmemcpy(nullptr, buffer, 4), nullptr);
}

}  // namespace
