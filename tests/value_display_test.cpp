// The value natives of the canvas through the VM frame: the drawNumber,
// nativeDrawFloat and drawDateTime overloads, each one's text, rectangle,
// colours, codes, font and surface, the field rules in both separator
// conventions, and field descriptions no panel should send.
#include "platform/core/core_host.h"
#include "valuedisplay/float_field.h"
#include "valuedisplay/number_field.h"
#include "vm_test_support.h"

#include <bit>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace tamri_test;

// Expected texts are written with "." and ","; the other convention swaps them.
struct SeparatorConvention {
  char16_t decimal, group;

  std::string shown(std::string text) const {
    for (char& c : text) c = c == '.' ? char(decimal) : c == ',' ? char(group) : c;
    return text;
  }
};
constexpr SeparatorConvention kPointConvention{u'.', u','};
constexpr SeparatorConvention kConventions[] = {kPointConvention, {u',', u'.'}};

uint32_t word(int32_t value) { return static_cast<uint32_t>(value); }
uint32_t floatWord(float value) { return std::bit_cast<uint32_t>(value); }

using Lines = std::vector<std::string>;

// The one simple text call of a native: surface, box and font, the text,
// colours and codes, and the text's length.
Lines simpleText(const std::string& where, const std::string& text, const std::string& look) {
  return {"osGXsimpleText(" + where + ", \"" + text + "\", " + look + ", " +
          std::to_string(text.size()) + ")"};
}
// The colours and codes of the formatter's overloads below.
constexpr const char* kFieldLook = "{0x00ABCDEF, 0x80000000, 0x00123456}, 4, 2";

class ValueDisplayTest : public VmTest {
 protected:
  static constexpr const char* kCanvas = "gpclasses/graphics/CgpCanvas";
  static constexpr const char* kPlain = "drawNumber(IIIIII)V";
  static constexpr const char* kWindow = "drawNumber(IIIIZIIII)V";
  static constexpr const char* kFixedPoint = "drawNumber(IIIIIZIIIIIII)V";
  static constexpr const char* kField = "drawNumber(IIIIIIZZZIIIIIILgpclasses/graphics/CgpFont;)V";
  static constexpr const char* kFieldWithUnit =
      "drawNumber(IIIIIIZZZIIIIIILgpclasses/graphics/CgpFont;Ljava/lang/String;)V";
  static constexpr const char* kFloat =
      "nativeDrawFloat(FIIIIZZZIIIIIILgpclasses/graphics/CgpFont;)V";
  static constexpr const char* kFloatWithUnit =
      "nativeDrawFloat(FIIIIZZZIIIIIILgpclasses/graphics/CgpFont;Ljava/lang/String;)V";

  void SetUp() override {
    VmTest::SetUp();
    using F = std::pair<const char*, int64_t>;
    canvas = makeObject(kCanvas, {F("color", 0x112233), F("backColor", 0x445566),
                                  F("secondColor", 0x778899), F("font", 5), F("surface", 3)});
    font = makeObject("gpclasses/graphics/CgpFont", {{"fontHandle", 9}});
    useSeparators(kPointConvention);
    useTimeZoneOffset(0);
  }
  void TearDown() override { corehost::setTimeZoneOffset(std::nullopt); }

  static void useSeparators(const SeparatorConvention& convention) {
    vmhost::setStaticField(kCanvas, "decimalSeparator", convention.decimal);
    vmhost::setStaticField(kCanvas, "groupSeparator", convention.group);
  }
  // Pins the platform's offset and tells the module the time changed.
  void useTimeZoneOffset(int32_t minutes) {
    corehost::setTimeZoneOffset(std::chrono::minutes(minutes));
    callOn(canvas, "onTimeChange()V");
  }

  Lines draw(const char* nameSig, std::vector<uint32_t> scalars, std::vector<jword> refs = {}) {
    host::traceClear();
    callOn(canvas, nameSig, std::move(scalars), std::move(refs));
    return traceWith("osGX");
  }
  // The text of the one simple text call the native made.
  std::string drawnText(const char* nameSig, std::vector<uint32_t> scalars,
                        std::vector<jword> refs = {}) {
    const Lines calls = draw(nameSig, std::move(scalars), std::move(refs));
    EXPECT_EQ(calls.size(), 1u) << nameSig;
    const std::string call = calls.empty() ? "" : calls[0];
    EXPECT_EQ(call.rfind("osGXsimpleText(", 0), 0u) << call;
    return call.substr(call.find('"') + 1, call.rfind('"') - call.find('"') - 1);
  }

