// Point marks through the VM frame: every mark type, drawn at each point of
// a range, and ranges that reach beyond the arrays.
#include "canvas_test_support.h"

namespace {

using tamri_test::Lines;
using tamri_test::makeIntArray;

constexpr const char* kMarks = "drawMarks([I[IIIIII)V";

// Calls take the xs and ys, then first, count, color, size and markType.
class CanvasMarksTest : public tamri_test::CanvasTest {};

std::string line(int x1, int y1, int x2, int y2) {
  return "osGXdrawLine(" + std::to_string(x1) + ", " + std::to_string(y1) + ", " +
         std::to_string(x2) + ", " + std::to_string(y2) + ", 1, 1, 0x00000077, 0x00000000, 0)";
}

TEST_F(CanvasMarksTest, EveryTypeAtOnePointWithHalfTheSizeTruncated) {
  // X = 10, Y = 20, size 5: h = 2.
  const Lines square = {"osGXdrawRectangle(8, 18, 12, 22, 1, 1, 0x00000077, 0x00000000, 0, 1, 1)"};
  const Lines diagonalCross = {line(8, 18, 12, 22), line(12, 18, 8, 22)};
  const Lines diamond = {line(8, 20, 10, 18), line(10, 18, 12, 20), line(12, 20, 10, 22),
                         line(10, 22, 8, 20)};
  const Lines uprightCross = {line(8, 20, 12, 20), line(10, 18, 10, 22)};
  auto join = [](Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const Lines expected[] = {
      {},
      {"osGXfillEllipse(8, 18, 12, 22, 0x00000077, 1, 0x00000000)"},
      {"osGXdrawEllipse(8, 18, 12, 22, 0x00000077, 1, 1, 0x00000000)"},
      diagonalCross,
      diamond,
      join(diamond, uprightCross),
      uprightCross,
      square,
      join(square, diagonalCross),
      {line(8, 18, 12, 18), line(12, 18, 10, 22), line(10, 22, 8, 18)},
      {line(8, 22, 10, 18), line(10, 18, 12, 22), line(12, 22, 8, 22)},
      {},
      {},
  };
  const int32_t types[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, -1};
  const jword xs = makeIntArray({10});
  const jword ys = makeIntArray({20});
  for (size_t i = 0; i < std::size(types); ++i) {
    host::traceClear();
    call(kMarks, {0, 1, 0x77, 5, types[i]}, {xs, ys});
    EXPECT_EQ(drawn(), expected[i]) << "mark type " << types[i];
  }
}

TEST_F(CanvasMarksTest, RangesAreCutToWhatBothArraysHold) {
  const jword xs = makeIntArray({1, 2, 3, 4});
  const jword ys = makeIntArray({10, 20, 30});
  auto cross = [](int x, int y) { return line(x - 3, y, x + 3, y); };
  call(kMarks, {1, 2, 0x77, 7, 6}, {xs, ys});          // points 1 and 2
  call(kMarks, {2, 5, 0x77, 7, 6}, {xs, ys});          // only 2: ys ends there
  call(kMarks, {-2, 3, 0x77, 7, 6}, {xs, ys});         // -2 and -1 do not exist: only 0
  call(kMarks, {INT32_MAX, 5, 0x77, 7, 6}, {xs, ys});  // far beyond: nothing
  call(kMarks, {0, -1, 0x77, 7, 6}, {xs, ys});
  call(kMarks, {0, 3, 0x77, 7, 6}, {0, ys});
  EXPECT_EQ(drawn(), (Lines{cross(2, 20), line(2, 17, 2, 23), cross(3, 30), line(3, 27, 3, 33),
                            cross(3, 30), line(3, 27, 3, 33), cross(1, 10), line(1, 7, 1, 13)}));
}

}  // namespace
