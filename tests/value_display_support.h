// A canvas and a font to call the value natives with, the separators set by
// the VM side, and the one simple text call each native makes.
#pragma once

#include "platform/core/core_host.h"
#include "vm_test_support.h"

#include <algorithm>
#include <bit>
#include <string>
#include <vector>

namespace tamri_test {

// Expected texts are written with "." and ","; the other convention swaps them.
struct SeparatorConvention {
  char16_t decimal, group;

  std::string shown(std::string text) const {
    for (char& c : text) {
      if (c == '.')
        c = static_cast<char>(decimal);
      else if (c == ',')
        c = static_cast<char>(group);
    }
    return text;
  }
};
inline constexpr SeparatorConvention kPointConvention{u'.', u','};
inline constexpr SeparatorConvention kCommaConvention{u',', u'.'};
inline constexpr SeparatorConvention kConventions[] = {kPointConvention, kCommaConvention};

inline uint32_t word(int32_t value) { return static_cast<uint32_t>(value); }

inline uint32_t floatWord(float value) { return std::bit_cast<uint32_t>(value); }

class ValueDisplayTest : public VmTest {
 protected:
  static constexpr const char* kCanvas = "gpclasses/graphics/CgpCanvas";
  // The value natives called from more than one test file.
  static constexpr const char* kPlain = "drawNumber(IIIIII)V";
  static constexpr const char* kWindow = "drawNumber(IIIIZIIII)V";
  static constexpr const char* kFixedPoint = "drawNumber(IIIIIZIIIIIII)V";
  static constexpr const char* kFieldWithUnit =
      "drawNumber(IIIIIIZZZIIIIIILgpclasses/graphics/CgpFont;Ljava/lang/String;)V";
  static constexpr const char* kFloatWithUnit =
      "nativeDrawFloat(FIIIIZZZIIIIIILgpclasses/graphics/CgpFont;Ljava/lang/String;)V";

  void SetUp() override {
    VmTest::SetUp();
    canvas = makeObject(kCanvas, {{"color", 0x112233},
                                  {"backColor", 0x445566},
                                  {"secondColor", 0x778899},
                                  {"font", 5},
                                  {"surface", 3}});
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

  std::vector<std::string> draw(const char* nameSig, std::vector<uint32_t> scalars,
                                std::vector<jword> references = {}) {
    host::traceClear();
    callOn(canvas, nameSig, std::move(scalars), std::move(references));
    return traceWith("osGX");
  }
  // The text of the one simple text call the native made.
  std::string drawnText(const char* nameSig, std::vector<uint32_t> scalars,
                        std::vector<jword> references = {}) {
    const std::vector<std::string> calls = draw(nameSig, std::move(scalars), std::move(references));
    if (calls.size() != 1 || calls[0].rfind("osGXsimpleText(", 0) != 0) {
      ADD_FAILURE() << nameSig << " made " << calls.size() << " calls";
      return {};
    }
    const size_t open = calls[0].find('"');
    const size_t close = calls[0].rfind('"');
    return calls[0].substr(open + 1, close - open - 1);
  }

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
