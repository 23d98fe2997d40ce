// CgpFont and CgpText natives driven through the VM frame: the drawing-layer
// calls they make, what they store and what they return.
#include "vm_test_support.h"

namespace {

using tamri_test::callOn;
using tamri_test::makeObject;
using tamri_test::traceWith;

constexpr const char* kFont = "gpclasses/graphics/CgpFont";
constexpr const char* kText = "gpclasses/graphics/CgpText";

jword string(const std::u16string& text) { return vmhost::newString(text); }

class FontTest : public tamri_test::VmTest {
 protected:
  jword font(const std::u16string& name, tamri_test::FieldValues extra = {}) {
    tamri_test::FieldValues fields{{"fontName", string(name)}};
    fields.insert(fields.end(), extra.begin(), extra.end());
    return makeObject(kFont, fields);
  }
  // A loaded font object, its handle stored as the VM side stores it.
  jword loadedFont(const std::u16string& name, int64_t size = 16) {
    const jword object = font(name, {{"fontParam1", size}});
    vmhost::setField(object, "fontHandle", callOn(object, "createFont()I").value);
    return object;
  }
  static std::vector<int64_t> metrics(jword object) {
    return {vmhost::getField(object, "textWidth"), vmhost::getField(object, "textHeight"),
            vmhost::getField(object, "thirdMetric")};
  }
};

TEST_F(FontTest, CreateFontLoadsWithBytes21_22_20AndReturnsTheHandleWithoutStoringIt) {
  const jword object =
      font(u"DejaVu Sans", {{"fontParam1", 200}, {"fontParam2", 7}, {"fontParam3", 2}});
  EXPECT_EQ(callOn(object, "createFont()I").value, 1u);
  EXPECT_EQ(callOn(object, "createFont()I").value, 2u);
  EXPECT_EQ(traceWith("osGX"),
            (std::vector<std::string>{R"(osGXloadFont("DejaVu Sans", 200, 7, 2) -> 1)",
                                      R"(osGXloadFont("DejaVu Sans", 200, 7, 2) -> 2)"}));
  EXPECT_EQ(vmhost::getField(object, "fontHandle"), 0);
}

TEST_F(FontTest, NamesAreCutTo260CharactersAndANullNameIsEmpty) {
  callOn(font(std::u16string(300, u'N')), "createFont()I");
  callOn(makeObject(kFont), "createFont()I");
  EXPECT_EQ(traceWith("osGX"), (std::vector<std::string>{
                                   "osGXloadFont(\"" + std::string(260, 'N') + "\", 0, 0, 0) -> 1",
                                   R"(osGXloadFont("", 0, 0, 0) -> 2)"}));
}

TEST_F(FontTest, CalcTextMetricsStoresWidthHeightAndAscentOfTheString) {
  const jword object = loadedFont(u"DejaVu Sans");
  host::traceClear();
  callOn(object, "calcTextMetrics(Ljava/lang/String;)V", {}, {string(u"Hello")});
  EXPECT_EQ(metrics(object), (std::vector<int64_t>{40, 19, 15}));
  EXPECT_EQ(traceWith("osGX"),
            (std::vector<std::string>{R"(osGXgetTextMetrics(1, "Hello", 5) -> {40, 19, 15})"}));
}

TEST_F(FontTest, MeasuredWidthsAreTheAdvancesOfTheShapedText) {
  const jword object = loadedFont(u"DejaVu Sans", 40);
  auto width = [&](const std::u16string& s) {
    callOn(object, "calcTextMetrics(Ljava/lang/String;)V", {}, {string(s)});
    return vmhost::getField(object, "textWidth");
  };
  // Pieces without a kerning pair between them add up...
  for (const auto& [a, b] : {std::pair<std::u16string, std::u16string>{u"f", u"1"},
                             {u"12.5", u" bar"},
                             {u"Ωμέγα", u" Привет"},
                             {u"储罐", u"液位"}})
    EXPECT_EQ(width(a + b), width(a) + width(b));
  // ... kerned pairs come closer, and Arabic letters join into narrower forms.
  EXPECT_LT(width(u"AV"), width(u"A") + width(u"V"));
  EXPECT_LT(width(u"بببب"), 4 * width(u"ب") * 6 / 10);
}

TEST_F(FontTest, ANullStringIsReportedAndNothingIsStored) {
  const jword object = loadedFont(u"DejaVu Sans");
  vmhost::setField(object, "textWidth", 7);
  vmhost::setField(object, "textHeight", 8);
  vmhost::setField(object, "thirdMetric", 9);
  host::traceClear();
  callOn(object, "calcTextMetrics(Ljava/lang/String;)V", {}, {0});
  const std::vector<std::string> lines = traceWith("");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind(R"(osERfatalError("TamriGraphics", "gpClasses_Graphics_CgpFont", )", 0),
            0u);
  EXPECT_NE(lines[0].find(R"(, "CgpFont :: Unexpected null character"))"), std::string::npos);
  EXPECT_EQ(metrics(object), (std::vector<int64_t>{7, 8, 9}));
}

