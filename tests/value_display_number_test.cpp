// The seven drawNumber overloads through the VM frame: each one's text,
// rectangle, colours, codes, font and surface, and the field rules in both
// separator conventions.
#include "value_display_support.h"

namespace {

using namespace tamri_test;
using N = tamri::NumberField;

constexpr const char* kPlainInColour = "drawNumber(IIIIIIILgpclasses/graphics/CgpFont;)V";
constexpr const char* kSigned = "drawNumber(IIIIIIZIIIIIILgpclasses/graphics/CgpFont;)V";

class NumberDisplayTest : public ValueDisplayTest {};

TEST_F(NumberDisplayTest, EachOverloadDrawsInItsOwnColoursFontCodesAndSurface) {
  // The canvas: colour 0x112233, second colour 0x778899, font 5, surface 3.
  const std::string canvasLook = "{0x00112233, 0x80000000, 0x00778899}";
  EXPECT_EQ(draw(kPlain, {word(-42), 10, 10, 20, 100, 30}),
            simpleText("3, {10, 20, 109, 49}, 5", "-42", canvasLook + ", 1, 1"));
  EXPECT_EQ(draw(kWindow, {255, 16, 4, 6, 1, 11, 21, 50, 12}),
            simpleText("3, {11, 21, 60, 32}, 5", "00FF", canvasLook + ", 6, 1"));
  EXPECT_EQ(
      draw(kPlainInColour, {255, 16, 12, 22, 40, 10, 0xABCDEF}, {font}),
      simpleText("3, {12, 22, 51, 31}, 9", "FF", "{0x00ABCDEF, 0x80000000, 0x00000000}, 1, 1"));
  // The formatter's overloads pass surface 0: the current target.
  EXPECT_EQ(draw(kSigned, {12345, 10, 3, 2, 4, 2, 0, 0xABCDEF, 0x123456, 13, 23, 60, 14}, {font}),
            simpleText("0, {13, 23, 72, 36}, 9", "123.45", kFieldLook));
  EXPECT_EQ(draw(kFixedPoint, {1234, 10, 3, 4, 2, 1, 2, 0xABCDEF, 0x123456, 14, 24, 70, 16}),
            simpleText("3, {14, 24, 83, 39}, 5", "012.34", kFieldLook));
  EXPECT_EQ(draw(kField, scalars(N{-1, 10, 10, 0, true, true}), {font}),
            simpleText("0, {10, 20, 109, 49}, 9", "4,294,967,295", kFieldLook));
  EXPECT_EQ(draw(kFieldWithUnit, scalars(N{1500, 10, 4, 0}), {font, unit(u"rpm")}),
            simpleText("0, {10, 20, 109, 49}, 9", "1500rpm", kFieldLook));
  // Only radix 16 is upper-cased.
  EXPECT_EQ(drawnText(kPlain, {word(-1), 16, 0, 0, 9, 9}), "FFFFFFFF");
  EXPECT_EQ(drawnText(kPlain, {35, 36, 0, 0, 9, 9}), "z");
}

// Rows in both conventions: zeros go after the sign; the sign does not count
// against the field; an overflow is neither grouped nor zero-filled and has
// no decimal part outside radix 10; zeros are grouped like digits, decimals
// never are.
TEST_F(NumberDisplayTest, TheFieldSplitsDecimalsFillsZerosGroupsAndOverflows) {
  const auto R = [](const char* text, auto... field) { return std::pair(N{field...}, text); };
  // Only radix 10 shows a sign: -1 in radix 16 is eight digits, one zero short (0FFFFFFFF);
  // radix 36 is not grouped (zz); a full last group (-123,456).
  using Rows = std::vector<std::pair<N, const char*>>;
  const Rows splits(
      {R("123.45", 12345, 10, 3, 2), R("0123.45", 12345, 10, 4, 2, false, false, true),
       R("-00.5", -5, 10, 2, 1, false, false, true), R("0.005", 5, 10, 1, 3),
       R("0.45", 45, 10, 1, 2), R("-0.045", -45, 10, 0, 3), R("-***.**", -123456, 10, 3, 2),
       R("-999.99", -99999, 10, 3, 2), R("***.**", 100000, 10, 3, 2),
       R("*****.*", 1234567, 10, 5, 1, false, true, true), R("****", 0x12345, 16, 4, 2),
       R("-****", -1, 16, 4, 0), R("****", -1, 16, 4, 0, true)});
  const Rows radixes(
      {R("00FF", 255, 16, 4, 3, false, false, true),
       R("1234 5678", 0x12345678, 16, 8, 0, false, true),
       R("0FFFFFFFF", -1, 16, 9, 0, false, false, true),
       R("4,294,967,295", -1, 10, 10, 0, true, true), R("37 777 777 770", -8, 8, 11, 0, true, true),
       R("0000 1010 0101", 0xA5, 2, 12, 0, false, true, true), R("zz", 1295, 36, 2, 0, false, true),
       R("0,001,234", 1234, 10, 7, 0, false, true, true),
       R("1,234.5678", 12345678, 10, 4, 4, false, true), R("-1,234", -1234, 10, 4, 0, false, true),
       R("-123,456", -123456, 10, 6, 0, false, true), R("-123", -123, 10, 4, 0, false, true),
       R("999", 999, 10, 4, 0, false, true)});
  // Units follow the value and the overflow mark; a null unit is none.
  EXPECT_EQ(number({15000, 10, 4, 0}, unit(u"rpm")), "****rpm");
  EXPECT_EQ(number({-215, 10, 2, 1}, unit(u" °C")), "-21.5 °C");
  EXPECT_EQ(number({7, 10, 1, 0}, 0), "7");
  for (const auto& c : kConventions) {
    useSeparators(c);
    for (const Rows& rows : {splits, radixes})
      for (const auto& [f, text] : rows) EXPECT_EQ(number(f), c.shown(text)) << text;
    // The signed overload: no grouping, no unit.
    EXPECT_EQ(drawnText(kSigned, {word(-12345), 10, 3, 2, 1, 1, 1, 0, 0, 0, 0, 9, 9}, {font}),
              c.shown("-123.45"));
  }
}

// Leading zeros go after the sign; a cut may take the sign away.
TEST_F(NumberDisplayTest, TheDigitWindowShowsTheLastDigits) {
  using W = std::tuple<int32_t, int32_t, int32_t, bool, const char*>;
  for (const auto& [value, radix, digits, zeros, text] :
       std::vector<W>({W{12345, 10, 3, false, "345"}, W{7, 10, 3, true, "007"},
                       W{7, 10, 3, false, "7"}, W{0xABCDE, 16, 4, false, "BCDE"},
                       W{-7, 10, 4, true, "-007"}, W{-12345, 10, 3, true, "345"}}))
    EXPECT_EQ(window(value, radix, digits, zeros), text) << text;
}

// Zero with zeros has one place more, and so does the sign; decimals above 10 count as 10. Too many
// digits: digits asterisks, the separator and decimal asterisks; a negative value has one place
// more and no sign. In another radix the decimals only widen the field: the row of asterisks is
// zero-filled to it like any text.
TEST_F(NumberDisplayTest, FixedPointFields) {
  using P = std::tuple<int32_t, int32_t, int32_t, int32_t, bool, const char*>;
  const std::vector<P> rows(
      {P{1, 10, 3, 2, true, "000.01"}, P{1234, 10, 3, 2, false, "12.34"},
       P{12345, 10, 3, 2, false, "123.45"}, P{-5, 10, 3, 3, false, "-0.005"},
       P{-5, 10, 3, 1, true, "-00.5"}, P{123456, 10, 3, 2, true, "***.**"},
       P{-123456, 10, 3, 2, true, "****.**"}, P{7, 10, 1, 12, false, "0.0000000007"},
       P{0, 10, 3, 0, true, "0000"}, P{-5, 10, 3, 0, true, "-05"}, P{12345, 10, 3, 0, false, "***"},
       P{123, 10, 3, 0, false, "123"}, P{255, 16, 4, 0, true, "00FF"},
       P{0x12345, 16, 4, 0, true, "****"}, P{0x12345, 16, 4, 2, true, "0*****"}});
  for (const auto& c : kConventions) {
    useSeparators(c);
    for (const auto& [value, radix, digits, decimals, zeros, text] : rows)
      EXPECT_EQ(fixedPoint(value, radix, digits, decimals, zeros), c.shown(text)) << text;
  }
}

}  // namespace
