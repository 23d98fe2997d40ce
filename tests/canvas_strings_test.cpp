// The canvas string natives through the VM frame: each overload's rectangle,
// colour record, attribute record, font and final flag, as the drawing layer
// receives them.
#include "canvas/canvas_transform.h"
#include "vm_test_support.h"

namespace {

using tamri_test::callOn;
using tamri_test::makeObject;
using tamri_test::traceWith;

constexpr const char* kCanvas = "gpclasses/graphics/CgpCanvas";
constexpr const char* kFontClass = "gpclasses/graphics/CgpFont";
// Default attribute bytes with the canvas text attribute 6 in byte 6.
constexpr const char* kDefaultBytes =
    "[0, 0, 1, 1, 1, 6, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]";
constexpr const char* kCanvasColours = "{0x00112233, 0x80000000, 0x00778899}";

class CanvasStringsTest : public tamri_test::VmTest {
 protected:
  void SetUp() override {
    VmTest::SetUp();
    tamri::canvasTransform() = tamri::CanvasTransform{};
    canvasFont_ = loadFont(16);    // handle 1
    argumentFont_ = loadFont(24);  // handle 2
    canvas_ = makeObject(kCanvas, {{"color", 0x112233},
                                   {"backColor", 0x445566},
                                   {"secondColor", 0x778899},
                                   {"font", 1},
                                   {"textAttribute", 6},
                                   {"surface", 3}});
    text_ = vmhost::newString(u"Hello");
    host::traceClear();
  }
  jword loadFont(int64_t size) {
    const jword font = makeObject(
        kFontClass, {{"fontName", vmhost::newString(u"DejaVu Sans")}, {"fontParam1", size}});
    vmhost::setField(font, "fontHandle", callOn(font, "createFont()I").value);
    return font;
  }
  std::vector<std::string> draw(const char* nameSig, std::vector<uint32_t> scalars,
                                std::vector<jword> references) {
    host::traceClear();
    callOn(canvas_, nameSig, std::move(scalars), std::move(references));
    return traceWith("osGX");
  }
  static uint32_t word(int32_t value) { return static_cast<uint32_t>(value); }

