// Text on the Cairo raster: real glyphs of the pinned DejaVu files, measured,
// aligned and clipped as the layout codes and attributes say.
#include "support/gdi_surface.h"
#include "vm_test_support.h"

#include <array>
#include <fstream>
#include <iterator>

namespace {

using tamri_test::Ink;
using tamri_test::kWhite;
constexpr int32_t kBlack = 0x000000;
constexpr int32_t kNoColour = INT32_MIN;
constexpr int32_t kWidth = 240;
constexpr int32_t kHeight = 80;
// Layout codes: horizontal in bits 0-1, vertical in bits 2-3.
constexpr int32_t kTopLeft = 4;

class TextRaster : public tamri_test::GdiSurfaceTest {
 protected:
  TextRaster() : GdiSurfaceTest(kWidth, kHeight) {}
  void SetUp() override {
    tamri_test::pinTestFonts();
    host::setTraceRecording(false);
    GdiSurfaceTest::SetUp();
    sans_ = load(u"DejaVu Sans", 16);
  }
  void TearDown() override {
    host::setTraceRecording(true);
    GdiSurfaceTest::TearDown();
  }
  static FONTHANDLE load(const std::u16string& name, uint8_t size, uint8_t weight = 0,
                         uint8_t slant = 0) {
    return osGXloadFont(name.c_str(), size, weight, slant);
  }
  // Draws with black text, a green shadow and no background.
  void text(const std::u16string& s, POINTRECT rect, int32_t layout, bool wrap = false,
            FONTHANDLE font = 0) {
    const TEXTCOL colours{kBlack, kNoColour, 0x00FF00};
    const TEXTATTRIB attributes{layout, {0, 0, 1, 1, 1, 0, 1}};
    osGXtext(surface_, &rect, &colours, &attributes, font ? font : sans_, s.data(),
             static_cast<int32_t>(s.size()), wrap);
  }
  // A white surface again; the fonts stay loaded.
  void erase() const {
    osGXfillRectangle(0, 0, kWidth - 1, kHeight - 1, 1, kWhite, 1, kWhite, 0, 0, 0);
  }
  // The pixels of the text drawn alone in this rectangle.
  std::vector<uint32_t> drawn(const std::u16string& s, FONTHANDLE font, POINTRECT rect = kWhole,
                              int32_t layout = kTopLeft, bool wrap = false) {
    erase();
    text(s, rect, layout, wrap, font);
    return pixels();
  }
  Ink inkOf(const std::u16string& s, POINTRECT rect, int32_t layout, bool wrap = false) {
    erase();
    text(s, rect, layout, wrap);
    return ink();
  }
  std::array<int32_t, 3> measure(const std::u16string& s, FONTHANDLE font = 0) {
    std::array<int32_t, 3> m{-1, -1, -1};
    osGXgetTextMetrics(font ? font : sans_, s.data(), static_cast<int32_t>(s.size()), &m[0], &m[1],
                       &m[2]);
    return m;
  }
  static constexpr POINTRECT kWhole{0, 0, kWidth - 1, kHeight - 1};
  FONTHANDLE sans_ = 0;
};

TEST_F(TextRaster, TextDrawnInItsMeasuredRectangleKeepsItsLines) {
  // Wrapping to the measured width breaks no line: the width is the advance
  // of the laid-out lines, kerning, joining and fallback faces included.
  for (const std::u16string s : {u"AVA To", u"two\nlines", u"רמת 87 %", u"مستوى", u"储罐 タンク"}) {
    const auto [width, height, ascent] = measure(s);
    EXPECT_EQ(ascent, 15);
    EXPECT_EQ(height, s.find(u'\n') == s.npos ? 19 : 2 * 19);
    const Ink inMeasured = inkOf(s, {10, 5, 10 + width - 1, 5 + height - 1}, kTopLeft, true);
    const Ink unwrapped = inkOf(s, {10, 5, 239, 79}, kTopLeft);
    EXPECT_EQ(inMeasured, unwrapped) << "width " << width;
    // ... and the measure is tight: the ink nearly fills it.
    EXPECT_GE(unwrapped.right, 10 + width - 4);
    EXPECT_LE(unwrapped.right, 10 + width);
  }
  // Slanted glyphs lean past their advance, which the width leaves out.
  EXPECT_EQ(measure(u"Hf", load(u"DejaVu Sans", 16, 0, 2))[0], measure(u"Hf")[0]);
  EXPECT_EQ(measure(u""), (std::array<int32_t, 3>{0, 19, 15}));
}

// The extents only: how many pixels show is the font's.
TEST_F(TextRaster, TextIsClippedToItsRectangleAndToTheSurfacesClipArea) {
  const auto box = [&](const std::u16string& s, POINTRECT rect, int32_t layout) {
    return inkOf(s, rect, layout).moved(0, 0, true);
  };
  EXPECT_EQ(box(u"A long line that does not fit", {30, 20, 69, 29}, 2), (Ink{30, 20, 69, 29}));
  // A rectangle one pixel high or wide still shows its slice of the text.
  EXPECT_EQ(box(u"Sliced", {0, 10, 99, 10}, 0), (Ink{4, 10, 45, 10}));
  EXPECT_EQ(box(u"Sliced", {3, 0, 3, 79}, 2), (Ink{3, 36, 3, 44}));
  osGXsetClipArea(0, 0, 49, 79, surface_);
  EXPECT_EQ(box(u"Clipped", {40, 10, 139, 40}, kTopLeft), (Ink{41, 13, 49, 24}));
}

// Each text wrapped in a rectangle of its width against its lines drawn
// unwrapped, one under the other.
TEST_F(TextRaster, TheFlagWrapsAtSpacesAndOnlyWholeLinesAreKept) {
  const FONTHANDLE mono = load(u"DejaVu Sans Mono", 16);
  const int32_t oneTwo = measure(u"one two")[0];
  auto fit = [&](const std::u16string& line, FONTHANDLE font) {
    return measure(line, font)[0] - 1;
  };
  const struct {
    FONTHANDLE font;
    std::u16string text;
    int32_t right;
    std::u16string lines;
  } cases[] = {
      {sans_, u"one two three", 49, u"one\ntwo\nthree"},
      // A line as wide as the rectangle stays whole; one pixel less breaks it,
      // and the spaces at the break are dropped.
      {sans_, u"one two", oneTwo - 1, u"one two"},
      {sans_, u"one two", oneTwo - 2, u"one\ntwo"},
      {sans_, u"one  two", oneTwo - 2, u"one\ntwo"},
      {sans_, u"one\ntwo", oneTwo - 2, u"one\ntwo"},
      // Lines break by Unicode's rules: between ideographs, between Thai words,
      // and inside a word wider than the line, with no hyphen added.
      {sans_, u"储罐液位过高请立即检", fit(u"储罐液位过", sans_), u"储罐液位过\n高请立即检"},
      {mono, u"Supercalifragilistic", fit(u"Supercal", mono), u"Supercal\nifragili\nstic"},
      {sans_, u"ระดับน้ำในถังสูง", fit(u"ระดับน้ำ", sans_), u"ระดับน้ำ\nในถังสูง"},
  };
  for (const auto& c : cases) {
    const std::vector<uint32_t> wrapped =
        drawn(c.text, c.font, {0, 0, c.right, 79}, kTopLeft, true);
    EXPECT_TRUE(wrapped == drawn(c.lines, c.font)) << std::string(c.lines.begin(), c.lines.end());
  }
  // Room for two lines, bottom aligned: the third is left out rather than cut.
  const Ink twoLines = inkOf(u"one\ntwo", kWhole, kTopLeft);
  EXPECT_EQ(inkOf(u"one two three", {0, 0, 49, 19 * 2 + 10}, 8, true), twoLines.moved(0, 11));
  // A wrap width that differs from another only above 16 bits is laid out on
  // its own: the whole line fits.
  drawn(u"one two three", sans_, {0, 0, 49, 79}, 1 | kTopLeft, true);
  EXPECT_TRUE(drawn(u"one two three", sans_, {-65536, 0, 49, 79}, 1 | kTopLeft, true) ==
              drawn(u"one two three", sans_, {-100, 0, 49, 79}, 1 | kTopLeft));
}

// A character no installed font has shows a box: an outline inside its
// advance, from the baseline (row 15) up to three quarters of the ascent.
TEST_F(TextRaster, CharactersNoFontHasShowABox) {
  drawn(u"\u0378", sans_);
  const int32_t boxWidth = measure(u"\u0378")[0];
  EXPECT_EQ(ink(), (Ink{1, 4, boxWidth - 2, 14, 2 * (boxWidth - 2) + 2 * 9}));
}

// Control characters take no room, spaces do; a surrogate pair is one
// character and a lone surrogate shows the replacement character.
TEST_F(TextRaster, ControlsSpacesAndSurrogatesAreMeasuredAsCharacters) {
  EXPECT_EQ(measure(u"a\tb"), measure(u"a b"));
  EXPECT_EQ(measure(u"a\rb\u007F\u0085\u009F"), measure(u"ab"));
  EXPECT_EQ(measure(u"a ")[0], measure(u"a")[0] + measure(u" ")[0]);
  EXPECT_EQ(measure(u"a\u00A0~")[0], measure(u"a ~")[0]);
  EXPECT_EQ(measure(u"a\u2028b\u2029c"), measure(u"a\nb\nc"));  // line and paragraph separators
  // U+1D539 is in the face; U+1D53A after it, U+10FFFD and U+1FFFF are in no
  // font: each shows the same box of six hexadecimal digits' room.
  const std::u16string doubleStruckB = {0xD835, 0xDD39};
  const std::u16string pair = {0xDBFF, 0xDFFD};
  const std::array<int32_t, 3> box = measure(std::u16string{0xD83F, 0xDFFF});
  EXPECT_NE(measure(doubleStruckB), box);
  EXPECT_EQ(measure(doubleStruckB + doubleStruckB)[0], 2 * measure(doubleStruckB)[0]);
  EXPECT_EQ(measure(pair), box);
  EXPECT_EQ(measure(std::u16string{0xD800}), measure(u"\uFFFD"));
  EXPECT_EQ(measure(std::u16string{0xDC00, u'a'}), measure(u"\uFFFDa"));
  EXPECT_NE(measure(pair)[0], measure(u"\uFFFD")[0]);
  // A pair cut by the count is a lone surrogate.
  int32_t cut[3];
  osGXgetTextMetrics(sans_, pair.data(), 1, &cut[0], &cut[1], &cut[2]);
  EXPECT_EQ(cut[0], measure(u"\uFFFD")[0]);
}

TEST_F(TextRaster, UnknownFontsAndEmptyRectanglesDrawNothing) {
  const POINTRECT box{10, 10, 100, 40};
  const TEXTCOL colours{kBlack, 0x0000FF, 0};
  const TEXTATTRIB attributes{0, {}};
  const std::u16string s = u"Nothing";
  osGXunloadFont(sans_);
  osGXtext(surface_, &box, &colours, &attributes, sans_, s.data(), 7, true);
  osGXtext(surface_, &box, &colours, &attributes, 99, s.data(), 7, true);
  osGXscrollMarquee(surface_, &box, &colours, &attributes, 0, s.data(), 7, true, 3);
  const FONTHANDLE font = load(u"DejaVu Sans", 16);
  const POINTRECT reversed{100, 10, 10, 40};  // empty
  osGXtext(surface_, &reversed, &colours, &attributes, font, s.data(), 7, true);
  osGXtext(surface_, nullptr, &colours, &attributes, font, s.data(), 7, true);
  osGXtext(surface_, &box, &colours, &attributes, font, nullptr, 7, true);  // background only
  EXPECT_EQ(ink(), (Ink{10, 10, 100, 40, 91 * 31}));
  osGXtext(surface_, &box, nullptr, nullptr, font, s.data(), -5, false);
  osGXtext(surface_ + 1, &box, &colours, &attributes, font, s.data(), 7, true);
  EXPECT_EQ(ink(), (Ink{10, 10, 100, 40, 91 * 31}));
}

// A text of 100000 characters, in rectangles reaching the ends of the int
// range, shows on the surface what a short text shows.
TEST_F(TextRaster, HugeTextsInFarRectanglesDrawAndMeasureAsShortOnes) {
  const std::u16string huge(100000, u'W'), shown(20, u'W');
  EXPECT_EQ(measure(huge), (std::array<int32_t, 3>{100000 * measure(u"W")[0], 19, 15}));
  const std::vector<uint32_t> fromLeft = drawn(shown, sans_);
  EXPECT_TRUE(drawn(huge, sans_) == fromLeft);
  EXPECT_TRUE(drawn(huge, sans_, {0, 0, INT32_MAX, 79}, kTopLeft, true) == fromLeft);
  EXPECT_TRUE(drawn(huge, sans_, {INT32_MIN, 0, 239, 79}, 1 | kTopLeft, true) ==
              drawn(shown, sans_, kWhole, 1 | kTopLeft));
  const POINTRECT far{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  EXPECT_EQ(inkOf(huge, far, 1, true), Ink{});
  const TEXTCOL colours{kBlack, kNoColour, 0};
  const TEXTATTRIB attributes{0, {}};
  erase();
  osGXscrollMarquee(surface_, &far, &colours, &attributes, sans_, huge.data(), 100000, false,
                    INT32_MAX);
  // The line's middle: its box from y = INT32_MIN + (2^32 - 1 - 19) / 2 = -10,
  // the baseline at 5, the feet of the W's in rows 0 to 4.
  EXPECT_EQ(ink().moved(0, 0, true), (Ink{2, 0, 236, 4}));
}

// The face's file and size; +b synthetic bold, +o synthetic oblique, +f fallback.
TEST_F(TextRaster, NamesResolveToFacesAndUnknownNamesFallBack) {
  const auto face = [&](const std::u16string& name, uint8_t size, uint8_t weight, uint8_t slant) {
    const gdihost::FontInfo i = *gdihost::fontInfo(load(name, size, weight, slant));
    return i.file.substr(i.file.rfind('/') + 1) + " " + std::to_string(i.pixelSize) +
           (i.syntheticBold ? "+b" : "") + (i.syntheticOblique ? "+o" : "") +
           (i.fallback ? "+f" : "");
  };
  EXPECT_EQ((std::vector{face(u"DejaVu Sans", 20, 7, 0), face(u"dejavusansmono", 16, 6, 0),
                         face(u"DejaVu Sans", 0, 0, 1), face(u"No Such Font", 16, 5, 3)}),
            (std::vector<std::string>{"DejaVuSans-Bold.ttf 20", "DejaVuSansMono.ttf 16+b",
                                      "DejaVuSans.ttf 16+o", "DejaVuSans.ttf 16+f"}));
}

// DejaVu's OS/2 table names its vendor "PfEd"; the copy names Agfa.
TEST_F(TextRaster, AgfaFontsAreThoseWhoseVendorIsAgfa) {
  const std::string plain = tamri_test::testFontFile("dejavu/DejaVuSans.ttf"),
                    agfa = testing::TempDir() + "agfa-dejavu.ttf";
  std::string b(std::istreambuf_iterator<char>(std::ifstream(plain, std::ios::binary).rdbuf()), {});
  std::ofstream(agfa, std::ios::binary) << b.replace(b.find("PfEd"), 4, "AGFA");
  const std::u16string a(agfa.begin(), agfa.end()), p(plain.begin(), plain.end());
  EXPECT_EQ((std::vector{osGXisAgfaFont(a.c_str()), osGXisAgfaFont(p.c_str()),
                         osGXisAgfaFont(u"DejaVu Sans"), osGXisAgfaFont(nullptr)}),
            (std::vector{true, false, false, false}));
}

}  // namespace
