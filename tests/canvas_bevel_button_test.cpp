// Bevel buttons: the face, then the edges as lines (bevels 1 and 2) or as
// bands mitred by triangles (every other bevel), in drawing order.
#include "canvas_test_support.h"

namespace {

using tamri_test::Lines;

constexpr int32_t kFace = 0xC0C0C0, kBack = 0x101010, kLight = 0xFFFFFF, kShadow = 0x404040;

class CanvasBevelButtonTest : public tamri_test::CanvasTest {
 protected:
  void button(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t bevel) {
    call("drawBevelButton(IIIIIIIIII)V",
         {left, top, right, bottom, kFace, kBack, 0x105, kLight, kShadow, bevel});
  }
  static std::string edge(const char* ends, const char* colour) {
    return std::string("osGXdrawLine(") + ends + ", 1, 1, " + colour + ", 0x00000000, 0)";
  }
};

constexpr const char* kL = "0x00FFFFFF";
constexpr const char* kS = "0x00404040";
const std::string kFaceCall = "0x00C0C0C0, 5, 0x00101010, 1, 0, 0)";

TEST_F(CanvasBevelButtonTest, OnePixelBevelDrawsShadowFirstSoTheLightOwnsTheCorners) {
  call("setTransform(II)V", {100, 200});  // bevel buttons are not translated
  button(0, 0, 9, 9, 1);
  EXPECT_EQ(drawn(),
            (Lines{"osGXfillRectangle(0, 0, 9, 9, 0, " + kFaceCall, edge("9, 1, 9, 9", kS),
                   edge("0, 9, 9, 9", kS), edge("0, 0, 9, 0", kL), edge("0, 0, 0, 9", kL)}));
}

TEST_F(CanvasBevelButtonTest, TwoPixelBevelAddsAnInnerLineOnEachSide) {
  button(10, 20, 29, 39, 2);
  EXPECT_EQ(drawn(), (Lines{"osGXfillRectangle(10, 20, 29, 39, 0, " + kFaceCall,
                            edge("29, 21, 29, 39", kS), edge("10, 39, 29, 39", kS),
                            edge("28, 22, 28, 39", kS), edge("11, 38, 29, 38", kS),
                            edge("10, 20, 29, 20", kL), edge("10, 20, 10, 39", kL),
                            edge("10, 21, 28, 21", kL), edge("11, 20, 11, 38", kL)}));
}

// The face, shadow bands right and bottom, light bands top and left, then
// the two shadow mitres.
Lines bandedButton(const std::string& face, const std::vector<const char*>& bands,
                   const char* topRightMitre, const char* bottomLeftMitre) {
  const char* colours[] = {kS, kS, kL, kL};
  Lines calls{"osGXfillRectangle(" + face + ", 0, " + kFaceCall};
  for (size_t i = 0; i < bands.size(); ++i) {
    calls.push_back(std::string("osGXfillRectangle(") + bands[i] + ", 0, " + colours[i] +
                    ", 1, 0x00000000, 0, 0, 0)");
  }
  for (const char* mitre : {topRightMitre, bottomLeftMitre}) {
    calls.push_back(std::string("osGXfillTriangle(") + mitre + ", " + kS + ", 0x00000000, 1)");
  }
  return calls;
}

TEST_F(CanvasBevelButtonTest, OtherBevelsAreBandsWithMitredCorners) {
  button(0, 0, 19, 9, 4);
  EXPECT_EQ(drawn(), bandedButton("0, 0, 19, 9",
                                  {"16, 4, 19, 9", "4, 6, 19, 9", "0, 0, 19, 3", "0, 0, 3, 9"},
                                  "16, 3, 19, 3, 19, 0", "0, 9, 3, 9, 3, 6"));
  // Bevel 0: every band ends one pixel before it starts, handed on as it is.
  host::traceClear();
  button(5, 6, 15, 16, 0);
  EXPECT_EQ(drawn(), bandedButton("5, 6, 15, 16",
                                  {"16, 6, 15, 16", "5, 17, 15, 16", "5, 6, 15, 5", "5, 6, 4, 16"},
                                  "16, 5, 15, 5, 15, 6", "5, 16, 4, 16, 4, 17"));
}

TEST_F(CanvasBevelButtonTest, RaisedButtonPixels) {
  if (!gdihost::rasterAvailable()) GTEST_SKIP() << "built without the raster backend";
  const int32_t surface = gdihost::createSurface(24, 12, 0x000000);
  gdihost::selectTarget(surface);
  button(0, 0, 9, 9, 1);
  EXPECT_EQ(gdihost::pixel(surface, 9, 0), static_cast<uint32_t>(kLight));
  EXPECT_EQ(gdihost::pixel(surface, 0, 9), static_cast<uint32_t>(kLight));
  EXPECT_EQ(gdihost::pixel(surface, 9, 1), static_cast<uint32_t>(kShadow));
  // The face in hatch 5: the falling diagonal over the background colour.
  EXPECT_EQ(gdihost::pixel(surface, 5, 5), static_cast<uint32_t>(kFace));
  EXPECT_EQ(gdihost::pixel(surface, 5, 4), static_cast<uint32_t>(kBack));

  gdihost::reset();
  const int32_t wide = gdihost::createSurface(24, 12, 0x000000);
  gdihost::selectTarget(wide);
  button(0, 0, 19, 9, 4);
  std::string corner;  // the top right 4 x 4: light above the diagonal, shadow on and below
  for (int32_t y = 0; y <= 3; ++y) {
    for (int32_t x = 16; x <= 19; ++x) {
      corner += gdihost::pixel(wide, x, y) == static_cast<uint32_t>(kShadow) ? 'S' : 'L';
    }
    corner += '/';
  }
  EXPECT_EQ(corner, "LLLS/LLSS/LSSS/SSSS/");
}

}  // namespace
