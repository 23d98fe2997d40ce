// The canvas string natives through the VM frame: each overload's rectangle,
// colour record, attribute record, font and final flag, as the drawing layer
// receives them.
#include "canvas_test_support.h"

namespace tamri_test::canvas_strings {

constexpr const char* kFontArg = "Lgpclasses/graphics/CgpFont;";
// Default attribute bytes with the canvas text attribute 6 in byte 6.
const std::string kDefaultBytes = "[0, 0, 1, 1, 1, 6, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]";
const std::string kCanvasColours = "{0x00112233, 0x80000000, 0x00778899}";
// The box 5, 6, 30 by 12 in the canvas's colours, attributes and font.
const std::string kInCanvasLook =
    "{5, 6, 34, 17}, " + kCanvasColours + ", {2, " + kDefaultBytes + "}, 1, \"Hello\", 5, ";

jword loadFont(int64_t size) {
  const jword font =
      makeObject("gpclasses/graphics/CgpFont",
                 {{"fontName", vmhost::newString(u"DejaVu Sans")}, {"fontParam1", size}});
  vmhost::setField(font, "fontHandle", callOn(font, "createFont()I").value);
  return font;
}

class CanvasStringsTest : public CanvasTest {};

// The text scene trace pins the text on a background, the marquee's flag
// true and the coded simple text in the argument font.
TEST_F(CanvasStringsTest, EachOverloadHandsOnItsBoxColoursAttributesFontAndFlag) {
  loadFont(16);                             // handle 1, the canvas font
  const jword argumentFont = loadFont(24);  // handle 2
  setPen("secondColor", 0x778899);
  setPen("font", 1);
  setPen("textAttribute", 6);
  setPen("surface", 3);
  const jword text = vmhost::newString(u"Hello");
  // drawString with the text, then the scalars, then the argument font if asked for.
  auto string = [&](const std::string& tail, std::vector<int32_t> scalars, bool withFont = false) {
    const std::string nameSig = "drawString(Ljava/lang/String;" + tail;
    call(nameSig.c_str(), std::move(scalars),
         withFont ? std::vector<jword>{text, argumentFont} : std::vector<jword>{text});
  };
  host::traceClear();
  string("IIII)V", {5, 6, 30, 12});
  string("IIIIZ)V", {5, 6, 30, 12, 0});
  string("IIIIZ)V", {5, 6, 30, 12, 1});
  string("IIIIZI)V", {5, 6, 30, 12, 0, 7});
  // A colour and font argument replace the canvas ones and byte 6 is 1.
  string(std::string("IIIII") + kFontArg + ")V", {5, 6, 30, 12, 0xABCDEF}, true);
  // Attribute arguments go over as their low bytes.
  string(std::string("IIIIIIIII") + kFontArg + "Z)V", {5, 6, 30, 12, 0xABCDEF, 300, -1, 7, 8, 1},
         true);
  EXPECT_EQ(
      drawn(),
      (Lines{"osGXtext(3, " + kInCanvasLook + "true)", "osGXtext(3, " + kInCanvasLook + "false)",
             "osGXtext(3, " + kInCanvasLook + "true)",
             "osGXscrollMarquee(3, " + kInCanvasLook + "false, 7)",
             "osGXtext(3, {5, 6, 34, 17}, {0x00ABCDEF, 0x80000000, 0x00000000}, {2, [0, 0, "
             "1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]}, 2, \"Hello\", 5, true)",
             "osGXtext(3, {5, 6, 34, 17}, {0x00ABCDEF, 0x80000000, 0x00000000}, {0, [44, "
             "255, 1, 1, 1, 7, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]}, 2, \"Hello\", 5, "
             "true)"}));
  // At a point the measured string stands on it; nulls draw empty or fontless.
  host::traceClear();
  // "Hello" measures 40 by 19: the rectangle reaches one column past the width.
  string("II)V", {10, 50});
  call("drawString(Ljava/lang/String;II)V", {10, 50}, {0});
  // With a code the simple text gets the canvas second colour and second code 1.
  const std::string coded = std::string("drawString(Ljava/lang/String;IIIII") + kFontArg + "I)V";
  call(coded.c_str(), {5, 6, 30, 12, 0xABCDEF, 9}, {text, 0});
  // A long string goes over whole, in place: 100,000 glyphs of 9 pixels each
  // and a rectangle as wide.
  const std::string x(100000, 'x');
  call("drawString(Ljava/lang/String;II)V", {0, 30}, {vmhost::newStringUtf8(x.c_str())});
  const std::string atPoint = ", {0x00112233, 0x80000000, 0x00000000}, {0, " + kDefaultBytes;
  EXPECT_EQ(drawn(), (Lines{R"(osGXgetTextMetrics(1, "Hello", 5) -> {40, 19, 15})",
                            "osGXtext(3, {10, 31, 50, 50}" + atPoint + "}, 1, \"Hello\", 5, false)",
                            "osGXgetTextMetrics(1, null, 0) -> {0, 19, 15}",
                            "osGXtext(3, {10, 31, 10, 50}" + atPoint + "}, 1, null, 0, false)",
                            "osGXsimpleText(3, {5, 6, 34, 17}, 0, \"Hello\", {0x00ABCDEF, "
                            "0x80000000, 0x00778899}, 9, 1, 5)",
                            "osGXgetTextMetrics(1, \"" + x + "\", 100000) -> {900000, 19, 15}",
                            "osGXtext(3, {0, 11, 900000, 30}" + atPoint + "}, 1, \"" + x +
                                "\", 100000, false)"}));
  // Borders need an area; the short one is untranslated, the long one translated.
  host::traceClear();
  call("setTransform(II)V", {100, 200});
  const char* shortBorder = "drawStringWithBorder(IIILjava/lang/String;IIII)V";
  const std::string longBorder =
      std::string("drawStringWithBorder(IIIIIILjava/lang/String;IIIIIIIII") + kFontArg + ")V";
  call(shortBorder, {0x0000FF, 0x00FF00, 70000, 5, 6, 30, 12}, {text});
  call(shortBorder, {0x0000FF, 0x00FF00, 3, 5, 6, 0, 12}, {text});
  call(longBorder.c_str(),
       {0x0000FF, 0xABCDEF, 0x123456, 0x654321, -2, 0, 5, 6, 30, 12, 257, 2, 3, 4, 5},
       {text, argumentFont});
  call(longBorder.c_str(), {0, 0, 0, 0, 1, 1, 5, 6, 30, 0, 0, 0, 0, 0, 0}, {text, argumentFont});
  EXPECT_EQ(drawn(),
            (Lines{"osGXfillRectangle(5, 6, 34, 17, 4464, 0x0000FF00, 1, 0x00445566, 0, 0, 0)",
                   "osGXdrawRectangle(5, 6, 34, 17, 4464, 1, 0x000000FF, 0x00445566, 0, 0, 0)",
                   "osGXtext(3, " + kInCanvasLook + "true)",
                   "osGXtext(3, {5, 6, 4, 17}, " + kCanvasColours + ", {2, " + kDefaultBytes +
                       "}, 1, \"Hello\", 5, true)",
                   "osGXtext(3, {105, 206, 134, 217}, {0x00ABCDEF, 0x00123456, 0x00654321}, {5, "
                   "[1, 2, 1, 1, 1, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]}, 2, \"Hello\", "
                   "5, true)",
                   "osGXdrawRectangle(105, 206, 134, 217, -2, 0, 0x000000FF, 0x00123456, 0, 0, 0)",
                   "osGXtext(3, {105, 206, 134, 205}, {0x00000000, 0x00000000, 0x00000000}, {0, "
                   "[0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]}, 2, \"Hello\", "
                   "5, true)"}));
}

}  // namespace tamri_test::canvas_strings
