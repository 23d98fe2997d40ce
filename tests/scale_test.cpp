// Scales through the VM frame: the CgpScale object (straight, stepped,
// vertical, circular) and the canvas's three scale natives with the canvas
// translation, tick by tick as they reach the drawing layer.
#include "canvas_test_support.h"

#include <tuple>

namespace {

using tamri_test::Lines;

constexpr const char* kScale = "gpclasses/graphics/CgpScale";

using Ticks = std::vector<std::vector<int>>;

// The ticks as (x1, y1, x2, y2) of each osGXdrawLine, in drawing order.
Ticks ticks() {
  Ticks result;
  for (const std::string& line : tamri_test::traceWith("osGXdrawLine(")) {
    std::vector<int> ends(4);
    std::sscanf(line.c_str(), "osGXdrawLine(%d, %d, %d, %d", &ends[0], &ends[1], &ends[2],
                &ends[3]);
    result.push_back(ends);
  }
  return result;
}

// clang-format off
const tamri_test::FieldValues kRound{{"x2", 100}, {"y2", 100}, {"y1", 0}, {"scaleCircular", 1},
    {"scaleStep", 3}, {"scaleInnerRadius", 30}, {"scaleOuterRadius", 40}};
// clang-format on

class ScaleTest : public tamri_test::CanvasTest {
 protected:
  Ticks drawScale(const tamri_test::FieldValues& own) {
    const tamri_test::FieldValues look{{"x1", 0},        {"y1", 5},           {"x2", 100},
                                       {"y2", 15},       {"lineColor", 0x12}, {"backColor", 0x34},
                                       {"lineWidth", 2}, {"lineStyle", 3}};
    host::traceClear();
    tamri_test::callOn(tamri_test::makeObject(kScale, tamri_test::joined(look, own)), "draw(I)V",
                       {9});
    return ticks();
  }
  // About the centre (50, 50), radii 30 and 40; step 3 is ignored.
  Ticks drawRound(int32_t start, int32_t end, int32_t divisions,
                  const tamri_test::FieldValues& place = {}) {
    const tamri_test::FieldValues angles{
        {"scaleStartAngle", start}, {"scaleEndAngle", end}, {"scaleDivisions", divisions}};
    return drawScale(tamri_test::joined(tamri_test::joined(kRound, angles), place));
  }
  Ticks straight(int64_t divisions, int64_t step) {
    return drawScale({{"scaleDivisions", divisions}, {"scaleStep", step}});
  }
};

TEST_F(ScaleTest, StraightScalesCountRightwardsOrUpwardsByTheirStep) {
  // Any non-zero byte is vertical.
  EXPECT_EQ(drawScale({{"scaleDivisions", 3}, {"y1", 0}, {"y2", 100}, {"scaleVertical", 2}}),
            (Ticks{{0, 100, 100, 100}, {0, 67, 100, 67}, {0, 33, 100, 33}, {0, 0, 100, 0}}));
  // Steps pick every nth tick; a step below one draws them all.
  EXPECT_EQ(straight(4, 2), (Ticks{{0, 5, 0, 15}, {50, 5, 50, 15}, {100, 5, 100, 15}}));
  EXPECT_EQ(straight(4, 3), (Ticks{{0, 5, 0, 15}, {75, 5, 75, 15}}));
  EXPECT_EQ(straight(4, INT32_MAX), (Ticks{{0, 5, 0, 15}}));
  const Ticks everyTick = straight(4, 1);
  ASSERT_EQ(everyTick.size(), 5u);
  for (const int64_t step : {0, -2}) EXPECT_EQ(straight(4, step), everyTick) << step;
}

TEST_F(ScaleTest, CircularScalesRunCounterClockwiseFromOuterToInnerRadius) {
  EXPECT_EQ(drawRound(0, 180, 2), (Ticks{{90, 50, 80, 50}, {50, 10, 50, 20}, {10, 50, 20, 50}}));
  // Equal angles: a full circle, the last tick back on the first.
  EXPECT_EQ(drawRound(90, 90, 4), (Ticks{{50, 10, 50, 20},
                                         {10, 50, 20, 50},
                                         {50, 90, 50, 80},
                                         {90, 50, 80, 50},
                                         {50, 10, 50, 20}}));
  // Products are truncated one by one: 40 × cos 45 = 28.28, 30 × cos 45 = 21.2.
  EXPECT_EQ(drawRound(45, 45 + 360, 1)[0], (std::vector<int>{78, 22, 71, 29}));
  // Away from the origin the centre is each side's truncated half on from
  // x1 and y1: (10 + 50, 20 + 50).
  EXPECT_EQ(drawRound(90, 180, 1, {{"x1", 10}, {"x2", 111}, {"y1", 20}, {"y2", 121}}),
            (Ticks{{60, 30, 60, 40}, {20, 70, 30, 70}}));
}

TEST_F(ScaleTest, DivisionsOutsideOneTo32767DrawNothing) {
  for (const int64_t divisions : {0, -3, 32768, INT32_MAX}) {
    EXPECT_EQ(straight(divisions, 1), Ticks{}) << divisions;
    EXPECT_EQ(drawRound(0, 90, static_cast<int32_t>(divisions)), Ticks{}) << divisions;
  }
  host::setTraceRecording(false);
  drawRound(0, 90, 32767);
  host::setTraceRecording(true);
  EXPECT_EQ(straight(32767, 1000).size(), 33u);
}

TEST_F(ScaleTest, CanvasStraightScaleTakesTheTranslationAndItsOwnLook) {
  call("setTransform(II)V", {1000, 2000});
  // x1, y1, x2, y2, vertical, colour, backColour, width, style, divisions
  call("drawScale(IIIIZIIIII)V", {0, 0, 100, 10, 0x100, 0x12, 0x34, 65536, 0x10005, 2});
  call("drawScale(IIIIZIIIII)V", {0, 0, 10, 100, 1, 0x12, 0x34, 1, 1, 2});
  call("drawScale(IIIIZIIIII)V", {0, 0, 10, 100, 1, 0x12, 0x34, 1, 1, 0});
  EXPECT_EQ(drawn(),
            (Lines{"osGXdrawLine(1000, 2000, 1000, 2010, 0, 5, 0x00000012, 0x00000034, 0)",
                   "osGXdrawLine(1050, 2000, 1050, 2010, 0, 5, 0x00000012, 0x00000034, 0)",
                   "osGXdrawLine(1100, 2000, 1100, 2010, 0, 5, 0x00000012, 0x00000034, 0)",
                   "osGXdrawLine(1000, 2100, 1010, 2100, 1, 1, 0x00000012, 0x00000034, 0)",
                   "osGXdrawLine(1000, 2050, 1010, 2050, 1, 1, 0x00000012, 0x00000034, 0)",
                   "osGXdrawLine(1000, 2000, 1010, 2000, 1, 1, 0x00000012, 0x00000034, 0)"}));
}

TEST_F(ScaleTest, CanvasRoundScaleRunsFromTheInscribedCircleToTheTickRadius) {
  call("setTransform(II)V", {1000, 2000});
  // x1, y1, x2, y2, start, end, tickRadius, colour, backColour, width, style,
  // divisions: radius (109 - 10 + 1) / 2 = 50 about (1060, 2070).
  call("drawScale(IIIIIIIIIIII)V", {10, 20, 109, 119, 0, 90, 40, 0x12, 0x34, 1, 1, 1});
  EXPECT_EQ(ticks(), (Ticks{{1110, 2070, 1100, 2070}, {1060, 2020, 1060, 2030}}));
  // An odd width: radius 49 about (1059, 2070).
  host::traceClear();
  call("drawScale(IIIIIIIIIIII)V", {10, 20, 108, 120, 90, 90, 60, 0x12, 0x34, 1, 1, 2});
  EXPECT_EQ(ticks(),
            (Ticks{{1059, 2021, 1059, 2010}, {1059, 2119, 1059, 2130}, {1059, 2021, 1059, 2010}}));
}

TEST_F(ScaleTest, SubdividedScaleDrawsTheMainTicksThenFineOnesFromTheInsetCircle) {
  // x1, y1, x2, y2, inset, start, end, tickRadius, colour, backColour, width,
  // style, divisions, subdivisions
  call("drawScaleWithSubDivision(IIIIIIIIIIIIII)V",
       {0, 0, 99, 99, 5, 0, 180, 30, 0x12, 0x34, 1, 1, 4, 4});
  // Main ticks from radius 50, fine ticks from 45, about (50, 50).
  const Ticks all = ticks();
  ASSERT_EQ(all.size(), 5u + 21u);
  EXPECT_EQ(
      (Ticks{all[0], all[4], all[5], all[15], all[25]}),
      (Ticks{
          {100, 50, 80, 50}, {0, 50, 20, 50}, {95, 50, 80, 50}, {50, 5, 50, 20}, {5, 50, 20, 50}}));
  // No fine ticks, too many fine ticks (the main ones alone), no divisions.
  const Ticks mainOnly(all.begin(), all.begin() + 5);
  for (const auto& [divisions, subdivisions, expected] :
       {std::tuple{4, 0, mainOnly}, {4, 8192, mainOnly}, {0, 4, Ticks{}}}) {
    host::traceClear();
    call("drawScaleWithSubDivision(IIIIIIIIIIIIII)V",
         {0, 0, 99, 99, 5, 0, 180, 30, 0x12, 0x34, 1, 1, divisions, subdivisions});
    EXPECT_EQ(ticks(), expected) << divisions << " " << subdivisions;
  }
}

}  // namespace