  // The formatter's overloads: codes 4 and 2, colours 0xABCDEF and 0x123456,
  // the box (10, 20, 100, 30).
  static std::vector<uint32_t> withLookAndBox(std::vector<uint32_t> head) {
    head.insert(head.end(), {0xABCDEF, 0x123456, 10, 20, 100, 30});
    return head;
  }
  static std::vector<uint32_t> scalars(const tamri::NumberField& f) {
    return withLookAndBox({word(f.value), word(f.radix), word(f.integerDigits), word(f.decimals), 4,
                           2, f.isUnsigned, f.grouping, f.zeros});
  }
  static std::vector<uint32_t> scalars(const tamri::FloatField& f) {
    return withLookAndBox({floatWord(f.value), word(f.integerDigits), word(f.decimals), 4, 2,
                           f.autoDecimals, f.grouping, f.zeros});
  }
  // 0 is a null unit string; without one the overload without a unit is called.
  std::string number(const tamri::NumberField& f) { return drawnText(kField, scalars(f), {font}); }
  std::string number(const tamri::NumberField& f, jword unit) {
    return drawnText(kFieldWithUnit, scalars(f), {font, unit});
  }
  std::string floating(const tamri::FloatField& f) { return drawnText(kFloat, scalars(f), {font}); }
  std::string floating(const tamri::FloatField& f, jword unit) {
    return drawnText(kFloatWithUnit, scalars(f), {font, unit});
  }
  static jword unit(const std::u16string& text) { return vmhost::newString(text); }

  // The digit window and the fixed-point field in the canvas's look.
  std::string window(int32_t value, int32_t radix, int32_t digits, bool zeros) {
    return drawnText(kWindow, {word(value), word(radix), word(digits), 1, zeros, 0, 0, 9, 9});
  }
  std::string fixedPoint(int32_t value, int32_t radix, int32_t digits, int32_t decimals,
                         bool zeros) {
    return drawnText(kFixedPoint, {word(value), word(radix), word(digits), 1, 1, zeros,
                                   word(decimals), 0, 0, 0, 0, 9, 9});
  }

  jword canvas = 0, font = 0;
};

// drawNumber: seven overloads.
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
  // The formatter's overloads pass surface 0: the current target (the field overloads: readouts).
  EXPECT_EQ(draw(kSigned, {12345, 10, 3, 2, 4, 2, 0, 0xABCDEF, 0x123456, 13, 23, 60, 14}, {font}),
            simpleText("0, {13, 23, 72, 36}, 9", "123.45", kFieldLook));
  EXPECT_EQ(draw(kFixedPoint, {1234, 10, 3, 4, 2, 1, 2, 0xABCDEF, 0x123456, 14, 24, 70, 16}),
            simpleText("3, {14, 24, 83, 39}, 5", "012.34", kFieldLook));
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
       R("0FFFFFFFF", -1, 16, 9, 0, false, false, true),
       R("4,294,967,295", -1, 10, 10, 0, true, true), R("37 777 777 770", -8, 8, 11, 0, true, true),
       R("0000 1010 0101", 0xA5, 2, 12, 0, false, true, true), R("zz", 1295, 36, 2, 0, false, true),
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
  const std::vector<P> rows({P{1, 10, 3, 2, true, "000.01"}, P{12345, 10, 3, 2, false, "123.45"},
                             P{-5, 10, 3, 3, false, "-0.005"}, P{-5, 10, 3, 1, true, "-00.5"},
                             P{123456, 10, 3, 2, true, "***.**"},
                             P{-123456, 10, 3, 2, true, "****.**"},
                             P{7, 10, 1, 12, false, "0.0000000007"}, P{0, 10, 3, 0, true, "0000"},
                             P{-5, 10, 3, 0, true, "-05"}, P{12345, 10, 3, 0, false, "***"},
                             P{123, 10, 3, 0, false, "123"}, P{255, 16, 4, 0, true, "00FF"},
                             P{0x12345, 16, 4, 2, true, "0*****"}});
  for (const auto& c : kConventions) {
    useSeparators(c);
    for (const auto& [value, radix, digits, decimals, zeros, text] : rows)
      EXPECT_EQ(fixedPoint(value, radix, digits, decimals, zeros), c.shown(text)) << text;
  }
}

