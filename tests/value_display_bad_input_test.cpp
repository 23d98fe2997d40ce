// Field descriptions no panel should send: digit counts beyond the buffer or
// below zero, radixes outside 2 to 36, huge unit texts, values that are no
// numbers. Every text stays within its 80-character buffer and reads sensibly.
#include "value_display_support.h"

#include <limits>

namespace {

using namespace tamri_test;

constexpr int32_t kHuge = 1000;
constexpr float kLargest = std::numeric_limits<float>::max();

std::string repeated(const std::string& s, size_t n) {
  std::string text;
  while (n--) text += s;
  return text;
}

class BadValueInputTest : public ValueDisplayTest {};

// 58 digits at most, zero-filled in groups of three: 19 separators; 14 in
// groups of four.
TEST_F(BadValueInputTest, FieldsWiderThanTheBufferShowAs58Digits) {
  const std::string grouped = "-0" + repeated(",000", 18) + ",001";
  EXPECT_EQ(number({5, 10, kHuge, 0, false, false, true}), repeated("0", 57) + "5");
  EXPECT_EQ(number({-5, 10, kHuge, kHuge, false, false, true}), "-0." + repeated("0", 57) + "5");
  EXPECT_EQ(number({INT32_MIN, 10, INT32_MAX, INT32_MAX, false, true, true}),
            "-0." + repeated("0", 48) + "2147483648");
  EXPECT_EQ(number({-1, 10, kHuge, 0, false, true, true}), grouped);
  EXPECT_EQ(number({5, 16, kHuge, 0, false, true, true}), "00" + repeated(" 0000", 13) + " 0005");
  EXPECT_EQ(number({123, 10, 1, kHuge, false, true}), "0." + repeated("0", 55) + "123");
  // A unit is cut at the buffer's end; it ends at a zero character, as its copy does.
  const jword u500 = unit(std::u16string(500, u'u'));
  EXPECT_EQ(number({1500, 10, 4, 0}, u500), "1500" + repeated("u", 75));
  EXPECT_EQ(number({15000, 10, 4, 0}, u500), "****" + repeated("u", 75));
  EXPECT_EQ(floating({1.5f, 1, 1}, u500), "1.5" + repeated("u", 76));
  EXPECT_EQ(number({-1, 10, kHuge, 0, false, true, true}, u500), grouped + "u");
  EXPECT_EQ(number({7, 10, 1, 0}, unit(std::u16string(u"kg\0x", 4))), "7kg");
}

// Negative digit counts count as zero; long windows and fixed-point fields
// stay in the buffer.
TEST_F(BadValueInputTest, DigitCountsBelowZeroOrBeyondTheBuffer) {
  EXPECT_EQ(number({5, 10, -3, 2}), "0.05");
  EXPECT_EQ(number({5, 10, -3, -2, false, false, true}), "");  // no digits show nothing
  EXPECT_EQ(number({-5, 10, -3, -2, false, false, true}), "-");
  EXPECT_EQ(window(12345, 10, -5, true), "");
  EXPECT_EQ(fixedPoint(12345, 10, -5, 0, true), "");
  EXPECT_EQ(fixedPoint(0, 10, 1, -3, true), "00");  // no decimals: zero has its extra place
  EXPECT_EQ(floating({2.5f, -4, -1, true}), "");
  EXPECT_EQ(window(7, 10, kHuge, true), repeated("0", 78) + "7");
  EXPECT_EQ(window(-7, 10, INT32_MAX, true), "-" + repeated("0", 77) + "7");
  EXPECT_EQ(fixedPoint(1, 10, kHuge, 2, true), repeated("0", 75) + ".01");
  EXPECT_EQ(fixedPoint(-1, 10, INT32_MAX, INT32_MAX, true),
            "-" + repeated("0", 66) + ".0000000001");
  EXPECT_EQ(fixedPoint(INT32_MIN, 10, kHuge, 0, false), "-2147483648");
  EXPECT_EQ(fixedPoint(255, 16, kHuge, kHuge, true), repeated("0", 75) + "FF");
}

TEST_F(BadValueInputTest, RadixesOutside2To36ShowAsterisks) {
  for (const int32_t radix : {0, 1, 37, -16, INT32_MIN}) {
    SCOPED_TRACE(radix);
    EXPECT_EQ(drawnText(kPlain, {255, word(radix), 0, 0, 9, 9}), "*");
    EXPECT_EQ(window(255, radix, 3, true), "***");
    EXPECT_EQ(fixedPoint(255, radix, 3, 2, true), "***");
    EXPECT_EQ(number({255, radix, 4, 2, false, true, true}), "****");
    EXPECT_EQ(number({-255, radix, 4, 2, false, true, true}), "-****");
  }
}

// The largest float fits 39 digits and 38 decimals at most: 38 decimals
// leave 20 integer digits, and 39 do not fit.
TEST_F(BadValueInputTest, FloatFieldsBeyondTheBuffer) {
  EXPECT_EQ(floating({-kLargest, 39, kHuge}), "-" + repeated("*", 20) + "." + repeated("*", 38));
  EXPECT_EQ(floating({kLargest, kHuge, 0, true}),
            "0000000000000000000340282346638528859811704183484516925440");
  EXPECT_EQ(floating({-kLargest, kHuge, 0, true, false, true}),
            "-0,000,000,000,000,000,000,340,282,346,638,528,859,811,704,183,484,516,925,440");
  EXPECT_EQ(floating({1.5f, 1, kHuge}), "1.5" + repeated("0", 37));
  EXPECT_EQ(floating({0.5f, kHuge, 0, false, true, true}), "0.5" + repeated("0", 56));
}

TEST_F(BadValueInputTest, SeparatorsNeverSetReadAsPointAndComma) {
  useSeparators({0, 0});
  EXPECT_EQ(number({1234567, 10, 5, 2, false, true}), "12,345.67");
  EXPECT_EQ(floating({1234.5f, 4, 1, false, false, true}), "1,234.5");
}

}  // namespace
