// Canvas arcs, fills and pies in the canvas's colours through the VM frame:
// the points the angles land on, the sides of the box an arc's bounds take
// over, the whole-ellipse and small-arc cases, and the translation of the
// overload with given end points.
#include "canvas/arc_geometry.h"
#include "canvas_test_support.h"

namespace tamri_test::canvas_arcs {

class CanvasArcsTest : public CanvasTest {};

TEST_F(CanvasArcsTest, EllipsePointsTheStepAndEveryRowOfTheBoundsTable) {
  std::vector<int32_t> got;
  auto put = [&](const APOINT& p) { got.insert(got.end(), {p.x, p.y}); };
  auto at = [&](const tamri::PlacedSize& box, std::initializer_list<int32_t> degrees) {
    for (const int32_t d : degrees) put(tamri::ellipsePointDegrees(box, d));
  };
  // The quarter angles land on the sides, the right and bottom ones at x + w
  // and y + h; whole turns either way are reduced first; 225 degrees is on a
  // true ellipse below the centre.
  at({0, 0, 100, 50}, {0, 90, 180, 270, -90, 450, 225});
  // A circle away from the origin; halves of an odd size truncate; 270 is on
  // the bottom side, not 50 + 50 down.
  at({10, 20, 100, 100}, {45});
  at({10, 20, 101, 101}, {90, 0, 270});
  // No width or no height: the middle of the line, whatever the angle.
  at({5, 5, 0, 40}, {45});
  at({5, 5, 40, 0}, {45});
  // Tenths: the same points; ten turns back, then 135 degrees.
  put(tamri::ellipsePoint({0, 0, 100, 50}, -34650));
  put(tamri::circlePoint(50, 50, 50, 450));
  put(tamri::circlePoint(50, 50, 50, -900));
  // The step angle is held between 3 and 30 degrees.
  for (const int32_t radius : {15, 16, 0, -50, INT32_MAX, INT32_MIN})
    got.push_back(tamri::arcStepAngle(radius));
  EXPECT_EQ(got, std::vector<int32_t>({100, 25, 50,  0,  0,   25,  50, 50, 50,  50, 50, 0,  27,
                                       47,  95, 35,  60, 20,  111, 70, 60, 121, 5,  25, 25, 5,
                                       27,  2,  135, 65, 100, 150, 30, 28, 30,  3,  3,  3}));
  // Every row of the bounds table: drawArc between given points on the box
  // 2, 1, 97, 79: inclusive corners (2, 1, 98, 79), centre (50, 40).
  auto boundsOfArc = [&](int32_t sx, int32_t sy, int32_t ex, int32_t ey) {
    const Lines lines =
        drawnBy("drawArc(IIIIIIIIIIII)V", {2, 1, 97, 79, sx, sy, ex, ey, 0x7, 0x8, 1, 1});
    if (lines.size() != 1 || lines[0].rfind("osGXdrawArc(", 0) != 0) return std::string("none");
    const size_t from = lines[0].rfind('{');
    return lines[0].substr(from, lines[0].rfind('}') - from + 1);
  };
  // Points in each quarter about the centre (50, 40) of the box (2, 1, 98, 79).
  const struct {
    int32_t sx, sy, ex, ey;
    const char* bounds;
  } rows[] = {
      {20, 10, 30, 25, "{2, 1, 98, 79}"},    // upper left to upper left, start first: all
      {30, 25, 20, 10, "{20, 10, 30, 25}"},  // ... end first: none
      {20, 10, 70, 12, "{2, 10, 98, 79}"},   // to upper right: L, R, B
      {20, 10, 75, 60, "{2, 10, 75, 79}"},   // to lower right: L, B
      {20, 10, 25, 55, "{2, 10, 25, 55}"},   // to lower left: L
      {70, 12, 20, 10, "{20, 1, 70, 12}"},   // upper right to upper left: T
      {70, 12, 10, 40, "{2, 1, 70, 40}"},    // ... on the left axis, not strictly up: L, T
      {70, 12, 85, 30, "{2, 1, 98, 79}"},    // to upper right, start first: all
      {85, 30, 70, 12, "{70, 12, 85, 30}"},  // ... end first: none
      {70, 12, 75, 60, "{2, 1, 75, 79}"},    // to lower right: L, T, B
      {70, 12, 25, 55, "{2, 1, 70, 55}"},    // to lower left: L, T
      {75, 60, 20, 10, "{20, 1, 98, 60}"},   // lower right to upper left: T, R
      {75, 60, 70, 12, "{70, 12, 98, 60}"},  // to upper right: R
      {75, 60, 25, 55, "{2, 1, 98, 60}"},    // to lower left: L, T, R
      {75, 60, 65, 70, "{2, 1, 98, 79}"},    // to lower right, end first in x: all
      {65, 70, 75, 60, "{65, 60, 75, 70}"},  // ... otherwise: none
      {25, 55, 20, 10, "{20, 1, 98, 79}"},   // lower left to upper left: T, R, B
      {35, 72, 25, 55, "{2, 1, 98, 79}"},    // to lower left, end first in x: all
      {25, 55, 35, 72, "{25, 55, 35, 72}"},  // ... otherwise: none
      {25, 55, 70, 12, "{25, 12, 98, 79}"},  // to upper right: R, B
      {25, 55, 75, 60, "{25, 55, 75, 79}"},  // to lower right: B
      {50, 1, 2, 40, "{2, 1, 50, 40}"},      // top point to left point: upper left both
      {50, 60, 60, 40, "{50, 40, 98, 60}"},  // lower axis: lower right; right axis: up
  };
  for (const auto& r : rows) {
    EXPECT_EQ(boundsOfArc(r.sx, r.sy, r.ex, r.ey), r.bounds)
        << "(" << r.sx << ", " << r.sy << ") to (" << r.ex << ", " << r.ey << ")";
  }
  // A plain arc and the whole ellipse of a full turn are pinned by the arcs
  // scene trace.
  host::traceClear();
  // Two turns: equal points, which the drawing layer takes for a full turn.
  call("drawArc(IIIIII)V", {0, 0, 100, 50, 90, 720});
  // No sweep: a line of no length.
  call("drawArc(IIIIII)V", {0, 0, 100, 50, 45, 0});
  // The styled arc has no whole-ellipse case.
  // x, y, w, h, start, sweep, color, backColor, lineWidth (its low 16 bits), lineStyle
  call("drawArc(IIIIIIIIII)V", {0, 0, 100, 50, 30, 360, 0x7, 0x8, 65538, 3});
  call("drawArc(IIIIIIIIII)V", {0, 0, 100, 50, 90, 2, 0x7, 0x8, 5, 3});
  // 90 to 92 degrees share row 0 (above); 90 to 91 on a circle share column 50.
  call("drawArc(IIIIII)V", {0, 0, 100, 100, 90, 1});
  call("fillArc(IIIIII)V", {0, 0, 100, 50, 90, 2});
  call("drawPie(IIIIII)V", {0, 0, 100, 50, 90, 4});
  // Five degrees are never small, even with the ends on one row.
  call("fillArc(IIIIII)V", {0, 0, 100, 50, 90, 5});
  // Two degrees whose ends share neither are not small either.
  call("drawPie(IIIIII)V", {0, 0, 100, 50, 0, 2});
  // Nothing on a box of no size divides: every point is the middle, equal
  // points a full turn; so do both given points on the centre.
  call("drawArc(IIIIII)V", {10, 10, 0, 0, 45, 90});
  call("fillArc(IIIIII)V", {10, 10, 0, 40, 45, 90});
  call("drawArc(IIIIIIIIIIII)V", {0, 0, 20, 20, 10, 10, 10, 10, 0x7, 0x8, 1, 1});
  // Between given points the arc is translated; flat bounds make a line.
  call("drawArc(IIIIIIIIIIII)V", {2, 1, 97, 79, 98, 40, 50, 1, 0x7, 0x8, 0x10005, 0x102});
  call("setTransform(II)V", {1000, -2000});
  call("drawArc(IIIIIIIIIIII)V", {2, 1, 97, 79, 98, 40, 50, 1, 0x7, 0x8, 3, 2});
  // A short arc whose bounds have no height: its end points lie on one row
  // and it passes no side.
  call("drawArc(IIIIIIIIIIII)V", {0, 0, 100, 50, 30, 10, 20, 10, 0x7, 0x8, 3, 2});
  const std::string pen = ", 0x00112233, 0x00000000, ", given = ", 0x00000007, 0x00000008, ";
  const std::string look = "0x00445566, 0x00112233}, {2, 0, 3, 1}, {";
  EXPECT_EQ(
      drawn(),
      (Lines{"osGXdrawArc({0, 0, 99, 49}, {50, 0, 50, 0}" + pen + "1, 2, {0, 0, 99, 49}, true)",
             "osGXdrawLine(72, 2, 72, 2, 2, 1" + pen + "0)",
             "osGXdrawArc({0, 0, 99, 49}, {82, 6, 82, 6}" + given + "3, 2, {0, 0, 99, 49}, true)",
             "osGXdrawLine(50, 0, 49, 0, 5, 3" + given + "0)",
             "osGXdrawLine(50, 0, 50, 1, 2, 1" + pen + "0)",
             "osGXfillPolygon(3, [{50, 25}, {50, 0}, {49, 0}], 0x00112233, 0x00445566, 3, true)",
             "osGXdrawPolygon(3, [{50, 25}, {50, 0}, {48, 0}], 2, 0x00112233, 0x00445566, 1)",
             "osGXpie(1, {0, 0, 99, 49}, {50, 0, 47, 0}, {0x00000000, " + look +
                 "47, 0, 50, 25}, true)",
             "osGXpie(1, {0, 0, 99, 49}, {100, 25, 99, 23}, {0x00112233, 0x00445566, "
             "0x00000000}, {2, 1, 0, 1}, {50, 23, 100, 25}, true)",
             "osGXdrawArc({10, 10, 9, 9}, {10, 10, 10, 10}" + pen + "1, 2, {10, 10, 9, 9}, true)",
             "osGXpie(1, {10, 10, 9, 49}, {10, 30, 10, 30}, {0x00000000, " + look +
                 "10, 10, 10, 49}, true)",
             "osGXdrawArc({0, 0, 19, 19}, {10, 10, 10, 10}" + given + "1, 1, {0, 0, 19, 19}, true)",
             "osGXdrawArc({2, 1, 98, 79}, {98, 40, 50, 1}" + given + "2, 5, {50, 1, 98, 40}, true)",
             "osGXdrawArc({1002, -1999, 1098, -1921}, {1098, -1960, 1050, -1999}" + given +
                 "2, 3, {1050, -1999, 1098, -1960}, true)",
             "osGXdrawLine(1030, -1990, 1020, -1990, 3, 2" + given + "0)"}));
  // Sectors take the canvas surface and the width's low byte as is.
  host::traceClear();
  setPen("surface", 9);
  setPen("fillStyle", 0x105);  // a code: its low byte
  // x, y, w, h, start, sweep, fillColor, backColor, fillStyle, lineColor, lineWidth, lineStyle
  for (const int32_t width : {200, -1, 0x17F})
    call("fillPieWithBorder(IIIIIIIIIIII)V",
         {0, 0, 100, 50, 45, 90, 0xF1, 0xB2, 6, 0xC3, width, 2});
  setPen("lineWidth", 0x180);
  call("fillArc(IIIIII)V", {0, 0, 100, 50, 45, 90});
  setPen("lineWidth", 0x203);
  call("drawPie(IIIIII)V", {0, 0, 100, 50, 45, 90});
  const std::string pie = "osGXpie(9, {0, 0, 99, 49}, {72, 2, 27, 2}, ";
  const std::string colours = pie + "{0x000000C3, 0x000000B2, 0x000000F1}, {";
  const std::string bounds = "}, {27, 0, 72, 25}, true)";
  EXPECT_EQ(drawn(), (Lines{colours + "-56, 2, 6, 1" + bounds, colours + "-1, 2, 6, 1" + bounds,
                            colours + "127, 2, 6, 1" + bounds,
                            pie + "{0x00000000, 0x00445566, 0x00112233}, {-128, 0, 5, 1" + bounds,
                            pie + "{0x00112233, 0x00445566, 0x00000000}, {3, 1, 0, 1" + bounds}));
}

}  // namespace tamri_test::canvas_arcs