TEST_F(FontTest, DeletedHandlesMeasureNothing) {
  const jword object = loadedFont(u"DejaVu Sans");
  callOn(object, "deleteFont()V");
  callOn(object, "deleteFont()V");
  callOn(object, "calcTextMetrics(Ljava/lang/String;)V", {}, {string(u"Hi")});
  EXPECT_EQ(metrics(object), (std::vector<int64_t>{0, 0, 0}));
  // The handle stays in the object: the VM side clears it if it wants to.
  EXPECT_EQ(vmhost::getField(object, "fontHandle"), 1);
  EXPECT_EQ(traceWith("osGXunloadFont"),
            (std::vector<std::string>{"osGXunloadFont(1)", "osGXunloadFont(1)"}));
}

TEST_F(FontTest, TcpFontsAreNamedTcpInCapitals) {
  const std::vector<std::pair<std::u16string, bool>> cases = {
      {u"TCP", true}, {u"TCP-Sans", true}, {u"tcp", false}, {u"TC", false}, {u"xTCP", false}};
  for (const auto& [name, expected] : cases)
    EXPECT_EQ(callOn(font(name), "isTcpFont()Z").value, expected ? 1u : 0u);
  EXPECT_EQ(callOn(makeObject(kFont), "isTcpFont()Z").value, 0u);
  EXPECT_TRUE(traceWith("osGX").empty());
}

TEST_F(FontTest, IsAgfaFontAsksTheDrawingLayerWithTheName) {
  EXPECT_EQ(callOn(font(u"DejaVu Sans"), "isAgfaFont()Z").value, 0u);
  EXPECT_EQ(traceWith("osGX"),
            (std::vector<std::string>{R"(osGXisAgfaFont("DejaVu Sans") -> false)"}));
}

class TextObjectTest : public FontTest {
 protected:
  jword textObject(jword fontObject, tamri_test::FieldValues extra = {}) {
    tamri_test::FieldValues fields{{"x1", 10},
                                   {"y1", 20},
                                   {"x2", 110},
                                   {"y2", 45},
                                   {"fillColor", 0x11},
                                   {"backColor", 0x22},
                                   {"lineColor", 0x33},
                                   {"textSecondColor", 0x44},
                                   {"lineWidth", 2},
                                   {"lineStyle", 3},
                                   {"textLayoutCode", 6},
                                   {"textAttribute1", 5},
                                   {"textAttribute2", -1},
                                   {"textAttribute6", 7},
                                   {"textAttribute7", 9},
                                   {"text", string(u"Label")},
                                   {"textFont", fontObject}};
    fields.insert(fields.end(), extra.begin(), extra.end());
    return makeObject(kText, fields);
  }
};

TEST_F(TextObjectTest, DrawsTheTextThenTheBorderAndRemovesTheClipAreaItDidNotFind) {
  const jword object = textObject(loadedFont(u"DejaVu Sans"));
  host::traceClear();
  callOn(object, "draw(II)V", {3, 99});
  EXPECT_EQ(
      traceWith("osGX"),
      (std::vector<std::string>{
          "osGXgetClipArea(3) -> false",
          "osGXtext(3, {10, 20, 110, 45}, {0x00000011, 0x00000022, 0x00000044}, "
          "{6, [5, 255, 1, 1, 1, 7, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]}, 1, \"Label\", 5, "
          "true)",
          "osGXdrawRectangle(10, 20, 110, 45, 2, 3, 0x00000033, 0x00000022, 0, 0, 0)",
          "osGXremoveClipArea(3)"}));
}