// nativeDrawFloat: five overloads.
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
                      R("-1,234.5", -1234.5f, 4, 1, false, false, true),
                      R("001,234.5", 1234.5f, 6, 1, true, false, true),
                      R("**,***", 1234567.0f, 5, 0, false, false, true),
                      R("-**,***.**", -1234567.0f, 5, 2, false, false, true)});
  // Not a number and the infinities overflow; minus zero shows as zero, but a negative value
  // rounded to zero keeps its sign; no decimals round halves as the C library's printf.
  const Rows oddValues({R("**.*", kNaN, 2, 1, true, false), R("**.*", -kNaN, 2, 1, true, false),
                        R("**.*", kInfinity, 2, 1, false, false),
                        R("-**.*", -kInfinity, 2, 1, false, false), R("0.00", -0.0f, 1, 2),
                        R("0.00", -0.0f, 1, 2, true), R("-0.00", -0.001f, 1, 2), R("2", 2.5f, 3, 0),
                        R("4", 3.5f, 3, 0), R("-0", -0.5f, 3, 0), R("7", 7.49f, 3, 0)});
  EXPECT_EQ(floating({123.4f, 2, 1}, unit(u" bar")), "**.* bar");
  for (const auto& c : kConventions) {
    useSeparators(c);
    for (const Rows& rows : {decimals, grouped, oddValues})
      for (const auto& [f, text] : rows) EXPECT_EQ(floating(f), c.shown(text)) << text;
  }
}

// drawDateTime: thirteen formats, the calendar, the time zone.
constexpr const char* kDateTime = "drawDateTime(IIIIIIILgpclasses/graphics/CgpFont;)V";
// 2024-03-07 14:05:09 GMT.
constexpr int32_t kSeventhOfMarch = 1709820309;

class DateTimeDisplayTest : public ValueDisplayTest {
 protected:
  std::string shown(int32_t code, int32_t time) {
    return drawnText(kDateTime, {word(code), word(time), 0, 0, 9, 9, 0}, {font});
  }
};

// The call itself, formats 1, 4 and 20 and the offset asked once: the readouts scene.
TEST_F(DateTimeDisplayTest, EveryFormatCode) {
  const std::pair<int32_t, const char*> formats[] = {
      {1, "2024/03/07"}, {2, "2024/07/03"}, {3, "03/07/2024"}, {4, "07/03/2024"}, {5, "24/03/07"},
      {6, "24/07/03"},   {7, "03/07/24"},   {8, "07/03/24"},   {9, "20240307"},   {10, "03/07"},
      {11, "240307"},    {12, "07/03"},     {20, "14:05:09"},  {0, " "},          {13, " "},
      {19, " "},         {21, " "},         {INT32_MIN, " "}};
  for (const auto& [code, text] : formats) EXPECT_EQ(shown(code, kSeventhOfMarch), text) << code;
}

// Each row tells the module the time changed: a kept offset would fail the next. The two ends of
// 32-bit time, the short year of the first, and offsets: east of Greenwich in its last hour local
// time does not wrap, and offsets far beyond the host's reach the full calendar (2100 is not a leap
// year; the proleptic calendar runs on before year 0).
TEST_F(DateTimeDisplayTest, TheEndsOf32BitTimeAndTheOffset) {
  using R = std::tuple<int32_t, int32_t, int32_t, const char*>;
  const std::vector<R> rows(
      {R{0, 9, INT32_MAX, "20380119"}, R{0, 20, INT32_MAX, "03:14:07"},
       R{0, 5, INT32_MIN, "01/12/13"}, R{0, 20, INT32_MIN, "20:45:52"},
       R{-60, 20, kSeventhOfMarch, "15:05:09"}, R{60, 20, kSeventhOfMarch, "13:05:09"},
       R{60, 1, 1800, "1969/12/31"}, R{-60, 20, INT32_MAX, "04:14:07"},
       R{-32668000, 1, 2147462400, "2100/03/01"}, R{-32668000, 1, 2147462400 - 86400, "2100/02/28"},
       R{INT32_MAX, 1, INT32_MIN, "-2182/11/20"}, R{INT32_MAX, 20, INT32_MIN, "18:38:52"}});
  for (const auto& [offset, code, time, text] : rows) {
    useTimeZoneOffset(offset);
    EXPECT_EQ(shown(code, time), text) << offset << " " << code << " " << time;
  }
}

// Field descriptions no panel should send: digit counts beyond the buffer or
// below zero, radixes outside 2 to 36, huge unit texts. Every text stays
// within its 80-character buffer.
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
