// Scales where tests/scenes/scales.json cannot reach: a flag word with more
// than its low byte set, and a circular scale of the most divisions, whose
// 32768 ticks are too many for a trace.
#include "canvas_test_support.h"

namespace {

using ScaleTest = tamri_test::CanvasTest;

TEST_F(ScaleTest, CanvasStraightScaleReadsOnlyTheLowByteOfItsFlag) {
  // x1, y1, x2, y2, vertical, colour, backColour, width, style, divisions
  EXPECT_EQ(drawnBy("drawScale(IIIIZIIIII)V", {0, 0, 100, 10, 0x100, 0x12, 0x34, 1, 1, 1}),
            (tamri_test::Lines{"osGXdrawLine(0, 0, 0, 10, 1, 1, 0x00000012, 0x00000034, 0)",
                               "osGXdrawLine(100, 0, 100, 10, 1, 1, 0x00000012, 0x00000034, 0)"}));
}

TEST_F(ScaleTest, ACircularScaleOf32767DivisionsDrawsEveryTick) {
  const jword round =
      tamri_test::makeObject("gpclasses/graphics/CgpScale", {{"x2", 100},
                                                             {"y2", 100},
                                                             {"scaleCircular", 1},
                                                             {"scaleInnerRadius", 30},
                                                             {"scaleOuterRadius", 40},
                                                             {"scaleEndAngle", 90},
                                                             {"scaleDivisions", 32767}});
  host::traceClear();
  tamri_test::callOn(round, "draw(I)V", {9});
  EXPECT_EQ(drawn().size(), 32768u);
}

}  // namespace
