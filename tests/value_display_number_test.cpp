// The seven drawNumber overloads through the VM frame: each one's text,
// rectangle, colours, codes, font and surface, and the field rules in both
// separator conventions.
#include "value_display_support.h"

namespace {

using tamri_test::kConventions;
using tamri_test::word;
using Lines = std::vector<std::string>;

constexpr const char* kPlainInColour = "drawNumber(IIIIIIILgpclasses/graphics/CgpFont;)V";
constexpr const char* kSigned = "drawNumber(IIIIIIZIIIIIILgpclasses/graphics/CgpFont;)V";
constexpr const char* kField = "drawNumber(IIIIIIZZZIIIIIILgpclasses/graphics/CgpFont;)V";

struct Field {
  int32_t value, radix, integerDigits, decimals;
  bool isUnsigned = false, grouping = false, zeros = false;
};

class NumberDisplayTest : public tamri_test::ValueDisplayTest {
 protected:
  // The formatter's overload: codes 4 and 2, colours 0xABCDEF and 0x123456,
  // the box (10, 20, 100, 30).
  std::vector<uint32_t> fieldScalars(const Field& f) {
    std::vector<uint32_t> s{word(f.value), word(f.radix), word(f.integerDigits), word(f.decimals)};
    s.insert(s.end(),
             {4, 2, f.isUnsigned, f.grouping, f.zeros, 0xABCDEF, 0x123456, 10, 20, 100, 30});
    return s;
  }
  std::string field(const Field& f) { return drawnText(kField, fieldScalars(f), {font}); }
  std::string fieldWithUnit(const Field& f, const std::u16string& unit) {
    return drawnText(kFieldWithUnit, fieldScalars(f), {font, vmhost::newString(unit)});
  }
};

TEST_F(NumberDisplayTest, EachOverloadDrawsInItsOwnColoursFontCodesAndSurface) {
  // The canvas: colour 0x112233, second colour 0x778899, font 5, surface 3.
  EXPECT_EQ(draw(kPlain, {word(-42), 10, 10, 20, 100, 30}),
            Lines{"osGXsimpleText(3, {10, 20, 109, 49}, 5, \"-42\", "
                  "{0x00112233, 0x80000000, 0x00778899}, 1, 1, 3)"});
  EXPECT_EQ(draw(kWindow, {255, 16, 4, 6, 1, 11, 21, 50, 12}),
            Lines{"osGXsimpleText(3, {11, 21, 60, 32}, 5, \"00FF\", "
                  "{0x00112233, 0x80000000, 0x00778899}, 6, 1, 4)"});
  EXPECT_EQ(draw(kPlainInColour, {255, 16, 12, 22, 40, 10, 0xABCDEF}, {font}),
            Lines{"osGXsimpleText(3, {12, 22, 51, 31}, 9, \"FF\", "
                  "{0x00ABCDEF, 0x80000000, 0x00000000}, 1, 1, 2)"});
  // The formatter's overloads pass surface 0: the current target.
  EXPECT_EQ(draw(kSigned, {12345, 10, 3, 2, 4, 2, 0, 0xABCDEF, 0x123456, 13, 23, 60, 14}, {font}),
            Lines{"osGXsimpleText(0, {13, 23, 72, 36}, 9, \"123.45\", "
                  "{0x00ABCDEF, 0x80000000, 0x00123456}, 4, 2, 6)"});
  EXPECT_EQ(draw(kFixedPoint, {1234, 10, 3, 4, 2, 1, 2, 0xABCDEF, 0x123456, 14, 24, 70, 16}),
            Lines{"osGXsimpleText(3, {14, 24, 83, 39}, 5, \"012.34\", "
                  "{0x00ABCDEF, 0x80000000, 0x00123456}, 4, 2, 6)"});
  EXPECT_EQ(draw(kField, fieldScalars({-1, 10, 10, 0, true, true}), {font}),
            Lines{"osGXsimpleText(0, {10, 20, 109, 49}, 9, \"4,294,967,295\", "
                  "{0x00ABCDEF, 0x80000000, 0x00123456}, 4, 2, 13)"});
  EXPECT_EQ(draw(kFieldWithUnit, fieldScalars({1500, 10, 4, 0}), {font, vmhost::newString(u"rpm")}),
            Lines{"osGXsimpleText(0, {10, 20, 109, 49}, 9, \"1500rpm\", "
                  "{0x00ABCDEF, 0x80000000, 0x00123456}, 4, 2, 7)"});
}

TEST_F(NumberDisplayTest, PlainConversionInEveryRadix) {
  EXPECT_EQ(drawnText(kPlain, {word(-1), 16, 0, 0, 9, 9}), "FFFFFFFF");
  EXPECT_EQ(drawnText(kPlain, {35, 36, 0, 0, 9, 9}), "z");  // only radix 16 is upper-cased
}

TEST_F(NumberDisplayTest, TheFieldSplitsDecimalsAndFillsZerosAfterTheSign) {
  for (const auto& c : kConventions) {
    useSeparators(c);
    EXPECT_EQ(field({12345, 10, 3, 2}), c.shown("123.45"));
    EXPECT_EQ(field({12345, 10, 4, 2, false, false, true}), c.shown("0123.45"));
    EXPECT_EQ(field({-5, 10, 2, 1, false, false, true}), c.shown("-00.5"));
    EXPECT_EQ(field({5, 10, 1, 3}), c.shown("0.005"));
    EXPECT_EQ(field({45, 10, 1, 2}), c.shown("0.45"));
    EXPECT_EQ(field({-45, 10, 0, 3}), c.shown("-0.045"));
    // The signed overload: no grouping, no unit.
    EXPECT_EQ(drawnText(kSigned, {word(-12345), 10, 3, 2, 1, 1, 1, 0, 0, 0, 0, 9, 9}, {font}),
              c.shown("-123.45"));
  }
}

TEST_F(NumberDisplayTest, ValuesThatDoNotFitShowTheOverflowMark) {
  for (const auto& c : kConventions) {
    useSeparators(c);
    EXPECT_EQ(field({-123456, 10, 3, 2}), c.shown("-***.**"));
    // The sign does not count against the field; six digits do not fit five.
    EXPECT_EQ(field({-99999, 10, 3, 2}), c.shown("-999.99"));
    EXPECT_EQ(field({100000, 10, 3, 2}), c.shown("***.**"));
    // Neither grouped nor zero-filled; no decimal part outside radix 10.
    EXPECT_EQ(field({1234567, 10, 5, 1, false, true, true}), c.shown("*****.*"));
    EXPECT_EQ(field({0x12345, 16, 4, 2}), "****");
    EXPECT_EQ(field({-1, 16, 4, 0}), "-****");
    EXPECT_EQ(field({-1, 16, 4, 0, true}), "****");
  }
}

TEST_F(NumberDisplayTest, RadixesUnsignedValuesAndGrouping) {
  for (const auto& c : kConventions) {
    useSeparators(c);
    EXPECT_EQ(field({255, 16, 4, 3, false, false, true}), "00FF");  // decimals only in radix 10
    EXPECT_EQ(field({0x12345678, 16, 8, 0, false, true}), "1234 5678");
    // Only radix 10 shows a sign: -1 in radix 16 is eight digits, one zero short.
    EXPECT_EQ(field({-1, 16, 9, 0, false, false, true}), "0FFFFFFFF");
    EXPECT_EQ(field({-1, 10, 10, 0, true, true}), c.shown("4,294,967,295"));
    EXPECT_EQ(field({-8, 8, 11, 0, true, true}), "37 777 777 770");
    EXPECT_EQ(field({0xA5, 2, 12, 0, false, true, true}), "0000 1010 0101");
    EXPECT_EQ(field({1295, 36, 2, 0, false, true}), "zz");  // radix 36 is not grouped
    // Zeros are grouped like digits; decimals never are.
    EXPECT_EQ(field({1234, 10, 7, 0, false, true, true}), c.shown("0,001,234"));
    EXPECT_EQ(field({12345678, 10, 4, 4, false, true}), c.shown("1,234.5678"));
    EXPECT_EQ(field({-1234, 10, 4, 0, false, true}), c.shown("-1,234"));
    EXPECT_EQ(field({-123456, 10, 6, 0, false, true}), c.shown("-123,456"));  // full last group
    EXPECT_EQ(field({-123, 10, 4, 0, false, true}), "-123");
    EXPECT_EQ(field({999, 10, 4, 0, false, true}), "999");
  }
}

TEST_F(NumberDisplayTest, UnitTextsFollowTheValueAndTheOverflowMark) {
  EXPECT_EQ(fieldWithUnit({15000, 10, 4, 0}, u"rpm"), "****rpm");
  EXPECT_EQ(fieldWithUnit({-215, 10, 2, 1}, u" °C"), "-21.5 °C");
  // A null unit string is no unit.
  EXPECT_EQ(drawnText(kFieldWithUnit, fieldScalars({7, 10, 1, 0}), {font, 0}), "7");
}

TEST_F(NumberDisplayTest, TheDigitWindowShowsTheLastDigits) {
  EXPECT_EQ(window(12345, 10, 3, false), "345");
  EXPECT_EQ(window(7, 10, 3, true), "007");
  EXPECT_EQ(window(7, 10, 3, false), "7");
  EXPECT_EQ(window(0xABCDE, 16, 4, false), "BCDE");
  // Leading zeros go after the sign; a cut may take the sign away.
  EXPECT_EQ(window(-7, 10, 4, true), "-007");
  EXPECT_EQ(window(-12345, 10, 3, true), "345");
}

TEST_F(NumberDisplayTest, FixedPointFields) {
  for (const auto& c : kConventions) {
    useSeparators(c);
    EXPECT_EQ(fixedPoint(1, 10, 3, 2, true), c.shown("000.01"));
    EXPECT_EQ(fixedPoint(1234, 10, 3, 2, false), c.shown("12.34"));
    EXPECT_EQ(fixedPoint(12345, 10, 3, 2, false), c.shown("123.45"));  // just fits
    EXPECT_EQ(fixedPoint(-5, 10, 3, 3, false), c.shown("-0.005"));
    EXPECT_EQ(fixedPoint(-5, 10, 3, 1, true), c.shown("-00.5"));
    // Too many digits: digits asterisks, the separator and decimal asterisks;
    // a negative value has one place more and no sign.
    EXPECT_EQ(fixedPoint(123456, 10, 3, 2, true), c.shown("***.**"));
    EXPECT_EQ(fixedPoint(-123456, 10, 3, 2, true), c.shown("****.**"));
    // Decimals above 10 count as 10.
    EXPECT_EQ(fixedPoint(7, 10, 1, 12, false), c.shown("0.0000000007"));
  }
  EXPECT_EQ(fixedPoint(0, 10, 3, 0, true), "0000");  // zero with zeros has one place more
  EXPECT_EQ(fixedPoint(-5, 10, 3, 0, true), "-05");  // the sign takes its extra place
  EXPECT_EQ(fixedPoint(12345, 10, 3, 0, false), "***");
  EXPECT_EQ(fixedPoint(123, 10, 3, 0, false), "123");  // just fits
  EXPECT_EQ(fixedPoint(255, 16, 4, 0, true), "00FF");
  EXPECT_EQ(fixedPoint(0x12345, 16, 4, 0, true), "****");
  // In another radix the decimals only widen the field: the row of
  // asterisks is zero-filled to it like any text.
  EXPECT_EQ(fixedPoint(0x12345, 16, 4, 2, true), "0*****");
}

}  // namespace
