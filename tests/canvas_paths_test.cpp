// The canvas path natives through the VM frame: class natives that hand the
// text over in place with the canvas translation and scale.
#include "canvas_test_support.h"

#include <bit>
#include <map>

namespace {

using tamri_test::Lines;

constexpr const char* kFill = "fillPath(Ljava/lang/String;I)V";
constexpr const char* kDraw = "drawPath(Ljava/lang/String;II)V";
constexpr const char* kBoth = "fillAndDrawPath(Ljava/lang/String;III)V";

class CanvasPathsTest : public tamri_test::CanvasTest {
 protected:
  static jword text(const char* utf8) { return vmhost::newStringUtf8(utf8); }
};

TEST_F(CanvasPathsTest, TheTextGoesOverWithTheTranslationAndScale) {
  const jword path = text("M0 0 h4 v3 z");
  // Before any transform the scale is 0, which the layer takes as 1.0.
  callClass(kFill, {0x11}, {path});
  call("setTransform(IIFF)V", {5, -7, std::bit_cast<int32_t>(2.0f), std::bit_cast<int32_t>(0.5f)});
  callClass(kDraw, {0x22, 70000}, {path});
  call("resetTransform()V", {});
  callClass(kBoth, {0x11, 0x22, -3}, {path});
  EXPECT_EQ(drawn(),
            (Lines{R"(osGXfillPath(0, 0, 0, 0, "M0 0 h4 v3 z", 12, 0x00000011))",
                   R"(osGXdrawPath(5, -7, 512, 128, "M0 0 h4 v3 z", 12, 0x00000022, 4464))",
                   R"(osGXfillPath(0, 0, 256, 256, "M0 0 h4 v3 z", 12, 0x00000011))",
                   R"(osGXdrawPath(0, 0, 256, 256, "M0 0 h4 v3 z", 12, 0x00000022, -3))"}));
}

TEST_F(CanvasPathsTest, NoTextDrawsNothingAnEmptyOneIsHandedOver) {
  callClass(kFill, {0x11}, {0});
  callClass(kDraw, {0x11, 1}, {0});
  callClass(kBoth, {0x11, 0x22, 1}, {0});
  EXPECT_TRUE(drawn().empty());
  callClass(kDraw, {0x11, 1}, {text("")});
  EXPECT_EQ(drawn(), (Lines{R"(osGXdrawPath(0, 0, 0, 0, "", 0, 0x00000011, 1))"}));
}

TEST_F(CanvasPathsTest, TheLayerReadsTheTextItIsHanded) {
  if (!gdihost::rasterAvailable()) GTEST_SKIP() << "built without the raster backend";
  const int32_t surface = gdihost::createSurface(200, 200, 0xFFFFFF);
  gdihost::selectTarget(surface);
  // Far points keep their edges' slopes; a comma before a command stops the
  // reading, so only the first line is drawn.
  callClass(kFill, {0xFF0000}, {text("M0 0 L1e8 5e7 L0 200 Z")});
  callClass(kDraw, {0x0000FF, 1}, {text("M100 10 L180 10, L180 180")});
  EXPECT_EQ(
      drawn(),
      (Lines{
          R"(osGXfillPath(0, 0, 0, 0, "M0 0 L1e8 5e7 L0 200 Z", 22, 0x00FF0000))",
          R"(osGXdrawPath(0, 0, 0, 0, "M100 10 L180 10, L180 180", 25, 0x000000FF, 1) -> malformed at 15)"}));
  std::map<uint32_t, int32_t> colours;
  for (int32_t y = 0; y < 200; ++y) {
    for (int32_t x = 0; x < 200; ++x) ++colours[gdihost::pixel(surface, x, y)];
  }
  EXPECT_EQ(colours,
            (std::map<uint32_t, int32_t>{{0xFF0000, 30000}, {0x0000FF, 81}, {0xFFFFFF, 9919}}));
}

}  // namespace