  jword canvas_ = 0, text_ = 0, canvasFont_ = 0, argumentFont_ = 0;
};

TEST_F(CanvasStringsTest, AtAPointTheMeasuredStringStandsOnIt) {
  // "Hello" measures 40 by 19: the rectangle reaches one column past the width.
  EXPECT_EQ(draw("drawString(Ljava/lang/String;II)V", {10, 50}, {text_}),
            (std::vector<std::string>{
                R"(osGXgetTextMetrics(1, "Hello", 5) -> {40, 19, 15})",
                "osGXtext(3, {10, 31, 50, 50}, {0x00112233, 0x80000000, 0x00000000}, {0, " +
                    std::string(kDefaultBytes) + "}, 1, \"Hello\", 5, false)"}));
}

TEST_F(CanvasStringsTest, BoxedStringsUseTheCanvasColoursFontAndAttributes) {
  const std::string head = "osGXtext(3, {5, 6, 34, 17}, " + std::string(kCanvasColours) + ", {2, " +
                           kDefaultBytes + "}, 1, \"Hello\", 5, ";
  EXPECT_EQ(draw("drawString(Ljava/lang/String;IIII)V", {5, 6, 30, 12}, {text_}),
            (std::vector<std::string>{head + "true)"}));
  EXPECT_EQ(draw("drawString(Ljava/lang/String;IIIIZ)V", {5, 6, 30, 12, 0}, {text_}),
            (std::vector<std::string>{head + "false)"}));
  EXPECT_EQ(draw("drawString(Ljava/lang/String;IIIIZ)V", {5, 6, 30, 12, 1}, {text_}),
            (std::vector<std::string>{head + "true)"}));
}

TEST_F(CanvasStringsTest, AColourAndFontArgumentReplaceTheCanvasOnesAndByte6Is1) {
  EXPECT_EQ(
      draw("drawString(Ljava/lang/String;IIIIILgpclasses/graphics/CgpFont;)V",
           {5, 6, 30, 12, 0xABCDEF}, {text_, argumentFont_}),
      (std::vector<std::string>{
          "osGXtext(3, {5, 6, 34, 17}, {0x00ABCDEF, 0x80000000, 0x00000000}, "
          "{2, [0, 0, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]}, 2, \"Hello\", 5, "
          "true)"}));
}

TEST_F(CanvasStringsTest, WithACodeTheSimpleTextGetsTheCanvasSecondColourAndSecondCode1) {
  EXPECT_EQ(draw("drawString(Ljava/lang/String;IIIIILgpclasses/graphics/CgpFont;I)V",
                 {5, 6, 30, 12, 0xABCDEF, 9}, {text_, argumentFont_}),
            (std::vector<std::string>{"osGXsimpleText(3, {5, 6, 34, 17}, 2, \"Hello\", "
                                      "{0x00ABCDEF, 0x80000000, 0x00778899}, 9, 1, 5)"}));
}

TEST_F(CanvasStringsTest, TheMarqueeGetsTheFlagAndTheOffset) {
  const std::string head = "osGXscrollMarquee(3, {5, 6, 34, 17}, " + std::string(kCanvasColours) +
                           ", {2, " + kDefaultBytes + "}, 1, \"Hello\", 5, ";
  EXPECT_EQ(draw("drawString(Ljava/lang/String;IIIIZI)V", {5, 6, 30, 12, 1, word(-40)}, {text_}),
            (std::vector<std::string>{head + "true, -40)"}));
  EXPECT_EQ(draw("drawString(Ljava/lang/String;IIIIZI)V", {5, 6, 30, 12, 0, 7}, {text_}),
            (std::vector<std::string>{head + "false, 7)"}));
}

TEST_F(CanvasStringsTest, StyledStringsTakeTheLowBytesOfTheirAttributeArguments) {
  EXPECT_EQ(
      draw("drawString(Ljava/lang/String;IIIIIIIIILgpclasses/graphics/CgpFont;Z)V",
           {5, 6, 30, 12, 0xABCDEF, 300, word(-1), 7, 8, 1}, {text_, argumentFont_}),
      (std::vector<std::string>{
          "osGXtext(3, {5, 6, 34, 17}, {0x00ABCDEF, 0x80000000, 0x00000000}, "
          "{0, [44, 255, 1, 1, 1, 7, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]}, 2, \"Hello\", 5, "
          "true)"}));
}

TEST_F(CanvasStringsTest, TheShortBorderFillsAndFramesTheUntranslatedBoxBeforeTheText) {
  callOn(canvas_, "setTransform(II)V", {100, 200});
  EXPECT_EQ(draw("drawStringWithBorder(IIILjava/lang/String;IIII)V",
                 {0x0000FF, 0x00FF00, 3, 5, 6, 30, 12}, {text_}),
            (std::vector<std::string>{
                "osGXfillRectangle(5, 6, 34, 17, 3, 0x0000FF00, 1, 0x00445566, 0, 0, 0)",
                "osGXdrawRectangle(5, 6, 34, 17, 3, 1, 0x000000FF, 0x00445566, 0, 0, 0)",
                "osGXtext(3, {5, 6, 34, 17}, " + std::string(kCanvasColours) + ", {2, " +
                    kDefaultBytes + "}, 1, \"Hello\", 5, true)"}));
}

TEST_F(CanvasStringsTest, TheLongBorderIsDrawnAfterTheTextInTheTranslatedBox) {
  callOn(canvas_, "setTransform(II)V", {100, 200});
  EXPECT_EQ(
      draw("drawStringWithBorder(IIIIIILjava/lang/String;IIIIIIIIILgpclasses/graphics/"
           "CgpFont;)V",
           {0x0000FF, 0xABCDEF, 0x123456, 0x654321, word(-2), 0, 5, 6, 30, 12, 257, 2, 3, 4, 5},
           {text_, argumentFont_}),
      (std::vector<std::string>{
          "osGXtext(3, {105, 206, 134, 217}, {0x00ABCDEF, 0x00123456, 0x00654321}, "
          "{5, [1, 2, 1, 1, 1, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]}, 2, \"Hello\", 5, "
          "true)",
          "osGXdrawRectangle(105, 206, 134, 217, -2, 0, 0x000000FF, 0x00123456, 0, 0, 0)"}));
}

TEST_F(CanvasStringsTest, BordersNeedAnAreaAndWidthsKeepTheirLowSixteenBits) {
  const std::vector<std::string> flat = draw("drawStringWithBorder(IIILjava/lang/String;IIII)V",
                                             {0x0000FF, 0x00FF00, 3, 5, 6, 0, 12}, {text_});
  ASSERT_EQ(flat.size(), 1u);
  EXPECT_EQ(flat[0].rfind("osGXtext(3, {5, 6, 4, 17}", 0), 0u);
  EXPECT_EQ(draw("drawStringWithBorder(IIIIIILjava/lang/String;IIIIIIIIILgpclasses/graphics/"
                 "CgpFont;)V",
                 {0, 0, 0, 0, 1, 1, 5, 6, 30, 0, 0, 0, 0, 0, 0}, {text_, argumentFont_})
                .size(),
            1u);
  const std::vector<std::string> wide = draw("drawStringWithBorder(IIILjava/lang/String;IIII)V",
                                             {0x0000FF, 0x00FF00, 70000, 5, 6, 30, 12}, {text_});
  ASSERT_EQ(wide.size(), 3u);
  EXPECT_EQ(wide[0], "osGXfillRectangle(5, 6, 34, 17, 4464, 0x0000FF00, 1, 0x00445566, 0, 0, 0)");
  EXPECT_EQ(wide[1], "osGXdrawRectangle(5, 6, 34, 17, 4464, 1, 0x000000FF, 0x00445566, 0, 0, 0)");
}

TEST_F(CanvasStringsTest, WithoutACanvasTheStateReadsAsZeros) {
  const vmhost::NativeRecord* native =
      vmhost::findNative(kCanvas, "drawString(Ljava/lang/String;IIII)V");
  ASSERT_NE(native, nullptr);
  // A null `this` in the first slot, the string after it.
  const std::vector<jword> references{0, text_};
  const std::vector<uint32_t> scalars{5, 6, 30, 12};
  host::traceClear();
  EXPECT_TRUE(vmhost::callNative(*native, 0, references, scalars).balanced);
  EXPECT_EQ(
      traceWith("osGX"),
      (std::vector<std::string>{
          "osGXtext(0, {5, 6, 34, 17}, {0x00000000, 0x80000000, 0x00000000}, "
          "{2, [0, 0, 1, 1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]}, 0, \"Hello\", 5, "
          "true)"}));
}

TEST_F(CanvasStringsTest, TheBackgroundColourGoesIntoTheColourRecord) {
  EXPECT_EQ(
      draw("drawStringWithBackground(ILjava/lang/String;IIII)V", {0xFEDCBA, 5, 6, 30, 12}, {text_}),
      (std::vector<std::string>{"osGXtext(3, {5, 6, 34, 17}, "
                                "{0x00112233, 0x00FEDCBA, 0x00778899}, {2, " +
                                std::string(kDefaultBytes) + "}, 1, \"Hello\", 5, true)"}));
}

TEST_F(CanvasStringsTest, NullStringsDrawEmptyAndNullFontsDrawWithoutAFont) {
  EXPECT_EQ(draw("drawString(Ljava/lang/String;II)V", {10, 50}, {0}),
            (std::vector<std::string>{
                "osGXgetTextMetrics(1, null, 0) -> {0, 19, 15}",
                "osGXtext(3, {10, 31, 10, 50}, {0x00112233, 0x80000000, 0x00000000}, {0, " +
                    std::string(kDefaultBytes) + "}, 1, null, 0, false)"}));
  EXPECT_EQ(draw("drawString(Ljava/lang/String;IIIIILgpclasses/graphics/CgpFont;I)V",
                 {5, 6, 30, 12, 0xABCDEF, 9}, {text_, 0}),
            (std::vector<std::string>{"osGXsimpleText(3, {5, 6, 34, 17}, 0, \"Hello\", "
                                      "{0x00ABCDEF, 0x80000000, 0x00778899}, 9, 1, 5)"}));
}

TEST_F(CanvasStringsTest, LongStringsArePassedWholeInPlace) {
  const jword longText = vmhost::newString(std::u16string(100000, u'x'));
  const std::vector<std::string> calls =
      draw("drawString(Ljava/lang/String;II)V", {0, 30}, {longText});
  ASSERT_EQ(calls.size(), 2u);
  // 100,000 glyphs of 9 pixels each, and a rectangle as wide.
  EXPECT_TRUE(calls[0].ends_with(", 100000) -> {900000, 19, 15}"));
  EXPECT_EQ(calls[1].rfind("osGXtext(3, {0, 11, 900000, 30}", 0), 0u);
  EXPECT_TRUE(calls[1].ends_with(", 100000, false)"));
}

}  // namespace
