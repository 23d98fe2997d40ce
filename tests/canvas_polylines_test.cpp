// Canvas polylines, Bezier lines, triangles and point marks through the VM
// frame.
#include "canvas_test_support.h"

namespace tamri_test::canvas_polylines {

class CanvasPolylinesTest : public CanvasTest {};

constexpr const char* kMarks = "drawMarks([I[IIIIII)V";

// Marks take the xs and ys, then first, count, color, size and markType.
std::string line(int x1, int y1, int x2, int y2) {
  return "osGXdrawLine(" + std::to_string(x1) + ", " + std::to_string(y1) + ", " +
         std::to_string(x2) + ", " + std::to_string(y2) + ", 1, 1, 0x00000077, 0x00000000, 0)";
}

TEST_F(CanvasPolylinesTest, PolylinesBeziersTrianglesAndMarks) {
  const jword xs = makeIntArray({1, 2, 3}), ys = makeIntArray({10, 20, 30});
  const jword curve = makeIntArray({0, 0, 5, 9, 10, 9, 15, 0, 77});
  call("setTransform(II)V", {100, 200});
  // count, color, backColor, lineWidth, lineStyle, lineEnds: the split form
  // takes byte attributes and no translation.
  call("drawPolyline([I[IIIIIII)V", {3, 0x55, 0x66, 256, 0x1FF, 0x102}, {xs, ys});
  call("drawPolyline([I[IIIIIII)V", {2, 0x55, 0x66, -3, 2, 1}, {xs, ys});
  // count, color, backColor, lineWidth, lineStyle: the style is the line-ends code too.
  call("drawBezier([IIIIII)V", {9, 0x55, 0x66, 300, 3}, {curve});
  // The interleaved polyline's translation is pinned by the canvas_shapes scene.
  EXPECT_EQ((std::vector{elements(xs), elements(ys), elements(curve)}),
            std::vector<std::vector<int32_t>>(
                {{1, 2, 3}, {10, 20, 30}, {100, 200, 105, 209, 110, 209, 115, 200, 77}}));
  const std::string look = "0x00000055, 0x00000066, ";
  EXPECT_EQ(
      drawn(),
      (Lines{"osGXdrawPolyline(3, [{1, 10}, {2, 20}, {3, 30}], 0, 255, " + look + "2)",
             "osGXdrawPolyline(2, [{1, 10}, {2, 20}], 253, 2, " + look + "1)",
             "osGXdrawBezierLine(4, [{100, 200}, {105, 209}, {110, 209}, {115, 200}], 300, 3, " +
                 look + "3)"}));
  // Stored points are cut to 16 bits and bad counts draw what fits.
  host::traceClear();
  const jword points = makeIntArray({32767, -32768, 5, 6});
  call("setTransform(II)V", {1, -1});
  call("drawPolyline([IIIIIII)V", {-7, 1, 2, 1, 1, 0}, {points});
  call("drawPolyline([IIIIIII)V", {99, 1, 2, 1, 1, 0}, {points});
  EXPECT_EQ(elements(points), (std::vector<int32_t>{-32768, 32767, 6, 5}));
  call("drawBezier([IIIIII)V", {1, 1, 2, 1, 1}, {0});
  call("drawPolyline([IIIIIII)V", {1, 1, 2, 1, 1, 0}, {0});
  call("drawPolyline([I[IIIIIII)V", {1, 1, 2, 1, 1, 0}, {points, 0});
  EXPECT_EQ(drawn(), (Lines{"osGXdrawPolyline(0, [], 1, 1, 0x00000001, 0x00000002, 0)",
                            "osGXdrawPolyline(2, [{-32768, 32767}, {6, 5}], 1, 1, 0x00000001, "
                            "0x00000002, 0)"}));
  // Triangle border rule.
  host::traceClear();
  call("setTransform(II)V", {100, 200});  // triangles are not translated
  // x1, y1, x2, y2, x3, y3, fillColor, backColor, fillStyle (byte), lineWidth, lineColor,
  // lineStyle
  auto triangle = [&](int32_t fillStyle, int32_t lineWidth, int32_t lineColor, int32_t style) {
    call("fillTriangleWithBorder(IIIIIIIIBIII)V",
         {1, 2, 30, 4, 5, 60, 0x55, 0x66, fillStyle, lineWidth, lineColor, style});
  };
  triangle(0, 7, 0x77, 0);   // nothing
  triangle(0x80, 7, -1, 0);  // no fill (negative byte), still the fill-colour outline
  triangle(0x102, 0x10003, 0x77, 0x10004);  // style and width in that order, 16 bits each
  triangle(1, 3, 0x77, -2);                 // a negative style draws no outline
  // Filled and outlined in the fill colour is pinned by the canvas_shapes scene.
  EXPECT_EQ(drawn(), (Lines{"osGXdrawTriangle(1, 2, 30, 4, 5, 60, 0x00000055, 0x00000066, 1, 1)",
                            "osGXfillTriangle(1, 2, 30, 4, 5, 60, 0x00000055, 0x00000066, 2)",
                            "osGXdrawTriangle(1, 2, 30, 4, 5, 60, 0x00000077, 0x00000066, 4, 3)",
                            "osGXfillTriangle(1, 2, 30, 4, 5, 60, 0x00000055, 0x00000066, 1)"}));
  // Mark types 1 to 10 at an odd size are pinned by the gauge scene trace.
  host::traceClear();
  const jword markXs = makeIntArray({1, 2, 3, 4}), markYs = makeIntArray({10, 20, 30});
  for (const int32_t type : {0, 11, -1}) call(kMarks, {0, 1, 0x77, 5, type}, {markXs, markYs});
  auto cross = [](int x, int y) { return line(x - 3, y, x + 3, y); };
  call(kMarks, {1, 2, 0x77, 7, 6}, {markXs, markYs});          // points 1 and 2
  call(kMarks, {2, 5, 0x77, 7, 6}, {markXs, markYs});          // only 2: ys ends there
  call(kMarks, {-2, 3, 0x77, 7, 6}, {markXs, markYs});         // -2 and -1 do not exist: only 0
  call(kMarks, {INT32_MAX, 5, 0x77, 7, 6}, {markXs, markYs});  // far beyond: nothing
  call(kMarks, {0, -1, 0x77, 7, 6}, {markXs, markYs});
  call(kMarks, {0, 3, 0x77, 7, 6}, {0, markYs});
  EXPECT_EQ(drawn(), (Lines{cross(2, 20), line(2, 17, 2, 23), cross(3, 30), line(3, 27, 3, 33),
                            cross(3, 30), line(3, 27, 3, 33), cross(1, 10), line(1, 7, 1, 13)}));
}

}  // namespace tamri_test::canvas_polylines
