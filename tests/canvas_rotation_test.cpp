// Canvas rotation through the VM frame: the rotation helpers' angle
// reduction, the polar form of a shape, and the rotating polygon drawn from
// it, with counts and arrays that do not fit.
#include "canvas_test_support.h"

namespace tamri_test::canvas_rotation {

constexpr const char* kPolar = "preCalculatePolygonParams(I[I[I[I[I)V";
constexpr const char* kRotating = "fillRotatingPolygon(I[I[I[I[IIIIIIZZ)V";

// kRotating takes count, cx, cy, rotation, fillColor, lineColor, fill, outline.
class CanvasRotationTest : public CanvasTest {
 protected:
  void SetUp() override {
    CanvasTest::SetUp();
    // A needle pointing up from its pivot.
    xs = makeIntArray({0, 4, 0, -4});
    ys = makeIntArray({-40, 0, 8, 0});
    radii = makeIntArray({0, 0, 0, 0});
    angles = makeIntArray({0, 0, 0, 0});
    callClass(kPolar, {4}, {xs, ys, radii, angles});
  }
  std::vector<jword> arrays() const { return {xs, ys, radii, angles}; }
  jword xs = 0, ys = 0, radii = 0, angles = 0;
};

TEST_F(CanvasRotationTest, HelpersPolarFormAndTheRotatingPolygon) {
  struct Case {
    const char* native;
    int32_t length, angle, expected;
  } cases[] = {
      {"rotatePtX(II)I", 1000, 45, 707},
      {"rotatePtY(II)I", 1000, 45, -707},
      {"rotatePtY(II)I", 1000, -90, 1000},       // 270: straight down
      {"rotatePtX(II)I", 100, 360, 100},         // 360 stays a full turn
      {"rotatePtY(II)I", 1000, INT32_MIN, 788},  // 232 degrees, below the centre
      {"rotatePtY(II)I", 1000, 4000, -642},      // 40: far beyond 16-bit tenths
      {"preciseRotatePtX(II)I", 1000, 3600, 1000},
      {"preciseRotatePtY(II)I", 1000, 300 - 3600 * 2, -500},
      {"preciseRotatePtX(II)I", 1000, 3600 * 5 + 600, 500},
      {"preciseRotatePtY(II)I", 1000, 2700, 1000},
      {"preciseRotatePtX(II)I", 10000, 1, 9999},  // tenths, not degrees
  };
  for (const Case& c : cases) {
    EXPECT_EQ(static_cast<int32_t>(call(c.native, {c.length, c.angle}).value), c.expected)
        << c.native << " " << c.angle;
  }
  // Polar form of points about the centre.
  const jword pointXs = makeIntArray({0, 0, 10, -10, 0, -10, 10, -32768, 77});
  const jword pointYs = makeIntArray({-10, 0, -10, 0, 10, 10, 10, -32768, 77});
  const jword polarRadii = makeIntArray(std::vector<int32_t>(9, -7));
  const jword polarAngles = makeIntArray(std::vector<int32_t>(9, -7));
  callClass(kPolar, {8}, {pointXs, pointYs, polarRadii, polarAngles});
  // Up is 900, left 1800, down 2700; right of the centre the angle is the
  // negated arctangent, so (10, 10) below right is at -450.
  EXPECT_EQ(elements(polarAngles),
            (std::vector<int32_t>{900, 900, 450, 1800, 2700, 2250, -450, 1350, -7}));
  // Two full 16-bit coordinates: 46341, not a wrapped square.
  EXPECT_EQ(elements(polarRadii), (std::vector<int32_t>{10, 0, 14, 10, 10, 14, 14, 46341, -7}));
  // The polar form stops at the shortest array and needs all four.
  const jword shortXs = makeIntArray({3, 0, 5}), shortYs = makeIntArray({4, -2, 12});
  const jword twoRadii = makeIntArray({-1, -1}), threeAngles = makeIntArray({-1, -1, -1});
  callClass(kPolar, {3}, {shortXs, shortYs, twoRadii, threeAngles});
  const jword fresh = makeIntArray({-1, -1});
  callClass(kPolar, {2}, {shortXs, 0, fresh, threeAngles});
  callClass(kPolar, {-5}, {shortXs, shortYs, fresh, threeAngles});
  EXPECT_EQ((std::vector{elements(twoRadii), elements(threeAngles), elements(fresh)}),
            (std::vector<std::vector<int32_t>>{{5, 2}, {-531, 900, -1}, {-1, -1}}));
  // The needle, turned from its polar form or unturned from its points.
  // Unturned: the points moved to the pivot, radii and angles unread.
  call(kRotating, {4, 100, 50, 0, 0x11, 0x22, 1, 0}, {xs, ys, 0, 0});
  // A full turn goes through the polar form and lands on the same pixels.
  call(kRotating, {4, 100, 50, 3600, 0x11, 0x22, 1, 0}, arrays());
  // Both flags outline over the fill's own edge; neither draws nothing.
  call(kRotating, {2, 0, 0, 0, 0x11, 0x22, 1, 1}, arrays());
  call(kRotating, {4, 0, 0, 0, 0x11, 0x22, 0, 0}, arrays());
  // A quarter turn however written; +0.5 then truncation: -39.5 + 100 = 60.5
  // gives 60, 50 - 4 + 0.5 gives 46.
  for (const int32_t rotation : {900, 900 + 3600, 900 - 3600 * 2})
    call(kRotating, {4, 100, 50, rotation, 0x11, 0x22, 0, 1}, arrays());
  const std::string left =
      "osGXdrawPolygon(4, [{60, 50}, {100, 46}, {108, 50}, {100, 54}], 1, "
      "0x00000022, 0x00000000, 1)";
  const std::string upright = "4, [{100, 10}, {104, 50}, {100, 58}, {96, 50}], ";
  const std::string fill = "osGXfillPolygon(" + upright + "0x00000011, 0x00000000, 1, true)";
  const std::string rim = "osGXdrawPolygon(" + upright + "1, 0x00000011, 0x00000000, 1)";
  const std::string two = "2, [{0, -40}, {4, 0}], ";
  EXPECT_EQ(
      drawn(),
      (Lines{fill, rim, fill, rim, "osGXfillPolygon(" + two + "0x00000011, 0x00000000, 1, true)",
             "osGXdrawPolygon(" + two + "1, 0x00000011, 0x00000000, 1)",
             "osGXdrawPolygon(" + two + "1, 0x00000022, 0x00000000, 1)", left, left, left}));
  // Counts are held at one hundred and at what the read arrays hold.
  host::traceClear();
  std::vector<int32_t> many(150);
  for (int32_t i = 0; i < 150; ++i) many[i] = i;
  const jword big = makeIntArray(many);
  const jword tens = makeIntArray(std::vector<int32_t>(150, 10));
  call(kRotating, {150, 0, 0, 0, 0x11, 0x22, 0, 1}, {big, big, tens, big});
  // Turned: radii and angles count, xs and ys are not read.
  const jword three = makeIntArray({0, 900, 1800});
  call(kRotating, {150, 0, 0, 1, 0x11, 0x22, 0, 1}, {0, 0, tens, three});
  // Unturned: xs and ys count.
  call(kRotating, {150, 5, 6, 0, 0x11, 0x22, 0, 1}, {makeIntArray({1, 2}), big, 0, 0});
  // The sum is cut to 16 bits, then brought up or down by one turn:
  // -31999 + 3600 is 40.1 degrees; 70001 cut is 4465, less one turn 86.5.
  call(kRotating, {2, 0, 0, 1, 0x11, 0x22, 0, 1},
       {0, 0, makeIntArray({100, 100}), makeIntArray({-32000, 70000})});
  // A missing array that would be read draws nothing.
  call(kRotating, {3, 0, 0, 1, 0x11, 0x22, 1, 1}, {big, big, 0, three});
  call(kRotating, {3, 0, 0, 0, 0x11, 0x22, 1, 1}, {big, 0, tens, three});
  std::string hundred = "{0, 0}";
  for (int32_t i = 1; i < 100; ++i)
    hundred += ", {" + std::to_string(i) + ", " + std::to_string(i) + "}";
  const std::string look = "], 1, 0x00000022, 0x00000000, 1)";
  EXPECT_EQ(drawn(), (Lines{"osGXdrawPolygon(100, [" + hundred + look,
                            "osGXdrawPolygon(3, [{10, 0}, {0, -9}, {-9, 0}" + look,
                            "osGXdrawPolygon(2, [{6, 6}, {7, 7}" + look,
                            "osGXdrawPolygon(2, [{76, -63}, {6, -99}" + look}));
}

}  // namespace tamri_test::canvas_rotation
