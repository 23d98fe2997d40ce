// resizeRectangle(IBIB)V through the VM frame: each anchor code, the size
// on both sides of a rounding edge, and the collapse at scale 0.
#include "vm_test_support.h"

namespace {

using Values = std::vector<int64_t>;

// Design 0..100 x 0..60 (101 x 61), placed at 10..110 x 20..80, with the
// anchor at (30, 40) by design.
const tamri_test::FieldValues kBox{{"baseX1", 0},       {"baseX2", 100},    {"baseY1", 0},
                                   {"baseY2", 60},      {"x1", 10},         {"x2", 110},
                                   {"y1", 20},          {"y2", 80},         {"baseAnchorX", 30},
                                   {"baseAnchorY", 40}, {"anchorX", 777},   {"anchorY", 888},
                                   {"rectWidth", 101},  {"rectHeight", 61}, {"lineWidth", 1},
                                   {"lineStyle", 1},    {"fillStyle", 1}};

// x1, y1, x2, y2, anchorX, anchorY, rectWidth, rectHeight after the resize.
Values resized(std::vector<uint32_t> args, const tamri_test::FieldValues& extra = {},
               jword object = 0) {
  if (!object)
    object =
        tamri_test::makeObject("gpclasses/graphics/CgpRectangle", tamri_test::joined(kBox, extra));
  tamri_test::callOn(object, "resizeRectangle(IBIB)V", args);
  return tamri_test::readFields(
      object, {"x1", "y1", "x2", "y2", "anchorX", "anchorY", "rectWidth", "rectHeight"});
}

using RectangleResizeTest = tamri_test::VmTest;

TEST_F(RectangleResizeTest, EachAnchorCodeKeepsItsEdgeOrCentre) {
  // Left and top: 101 x 50 / 100 = 50 wide; 61 x 150 / 100 = 91 high; the
  // anchor offset scales.
  EXPECT_EQ(resized({50, 6, 150, 5}), (Values{10, 20, 59, 110, 25, 80, 50, 91}));
  // Right and bottom: offsets from the far edges: (30 - 100) x 50 / 100 =
  // -35; (40 - 60) x 150 / 100 = -30.
  EXPECT_EQ(resized({50, 2, 150, 3}), (Values{61, -10, 110, 80, 75, 50, 50, 91}));
  // Centre 60: 50 wide (even) gives 36..85; 61 x 49 / 100 = 29 high (odd)
  // around centre 50 gives 36..64. The anchor is left alone.
  EXPECT_EQ(resized({50, 1, 49, 4}), (Values{36, 36, 85, 64, 777, 888, 50, 29}));
  // An even size starts one pixel later.
  const Values even = resized({50, 1, 100, 0}, {{"baseX2", 99}, {"x1", 0}, {"x2", 99}});
  EXPECT_EQ(Values(even.begin(), even.begin() + 3), (Values{25, 20, 74}));
  // Other codes set only the size, and zero leaves the axis; 0xFA is the
  // byte -6: no code.
  EXPECT_EQ(resized({50, 3, 200, 0}), (Values{10, 20, 110, 80, 777, 888, 50, 61}));
  EXPECT_EQ(resized({50, 0xFA, 200, 6}), (Values{10, 20, 110, 80, 777, 888, 50, 122}));
}

TEST_F(RectangleResizeTest, ScaleZeroCollapsesOntoTheKeptEdgeAndHidesTheRectangle) {
  const jword object = tamri_test::makeObject("gpclasses/graphics/CgpRectangle", kBox);
  EXPECT_EQ(resized({0, 6, 0, 3}, {}, object), (Values{10, 80, 10, 80, 10, 80, 0, 0}));
  host::traceClear();
  tamri_test::callOn(object, "draw(I)V", {1});
  EXPECT_EQ(tamri_test::traceWith("osGX"), std::vector<std::string>{});
}

TEST_F(RectangleResizeTest, StoredCoordinatesAreCutTo16Bits) {
  // 32760 + 50 - 1 = 32809 wraps to -32727, below the kept edge: it collapses;
  // the anchor 32760 + 15 wraps too.
  EXPECT_EQ(resized({50, 6, 100, 0}, {{"x1", 32760}, {"x2", 32800}}),
            (Values{32760, 20, 32760, 80, 32775 - 65536, 888, 50, 61}));
  // Large scales are computed wide: 101 x 30000000 / 100 = 30300000.
  EXPECT_EQ(resized({30000000, 0, 100, 0})[6], 101);
  EXPECT_EQ(resized({30000000, 7, 100, 0})[6], 30300000);
}

}  // namespace
