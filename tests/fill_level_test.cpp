// Fill levels: the clip rectangle for every direction code, and the drawing
// sequence around it as a shape's draw native runs it through the VM frame.
#include "shapes/fill_level.h"

#include "vm_test_support.h"

#include <optional>
#include <tuple>

namespace {

using tamri::levelClipRect;
using tamri_test::callOn;
using tamri_test::makeObject;
using tamri_test::traceWith;

using Rect = std::tuple<int32_t, int32_t, int32_t, int32_t>;

Rect clipOf(POINTRECT bounds, int32_t amountX, int32_t amountY, uint8_t dirX, uint8_t dirY) {
  const POINTRECT r = levelClipRect(bounds, amountX, amountY, dirX, dirY);
  return {r.left, r.top, r.right, r.bottom};
}

// (100, 200)-(300, 500): w 200, h 300, centre (200, 350).
constexpr POINTRECT kTank{100, 200, 300, 500};

TEST(LevelClipRect, HorizontalCodesGrowFromAnEdgeOrTheCentre) {
  EXPECT_EQ(clipOf(kTank, 50, 77, 1, 0), Rect(100, 200, 200, 500));
  EXPECT_EQ(clipOf(kTank, 50, 77, 2, 0), Rect(150, 200, 250, 500));
  EXPECT_EQ(clipOf(kTank, 50, 77, 3, 0), Rect(200, 200, 300, 500));
  EXPECT_EQ(clipOf(kTank, 50, 77, 16, 0), Rect(200, 200, 250, 500));
  EXPECT_EQ(clipOf(kTank, -50, 77, 16, 0), Rect(150, 200, 200, 500));
}

TEST(LevelClipRect, VerticalCodesGrowFromAnEdgeOrTheCentre) {
  EXPECT_EQ(clipOf(kTank, 66, 25, 0, 4), Rect(100, 425, 300, 500));
  EXPECT_EQ(clipOf(kTank, 66, 25, 0, 8), Rect(100, 313, 300, 387));
  EXPECT_EQ(clipOf(kTank, 66, 25, 0, 12), Rect(100, 200, 300, 275));
  EXPECT_EQ(clipOf(kTank, 66, 25, 0, 40), Rect(100, 313, 300, 350));
  EXPECT_EQ(clipOf(kTank, 66, -25, 0, 40), Rect(100, 350, 300, 387));
}

TEST(LevelClipRect, CombinedCodesAndZeroAmounts) {
  EXPECT_EQ(clipOf(kTank, 50, 25, 1, 8), Rect(100, 313, 200, 387));
  EXPECT_EQ(clipOf(kTank, 0, 25, 1, 4), Rect(0, 425, 0, 500));
  EXPECT_EQ(clipOf(kTank, 50, 0, 2, 12), Rect(150, 0, 250, 0));
  // The bytes are combined: a vertical code in the horizontal byte counts.
  EXPECT_EQ(clipOf(kTank, 66, 25, 4, 0), Rect(100, 425, 300, 500));
}

TEST(LevelClipRect, InvalidCodesGiveTheWholeRectangle) {
  for (const auto& [dirX, dirY] : {std::pair{17, 0}, {0, 32}, {2, 16}, {0, 44}, {64, 0}, {0, 0}})
    EXPECT_EQ(clipOf(kTank, 50, 25, static_cast<uint8_t>(dirX), static_cast<uint8_t>(dirY)),
              Rect(100, 200, 300, 500))
        << dirX << ", " << dirY;
}

TEST(LevelClipRect, OddSizesTruncateTowardsZero) {
  EXPECT_EQ(clipOf({10, 10, 15, 17}, 33, 33, 2, 8), Rect(12, 12, 12, 14));
  // A negative amount from an edge gives corners in reverse order.
  EXPECT_EQ(clipOf(kTank, -25, 77, 1, 0), Rect(100, 200, 50, 500));
}

TEST(LevelClipRect, LargeAmountsDoNotWrap) {
  // 200 x 20000000 leaves the int range; the share is still 40000000.
  EXPECT_EQ(clipOf(kTank, 20000000, 77, 1, 0), Rect(100, 200, 40000100, 500));
}

class FillLevelDrawTest : public tamri_test::VmTest {
 protected:
  jword rectangle(tamri_test::FieldValues extra = {}) {
    tamri_test::FieldValues fields{
        {"x1", 10},           {"y1", 20},          {"x2", 50},
        {"y2", 80},           {"rectWidth", 41},   {"rectHeight", 61},
        {"fillColor", 0x11},  {"backColor", 0x22}, {"lineColor", 0x33},
        {"lineWidth", 2},     {"lineStyle", 1},    {"fillStyle", 1},
        {"levelDirY", 4},     {"levelPctY", 50},   {"levelBackColor", 0x44},
        {"levelBackStyle", 3}};
    fields.insert(fields.end(), extra.begin(), extra.end());
    return makeObject("gpclasses/graphics/CgpRectangle", fields);
  }
};

TEST_F(FillLevelDrawTest, TheLevelIsPaintedThroughItsClipAndTheOldClipComesBack) {
  osGXsetClipArea(1, 2, 300, 400, 7);
  osGXsetClipFillAnimation(0);
  host::traceClear();
  callOn(rectangle(), "draw(I)V", {7});
  const std::string fill = "osGXfillRectangle(10, 20, 50, 80, 2, ";
  const std::string outline =
      "osGXdrawRectangle(10, 20, 50, 80, 2, 1, 0x00000033, 0x00000022, 0, 0, 0)";
  EXPECT_EQ(traceWith("osGX"), (std::vector<std::string>{
                                   fill + "0x00000044, 3, 0x00000022, 0, 0, 0)",
                                   outline,
                                   "osGXsetClipFillAnimation(1)",
                                   "osGXgetClipArea(7) -> true {1, 2, 300, 400}",
                                   "osGXsetClipArea(10, 50, 50, 80, 7)",
                                   fill + "0x00000011, 1, 0x00000022, 0, 0, 0)",
                                   outline,
                                   "osGXsetClipArea(1, 2, 300, 400, 7)",
                                   "osGXsetClipFillAnimation(0)",
                               }));
  EXPECT_FALSE(gdihost::clipFillAnimation());
}

TEST_F(FillLevelDrawTest, ASurfaceWithoutClipAreaHasNoneAfterwards) {
  callOn(rectangle({{"levelBackStyle", 0}, {"fillStyle", 0}}), "draw(I)V", {3});
  EXPECT_EQ(traceWith("osGX"),
            (std::vector<std::string>{
                "osGXdrawRectangle(10, 20, 50, 80, 2, 1, 0x00000033, 0x00000022, 0, 0, 0)",
                "osGXsetClipFillAnimation(1)", "osGXgetClipArea(3) -> false",
                "osGXsetClipArea(10, 50, 50, 80, 3)",
                "osGXdrawRectangle(10, 20, 50, 80, 2, 1, 0x00000033, 0x00000022, 0, 0, 0)",
                "osGXremoveClipArea(3)", "osGXsetClipFillAnimation(0)"}));
  int32_t left = 0;
  EXPECT_FALSE(osGXgetClipArea(&left, nullptr, nullptr, nullptr, 3));
}

TEST_F(FillLevelDrawTest, BothDirectionsZeroDrawsThePlainShape) {
  callOn(rectangle({{"levelDirY", 0}, {"levelPctY", 90}}), "draw(I)V", {3});
  EXPECT_EQ(traceWith("osGX"),
            (std::vector<std::string>{
                "osGXfillRectangle(10, 20, 50, 80, 2, 0x00000011, 1, 0x00000022, 0, 0, 0)",
                "osGXdrawRectangle(10, 20, 50, 80, 2, 1, 0x00000033, 0x00000022, 0, 0, 0)"}));
}

TEST_F(FillLevelDrawTest, TheLevelBackgroundStyleIsReadUnsignedAndWidenedWithItsSign) {
  callOn(rectangle({{"levelBackStyle", -3}}), "draw(I)V", {3});
  EXPECT_EQ(traceWith("osGXfillRectangle")[0],
            "osGXfillRectangle(10, 20, 50, 80, 2, 0x00000044, -3, 0x00000022, 0, 0, 0)");
}

}  // namespace
