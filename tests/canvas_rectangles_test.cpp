// Canvas rectangles, ovals, lines and bevel buttons through the VM frame:
// the corners each overload hands on, the fill test of each, and which of
// them take the canvas translation.
#include "canvas_test_support.h"

namespace tamri_test::canvas_rectangles {

class CanvasRectanglesTest : public CanvasTest {};

std::string edge(const char* ends, const char* colour) {
  return std::string("osGXdrawLine(") + ends + ", 1, 1, " + colour + ", 0x00000000, 0)";
}

TEST_F(CanvasRectanglesTest, ShortOverloadsTurnPositionAndSizeIntoInclusiveCornersWithThePen) {
  // Rectangles of no width or height are not drawn, ovals are.
  for (const auto& [w, h] : {std::pair{0, 4}, {4, 0}}) {
    call("drawRect(IIII)V", {1, 2, w, h});
    call("drawRoundRect(IIIIII)V", {1, 2, w, h, 3, 3});
    call("fillRect(IIII)V", {1, 2, w, h});
    call("fillRect(IIIIIIBI)V", {1, 2, w, h, 5, 6, 1, 1});
    call("fillRectWithBorder(IIIIII)V", {9, 1, 1, 2, w, h});
    call("fillRectWithBorder(IIIIIIIIIIIII)V", {9, 1, 1, 1, 2, w, h, 5, 6, 1, 0, 0, 0});
    call("fillRoundRect(IIIIII)V", {1, 2, w, h, 3, 3});
  }
  call("drawOval(IIII)V", {1, 2, 0, 4});
  call("fillOval(IIIIIIBI)V", {1, 2, 4, 0, 5, 6, 1, 1});
  call("drawRoundRect(IIIIII)V", {10, 20, 5, 4, 6, 7});
  call("drawRect(IIII)V", {10, 20, -3, 4});
  call("drawRect(IIII)V", {INT32_MAX, INT32_MIN, 2, -1});  // corners wrap like the VM's ints
  call("drawOval(IIII)V", {1, 2, 3, 4});
  call("fillOval(IIII)V", {1, 2, 3, 4});
  // Plain fills test the canvas style for not zero and outline in white.
  setPen("fillStyle", 0);
  call("fillRect(IIII)V", {1, 2, 3, 4});
  setPen("fillStyle", -2);  // not 0: filled with the low byte
  call("fillRoundRect(IIIIII)V", {1, 2, 3, 4, 5, 6});
  setPen("fillStyle", 0x105);
  call("fillRect(IIII)V", {1, 2, 3, 4});
  EXPECT_EQ(drawn(),
            (Lines{"osGXdrawEllipse(1, 2, 0, 5, 0x00112233, 4, 2, 0x00000000)",
                   "osGXfillEllipse(1, 2, 4, 1, 0x00000005, 1, 0x00000006)",
                   // background 0, not the canvas's
                   "osGXdrawRectangle(10, 20, 14, 23, 2, 4, 0x00112233, 0x00000000, 1, 6, 7)",
                   "osGXdrawRectangle(10, 20, 6, 23, 2, 4, 0x00112233, 0x00445566, 0, 0, 0)",
                   "osGXdrawRectangle(2147483647, -2147483648, -2147483648, 2147483646, 2, 4, "
                   "0x00112233, 0x00445566, 0, 0, 0)",
                   "osGXdrawEllipse(1, 2, 3, 5, 0x00112233, 4, 2, 0x00000000)",
                   "osGXfillEllipse(1, 2, 3, 5, 0x00112233, 3, 0x00445566)",
                   "osGXdrawRectangle(1, 2, 3, 5, 2, 0, 0x00FFFFFF, 0x00445566, 0, 0, 0)",
                   "osGXfillRectangle(1, 2, 3, 5, 2, 0x00112233, -2, 0x00445566, 1, 5, 6)",
                   "osGXdrawRectangle(1, 2, 3, 5, 2, 0, 0x00FFFFFF, 0x00445566, 1, 5, 6)",
                   "osGXfillRectangle(1, 2, 3, 5, 2, 0x00112233, 5, 0x00445566, 0, 0, 0)",
                   "osGXdrawRectangle(1, 2, 3, 5, 2, 0, 0x00FFFFFF, 0x00445566, 0, 0, 0)"}));
}

TEST_F(CanvasRectanglesTest, WidthsGoOverAsTheirLowSixteenBitsOvalFillsBordersAndLinesTranslation) {
  setPen("lineWidth", 65537);
  call("drawLine(IIII)V", {0, 0, 1, 1});
  setPen("lineWidth", -65535);
  call("drawRect(IIII)V", {1, 2, 3, 4});
  setPen("lineWidth", -1);
  call("drawOval(IIII)V", {1, 2, 3, 4});
  // x1, y1, x2, y2, color, backColor, lineStyle, lineWidth, lineEnds
  call("drawLine(IIIIIIIII)V", {0, 0, 1, 1, 5, 6, 1, 65536, 0});
  call("drawLine(IIIIIIBI)V", {0, 0, 1, 1, 5, 6, 1, 40000});
  // The outline's test takes the whole int, the call its low 16 bits.
  call("fillOvalWithBorder(IIIIIIIIII)V", {1, 2, 3, 4, 5, 6, 0, 65536, 1, 7});
  setPen("lineWidth", 2);
  setPen("fillStyle", 0x10003);  // low 16 bits
  call("setTransform(II)V", {100, 200});
  call("fillOval(IIII)V", {1, 2, 3, 4});
  // The style byte is sign-extended; the line width argument is not used.
  call("fillOval(IIIIIIBI)V", {1, 2, 3, 4, 0x55, 0x66, 0xFE, 9});
  // x, y, w, h, fillColor, backColor, fillStyle, lineWidth, lineStyle, lineColor
  call("fillOvalWithBorder(IIIIIIIIII)V", {1, 2, 3, 4, 0x55, 0x66, 2, 0, 1, 0x77});
  call("fillOvalWithBorder(IIIIIIIIII)V", {1, 2, 3, 4, 0x55, 0x66, 0, 1, 3, 0x77});
  call("fillOvalWithBorder(IIIIIIIIII)V", {1, 2, 3, 4, 0x55, 0x66, -1, 5, 0, 0x77});
  call("drawLine(IIII)V", {0, 0, 10, 0});
  call("drawLine(IIIIIIBI)V", {0, 0, 10, 0, 0x55, 0x66, 0xFF, 3});
  // x1, y1, x2, y2, color, backColor, lineStyle, lineWidth, lineEnds
  call("drawLine(IIIIIIIII)V", {0, 1, 10, 2, 0x55, 0x66, 2, 3, 0x103});
  EXPECT_EQ(drawn(), (Lines{"osGXdrawLine(0, 0, 1, 1, 1, 4, 0x00112233, 0x00445566, 0)",
                            "osGXdrawRectangle(1, 2, 3, 5, 1, 4, 0x00112233, 0x00445566, 0, 0, 0)",
                            "osGXdrawEllipse(1, 2, 3, 5, 0x00112233, 4, -1, 0x00000000)",
                            "osGXdrawLine(0, 0, 1, 1, 0, 1, 0x00000005, 0x00000006, 0)",
                            "osGXdrawLine(0, 0, 1, 1, -25536, 1, 0x00000005, 0x00000006, 0)",
                            "osGXdrawEllipse(1, 2, 3, 5, 0x00000007, 1, 0, 0x00000006)",
                            "osGXfillEllipse(1, 2, 3, 5, 0x00112233, 3, 0x00445566)",
                            "osGXfillEllipse(1, 2, 3, 5, 0x00000055, -2, 0x00000066)",
                            "osGXfillEllipse(101, 202, 103, 205, 0x00000055, 2, 0x00000066)",
                            "osGXdrawEllipse(101, 202, 103, 205, 0x00000077, 3, 1, 0x00000066)",
                            "osGXdrawLine(0, 0, 10, 0, 2, 4, 0x00112233, 0x00445566, 0)",
                            "osGXdrawLine(0, 0, 10, 0, 3, -1, 0x00000055, 0x00000066, 0)",
                            "osGXdrawLine(100, 201, 110, 202, 3, 2, 0x00000055, 0x00000066, 3)"}));
  // Bevel buttons: the face, then the edges as lines (bevels 1 and 2) or as
  // bands mitred by triangles (every other bevel), in drawing order. Bevels 2
  // and 4 are pinned by the canvas_shapes scene trace.
  auto button = [&](int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t bevel) {
    return drawnBy("drawBevelButton(IIIIIIIIII)V", {left, top, right, bottom, 0xC0C0C0, 0x101010,
                                                    0x105, 0xFFFFFF, 0x404040, bevel});
  };
  const char *light = "0x00FFFFFF", *shadow = "0x00404040";
  const std::string face = "0x00C0C0C0, 5, 0x00101010, 1, 0, 0)";
  // Bevel buttons are not translated: the transform is still 100, 200.
  EXPECT_EQ(button(0, 0, 9, 9, 1), (Lines{"osGXfillRectangle(0, 0, 9, 9, 0, " + face,
                                          edge("9, 1, 9, 9", shadow), edge("0, 9, 9, 9", shadow),
                                          edge("0, 0, 9, 0", light), edge("0, 0, 0, 9", light)}));
  // The face, shadow bands right and bottom, light bands top and left, then
  // the two shadow mitres; every band handed on as it is.
  const std::string band = ", 0, 0x00404040, 1, 0x00000000, 0, 0, 0)";
  const std::string lit = ", 0, 0x00FFFFFF, 1, 0x00000000, 0, 0, 0)";
  const std::string mitre = ", 0x00404040, 0x00000000, 1)";
  EXPECT_EQ(
      button(5, 6, 15, 16, 0),
      (Lines{"osGXfillRectangle(5, 6, 15, 16, 0, " + face, "osGXfillRectangle(16, 6, 15, 16" + band,
             "osGXfillRectangle(5, 17, 15, 16" + band, "osGXfillRectangle(5, 6, 15, 5" + lit,
             "osGXfillRectangle(5, 6, 4, 16" + lit, "osGXfillTriangle(16, 5, 15, 5, 15, 6" + mitre,
             "osGXfillTriangle(5, 16, 4, 16, 4, 17" + mitre}));
  // Only the long rectangle takes the translation; given styles test for above zero.
  host::traceClear();
  call("setTransform(II)V", {5, 7});
  // borderColor, lineWidth, lineStyle, x, y, w, h, fill, back, fillStyle, rounded, corners
  call("fillRectWithBorder(IIIIIIIIIIIII)V", {0x77, 3, 2, 1, 2, 4, 6, 0x55, 0x66, 4, 0x101, 8, 9});
  // A whole-int test: 0x100 is above 0 although its low byte is 0.
  call("fillRectWithBorder(IIIIIIIIIIIII)V", {0x77, 3, 2, 1, 2, 4, 6, 0x55, 0x66, 0x100, 0, 0, 0});
  call("fillRectWithBorder(IIIIIIIIIIIII)V", {0x77, 3, 2, 1, 2, 4, 6, 0x55, 0x66, -1, 0, 0, 0});
  call("fillRect(IIII)V", {1, 2, 4, 6});
  // The byte overload reads the argument's low byte with its sign.
  call("fillRect(IIIIIIBI)V", {1, 2, 3, 4, 0x55, 0x66, 0x80, 7});
  call("fillRect(IIIIIIBI)V", {1, 2, 3, 4, 0x55, 0x66, 0x102, 7});
  for (const int32_t fillStyle : {-2, 0, 1}) {
    setPen("fillStyle", fillStyle);
    call("fillRectWithBorder(IIIIII)V", {0x77, 5, 1, 2, 3, 4});
  }
  const std::string outline =
      "osGXdrawRectangle(1, 2, 3, 5, 5, 1, 0x00000077, 0x00445566, 0, 0, 0)";
  EXPECT_EQ(drawn(),
            (Lines{"osGXfillRectangle(6, 9, 9, 14, 3, 0x00000055, 4, 0x00000066, 1, 8, 9)",
                   "osGXdrawRectangle(6, 9, 9, 14, 3, 2, 0x00000077, 0x00000066, 1, 8, 9)",
                   "osGXfillRectangle(6, 9, 9, 14, 3, 0x00000055, 0, 0x00000066, 0, 0, 0)",
                   "osGXdrawRectangle(6, 9, 9, 14, 3, 2, 0x00000077, 0x00000066, 0, 0, 0)",
                   "osGXdrawRectangle(6, 9, 9, 14, 3, 2, 0x00000077, 0x00000066, 0, 0, 0)",
                   "osGXfillRectangle(1, 2, 4, 7, 2, 0x00112233, 3, 0x00445566, 0, 0, 0)",
                   "osGXdrawRectangle(1, 2, 4, 7, 2, 0, 0x00FFFFFF, 0x00445566, 0, 0, 0)",
                   "osGXdrawRectangle(1, 2, 3, 5, 7, 0, 0x00FFFFFF, 0x00000066, 0, 0, 0)",
                   "osGXfillRectangle(1, 2, 3, 5, 7, 0x00000055, 2, 0x00000066, 0, 0, 0)",
                   "osGXdrawRectangle(1, 2, 3, 5, 7, 0, 0x00FFFFFF, 0x00000066, 0, 0, 0)", outline,
                   outline, "osGXfillRectangle(1, 2, 3, 5, 5, 0x00112233, 1, 0x00445566, 0, 0, 0)",
                   outline}));
}

}  // namespace tamri_test::canvas_rectangles
