// Canvas pie slices with a border through the VM frame: the slice, its
// full-turn and triangle branches, sweeps beyond a turn, the overloads with
// given points, and which of them take the canvas translation.
#include "canvas_test_support.h"

namespace {

using tamri_test::Lines;

class CanvasPiesTest : public tamri_test::CanvasTest {
 protected:
  // fillPieWithBorder from a start and a sweep on the box 0, 0, 100, 50,
  // with every attribute different.
  Lines slice(int32_t start, int32_t sweep, int32_t fillStyle = 6) {
    host::traceClear();
    call("fillPieWithBorder(IIIIIIIIIIII)V",
         {0, 0, 100, 50, start, sweep, 0xF1, 0xB2, fillStyle, 0xC3, 3, 2});
    return drawn();
  }
};

TEST_F(CanvasPiesTest, SliceFromStartAndSweepOnTheCanvasSurface) {
  setPen("surface", 7);
  EXPECT_EQ(slice(45, 90),
            (Lines{"osGXpie(7, {0, 0, 99, 49}, {72, 2, 27, 2}, {0x000000C3, "
                   "0x000000B2, 0x000000F1}, {3, 2, 6, 1}, {27, 0, 72, 25}, true)"}));
  // 45 to 55 degrees: a slice on the upper right, the bounds down to the centre.
  EXPECT_EQ(slice(45, 10),
            (Lines{"osGXpie(7, {0, 0, 99, 49}, {72, 2, 66, 1}, {0x000000C3, "
                   "0x000000B2, 0x000000F1}, {3, 2, 6, 1}, {50, 1, 72, 25}, true)"}));
  // Above one turn loses one turn, once: 362 is the triangle of 2, 722 the
  // slice of 362.
  EXPECT_EQ(slice(45, 362), slice(45, 2));
  EXPECT_EQ(slice(45, 722)[0].rfind("osGXpie(", 0), 0u);
}

TEST_F(CanvasPiesTest, FullTurnIsTheWholeEllipseFilledOutlinedAndOneRadius) {
  const Lines fullTurn{"osGXfillEllipse(0, 0, 99, 49, 0x000000F1, 0, 0x000000B2)",
                       "osGXdrawEllipse(0, 0, 99, 49, 0x000000C3, 2, 3, 0x000000B2)",
                       "osGXdrawLine(50, 25, 72, 2, 3, 2, 0x000000C3, 0x000000B2, 0)"};
  // The fill is not tested for its style here.
  EXPECT_EQ(slice(45, 360, 0), fullTurn);
}

TEST_F(CanvasPiesTest, SmallSweepIsTheTriangleFilledForAnyStyleButZero) {
  const std::string triangle = "[{50, 25}, {72, 2}, {70, 2}]";
  EXPECT_EQ(slice(45, 3, -1),
            (Lines{"osGXfillPolygon(3, " + triangle + ", 0x000000F1, 0x000000B2, -1, true)",
                   "osGXdrawPolygon(3, " + triangle + ", 3, 0x000000C3, 0x000000B2, 2)"}));
  EXPECT_EQ(slice(45, 3, 0),
            (Lines{"osGXdrawPolygon(3, " + triangle + ", 3, 0x000000C3, 0x000000B2, 2)"}));
  // No sweep, and sweeps that turn backwards, are small too.
  EXPECT_EQ(slice(45, 0, 0).size(), 1u);
  EXPECT_EQ(slice(45, -90, 0)[0].rfind("osGXdrawPolygon(3, [{50, 25}, {72, 2}, {72, 47}]", 0), 0u);
}

TEST_F(CanvasPiesTest, SliceWithoutAreaIsTheTriangleFilledOnlyForAStyleAboveZero) {
  // Both points on the box's only row: the bounds have no height.
  const std::vector<int32_t> flat = {10, 20, 41, 1, 50, 20, 10, 20, 0xF1, 0xB2};
  const std::string triangle = "[{30, 20}, {50, 20}, {10, 20}]";
  for (const int32_t fillStyle : {2, 0, -1}) {
    std::vector<int32_t> args = flat;
    args.insert(args.end(), {fillStyle, 0xC3, 3, 2});
    call("fillPieWithBorder(IIIIIIIIIIIIII)V", args);
  }
  const std::string outline = "osGXdrawPolygon(3, " + triangle + ", 3, 0x000000C3, 0x000000B2, 2)";
  EXPECT_EQ(drawn(), (Lines{"osGXfillPolygon(3, " + triangle + ", 0x000000F1, 0x000000B2, 2, true)",
                            outline, outline, outline}));
}

TEST_F(CanvasPiesTest, SliceBetweenGivenPointsIsTranslatedWithItsBox) {
  const std::vector<int32_t> args = {0, 0, 100, 50, 72, 2, 27, 2, 0xF1, 0xB2, 6, 0xC3, 3, 2};
  call("fillPieWithBorder(IIIIIIIIIIIIII)V", args);
  call("setTransform(II)V", {-1000, 3000});
  call("fillPieWithBorder(IIIIIIIIIIIIII)V", args);
  // Equal given points: the full turn.
  call("fillPieWithBorder(IIIIIIIIIIIIII)V",
       {0, 0, 100, 50, 9, 4, 9, 4, 0xF1, 0xB2, 0, 0xC3, 3, 2});
  EXPECT_EQ(drawn(),
            (Lines{"osGXpie(1, {0, 0, 99, 49}, {72, 2, 27, 2}, {0x000000C3, 0x000000B2, "
                   "0x000000F1}, {3, 2, 6, 1}, {27, 0, 72, 25}, true)",
                   "osGXpie(1, {-1000, 3000, -901, 3049}, {-928, 3002, -973, 3002}, {0x000000C3, "
                   "0x000000B2, 0x000000F1}, {3, 2, 6, 1}, {-973, 3000, -928, 3025}, true)",
                   "osGXfillEllipse(-1000, 3000, -901, 3049, 0x000000F1, 0, 0x000000B2)",
                   "osGXdrawEllipse(-1000, 3000, -901, 3049, 0x000000C3, 2, 3, 0x000000B2)",
                   "osGXdrawLine(-950, 3025, -991, 3004, 3, 2, 0x000000C3, 0x000000B2, 0)"}));
}

TEST_F(CanvasPiesTest, SliceFromAGivenPointAndAnAngle) {
  // Box 0, 0, 100, 50; the point (9, 4) and the point at 45 degrees, (72, 2).
  auto from = [&](int32_t sweep, bool pointIsStart) {
    host::traceClear();
    call("fillPieWithBorder(IIIIIIIIIIIIIIZ)V",
         {0, 0, 100, 50, 9, 4, 45, sweep, 0xF1, 0xB2, 6, 0xC3, 3, 2, pointIsStart ? 1 : 0});
    return drawn();
  };
  EXPECT_EQ(from(5, true), (Lines{"osGXpie(1, {0, 0, 99, 49}, {9, 4, 72, 2}, {0x000000C3, "
                                  "0x000000B2, 0x000000F1}, {3, 2, 6, 1}, {0, 2, 99, 49}, true)"}));
  EXPECT_EQ(from(5, false),
            (Lines{"osGXpie(1, {0, 0, 99, 49}, {72, 2, 9, 4}, {0x000000C3, "
                   "0x000000B2, 0x000000F1}, {3, 2, 6, 1}, {9, 0, 72, 25}, true)"}));
  // The sweep only chooses the triangle; 720 is not reduced here.
  EXPECT_EQ(from(720, false), from(5, false));
  EXPECT_EQ(
      from(4, true),
      (Lines{"osGXfillPolygon(3, [{50, 25}, {9, 4}, {72, 2}], 0x000000F1, 0x000000B2, 6, "
             "true)",
             "osGXdrawPolygon(3, [{50, 25}, {9, 4}, {72, 2}], 3, 0x000000C3, 0x000000B2, 2)"}));
}

}  // namespace
