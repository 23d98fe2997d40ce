// The module-wide canvas transform and its three natives, through the VM frame.
#include "canvas/canvas_transform.h"
#include "vm_test_support.h"

#include <bit>
#include <cmath>
#include <limits>

namespace {

using tamri::canvasTransform;
using tamri_test::callOn;
using tamri_test::makeObject;

constexpr const char* kCanvas = "gpclasses/graphics/CgpCanvas";

uint32_t bitsOf(float value) { return std::bit_cast<uint32_t>(value); }

class CanvasTransformTest : public tamri_test::VmTest {
 protected:
  void SetUp() override {
    VmTest::SetUp();
    canvasTransform() = {};
    canvas = makeObject(kCanvas);
  }
  std::vector<int32_t> state() const {
    const tamri::CanvasTransform& t = canvasTransform();
    return {t.translateX, t.translateY, t.scaleX, t.scaleY, t.previousX, t.previousY};
  }
  int32_t scaleFor(float factor) {
    callOn(canvas, "setTransform(IIFF)V", {0, 0, bitsOf(factor), bitsOf(1.0f)});
    return canvasTransform().scaleX;
  }
  jword canvas = 0;
};

TEST_F(CanvasTransformTest, StartsWithNoTranslationAndScaleZero) {
  EXPECT_EQ(state(), (std::vector<int32_t>{0, 0, 0, 0, 0, 0}));
}

TEST_F(CanvasTransformTest, ScaleFactorsAreRoundedBeforeTruncation) {
  callOn(canvas, "setTransform(IIFF)V",
         {3, static_cast<uint32_t>(-4), bitsOf(2.0f), bitsOf(0.25f)});
  EXPECT_EQ(state(), (std::vector<int32_t>{3, -4, 512, 64, 0, 0}));
  EXPECT_EQ(scaleFor(1.5f), 384);
  EXPECT_EQ(scaleFor(0.999f), 256);
  EXPECT_EQ(scaleFor(1.004f), 257);
  EXPECT_EQ(scaleFor(0.5f), 128);
  // The half is added before truncation for negative factors too.
  EXPECT_EQ(scaleFor(-1.0f), -255);
  EXPECT_EQ(scaleFor(-0.001f), 0);
}

TEST_F(CanvasTransformTest, HugeAndUndefinedFactorsKeepTheLow32BitsOrGiveZero) {
  // 2^24 × 256 = 2^32: the 64-bit value's low word is 0; 2^23 × 256 = 2^31.
  EXPECT_EQ(scaleFor(16777216.0f), 0);
  EXPECT_EQ(scaleFor(8388608.0f), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(scaleFor(std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_EQ(scaleFor(std::numeric_limits<float>::infinity()), 0);
  EXPECT_EQ(scaleFor(3.0e38f), 0);
}

TEST_F(CanvasTransformTest, OneSavedLevelAndResetKeepsIt) {
  callOn(canvas, "setTransform(II)V", {10, 1});
  EXPECT_EQ(state(), (std::vector<int32_t>{10, 1, 256, 256, 0, 0}));
  callOn(canvas, "setTransform(IIFF)V", {20, 2, bitsOf(3.0f), bitsOf(4.0f)});
  EXPECT_EQ(state(), (std::vector<int32_t>{20, 2, 768, 1024, 10, 1}));
  callOn(canvas, "resetTransform()V");
  EXPECT_EQ(state(), (std::vector<int32_t>{10, 1, 256, 256, 10, 1}));
  // No stack: a second reset stays on the first translation.
  callOn(canvas, "resetTransform()V");
  EXPECT_EQ(state(), (std::vector<int32_t>{10, 1, 256, 256, 10, 1}));
}

TEST_F(CanvasTransformTest, EveryCanvasSharesTheTransformAndNoneIsReadOrTraced) {
  const jword other = makeObject(kCanvas, {{"color", 5}, {"surface", 3}});
  callOn(canvas, "setTransform(II)V", {5, 7});
  callOn(other, "resetTransform()V");
  EXPECT_EQ(state(), (std::vector<int32_t>{0, 0, 256, 256, 0, 0}));
  EXPECT_TRUE(tamri_test::traceWith().empty());
}

TEST_F(CanvasTransformTest, ATranslationSetThroughOneCanvasMovesTheDrawingOfAnother) {
  const jword other = makeObject(kCanvas);
  const std::vector<uint32_t> line{0, 0, 10, 0, 0x55, 0x66, 1, 1, 0};
  callOn(canvas, "setTransform(II)V", {5, 7});
  callOn(other, "drawLine(IIIIIIIII)V", line);
  callOn(other, "resetTransform()V");
  callOn(canvas, "drawLine(IIIIIIIII)V", line);
  EXPECT_EQ(
      tamri_test::traceWith("osGX"),
      (std::vector<std::string>{"osGXdrawLine(5, 7, 15, 7, 1, 1, 0x00000055, 0x00000066, 0)",
                                "osGXdrawLine(0, 0, 10, 0, 1, 1, 0x00000055, 0x00000066, 0)"}));
}

}  // namespace
