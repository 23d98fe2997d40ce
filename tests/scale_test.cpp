// A circular scale of the most divisions, whose 32768 ticks are too many for
// a trace (every other scale case: tests/scenes/scales.json).
#include "canvas_test_support.h"

namespace {

using ScaleTest = tamri_test::CanvasTest;

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
