// Canvas polylines, Bezier lines and triangles through the VM frame.
#include "canvas_test_support.h"

namespace {

using tamri_test::Lines;
using tamri_test::makeIntArray;

class CanvasPolylinesTest : public tamri_test::CanvasTest {};

TEST_F(CanvasPolylinesTest, SplitPolylineIsCopiedInterleavedPolylineAndBezierMoveThePoints) {
  const jword xs = makeIntArray({1, 2, 3}), ys = makeIntArray({10, 20, 30});
  const jword trend = makeIntArray({1, 10, 2, 20, 3, 30});
  const jword curve = makeIntArray({0, 0, 5, 9, 10, 9, 15, 0, 77});
  call("setTransform(II)V", {100, 200});
  // count, color, backColor, lineWidth, lineStyle, lineEnds: the split form
  // takes byte attributes and no translation.
  call("drawPolyline([I[IIIIIII)V", {3, 0x55, 0x66, 256, 0x1FF, 0x102}, {xs, ys});
  call("drawPolyline([I[IIIIIII)V", {2, 0x55, 0x66, -3, 2, 1}, {xs, ys});
  call("drawPolyline([IIIIIII)V", {2, 0x55, 0x66, 3, 1, 1}, {trend});
  // count, color, backColor, lineWidth, lineStyle: the style is the line-ends code too.
  call("drawBezier([IIIIII)V", {9, 0x55, 0x66, 300, 3}, {curve});
  EXPECT_EQ((std::vector{elements(xs), elements(ys), elements(trend), elements(curve)}),
            (std::vector<std::vector<int32_t>>{{1, 2, 3},
                                               {10, 20, 30},
                                               {101, 210, 102, 220, 3, 30},
                                               {100, 200, 105, 209, 110, 209, 115, 200, 77}}));
  const std::string look = "0x00000055, 0x00000066, ";
  EXPECT_EQ(drawn(),
            (Lines{"osGXdrawPolyline(3, [{1, 10}, {2, 20}, {3, 30}], 0, 255, " + look + "2)",
                   "osGXdrawPolyline(2, [{1, 10}, {2, 20}], 253, 2, " + look + "1)",
                   "osGXdrawPolyline(2, [{101, 210}, {102, 220}], 3, 1, " + look + "1)",
                   "osGXdrawBezierLine(4, [{100, 200}, {105, 209}, {110, 209}, {115, 200}], 300, "
                   "3, " +
                       look + "3)"}));
}

TEST_F(CanvasPolylinesTest, StoredPointsAreCutTo16BitsAndBadCountsDrawWhatFits) {
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
}

TEST_F(CanvasPolylinesTest, TriangleBorderRule) {
  call("setTransform(II)V", {100, 200});  // triangles are not translated
  // x1, y1, x2, y2, x3, y3, fillColor, backColor, fillStyle (byte), lineWidth, lineColor,
  // lineStyle
  const std::vector<int32_t> corners{1, 2, 30, 4, 5, 60};
  auto triangle = [&](int32_t fillStyle, int32_t lineWidth, int32_t lineColor, int32_t style) {
    std::vector<int32_t> args = corners;
    args.insert(args.end(), {0x55, 0x66, fillStyle, lineWidth, lineColor, style});
    call("fillTriangleWithBorder(IIIIIIIIBIII)V", args);
  };
  triangle(2, 7, 0x77, 0);   // filled, outlined in the fill colour
  triangle(0, 7, 0x77, 0);   // nothing
  triangle(0x80, 7, -1, 0);  // no fill (negative byte), still the fill-colour outline
  triangle(0x102, 0x10003, 0x77, 0x10004);  // style and width in that order, 16 bits each
  triangle(1, 3, 0x77, -2);                 // a negative style draws no outline
  EXPECT_EQ(drawn(), (Lines{"osGXfillTriangle(1, 2, 30, 4, 5, 60, 0x00000055, 0x00000066, 2)",
                            "osGXdrawTriangle(1, 2, 30, 4, 5, 60, 0x00000055, 0x00000066, 1, 1)",
                            "osGXdrawTriangle(1, 2, 30, 4, 5, 60, 0x00000055, 0x00000066, 1, 1)",
                            "osGXfillTriangle(1, 2, 30, 4, 5, 60, 0x00000055, 0x00000066, 2)",
                            "osGXdrawTriangle(1, 2, 30, 4, 5, 60, 0x00000077, 0x00000066, 4, 3)",
                            "osGXfillTriangle(1, 2, 30, 4, 5, 60, 0x00000055, 0x00000066, 1)"}));
}

}  // namespace
