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

TEST(CoreStrings, ItouWritesEveryRadix) {
  EXPECT_EQ(itou(0, 10), u"0");
  EXPECT_EQ(itou(1234, 10), u"1234");
  EXPECT_EQ(itou(-1234, 10), u"-1234");
  EXPECT_EQ(itou(INT32_MIN, 10), u"-2147483648");
  EXPECT_EQ(itou(INT32_MAX, 10), u"2147483647");
  EXPECT_EQ(itou(255, 16), u"ff");
  EXPECT_EQ(itou(10, 2), u"1010");
  EXPECT_EQ(itou(8, 8), u"10");
  EXPECT_EQ(itou(35, 36), u"z");
  EXPECT_EQ(itou(-1, 16), u"ffffffff");
  EXPECT_EQ(itou(-1, 2), std::u16string(32, u'1'));
  EXPECT_EQ(itou(-8, 8), u"37777777770");
}

// Decimal digits go two at a time: every digit count, both signs, and the
// values on each side of a power of ten read back as the standard library
// writes them.
TEST(CoreStrings, ItouDecimalMatchesTheStandardLibrary) {
  for (int64_t power = 1; power <= 1000000000; power *= 10) {
    for (const int64_t v : {power - 1, power, power + 1, 7 * power + 3}) {
      for (const int64_t value : {v, -v}) {
        if (value > INT32_MAX || value < INT32_MIN) continue;
        const std::string expected = std::to_string(value);
        EXPECT_EQ(itou(static_cast<int32_t>(value), 10),
                  std::u16string(expected.begin(), expected.end()));
      }
    }
  }
}

TEST(CoreStrings, ItouRejectsRadixOutsideTwoToThirtySix) {
  EXPECT_EQ(itou(5, 1), u"");
  EXPECT_EQ(itou(5, 37), u"");
  EXPECT_EQ(osUTitou(5, nullptr, 10), nullptr);
}

TEST(CoreStrings, LengthCopyAndConcatenate) {
  unichar buffer[16] = {u'x', u'y', 0};
  EXPECT_EQ(osUTustrlen(U(u"abc")), 3);
  EXPECT_EQ(osUTustrlen(nullptr), 0);
  EXPECT_EQ(osUTustrcpy(buffer, U(u"12")), buffer);
  EXPECT_EQ(text(osUTustrcat(buffer, U(u"345"))), u"12345");
  EXPECT_EQ(text(osUTustrcpy(buffer, nullptr)), u"");  // a null source empties the target
  EXPECT_EQ(text(osUTustrcat(buffer, nullptr)), u"");
  EXPECT_EQ(osUTustrcpy(nullptr, U(u"a")), nullptr);
}

TEST(CoreStrings, CompareUpToCount) {
  EXPECT_EQ(osUTustrncmp(U(u"TCP-Sans"), U(u"TCP"), 3), 0);
  EXPECT_NE(osUTustrncmp(U(u"tcp"), U(u"TCP"), 3), 0);
  EXPECT_LT(osUTustrncmp(U(u"TC"), U(u"TCP"), 3), 0);
  EXPECT_GT(osUTustrncmp(U(u"\xFFFF"), U(u"a"), 1), 0);  // code units compare unsigned
  EXPECT_EQ(osUTustrncmp(U(u"abc"), U(u"abd"), 2), 0);
  EXPECT_EQ(osUTustrncmp(U(u"abc"), U(u"xyz"), 0), 0);
  EXPECT_LT(osUTustrncmp(nullptr, U(u"a"), 1), 0);
}

TEST(CoreStrings, LastOccurrence) {
  const unichar* number = U(u"1.234.5");
  EXPECT_EQ(osUTustrrchr(number, u'.'), number + 5);
  EXPECT_EQ(osUTustrrchr(number, u','), nullptr);
  EXPECT_EQ(osUTustrrchr(number, 0), number + 7);
  EXPECT_EQ(osUTustrrchr(nullptr, u'.'), nullptr);
}

TEST(CoreStrings, UpperCase) {
  EXPECT_EQ(osUTtoupper(u'a'), u'A');
  EXPECT_EQ(osUTtoupper(u'f'), u'F');
  EXPECT_EQ(osUTtoupper(u'9'), u'9');
  EXPECT_EQ(osUTtoupper(u'A'), u'A');
  EXPECT_EQ(osUTtoupper(0x00E9), 0x00C9);  // é
  EXPECT_EQ(osUTtoupper(0x00F7), 0x00F7);  // division sign
  EXPECT_EQ(osUTtoupper(0x00FF), 0x0178);  // ÿ
  EXPECT_EQ(osUTtoupper(0x0101), 0x0100);  // ā
  EXPECT_EQ(osUTtoupper(0x013E), 0x013D);  // ľ
  EXPECT_EQ(osUTtoupper(0x03B1), 0x0391);  // α
  EXPECT_EQ(osUTtoupper(0x0436), 0x0416);  // ж
}

TEST(CoreStrings, MemoryCopyAndFill) {
  unichar buffer[6] = {1, 2, 3, 4, 5, 6};
  EXPECT_EQ(osUTmemcpy(buffer + 1, buffer, 4 * sizeof(unichar)), buffer + 1);
  EXPECT_EQ(std::u16string(reinterpret_cast<char16_t*>(buffer), 6), u"\1\1\2\3\4\6");
  EXPECT_EQ(osUTmemset(buffer, 0, sizeof buffer), buffer);
  EXPECT_EQ(buffer[5], 0);
  EXPECT_EQ(osUTmemcpy(nullptr, buffer, 4), nullptr);
}

}  // namespace
