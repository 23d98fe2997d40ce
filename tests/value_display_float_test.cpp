// The five nativeDrawFloat overloads through the VM frame: each one's text,
// rectangle, colours, codes, font and surface, and the float field's rules
// in both separator conventions.
#include "value_display_support.h"

#include <limits>

namespace {

using namespace tamri_test;
using F = tamri::FloatField;

constexpr const char* kFloatInCanvasFont = "nativeDrawFloat(FIIIZIIIIIII)V";
constexpr const char* kFloatInFont = "nativeDrawFloat(FIIIZIIIIIIILgpclasses/graphics/CgpFont;)V";
constexpr const char* kFloatAuto = "nativeDrawFloat(FIIIZZIIIIIILgpclasses/graphics/CgpFont;)V";

constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

class FloatDisplayTest : public ValueDisplayTest {};

TEST_F(FloatDisplayTest, EachOverloadDrawsOnTheTargetInItsColoursFontAndCodes) {
  EXPECT_EQ(draw(kFloat, scalars(F{3.14159f, 2, 2}), {font}),
            simpleText("0, {10, 20, 109, 49}, 9", "3.14", kFieldLook));
  EXPECT_EQ(draw(kFloatWithUnit, scalars(F{3.14159f, 2, 2}), {font, unit(u"m")}),
            simpleText("0, {10, 20, 109, 49}, 9", "3.14m", kFieldLook));
  // value, integer digits, codes, zeros, decimals, colours, box.
  const std::vector<uint32_t> plain = {
      floatWord(-3.14159f), 2, 4, 2, 1, 1, 0xABCDEF, 0x123456, 11, 21, 50, 12};
  EXPECT_EQ(draw(kFloatInCanvasFont, plain),
            simpleText("0, {11, 21, 60, 32}, 5", "-03.1", kFieldLook));
  EXPECT_EQ(draw(kFloatInFont, plain, {font}),
            simpleText("0, {11, 21, 60, 32}, 9", "-03.1", kFieldLook));
  // value, integer digits, codes, auto decimals, zeros, colours, box.
  for (const auto& [autoDecimals, zeros, text] : {std::tuple{1u, 0u, "12.346"}, {0u, 1u, "00012"}})
    EXPECT_EQ(draw(kFloatAuto,
                   {floatWord(12.3456f), 5, 4, 2, autoDecimals, zeros, 0xABCDEF, 0x123456, 12, 22,
                    40, 10},
                   {font}),
              simpleText("0, {12, 22, 51, 31}, 9", text, kFieldLook));
}

// Rows in both conventions. Rounding up into one more digit no longer fits;
// the sign's place counts for negative values only; automatic decimals fill
// the integer digits, but an integer part that fills the field keeps the
// decimals asked for; grouping applies to the overflow mark alike.
TEST_F(FloatDisplayTest, DecimalsZerosAutomaticDecimalsGroupingAndTheOverflowMark) {
  const auto R = [](const char* text, auto... field) { return std::pair(F{field...}, text); };
  using Rows = std::vector<std::pair<F, const char*>>;
  const Rows decimals({R("03.14", 3.14159f, 2, 2, true), R("-03.14", -3.14159f, 2, 2, true),
                       R("**.*", 123.4f, 2, 1), R("-**.*", -123.4f, 2, 1), R("99.9", 99.94f, 2, 1),
                       R("*.**", 9.996f, 1, 2), R("-99.9", -99.9f, 2, 1),
                       R("12.346", 12.3456f, 5, 0, false, true),
                       R("0.5000", 0.5f, 5, 0, false, true), R("-0.5000", -0.5f, 5, 0, false, true),
                       R("1.00", 1.0f, 3, 0, false, true)});
  const Rows grouped({R("10.0", 10.0f, 3, 0, false, true), R("12.30", 12.3f, 2, 2, false, true),
                      R("12346", 12345.6f, 5, 0, false, true),
                      R("***.*", 12345.6f, 3, 1, false, true),
                      R("1,234,567.5", 1234567.5f, 7, 1, false, false, true),
                      R("-1,234.5", -1234.5f, 4, 1, false, false, true),
                      R("001,234.5", 1234.5f, 6, 1, true, false, true),
                      R("**,***", 1234567.0f, 5, 0, false, false, true),
                      R("-**,***.**", -1234567.0f, 5, 2, false, false, true)});
  // Not a number and the infinities overflow; minus zero shows as zero, but a negative value
  // rounded to zero keeps its sign; no decimals round halves as the C library's printf.
  const Rows oddValues(
      {R("**.*", kNaN, 2, 1, true, false), R("**.*", -kNaN, 2, 1, true, false),
       R("**.*", kInfinity, 2, 1, false, false), R("-**.*", -kInfinity, 2, 1, false, false),
       R("**.*", kNaN, 2, 1, true, true), R("**.*", -kNaN, 2, 1, true, true),
       R("**.*", kInfinity, 2, 1, false, true), R("-**.*", -kInfinity, 2, 1, false, true),
       R("0.00", -0.0f, 1, 2), R("0.00", -0.0f, 1, 2, true), R("-0.00", -0.001f, 1, 2),
       R("2", 2.5f, 3, 0), R("4", 3.5f, 3, 0), R("-0", -0.5f, 3, 0), R("7", 7.49f, 3, 0)});
  EXPECT_EQ(floating({21.5f, 2, 1}, unit(u" °C")), "21.5 °C");
  EXPECT_EQ(floating({123.4f, 2, 1}, unit(u" bar")), "**.* bar");
  for (const auto& c : kConventions) {
    useSeparators(c);
    for (const Rows& rows : {decimals, grouped, oddValues})
      for (const auto& [f, text] : rows) EXPECT_EQ(floating(f), c.shown(text)) << text;
  }
}

}  // namespace
