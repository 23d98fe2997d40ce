// CgpFont and CgpText natives driven through the VM frame: the drawing-layer
// calls they make, what they store and what they return.
#include "vm_test_support.h"

#include <regex>

namespace {

using tamri_test::callOn;
using tamri_test::makeObject;
using tamri_test::traceWith;
using Lines = std::vector<std::string>;

constexpr const char* kFont = "gpclasses/graphics/CgpFont";
constexpr const char* kMetrics = "calcTextMetrics(Ljava/lang/String;)V";

jword string(const std::u16string& text) { return vmhost::newString(text); }

class FontTest : public tamri_test::VmTest {
 protected:
  static jword font(const std::u16string& name, tamri_test::FieldValues fields = {}) {
    fields.push_back({"fontName", string(name)});
    return makeObject(kFont, fields);
  }
  // A loaded font object, its handle stored as the VM side stores it.
  static jword loadedFont() {
    const jword object = font(u"DejaVu Sans", {{"fontParam1", 16}});
    vmhost::setField(object, "fontHandle", callOn(object, "createFont()I").value);
    host::traceClear();
    return object;
  }
  static std::vector<int64_t> fields(jword object) {
    return {vmhost::getField(object, "textWidth"), vmhost::getField(object, "textHeight"),
            vmhost::getField(object, "thirdMetric"), vmhost::getField(object, "fontHandle")};
  }
};

// Bytes 21, 22 and 20 in that order; names cut to 260 characters; a null
// name is empty. The handle is returned, not stored.
TEST_F(FontTest, CreateFontLoadsByNameAndBytesAndReturnsTheHandle) {
  const jword object =
      font(u"DejaVu Sans", {{"fontParam1", 200}, {"fontParam2", 7}, {"fontParam3", 2}});
  EXPECT_EQ(callOn(object, "createFont()I").value, 1u);
  callOn(font(std::u16string(300, u'N')), "createFont()I");
  callOn(makeObject(kFont), "createFont()I");
  EXPECT_EQ(traceWith("osGX"),
            (Lines{R"(osGXloadFont("DejaVu Sans", 200, 7, 2) -> 1)",
                   "osGXloadFont(\"" + std::string(260, 'N') + "\", 0, 0, 0) -> 2",
                   R"(osGXloadFont("", 0, 0, 0) -> 3)"}));
  EXPECT_EQ(vmhost::getField(object, "fontHandle"), 0);
}

// A null string is reported and stores nothing; the handle stays in the
// object after a delete (the VM side clears it if it wants to) and measures
// nothing.
TEST_F(FontTest, CalcTextMetricsStoresWidthHeightAndAscentOfTheString) {
  const jword object = loadedFont();
  callOn(object, kMetrics, {}, {string(u"Hello")});
  EXPECT_EQ(fields(object), (std::vector<int64_t>{40, 19, 15, 1}));
  callOn(object, kMetrics, {}, {0});
  EXPECT_EQ(fields(object), (std::vector<int64_t>{40, 19, 15, 1}));
  callOn(object, "deleteFont()V");
  callOn(object, "deleteFont()V");
  callOn(object, kMetrics, {}, {string(u"Hi")});
  EXPECT_EQ(fields(object), (std::vector<int64_t>{0, 0, 0, 1}));
  Lines lines = traceWith("");
  for (std::string& line : lines)
    line = std::regex_replace(line, std::regex("\\d+(, \"CgpFont)"), "#$1");
  EXPECT_EQ(lines, (Lines{R"(osGXgetTextMetrics(1, "Hello", 5) -> {40, 19, 15})",
                          R"(osERfatalError("TamriGraphics", "gpClasses_Graphics_CgpFont", #, )"
                          R"("CgpFont :: Unexpected null character"))",
                          "osGXunloadFont(1)", "osGXunloadFont(1)",
                          R"(osGXgetTextMetrics(1, "Hi", 2) -> {0, 0, 0})"}));
}

// TCP fonts are named "TCP" in capitals, without asking the drawing layer;
// for Agfa fonts it is asked with the name.
TEST_F(FontTest, TcpAndAgfaFonts) {
  std::vector<uint32_t> tcp;
  for (const jword object : {font(u"TCP"), font(u"TCP-Sans"), font(u"tcp"), font(u"TC"),
                             font(u"xTCP"), makeObject(kFont)})
    tcp.push_back(callOn(object, "isTcpFont()Z").value);
  EXPECT_EQ(tcp, (std::vector<uint32_t>{1, 1, 0, 0, 0, 0}));
  EXPECT_EQ(callOn(font(u"DejaVu Sans"), "isAgfaFont()Z").value, 0u);
  EXPECT_EQ(traceWith("osGX"), (Lines{R"(osGXisAgfaFont("DejaVu Sans") -> false)"}));
}

class TextObjectTest : public FontTest {
 protected:
  jword textObject(jword fontObject, tamri_test::FieldValues extra = {}) {
    using F = std::pair<const char*, int64_t>;
    tamri_test::FieldValues fields(
        {F("x1", 10), F("y1", 20), F("x2", 110), F("y2", 45), F("fillColor", 0x11),
         F("backColor", 0x22), F("lineColor", 0x33), F("textSecondColor", 0x44), F("lineWidth", 2),
         F("lineStyle", 3), F("textLayoutCode", 6), F("textAttribute1", 5), F("textAttribute2", -1),
         F("textAttribute6", 7), F("textAttribute7", 9), F("textFont", fontObject),
         F("text", string(u"Label"))});
    fields.insert(fields.end(), extra.begin(), extra.end());
    return makeObject("gpclasses/graphics/CgpText", fields);
  }
  static constexpr const char* kBorder =
      "osGXdrawRectangle(10, 20, 110, 45, 2, 3, 0x00000033, 0x00000022, 0, 0, 0)";
};

// The text, then its border; a clip area the surface had is put back (one it
// had not is removed: the text scene). A null text draws as empty.
TEST_F(TextObjectTest, DrawsTheTextThenTheBorderAndRestoresTheClipArea) {
  const jword fontObject = loadedFont();
  osGXsetClipArea(1, 2, 300, 400, 4);
  host::traceClear();
  callOn(textObject(fontObject, {{"text", 0}}), "draw(II)V", {4, 0});
  const std::string look =
      "{10, 20, 110, 45}, {0x00000011, 0x00000022, 0x00000044}, "
      "{6, [5, 255, 1, 1, 1, 7, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]}, 1, ";
  EXPECT_EQ(traceWith("osGX"), (Lines{"osGXgetClipArea(4) -> true {1, 2, 300, 400}",
                                      "osGXtext(4, " + look + "null, 0, true)", kBorder,
                                      "osGXsetClipArea(1, 2, 300, 400, 4)"}));
}

TEST_F(TextObjectTest, TheBorderNeedsBothAPositiveWidthAndStyleAndThereIsNothingWithoutAFont) {
  const jword fontObject = loadedFont();
  for (auto [width, style] : {std::pair{2, 0}, {0, 1}, {-2, 3}, {1, -1}, {1, 1}})
    callOn(textObject(fontObject, {{"lineWidth", width}, {"lineStyle", style}}), "draw(II)V",
           {1, 0});
  EXPECT_EQ(traceWith("osGXdrawRectangle"),
            (Lines{"osGXdrawRectangle(10, 20, 110, 45, 1, 1, 0x00000033, 0x00000022, 0, 0, 0)"}));
  EXPECT_EQ(traceWith("osGXtext").size(), 5u);
  host::traceClear();
  callOn(textObject(0), "draw(II)V", {1, 0});
  EXPECT_TRUE(traceWith("osGX").empty());
}

}  // namespace
