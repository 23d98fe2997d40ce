// The value natives' texts, rectangles, colours, codes and field rules are
// pinned by the scenes tests/scenes/value_*.json. A scene cannot write a float
// that is not a number or infinite: those are here.
#include "vm_test_support.h"

#include <bit>
#include <limits>
#include <string>
#include <tuple>

namespace {

using namespace tamri_test;

constexpr const char* kCanvas = "gpclasses/graphics/CgpCanvas";
constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

class NonFiniteFloatTest : public VmTest {};

// Not a number and the infinities overflow, in both separator conventions.
TEST_F(NonFiniteFloatTest, ShowsTheOverflowMark) {
  const jword canvas = makeObject(kCanvas);
  const jword font = makeObject("gpclasses/graphics/CgpFont", {{"fontHandle", 9}});
  for (const char16_t decimal : {u'.', u','}) {
    vmhost::setStaticField(kCanvas, "decimalSeparator", decimal);
    const std::string mark = std::string("**") + char(decimal) + "*";
    for (const auto& [value, zeros, text] : {std::tuple{kNaN, 1u, mark},
                                             {-kNaN, 1u, mark},
                                             {kInfinity, 0u, mark},
                                             {-kInfinity, 0u, "-" + mark}}) {
      host::traceClear();
      // value, integer digits, decimals, codes, automatic decimals, grouping, zeros, colours, box.
      callOn(canvas, "nativeDrawFloat(FIIIIZZZIIIIIILgpclasses/graphics/CgpFont;)V",
             {std::bit_cast<uint32_t>(value), 2, 1, 4, 2, 0, 0, zeros, 0xABCDEF, 0x123456, 10, 20,
              100, 30},
             {font});
      EXPECT_EQ(traceWith("osGX"),
                std::vector<std::string>{"osGXsimpleText(0, {10, 20, 109, 49}, 9, \"" + text +
                                         "\", {0x00ABCDEF, 0x80000000, 0x00123456}, 4, 2, " +
                                         std::to_string(text.size()) + ")"})
          << value;
    }
  }
}

}  // namespace
