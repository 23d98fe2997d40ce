// Scales through the VM frame: the CgpScale object (straight, stepped,
// vertical, circular) and the canvas's three scale natives with the canvas
// translation, tick by tick as they reach the drawing layer.
#include "canvas_test_support.h"

#include <tuple>

namespace {

using tamri_test::Lines;

constexpr const char* kScale = "gpclasses/graphics/CgpScale";

// The ticks as (x1, y1, x2, y2) of each osGXdrawLine, in drawing order.
std::vector<std::vector<int>> ticks() {
  std::vector<std::vector<int>> result;
  for (const std::string& line : tamri_test::traceWith("osGXdrawLine(")) {
    std::vector<int> ends(4);
    std::sscanf(line.c_str(), "osGXdrawLine(%d, %d, %d, %d", &ends[0], &ends[1], &ends[2],
                &ends[3]);
    result.push_back(ends);
  }
  return result;
}
using Ticks = std::vector<std::vector<int>>;

class ScaleTest : public tamri_test::CanvasTest {
 protected:
  void drawScale(const tamri_test::FieldValues& own) {
    tamri_test::FieldValues fields = {{"x1", 0},        {"y1", 5},           {"x2", 100},
                                      {"y2", 15},       {"lineColor", 0x12}, {"backColor", 0x34},
                                      {"lineWidth", 2}, {"lineStyle", 3}};
    fields.insert(fields.end(), own.begin(), own.end());
    host::traceClear();
    tamri_test::callOn(tamri_test::makeObject(kScale, fields), "draw(I)V", {9});
  }
  void drawRound(int32_t start, int32_t end, int32_t divisions) {
    drawScale({{"x2", 100},
               {"y2", 100},
               {"y1", 0},
               {"scaleCircular", 1},
               {"scaleStep", 3},
               {"scaleStartAngle", start},
               {"scaleEndAngle", end},
               {"scaleInnerRadius", 30},
               {"scaleOuterRadius", 40},
               {"scaleDivisions", divisions}});
  }
};

TEST_F(ScaleTest, StraightScalesCountRightwardsOrUpwards) {
  drawScale({{"scaleDivisions", 3}, {"scaleStep", 1}});
  EXPECT_EQ(ticks(), (Ticks{{0, 5, 0, 15}, {33, 5, 33, 15}, {67, 5, 67, 15}, {100, 5, 100, 15}}));
  EXPECT_EQ(tamri_test::traceWith("osGX")[0],
            "osGXdrawLine(0, 5, 0, 15, 2, 3, 0x00000012, "
            "0x00000034, 0)");
  // Any non-zero byte is vertical.
  drawScale({{"scaleDivisions", 3},
             {"scaleStep", 1},
             {"y1", 0},
             {"y2", 100},
             {"x1", 7},
             {"x2", 9},
             {"scaleVertical", 2}});
  EXPECT_EQ(ticks(), (Ticks{{7, 100, 9, 100}, {7, 67, 9, 67}, {7, 33, 9, 33}, {7, 0, 9, 0}}));
}

TEST_F(ScaleTest, StepsPickEveryNthTickAndAStepBelowOneDrawsThemAll) {
  drawScale({{"scaleDivisions", 4}, {"scaleStep", 2}});
  EXPECT_EQ(ticks(), (Ticks{{0, 5, 0, 15}, {50, 5, 50, 15}, {100, 5, 100, 15}}));
  drawScale({{"scaleDivisions", 4}, {"scaleStep", 3}});
  EXPECT_EQ(ticks(), (Ticks{{0, 5, 0, 15}, {75, 5, 75, 15}}));
  for (const int64_t step : {0, -2}) {
    drawScale({{"scaleDivisions", 4}, {"scaleStep", step}});
    EXPECT_EQ(ticks().size(), 5u) << step;
  }
  drawScale({{"scaleDivisions", 4}, {"scaleStep", INT32_MAX}});
  EXPECT_EQ(ticks(), (Ticks{{0, 5, 0, 15}}));
}

TEST_F(ScaleTest, CircularScalesRunCounterClockwiseFromOuterToInnerRadius) {
  // Centre (50, 50); step 3 is ignored.
  drawRound(0, 180, 2);
  EXPECT_EQ(ticks(), (Ticks{{90, 50, 80, 50}, {50, 10, 50, 20}, {10, 50, 20, 50}}));
  // Through 0: the end is taken as 450.
  drawRound(270, 90, 2);
  EXPECT_EQ(ticks(), (Ticks{{50, 90, 50, 80}, {90, 50, 80, 50}, {50, 10, 50, 20}}));
  // Equal angles: a full circle, the last tick back on the first.
  drawRound(90, 90, 4);
  EXPECT_EQ(ticks(), (Ticks{{50, 10, 50, 20},
                            {10, 50, 20, 50},
                            {50, 90, 50, 80},
                            {90, 50, 80, 50},
                            {50, 10, 50, 20}}));
  // Products are truncated one by one: 40 × cos 45 = 28.28, 30 × cos 45 = 21.2.
  drawRound(45, 45 + 360, 1);
  EXPECT_EQ(ticks()[0], (std::vector<int>{78, 22, 71, 29}));
  // Away from the origin the centre is each side's truncated half on from
  // x1 and y1: (10 + 50, 20 + 50).
  drawScale({{"x1", 10},
             {"x2", 111},
             {"y1", 20},
             {"y2", 121},
             {"scaleCircular", 1},
             {"scaleStartAngle", 90},
             {"scaleEndAngle", 180},
             {"scaleInnerRadius", 30},
             {"scaleOuterRadius", 40},
             {"scaleDivisions", 1}});
  EXPECT_EQ(ticks(), (Ticks{{60, 30, 60, 40}, {20, 70, 30, 70}}));
}

TEST_F(ScaleTest, DivisionsOutsideOneTo32767DrawNothing) {
  for (const int64_t divisions : {0, -3, 32768, INT32_MAX}) {
    drawScale({{"scaleDivisions", divisions}, {"scaleStep", 1}});
    EXPECT_TRUE(ticks().empty()) << divisions;
    drawRound(0, 90, static_cast<int32_t>(divisions));
    EXPECT_TRUE(ticks().empty()) << divisions;
  }
  host::setTraceRecording(false);
  drawRound(0, 90, 32767);
  host::setTraceRecording(true);
  drawScale({{"scaleDivisions", 32767}, {"scaleStep", 1000}});
  EXPECT_EQ(ticks().size(), 33u);
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
  const Ticks all = ticks();
  ASSERT_EQ(all.size(), 5u + 21u);
  // Main ticks from radius 50, fine ticks from 45, about (50, 50).
  EXPECT_EQ(all[0], (std::vector<int>{100, 50, 80, 50}));
  EXPECT_EQ(all[4], (std::vector<int>{0, 50, 20, 50}));
  EXPECT_EQ(all[5], (std::vector<int>{95, 50, 80, 50}));
  EXPECT_EQ(all[15], (std::vector<int>{50, 5, 50, 20}));
  EXPECT_EQ(all[25], (std::vector<int>{5, 50, 20, 50}));

  // No fine ticks, too many fine ticks (the main ones alone), no divisions.
  for (const auto& [divisions, subdivisions, count] :
       {std::tuple{4, 0, 5}, {4, 8192, 5}, {0, 4, 0}}) {
    host::traceClear();
    call("drawScaleWithSubDivision(IIIIIIIIIIIIII)V",
         {0, 0, 99, 99, 5, 0, 180, 30, 0x12, 0x34, 1, 1, divisions, subdivisions});
    EXPECT_EQ(ticks().size(), static_cast<size_t>(count)) << divisions << " " << subdivisions;
  }
}

}  // namespace
