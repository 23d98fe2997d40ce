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

using Lines = std::vector<std::string>;
using Rect = std::tuple<int32_t, int32_t, int32_t, int32_t>;

Rect clipOf(POINTRECT bounds, int32_t amountX, int32_t amountY, uint8_t dirX, uint8_t dirY) {
  const POINTRECT r = levelClipRect(bounds, amountX, amountY, dirX, dirY);
  return {r.left, r.top, r.right, r.bottom};
}

// (100, 200)-(300, 500): w 200, h 300, centre (200, 350).
constexpr POINTRECT kTank{100, 200, 300, 500};

// Rows: amounts, direction bytes, the clip rectangle expected.
using ClipRow = std::tuple<int32_t, int32_t, uint8_t, uint8_t, Rect>;

TEST(LevelClipRect, EachDirectionCodeGrowsFromAnEdgeOrTheCentre) {
  // Horizontal codes, vertical codes, then both; a zero amount collapses its
  // axis; the bytes are combined: a vertical code in the horizontal byte
  // counts. A negative amount from an edge gives corners in reverse order.
  // 200 x 20000000 leaves the int range; the share is still 40000000.
  // Invalid codes give the whole rectangle.
  const ClipRow rows[] = {
      {50, 77, 1, 0, {100, 200, 200, 500}},   {50, 77, 2, 0, {150, 200, 250, 500}},
      {50, 77, 3, 0, {200, 200, 300, 500}},   {50, 77, 16, 0, {200, 200, 250, 500}},
      {-50, 77, 16, 0, {150, 200, 200, 500}}, {66, 25, 0, 4, {100, 425, 300, 500}},
      {66, 25, 0, 8, {100, 313, 300, 387}},   {66, 25, 0, 12, {100, 200, 300, 275}},
      {66, 25, 0, 40, {100, 313, 300, 350}},  {66, -25, 0, 40, {100, 350, 300, 387}},
      {50, 25, 1, 8, {100, 313, 200, 387}},   {0, 25, 1, 4, {0, 425, 0, 500}},
      {50, 0, 2, 12, {150, 0, 250, 0}},       {66, 25, 4, 0, {100, 425, 300, 500}},
      {-25, 77, 1, 0, {100, 200, 50, 500}},   {20000000, 77, 1, 0, {100, 200, 40000100, 500}},
      {50, 25, 17, 0, {100, 200, 300, 500}},  {50, 25, 0, 32, {100, 200, 300, 500}},
      {50, 25, 0, 44, {100, 200, 300, 500}},  {50, 25, 0, 0, {100, 200, 300, 500}}};
  for (const auto& [amountX, amountY, dirX, dirY, expected] : rows)
    EXPECT_EQ(clipOf(kTank, amountX, amountY, dirX, dirY), expected)
        << amountX << ", " << amountY << ", " << int{dirX} << ", " << int{dirY};
  // Odd sizes truncate towards zero.
  EXPECT_EQ(clipOf({10, 10, 15, 17}, 33, 33, 2, 8), Rect(12, 12, 12, 14));
}

class FillLevelDrawTest : public tamri_test::VmTest {
 protected:
  static Lines drawn(const tamri_test::FieldValues& extra, uint32_t surface) {
    const tamri_test::FieldValues fields{
        {"x1", 10},           {"y1", 20},          {"x2", 50},
        {"y2", 80},           {"rectWidth", 41},   {"rectHeight", 61},
        {"fillColor", 0x11},  {"backColor", 0x22}, {"lineColor", 0x33},
        {"lineWidth", 2},     {"lineStyle", 1},    {"fillStyle", 1},
        {"levelDirY", 4},     {"levelPctY", 50},   {"levelBackColor", 0x44},
        {"levelBackStyle", 3}};
    host::traceClear();
    callOn(makeObject("gpclasses/graphics/CgpRectangle", tamri_test::joined(fields, extra)),
           "draw(I)V", {surface});
    return traceWith("osGX");
  }
};

const std::string kFill = "osGXfillRectangle(10, 20, 50, 80, 2, ";
const std::string kOutline =
    "osGXdrawRectangle(10, 20, 50, 80, 2, 1, 0x00000033, 0x00000022, 0, 0, 0)";

TEST_F(FillLevelDrawTest, TheLevelIsPaintedThroughItsClipAndTheOldClipComesBack) {
  osGXsetClipArea(1, 2, 300, 400, 7);
  osGXsetClipFillAnimation(0);
  EXPECT_EQ(
      drawn({}, 7),
      (Lines{kFill + "0x00000044, 3, 0x00000022, 0, 0, 0)", kOutline, "osGXsetClipFillAnimation(1)",
             "osGXgetClipArea(7) -> true {1, 2, 300, 400}", "osGXsetClipArea(10, 50, 50, 80, 7)",
             kFill + "0x00000011, 1, 0x00000022, 0, 0, 0)", kOutline,
             "osGXsetClipArea(1, 2, 300, 400, 7)", "osGXsetClipFillAnimation(0)"}));
  EXPECT_FALSE(gdihost::clipFillAnimation());
}

TEST_F(FillLevelDrawTest, BothDirectionsZeroDrawsThePlainShape) {
  EXPECT_EQ(drawn({{"levelDirY", 0}, {"levelPctY", 90}}, 3),
            (Lines{kFill + "0x00000011, 1, 0x00000022, 0, 0, 0)", kOutline}));
  // The level background style is read unsigned and widened with its sign.
  EXPECT_EQ(drawn({{"levelBackStyle", -3}}, 3)[0], kFill + "0x00000044, -3, 0x00000022, 0, 0, 0)");
}

}  // namespace
