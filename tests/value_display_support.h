// A canvas and a font to call the value natives with, the separators set by
// the VM side, and the one simple text call each native makes.
#pragma once

#include "platform/core/core_host.h"
#include "valuedisplay/float_field.h"
#include "valuedisplay/number_field.h"
#include "vm_test_support.h"

#include <bit>
#include <string>
#include <vector>

namespace tamri_test {

// Expected texts are written with "." and ","; the other convention swaps them.
struct SeparatorConvention {
  char16_t decimal, group;

  std::string shown(std::string text) const {
    for (char& c : text) c = c == '.' ? char(decimal) : c == ',' ? char(group) : c;
    return text;
  }
};
inline constexpr SeparatorConvention kPointConvention{u'.', u','};
inline constexpr SeparatorConvention kConventions[] = {kPointConvention, {u',', u'.'}};

inline uint32_t word(int32_t value) { return static_cast<uint32_t>(value); }
inline uint32_t floatWord(float value) { return std::bit_cast<uint32_t>(value); }

using Lines = std::vector<std::string>;

// The one simple text call of a native: surface, box and font, the text,
// colours and codes, and the text's length.
inline Lines simpleText(const std::string& where, const std::string& text,
                        const std::string& look) {
  return {"osGXsimpleText(" + where + ", \"" + text + "\", " + look + ", " +
          std::to_string(text.size()) + ")"};
}
// The colours and codes of the formatter's overloads below.
inline constexpr const char* kFieldLook = "{0x00ABCDEF, 0x80000000, 0x00123456}, 4, 2";

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

}  // namespace tamri_test
