// The canvas path natives through the VM frame: class natives that hand the
// text over in place with the canvas translation and scale, and what the
// raster makes of it.
#include "canvas_test_support.h"

#include <bit>

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
                   R"(osGXdrawPath(5, -7, 512, 128, "M0 0 h4 v3 z", 12, 0x00000022, 32767))",
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

TEST_F(CanvasPathsTest, TheRasterPlacesThePathByTheTranslationAndScale) {
  if (!gdihost::rasterAvailable()) GTEST_SKIP() << "built without the raster backend";
  const int32_t surface = gdihost::createSurface(40, 40, 0xFFFFFF);
  gdihost::selectTarget(surface);
  call("setTransform(IIFF)V", {10, 20, std::bit_cast<int32_t>(2.0f), std::bit_cast<int32_t>(1.0f)});
  // The square (0, 0)-(3, 3), twice as wide: pixels 10..15 by 20..22.
  callClass(kFill, {0xFF0000}, {text("M0 0 H3 V3 H0 Z")});
  int painted = 0;
  for (int32_t y = 0; y < 40; ++y) {
    for (int32_t x = 0; x < 40; ++x) {
      const bool inside = x >= 10 && x <= 15 && y >= 20 && y <= 22;
      const uint32_t pixel = gdihost::pixel(surface, x, y);
      painted += pixel != 0xFFFFFF;
      if (inside) {
        EXPECT_EQ(pixel, 0xFF0000u) << x << ", " << y;
      }
    }
  }
  EXPECT_EQ(painted, 6 * 3);
}

}  // namespace
