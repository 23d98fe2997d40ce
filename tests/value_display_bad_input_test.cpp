// Field descriptions no panel should send: digit counts beyond the buffer or
// below zero, radixes outside 2 to 36, huge unit texts, values that are no
// numbers. Every text stays within its 80-character buffer and reads sensibly.
#include "value_display_support.h"

#include <limits>

namespace {

using tamri_test::floatWord;
using tamri_test::word;

constexpr int32_t kHuge = 1000;

class BadValueInputTest : public tamri_test::ValueDisplayTest {
 protected:
  std::string field(int32_t value, int32_t radix, int32_t integerDigits, int32_t decimals,
                    bool grouping, bool zeros, jword unit = 0) {
    return drawnText(kFieldWithUnit,
                     {word(value), word(radix), word(integerDigits), word(decimals), 1, 1, 0,
                      grouping, zeros, 0, 0, 0, 0, 9, 9},
                     {font, unit});
  }
  std::string floatField(float value, int32_t integerDigits, int32_t decimals, bool autoDecimals,
                         bool grouping, bool zeros, jword unit = 0) {
    return drawnText(kFloatWithUnit,
                     {floatWord(value), word(integerDigits), word(decimals), 1, 1, autoDecimals,
                      grouping, zeros, 0, 0, 0, 0, 9, 9},
                     {font, unit});
  }
  static std::string repeated(char c, size_t n) { return std::string(n, c); }
};

TEST_F(BadValueInputTest, FieldsWiderThanTheBufferShowAs58Digits) {
  EXPECT_EQ(field(5, 10, kHuge, 0, false, true), repeated('0', 57) + "5");
  EXPECT_EQ(field(-5, 10, kHuge, kHuge, false, true), "-0." + repeated('0', 57) + "5");
  EXPECT_EQ(field(INT32_MIN, 10, INT32_MAX, INT32_MAX, true, true).size(), 3u + 58u);
  // 58 zero-filled digits in groups of three: 19 separators, 77 characters.
  const std::string grouped = field(-1, 10, kHuge, 0, true, true);
  EXPECT_EQ(grouped.size(), 78u);
  EXPECT_EQ(grouped.substr(0, 4), "-0,0");
  EXPECT_EQ(grouped.substr(grouped.size() - 4), ",001");
  EXPECT_EQ(field(5, 16, kHuge, 0, true, true).size(), 58u + 14u);
  EXPECT_EQ(field(123, 10, 1, kHuge, true, false), "0." + repeated('0', 55) + "123");
}

TEST_F(BadValueInputTest, NegativeDigitCountsCountAsZero) {
  EXPECT_EQ(field(5, 10, -3, 2, false, false), "0.05");
  EXPECT_EQ(field(5, 10, -3, -2, false, true), "");  // a field of no digits shows nothing
  EXPECT_EQ(field(-5, 10, -3, -2, false, true), "-");
  EXPECT_EQ(window(12345, 10, -5, true), "");
  EXPECT_EQ(fixedPoint(12345, 10, -5, 0, true), "");
  EXPECT_EQ(fixedPoint(0, 10, 1, -3, true), "00");  // no decimals: zero has its extra place
}

TEST_F(BadValueInputTest, RadixesOutside2To36ShowAsterisks) {
  for (const int32_t radix : {0, 1, 37, -16, INT32_MIN}) {
    SCOPED_TRACE(radix);
    EXPECT_EQ(drawnText(kPlain, {255, word(radix), 0, 0, 9, 9}), "*");
    EXPECT_EQ(window(255, radix, 3, true), "***");
    EXPECT_EQ(fixedPoint(255, radix, 3, 2, true), "***");
    EXPECT_EQ(field(255, radix, 4, 2, true, true), "****");
    EXPECT_EQ(field(-255, radix, 4, 2, true, true), "-****");
  }
}

TEST_F(BadValueInputTest, LongWindowsAndFixedPointFieldsStayInTheBuffer) {
  EXPECT_EQ(window(7, 10, kHuge, true), repeated('0', 78) + "7");
  EXPECT_EQ(window(-7, 10, INT32_MAX, true), "-" + repeated('0', 77) + "7");
  EXPECT_EQ(fixedPoint(1, 10, kHuge, 2, true), repeated('0', 75) + ".01");
  EXPECT_EQ(fixedPoint(-1, 10, INT32_MAX, INT32_MAX, true),
            "-" + repeated('0', 66) + ".0000000001");
  EXPECT_EQ(fixedPoint(INT32_MIN, 10, kHuge, 0, false), "-2147483648");
  EXPECT_EQ(fixedPoint(255, 16, kHuge, kHuge, true), repeated('0', 75) + "FF");
}

TEST_F(BadValueInputTest, HugeUnitTextsAreCutAtTheBuffersEnd) {
  const jword unit = vmhost::newString(std::u16string(500, u'u'));
  EXPECT_EQ(field(1500, 10, 4, 0, false, false, unit), "1500" + repeated('u', 75));
  EXPECT_EQ(field(15000, 10, 4, 0, false, false, unit), "****" + repeated('u', 75));
  EXPECT_EQ(floatField(1.5f, 1, 1, false, false, false, unit), "1.5" + repeated('u', 76));
  const std::string wide = field(-1, 10, kHuge, 0, true, true, unit);
  EXPECT_EQ(wide.size(), 79u);
  EXPECT_EQ(wide.substr(wide.size() - 2), "1u");
  // A unit ends at a zero character, as its copy does.
  EXPECT_EQ(field(7, 10, 1, 0, false, false, vmhost::newString(std::u16string(u"kg\0x", 4))),
            "7kg");
}

TEST_F(BadValueInputTest, FloatFieldsBeyondTheBuffer) {
  constexpr float kLargest = std::numeric_limits<float>::max();
  // The largest float fits 39 digits and 38 decimals at most.
  const std::string largest = floatField(-kLargest, 39, kHuge, false, false, false);
  // 38 decimals leave 20 integer digits: 39 do not fit.
  EXPECT_EQ(largest, "-" + repeated('*', 20) + "." + repeated('*', 38));
  EXPECT_EQ(floatField(kLargest, kHuge, 0, false, false, true),
            "0000000000000000000340282346638528859811704183484516925440");
  EXPECT_EQ(floatField(1.5f, 1, kHuge, false, false, false), "1.5" + repeated('0', 37));
  EXPECT_EQ(floatField(0.5f, kHuge, 0, true, true, false), "0.5" + repeated('0', 56));
  EXPECT_EQ(floatField(-kLargest, kHuge, 0, false, true, true).size(), 78u);
  EXPECT_EQ(floatField(2.5f, -4, -1, false, false, true), "");  // no digits: an empty mark
}

TEST_F(BadValueInputTest, SeparatorsNeverSetReadAsPointAndComma) {
  useSeparators({0, 0});
  EXPECT_EQ(field(1234567, 10, 5, 2, true, false), "12,345.67");
  EXPECT_EQ(floatField(1234.5f, 4, 1, false, true, false), "1,234.5");
}

}  // namespace
