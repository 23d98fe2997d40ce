// The five nativeDrawFloat overloads through the VM frame: each one's text,
// rectangle, colours, codes, font and surface, and the float field's rules
// in both separator conventions.
#include "value_display_support.h"

#include <cstdio>
#include <limits>

namespace {

using tamri_test::floatWord;
using tamri_test::kConventions;
using tamri_test::word;
using Lines = std::vector<std::string>;

constexpr const char* kFloat = "nativeDrawFloat(FIIIIZZZIIIIIILgpclasses/graphics/CgpFont;)V";
constexpr const char* kFloatInCanvasFont = "nativeDrawFloat(FIIIZIIIIIII)V";
constexpr const char* kFloatInFont = "nativeDrawFloat(FIIIZIIIIIIILgpclasses/graphics/CgpFont;)V";
constexpr const char* kFloatAuto = "nativeDrawFloat(FIIIZZIIIIIILgpclasses/graphics/CgpFont;)V";

struct Field {
  float value;
  int32_t integerDigits, decimals;
  bool zeros = false, autoDecimals = false, grouping = false;
};

class FloatDisplayTest : public tamri_test::ValueDisplayTest {
 protected:
  // Codes 4 and 2, colours 0xABCDEF and 0x123456, the box (10, 20, 100, 30).
  std::vector<uint32_t> fieldScalars(const Field& f) {
    std::vector<uint32_t> s{floatWord(f.value), word(f.integerDigits), word(f.decimals), 4, 2};
    s.insert(s.end(), {f.autoDecimals, f.grouping, f.zeros, 0xABCDEF, 0x123456, 10, 20, 100, 30});
    return s;
  }
  std::string field(const Field& f) { return drawnText(kFloat, fieldScalars(f), {font}); }
  std::string fieldWithUnit(const Field& f, const std::u16string& unit) {
    return drawnText(kFloatWithUnit, fieldScalars(f), {font, vmhost::newString(unit)});
  }
};

TEST_F(FloatDisplayTest, EachOverloadDrawsOnTheTargetInItsColoursFontAndCodes) {
  const std::string colours = "{0x00ABCDEF, 0x80000000, 0x00123456}, 4, 2, ";
  EXPECT_EQ(draw(kFloat, fieldScalars({3.14159f, 2, 2}), {font}),
            Lines{"osGXsimpleText(0, {10, 20, 109, 49}, 9, \"3.14\", " + colours + "4)"});
  EXPECT_EQ(draw(kFloatWithUnit, fieldScalars({3.14159f, 2, 2}), {font, vmhost::newString(u"m")}),
            Lines{"osGXsimpleText(0, {10, 20, 109, 49}, 9, \"3.14m\", " + colours + "5)"});
  // value, integer digits, codes, zeros, decimals, colours, box.
  const std::vector<uint32_t> plain = {
      floatWord(-3.14159f), 2, 4, 2, 1, 1, 0xABCDEF, 0x123456, 11, 21, 50, 12};
  EXPECT_EQ(draw(kFloatInCanvasFont, plain),
            Lines{"osGXsimpleText(0, {11, 21, 60, 32}, 5, \"-03.1\", " + colours + "5)"});
  EXPECT_EQ(draw(kFloatInFont, plain, {font}),
            Lines{"osGXsimpleText(0, {11, 21, 60, 32}, 9, \"-03.1\", " + colours + "5)"});
  // value, integer digits, codes, auto decimals, zeros, colours, box.
  EXPECT_EQ(draw(kFloatAuto,
                 {floatWord(12.3456f), 5, 4, 2, 1, 0, 0xABCDEF, 0x123456, 12, 22, 40, 10}, {font}),
            Lines{"osGXsimpleText(0, {12, 22, 51, 31}, 9, \"12.346\", " + colours + "6)"});
  EXPECT_EQ(draw(kFloatAuto,
                 {floatWord(12.3456f), 5, 4, 2, 0, 1, 0xABCDEF, 0x123456, 12, 22, 40, 10}, {font}),
            Lines{"osGXsimpleText(0, {12, 22, 51, 31}, 9, \"00012\", " + colours + "5)"});
}

TEST_F(FloatDisplayTest, DecimalsZerosAndTheOverflowMark) {
  for (const auto& c : kConventions) {
    useSeparators(c);
    EXPECT_EQ(field({3.14159f, 2, 2, true}), c.shown("03.14"));
    EXPECT_EQ(field({-3.14159f, 2, 2, true}), c.shown("-03.14"));
    EXPECT_EQ(field({123.4f, 2, 1}), c.shown("**.*"));
    EXPECT_EQ(field({-123.4f, 2, 1}), c.shown("-**.*"));
    EXPECT_EQ(field({99.94f, 2, 1}), c.shown("99.9"));
    // Rounding up into one more digit no longer fits.
    EXPECT_EQ(field({9.996f, 1, 2}), c.shown("*.**"));
    // The sign's place counts for negative values only.
    EXPECT_EQ(field({-99.9f, 2, 1}), c.shown("-99.9"));
  }
}

TEST_F(FloatDisplayTest, ZeroDecimalsRoundAsThePlatformsPrintf) {
  char expected[16];
  for (const float value : {2.5f, 3.5f, -0.5f, 7.49f}) {
    std::snprintf(expected, sizeof expected, "%.0f", static_cast<double>(value));
    EXPECT_EQ(field({value, 3, 0}), expected) << value;
  }
}

TEST_F(FloatDisplayTest, AutomaticDecimalsFillTheIntegerDigits) {
  for (const auto& c : kConventions) {
    useSeparators(c);
    EXPECT_EQ(field({12.3456f, 5, 0, false, true}), c.shown("12.346"));
    EXPECT_EQ(field({0.5f, 5, 0, false, true}), c.shown("0.5000"));
    EXPECT_EQ(field({-0.5f, 5, 0, false, true}), c.shown("-0.5000"));
    EXPECT_EQ(field({1.0f, 3, 0, false, true}), c.shown("1.00"));
    EXPECT_EQ(field({10.0f, 3, 0, false, true}), c.shown("10.0"));
    // An integer part that fills the field keeps the decimals asked for.
    EXPECT_EQ(field({12.3f, 2, 2, false, true}), c.shown("12.30"));
    EXPECT_EQ(field({12345.6f, 5, 0, false, true}), "12346");
    EXPECT_EQ(field({12345.6f, 3, 1, false, true}), c.shown("***.*"));
  }
}

TEST_F(FloatDisplayTest, GroupingAppliesToTextAndOverflowMarkAlike) {
  for (const auto& c : kConventions) {
    useSeparators(c);
    EXPECT_EQ(field({1234567.5f, 7, 1, false, false, true}), c.shown("1,234,567.5"));
    EXPECT_EQ(field({-1234.5f, 4, 1, false, false, true}), c.shown("-1,234.5"));
    EXPECT_EQ(field({1234.5f, 6, 1, true, false, true}), c.shown("001,234.5"));
    EXPECT_EQ(field({1234567.0f, 5, 0, false, false, true}), c.shown("**,***"));
    EXPECT_EQ(field({-1234567.0f, 5, 2, false, false, true}), c.shown("-**,***.**"));
  }
}

TEST_F(FloatDisplayTest, UnitTextsFollowTheValueAndTheOverflowMark) {
  EXPECT_EQ(fieldWithUnit({21.5f, 2, 1}, u" °C"), "21.5 °C");
  EXPECT_EQ(fieldWithUnit({123.4f, 2, 1}, u" bar"), "**.* bar");
}

TEST_F(FloatDisplayTest, NotANumberInfinitiesAndMinusZero) {
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
  for (const bool autoDecimals : {false, true}) {
    EXPECT_EQ(field({kNaN, 2, 1, true, autoDecimals}), "**.*");
    EXPECT_EQ(field({-kNaN, 2, 1, true, autoDecimals}), "**.*");
    EXPECT_EQ(field({kInfinity, 2, 1, false, autoDecimals}), "**.*");
    EXPECT_EQ(field({-kInfinity, 2, 1, false, autoDecimals}), "-**.*");
  }
  EXPECT_EQ(field({-0.0f, 1, 2}), "0.00");
  EXPECT_EQ(field({-0.0f, 1, 2, true}), "0.00");
  EXPECT_EQ(field({-0.001f, 1, 2}), "-0.00");  // a negative value rounded to zero keeps its sign
}

}  // namespace
