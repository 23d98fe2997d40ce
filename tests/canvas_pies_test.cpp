// Canvas pie slices with a border through the VM frame: the slice, its
// full-turn and triangle branches, sweeps beyond a turn, the overloads with
// given points, and which of them take the canvas translation.
#include "canvas_test_support.h"

namespace tamri_test::canvas_pies {

// The line, back and fill colours, then width, style, fill style and 1.
const std::string kLook = "{0x000000C3, 0x000000B2, 0x000000F1}, {3, 2, 6, 1}, ";

std::string pie(int surface, const char* box, const char* ends, const char* bounds) {
  return "osGXpie(" + std::to_string(surface) + ", " + box + ", " + ends + ", " + kLook + bounds +
         ", true)";
}

class CanvasPiesTest : public CanvasTest {};

// The translated slice between given points and the slice from a given end
// point are pinned by the arcs scene trace.
TEST_F(CanvasPiesTest, SliceFromASweepFromAGivenPointAndBetweenGivenPoints) {
  // Box 0, 0, 100, 50; the point (9, 4) and the point at 45 degrees, (72, 2).
  auto from = [&](int32_t sweep, bool pointIsStart) {
    return drawnBy("fillPieWithBorder(IIIIIIIIIIIIIIZ)V",
                   {0, 0, 100, 50, 9, 4, 45, sweep, 0xF1, 0xB2, 6, 0xC3, 3, 2, pointIsStart});
  };
  EXPECT_EQ(from(5, true), Lines{pie(1, "{0, 0, 99, 49}", "{9, 4, 72, 2}", "{0, 2, 99, 49}")});
  // The sweep only chooses the triangle; 720 is not reduced here.
  EXPECT_EQ(from(720, false), from(5, false));
  const std::string corners = "3, [{50, 25}, {9, 4}, {72, 2}], ";
  EXPECT_EQ(from(4, true), (Lines{"osGXfillPolygon(" + corners + "0x000000F1, 0x000000B2, 6, true)",
                                  "osGXdrawPolygon(" + corners + "3, 0x000000C3, 0x000000B2, 2)"}));
  setPen("surface", 7);
  // From a start and a sweep on the same box, with every attribute different.
  auto slice = [&](int32_t start, int32_t sweep, int32_t fillStyle = 6) {
    return drawnBy("fillPieWithBorder(IIIIIIIIIIII)V",
                   {0, 0, 100, 50, start, sweep, 0xF1, 0xB2, fillStyle, 0xC3, 3, 2});
  };
  // Above one turn loses one turn, once: 362 is the triangle of 2, 722 the
  // slice of 362.
  EXPECT_EQ(slice(45, 362), slice(45, 2));
  EXPECT_EQ(slice(45, 722), Lines{pie(7, "{0, 0, 99, 49}", "{72, 2, 71, 2}", "{50, 2, 72, 25}")});
  // The full turn: the whole ellipse filled, outlined and one radius; the
  // fill is not tested for its style here.
  EXPECT_EQ(slice(45, 360, 0),
            (Lines{"osGXfillEllipse(0, 0, 99, 49, 0x000000F1, 0, 0x000000B2)",
                   "osGXdrawEllipse(0, 0, 99, 49, 0x000000C3, 2, 3, 0x000000B2)",
                   "osGXdrawLine(50, 25, 72, 2, 3, 2, 0x000000C3, 0x000000B2, 0)"}));
  // A small sweep is the triangle, filled for any style but zero; sweeps
  // that turn backwards are small too.
  const std::string triangle = "3, [{50, 25}, {72, 2}, {70, 2}], ";
  const std::string rest = "3, 0x000000C3, 0x000000B2, 2)",
                    outline = "osGXdrawPolygon(" + triangle + rest;
  EXPECT_EQ(slice(45, 3, -1),
            (Lines{"osGXfillPolygon(" + triangle + "0x000000F1, 0x000000B2, -1, true)", outline}));
  EXPECT_EQ(slice(45, 3, 0), Lines{outline});
  EXPECT_EQ(slice(45, -90, 0), Lines{"osGXdrawPolygon(3, [{50, 25}, {72, 2}, {72, 47}], " + rest});
  // Equal given points: the full turn, translated.
  host::traceClear();
  call("setTransform(II)V", {-1000, 3000});
  call("fillPieWithBorder(IIIIIIIIIIIIII)V",
       {0, 0, 100, 50, 9, 4, 9, 4, 0xF1, 0xB2, 0, 0xC3, 3, 2});
  call("resetTransform()V", {});
  // Both points on the box's only row: the bounds have no height; the
  // triangle is filled only for a style above zero.
  for (const int32_t fillStyle : {2, 0, -1}) {
    call("fillPieWithBorder(IIIIIIIIIIIIII)V",
         {10, 20, 41, 1, 50, 20, 10, 20, 0xF1, 0xB2, fillStyle, 0xC3, 3, 2});
  }
  const std::string flat = "3, [{30, 20}, {50, 20}, {10, 20}], ",
                    rim = "osGXdrawPolygon(" + flat + rest;
  EXPECT_EQ(drawn(),
            (Lines{"osGXfillEllipse(-1000, 3000, -901, 3049, 0x000000F1, 0, 0x000000B2)",
                   "osGXdrawEllipse(-1000, 3000, -901, 3049, 0x000000C3, 2, 3, 0x000000B2)",
                   "osGXdrawLine(-950, 3025, -991, 3004, 3, 2, 0x000000C3, 0x000000B2, 0)",
                   "osGXfillPolygon(" + flat + "0x000000F1, 0x000000B2, 2, true)", rim, rim, rim}));
}

}  // namespace tamri_test::canvas_pies
