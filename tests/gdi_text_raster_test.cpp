// Text on the Cairo raster: real glyphs of the pinned DejaVu files, measured,
// aligned and clipped as the layout codes and attributes say.
#include "support/gdi_surface.h"
#include "vm_test_support.h"

#include <array>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>

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

TEST_F(TextRaster, TheMarqueeScrollsByItsOffsetRoundALoop) {
  const POINTRECT box{40, 20, 139, 49};  // 100 wide
  const TEXTCOL colours{kBlack, kNoColour, 0};
  const TEXTATTRIB centred{2, {0, 0, 1, 1, 1, 0, 1}};
  auto marquee = [&](bool forwards, int32_t offset, const std::u16string& line = u"News") {
    erase();
    osGXscrollMarquee(surface_, &box, &colours, &centred, sans_, line.data(),
                      static_cast<int32_t>(line.size()), forwards, offset);
    return ink();
  };
  const Ink home = marquee(true, 0);
  EXPECT_EQ(inkOf(u"News", box, 2), home);
  const int32_t loop = measure(u"News")[0] + 100;
  EXPECT_EQ(
      (std::vector{marquee(true, 10), marquee(false, 10), marquee(true, -10), marquee(true, loop),
                   marquee(true, 3 * loop + 10), marquee(false, loop - 10)}),
      (std::vector{home.moved(-10, 0), home.moved(10, 0), home.moved(10, 0), home,
                   home.moved(-10, 0), home.moved(-10, 0)}));
  // A marquee is one line: line breaks of every kind are spaces.
  EXPECT_EQ(marquee(true, 0, u"N\ne\u2028w\u2029s"), marquee(true, 0, u"N e w s"));
  // A right-to-left line runs the other way (forwards: the multilingual example).
  EXPECT_EQ(marquee(false, 10, u"חדשות"), marquee(true, 0, u"חדשות").moved(-10, 0));
}

// Simple text's second code: 1 smooth, 2 underline (a row under the
// baseline), 4 shadow in the second colour, one pixel right and down.
TEST_F(TextRaster, SimpleTextUnderlinesAndShadowsByItsSecondCode) {
  const POINTRECT box{0, 0, 99, 39};
  osGXsimpleText(surface_, &box, sans_, u"12.5", TEXTCOL{kBlack, kNoColour, 0xFF0000}, kTopLeft,
                 2 | 4, 4);
  const int32_t width = measure(u"12.5")[0];
  EXPECT_EQ((std::vector{at(0, 16), at(width - 1, 16), at(0, 17), at(width, 17)}),
            (std::vector<uint32_t>{0, 0, kWhite, 0xFF0000}));
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
  const std::u16string huge(100000, u'W');
  const std::u16string shown(20, u'W');
  EXPECT_EQ(measure(huge), (std::array<int32_t, 3>{100000 * measure(u"W")[0], 19, 15}));
  const std::vector<uint32_t> fromLeft = drawn(shown, sans_),
                              fromRight = drawn(shown, sans_, kWhole, 1 | kTopLeft);
  EXPECT_TRUE(drawn(huge, sans_) == fromLeft);
  EXPECT_TRUE(drawn(huge, sans_, {0, 0, INT32_MAX, 79}, kTopLeft, true) == fromLeft);
  EXPECT_TRUE(drawn(huge, sans_, {INT32_MIN, 0, 239, 79}, 1 | kTopLeft, true) == fromRight);
  EXPECT_EQ(inkOf(huge, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, 1, true), Ink{});
  const TEXTCOL colours{kBlack, kNoColour, 0};
  const TEXTATTRIB attributes{0, {}};
  const POINTRECT far{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  erase();
  osGXscrollMarquee(surface_, &far, &colours, &attributes, sans_, huge.data(), 100000, false,
                    INT32_MAX);
  // The line's middle: its box from y = INT32_MIN + (2^32 - 1 - 19) / 2 = -10,
  // the baseline at 5, the feet of the W's in rows 0 to 4.
  EXPECT_EQ(ink().moved(0, 0, true), (Ink{2, 0, 236, 4}));
}

TEST_F(TextRaster, NamesResolveToFacesAndUnknownNamesFallBack) {
  // The face's file and size; +b synthetic bold, +o synthetic oblique, +f fallback.
  const auto face = [](FONTHANDLE font) {
    const std::optional<gdihost::FontInfo> i = gdihost::fontInfo(font);
    if (!i) return std::string();
    return i->file.substr(i->file.rfind('/') + 1) + " " + std::to_string(i->pixelSize) +
           (i->syntheticBold ? "+b" : "") + (i->syntheticOblique ? "+o" : "") +
           (i->fallback ? "+f" : "");
  };
  const std::string monoPath = tamri_test::testFontFile("dejavu/DejaVuSansMono.ttf");
  const std::u16string mono(monoPath.begin(), monoPath.end());
  const auto named = [&](std::u16string name, uint8_t size, uint8_t weight, uint8_t slant) {
    return face(load(name, size, weight, slant));
  };
  // Bold from weight 6 (synthetic where the family has no bold face),
  // oblique for slant 1 only, size 0 as 16, a file by its path.
  EXPECT_EQ(
      (std::vector{named(u"DejaVu Sans", 20, 7, 0), named(u"dejavusansmono", 16, 0, 0),
                   named(u"DejaVu Sans Mono", 16, 6, 0), named(u"DejaVu Sans Mono", 16, 5, 0),
                   named(u"DejaVu Sans", 16, 0, 1), named(u"DejaVu Sans", 16, 0, 3),
                   named(u"DejaVu Sans", 0, 0, 0), named(u"No Such Font", 16, 0, 0),
                   named(mono, 16, 0, 0), named(u"/no/such/file.ttf", 16, 0, 0)}),
      (std::vector<std::string>{
          "DejaVuSans-Bold.ttf 20", "DejaVuSansMono.ttf 16", "DejaVuSansMono.ttf 16+b",
          "DejaVuSansMono.ttf 16", "DejaVuSans.ttf 16+o", "DejaVuSans.ttf 16", "DejaVuSans.ttf 16",
          "DejaVuSans.ttf 16+f", "DejaVuSansMono.ttf 16", "DejaVuSans.ttf 16+f"}));
  EXPECT_EQ(gdihost::fontInfo(load(mono, 16))->file, monoPath);
}

TEST_F(TextRaster, AgfaFontsAreThoseWhoseVendorIsAgfa) {
  const std::string plainPath = tamri_test::testFontFile("dejavu/DejaVuSans.ttf");
  std::ifstream in(plainPath, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
  // The table directory's OS/2 record gives the table's offset at 8; the
  // vendor tag lies 58 bytes into the table.
  const size_t record = std::string(bytes.begin(), bytes.begin() + 1024).find("OS/2");
  uint32_t table = 0;
  for (int i = 0; i < 4; ++i) table = table << 8 | static_cast<uint8_t>(bytes[record + 8 + i]);
  std::memcpy(&bytes[table + 58], "AGFA", 4);
  const std::string path = testing::TempDir() + "agfa-dejavu.ttf";
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  const std::u16string agfa(path.begin(), path.end()), plain(plainPath.begin(), plainPath.end());
  EXPECT_EQ((std::vector<bool>{osGXisAgfaFont(agfa.c_str()), osGXisAgfaFont(plain.c_str()),
                               osGXisAgfaFont(u"DejaVu Sans"), osGXisAgfaFont(u"No Such Font"),
                               osGXisAgfaFont(nullptr)}),
            (std::vector<bool>{true, false, false, false, false}));
}

}  // namespace
