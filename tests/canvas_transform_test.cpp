// The module-wide canvas transform and its three natives, through the VM frame.
#include "canvas_test_support.h"

#include <bit>
#include <limits>

namespace {

using tamri::canvasTransform;
using tamri_test::Lines;

int32_t bitsOf(float value) { return std::bit_cast<int32_t>(value); }

class CanvasTransformTest : public tamri_test::CanvasTest {
 protected:
  static std::vector<int32_t> state() {
    const tamri::CanvasTransform& t = canvasTransform();
    return {t.translateX, t.translateY, t.scaleX, t.scaleY, t.previousX, t.previousY};
  }
};

TEST_F(CanvasTransformTest, ScaleFactorsAreRoundedBeforeTruncation) {
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
}

TEST_F(CanvasTransformTest, OneSavedLevelAndResetKeepsIt) {
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

TEST_F(CanvasTransformTest, EveryCanvasSharesTheTransformAndNoneIsReadOrTraced) {
  const jword other = tamri_test::makeObject(tamri_test::kCanvas);
  const std::vector<uint32_t> line{0, 0, 10, 0, 0x55, 0x66, 1, 1, 0};
  call("setTransform(II)V", {5, 7});
  EXPECT_TRUE(tamri_test::traceWith().empty());
  tamri_test::callOn(other, "drawLine(IIIIIIIII)V", line);
  tamri_test::callOn(other, "resetTransform()V");
  EXPECT_EQ(state(), (std::vector<int32_t>{0, 0, 256, 256, 0, 0}));
  call("drawLine(IIIIIIIII)V", {0, 0, 10, 0, 0x55, 0x66, 1, 1, 0});
  EXPECT_EQ(drawn(), (Lines{"osGXdrawLine(5, 7, 15, 7, 1, 1, 0x00000055, 0x00000066, 0)",
                            "osGXdrawLine(0, 0, 10, 0, 1, 1, 0x00000055, 0x00000066, 0)"}));
}

}  // namespace
