// Bevel buttons: the face, then the edges as lines (bevels 1 and 2) or as
// bands mitred by triangles (every other bevel), in drawing order.
#include "canvas_test_support.h"

namespace {

using tamri_test::Lines;

constexpr const char* kL = "0x00FFFFFF";
constexpr const char* kS = "0x00404040";
const std::string kFaceCall = "0x00C0C0C0, 5, 0x00101010, 1, 0, 0)";

class CanvasBevelButtonTest : public tamri_test::CanvasTest {
 protected:
  Lines button(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t bevel) {
    host::traceClear();
    call("drawBevelButton(IIIIIIIIII)V",
         {left, top, right, bottom, 0xC0C0C0, 0x101010, 0x105, 0xFFFFFF, 0x404040, bevel});
    return drawn();
  }
};

std::string edge(const char* ends, const char* colour) {
  return std::string("osGXdrawLine(") + ends + ", 1, 1, " + colour + ", 0x00000000, 0)";
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
  for (const char* mitre : {topRightMitre, bottomLeftMitre})
    calls.push_back(std::string("osGXfillTriangle(") + mitre + ", " + kS + ", 0x00000000, 1)");
  return calls;
}

TEST_F(CanvasBevelButtonTest, BevelsOfOneAndTwoAreLinesShadowFirstSoTheLightOwnsTheCorners) {
  call("setTransform(II)V", {100, 200});  // bevel buttons are not translated
  EXPECT_EQ(button(0, 0, 9, 9, 1),
            (Lines{"osGXfillRectangle(0, 0, 9, 9, 0, " + kFaceCall, edge("9, 1, 9, 9", kS),
                   edge("0, 9, 9, 9", kS), edge("0, 0, 9, 0", kL), edge("0, 0, 0, 9", kL)}));
  EXPECT_EQ(
      button(10, 20, 29, 39, 2),
      (Lines{"osGXfillRectangle(10, 20, 29, 39, 0, " + kFaceCall, edge("29, 21, 29, 39", kS),
             edge("10, 39, 29, 39", kS), edge("28, 22, 28, 39", kS), edge("11, 38, 29, 38", kS),
             edge("10, 20, 29, 20", kL), edge("10, 20, 10, 39", kL), edge("10, 21, 28, 21", kL),
             edge("11, 20, 11, 38", kL)}));
}

TEST_F(CanvasBevelButtonTest, OtherBevelsAreBandsWithMitredCorners) {
  EXPECT_EQ(
      button(0, 0, 19, 9, 4),
      bandedButton("0, 0, 19, 9", {"16, 4, 19, 9", "4, 6, 19, 9", "0, 0, 19, 3", "0, 0, 3, 9"},
                   "16, 3, 19, 3, 19, 0", "0, 9, 3, 9, 3, 6"));
  // Bevel 0: every band ends one pixel before it starts, handed on as it is.
  EXPECT_EQ(
      button(5, 6, 15, 16, 0),
      bandedButton("5, 6, 15, 16", {"16, 6, 15, 16", "5, 17, 15, 16", "5, 6, 15, 5", "5, 6, 4, 16"},
                   "16, 5, 15, 5, 15, 6", "5, 16, 4, 16, 4, 17"));
}

}  // namespace