TEST_F(TextObjectTest, PutsBackTheClipAreaItFound) {
  const jword object = textObject(loadedFont(u"DejaVu Sans"), {{"lineWidth", 0}});
  osGXsetClipArea(1, 2, 300, 400, 4);
  host::traceClear();
  callOn(object, "draw(II)V", {4, 0});
  const std::vector<std::string> lines = traceWith("osGX");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "osGXgetClipArea(4) -> true {1, 2, 300, 400}");
  EXPECT_EQ(lines[2], "osGXsetClipArea(1, 2, 300, 400, 4)");
}

TEST_F(TextObjectTest, TheBorderNeedsBothAPositiveWidthAndStyle) {
  const jword fontObject = loadedFont(u"DejaVu Sans");
  for (auto [width, style] : {std::pair{2, 0}, {0, 1}, {-2, 3}, {1, -1}, {1, 1}})
    callOn(textObject(fontObject, {{"lineWidth", width}, {"lineStyle", style}}), "draw(II)V",
           {1, 0});
  EXPECT_EQ(traceWith("osGXdrawRectangle"),
            (std::vector<std::string>{
                "osGXdrawRectangle(10, 20, 110, 45, 1, 1, 0x00000033, 0x00000022, 0, 0, 0)"}));
  EXPECT_EQ(traceWith("osGXtext").size(), 5u);
}

TEST_F(TextObjectTest, AlignmentKeepsItsSidesForRightToLeftText) {
  // A Hebrew label aligned right ends at the rectangle's right edge (x2 110),
  // one aligned left starts at its left edge (x1 10).
  const int32_t surface = gdihost::createSurface(200, 60, 0xFFFFFF);
  const jword fontObject = loadedFont(u"DejaVu Sans");
  const int32_t rightTop = 5, leftTop = 4;
  for (const auto& [layout, top] : {std::pair{rightTop, 0}, {leftTop, 30}}) {
    callOn(textObject(fontObject, {{"y1", top},
                                   {"y2", top + 29},
                                   {"fillColor", 0},
                                   {"backColor", INT32_MIN},
                                   {"lineWidth", 0},
                                   {"textLayoutCode", layout},
                                   {"textAttribute6", 0},
                                   {"text", string(u"רמת המיכל")}}),
           "draw(II)V", {static_cast<uint32_t>(surface), 0});
  }
  auto inkColumns = [&](int32_t top) {
    std::pair<int32_t, int32_t> columns{200, -1};
    for (int32_t y = top; y < top + 30; ++y) {
      for (int32_t x = 0; x < 200; ++x) {
        if (gdihost::pixel(surface, x, y) == 0xFFFFFF) continue;
        columns = {std::min(columns.first, x), std::max(columns.second, x)};
      }
    }
    return columns;
  };
  EXPECT_NEAR(inkColumns(0).second, 110, 1);
  EXPECT_NEAR(inkColumns(30).first, 10, 1);
}

TEST_F(TextObjectTest, WithoutAFontNothingIsDrawnNotEvenTheBorder) {
  callOn(textObject(0), "draw(II)V", {1, 0});
  EXPECT_TRUE(traceWith("osGX").empty());
}

TEST_F(TextObjectTest, ANullTextDrawsAsEmptyWithItsBorder) {
  callOn(textObject(loadedFont(u"DejaVu Sans"), {{"text", 0}}), "draw(II)V", {1, 0});
  const std::vector<std::string> text = traceWith("osGXtext");
  ASSERT_EQ(text.size(), 1u);
  EXPECT_NE(text[0].find(", 1, null, 0, true)"), std::string::npos);
  EXPECT_EQ(traceWith("osGXdrawRectangle").size(), 1u);
}

}  // namespace
