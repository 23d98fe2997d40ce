// The canvas path natives through the VM frame: class natives that hand the
// text over in place with the canvas translation and scale.
#include "canvas_test_support.h"

#include <bit>

namespace {

using tamri_test::Lines;

constexpr const char* kFill = "fillPath(Ljava/lang/String;I)V";
constexpr const char* kDraw = "drawPath(Ljava/lang/String;II)V";
constexpr const char* kBoth = "fillAndDrawPath(Ljava/lang/String;III)V";

class CanvasPathsTest : public tamri_test::CanvasTest {};

TEST_F(CanvasPathsTest, TheTextGoesOverWithTheTranslationAndScale) {
  const jword path = vmhost::newStringUtf8("M0 0 h4 v3 z");
  // Before any transform the scale is 0, which the layer takes as 1.0.
  callClass(kFill, {0x11}, {path});
  call("setTransform(IIFF)V", {5, -7, std::bit_cast<int32_t>(2.0f), std::bit_cast<int32_t>(0.5f)});
  callClass(kDraw, {0x22, 70000}, {path});
  callClass(kBoth, {0x11, 0x22, -3}, {path});
  call("resetTransform()V", {});
  callClass(kFill, {0x33}, {path});
  // No text draws nothing; an empty one is handed over.
  callClass(kFill, {0x11}, {0});
  callClass(kDraw, {0x11, 1}, {0});
  callClass(kBoth, {0x11, 0x22, 1}, {0});
  callClass(kDraw, {0x11, 1}, {vmhost::newStringUtf8("")});
  EXPECT_EQ(drawn(),
            (Lines{R"(osGXfillPath(0, 0, 0, 0, "M0 0 h4 v3 z", 12, 0x00000011))",
                   R"(osGXdrawPath(5, -7, 512, 128, "M0 0 h4 v3 z", 12, 0x00000022, 4464))",
                   R"(osGXfillPath(5, -7, 512, 128, "M0 0 h4 v3 z", 12, 0x00000011))",
                   R"(osGXdrawPath(5, -7, 512, 128, "M0 0 h4 v3 z", 12, 0x00000022, -3))",
                   R"(osGXfillPath(0, 0, 256, 256, "M0 0 h4 v3 z", 12, 0x00000033))",
                   R"(osGXdrawPath(0, 0, 256, 256, "", 0, 0x00000011, 1))"}));
}

}  // namespace
