// The module-wide canvas transform and its three natives, through the VM frame,
// and the path natives: class natives that hand the text over in place with
// the canvas translation and scale.
#include "canvas_test_support.h"

#include <bit>
#include <limits>

namespace tamri_test::canvas_transform {

using tamri::canvasTransform;

int32_t bitsOf(float value) { return std::bit_cast<int32_t>(value); }

std::vector<int32_t> state() {
  const tamri::CanvasTransform& t = canvasTransform();
  return {t.translateX, t.translateY, t.scaleX, t.scaleY, t.previousX, t.previousY};
}

class CanvasTransformTest : public CanvasTest {};

constexpr const char* kFill = "fillPath(Ljava/lang/String;I)V";
constexpr const char* kDraw = "drawPath(Ljava/lang/String;II)V";
constexpr const char* kBoth = "fillAndDrawPath(Ljava/lang/String;III)V";

TEST_F(CanvasTransformTest, PathTextGoesOverInPlaceWithTheTranslationAndScale) {
  // A module just loaded: no translation, no scale, no translation saved.
  EXPECT_EQ(state(), (std::vector<int32_t>{0, 0, 0, 0, 0, 0}));
  const jword path = vmhost::newStringUtf8("M0 0 h4 v3 z");
  // Before any transform the scale is 0, which the layer takes as 1.0. Both
  // at once under a scale are pinned by the gauge scene trace.
  callClass(kFill, {0x11}, {path});
  call("setTransform(IIFF)V", {5, -7, bitsOf(2.0f), bitsOf(0.5f)});
  callClass(kDraw, {0x22, 70000}, {path});
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
                   R"(osGXfillPath(0, 0, 256, 256, "M0 0 h4 v3 z", 12, 0x00000033))",
                   R"(osGXdrawPath(0, 0, 256, 256, "", 0, 0x00000011, 1))"}));
  // Every canvas shares the transform and none is read or traced.
  host::traceClear();
  const jword other = makeObject(kCanvas);
  call("setTransform(II)V", {5, 7});
  EXPECT_TRUE(traceWith().empty());
  callOn(other, "drawLine(IIIIIIIII)V", {0, 0, 10, 0, 0x55, 0x66, 1, 1, 0});
  callOn(other, "resetTransform()V");
  EXPECT_EQ(state(), (std::vector<int32_t>{0, 0, 256, 256, 0, 0}));
  call("drawLine(IIIIIIIII)V", {0, 0, 10, 0, 0x55, 0x66, 1, 1, 0});
  EXPECT_EQ(drawn(), (Lines{"osGXdrawLine(5, 7, 15, 7, 1, 1, 0x00000055, 0x00000066, 0)",
                            "osGXdrawLine(0, 0, 10, 0, 1, 1, 0x00000055, 0x00000066, 0)"}));
  // Scale factors are rounded before truncation and one level is saved.
  call("setTransform(IIFF)V", {3, -4, bitsOf(2.0f), bitsOf(0.25f)});
  EXPECT_EQ(state(), (std::vector<int32_t>{3, -4, 512, 64, 0, 0}));
  // The half is added before truncation for negative factors too. 2^24 x 256
  // = 2^32: the 64-bit value's low word is 0; 2^23 x 256 = 2^31.
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const float factors[] = {1.5f,        0.999f,     1.004f, 0.5f, -1.0f,  -0.001f,
                           16777216.0f, 8388608.0f, nan,    inf,  3.0e38f};
  std::vector<int32_t> scales;
  for (const float factor : factors) {
    call("setTransform(IIFF)V", {0, 0, bitsOf(factor), bitsOf(1.0f)});
    scales.push_back(canvasTransform().scaleX);
  }
  EXPECT_EQ(scales, (std::vector<int32_t>{384, 256, 257, 128, -255, 0, 0, INT32_MIN, 0, 0, 0}));
  // One saved level, which reset keeps.
  call("setTransform(II)V", {10, 1});
  EXPECT_EQ(state(), (std::vector<int32_t>{10, 1, 256, 256, 0, 0}));
  call("setTransform(IIFF)V", {20, 2, bitsOf(3.0f), bitsOf(4.0f)});
  EXPECT_EQ(state(), (std::vector<int32_t>{20, 2, 768, 1024, 10, 1}));
  call("resetTransform()V", {});
  EXPECT_EQ(state(), (std::vector<int32_t>{10, 1, 256, 256, 10, 1}));
  // No stack: a second reset stays on the first translation.
  call("resetTransform()V", {});
  EXPECT_EQ(state(), (std::vector<int32_t>{10, 1, 256, 256, 10, 1}));
}

}  // namespace tamri_test::canvas_transform
