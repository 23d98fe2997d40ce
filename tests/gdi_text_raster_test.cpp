// Text on the Cairo raster: real glyphs of the pinned DejaVu files, measured,
// aligned and clipped as the layout codes and attributes say.
#include "vm_test_support.h"

#include <array>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int32_t kBlack = 0x000000;
constexpr int32_t kNoColour = INT32_MIN;
constexpr int32_t kWidth = 240;
constexpr int32_t kHeight = 80;
// Layout codes: horizontal in bits 0-1, vertical in bits 2-3.
constexpr int32_t kTopLeft = 4;

struct Ink {
  int32_t left = -1, top = -1, right = -1, bottom = -1;
  int32_t pixels = 0;
  bool operator==(const Ink&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Ink& ink) {
  return out << "{" << ink.left << ", " << ink.top << ", " << ink.right << ", " << ink.bottom
             << "; " << ink.pixels << " pixels}";
}

class TextRaster : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!gdihost::rasterAvailable()) GTEST_SKIP() << "built without the raster backend";
    tamri_test::pinTestFonts();
    host::setTraceRecording(false);
    clear();
  }
  void TearDown() override {
    host::setTraceRecording(true);
    gdihost::reset();
  }

  static FONTHANDLE load(const std::u16string& name, uint8_t size, uint8_t weight = 0,
                         uint8_t slant = 0) {
    return osGXloadFont(name.c_str(), size, weight, slant);
  }
  void clear() {
    gdihost::reset();
    surface_ = gdihost::createSurface(kWidth, kHeight, kWhite);
    gdihost::selectTarget(surface_);
    sans_ = load(u"DejaVu Sans", 16);
  }
  // Draws with black text and no background.
  void text(const std::u16string& s, POINTRECT rect, int32_t layout, bool wrap = false,
            std::array<uint8_t, 7> bytes = {0, 0, 1, 1, 1, 0, 1}, FONTHANDLE font = 0) {
    const TEXTCOL colours{kBlack, kNoColour, 0x00FF00};
    TEXTATTRIB attributes{layout, {}};
    std::copy(bytes.begin(), bytes.end(), attributes.attributes);
    osGXtext(surface_, &rect, &colours, &attributes, font ? font : sans_, s.data(),
             static_cast<int32_t>(s.size()), wrap);
  }
  // A white surface again; the fonts stay loaded.
  void erase() const {
    osGXfillRectangle(0, 0, kWidth - 1, kHeight - 1, 1, kWhite, 1, kWhite, 0, 0, 0);
  }
  // The text drawn from the top-left corner of the surface, unwrapped.
  std::vector<uint32_t> drawn(const std::u16string& s, FONTHANDLE font, int32_t left = 0) {
    erase();
    text(s, {left, 0, kWidth - 1, kHeight - 1}, kTopLeft, false, {0, 0, 1, 1, 1, 0, 1}, font);
    return pixels();
  }
  std::array<int32_t, 3> measure(const std::u16string& s, FONTHANDLE font = 0) {
    std::array<int32_t, 3> m{-1, -1, -1};
    osGXgetTextMetrics(font ? font : sans_, s.data(), static_cast<int32_t>(s.size()), &m[0], &m[1],
                       &m[2]);
    return m;
  }
  uint32_t at(int32_t x, int32_t y) const { return gdihost::pixel(surface_, x, y); }
  Ink ink(uint32_t background = kWhite) const {
    Ink found;
    for (int32_t y = 0; y < kHeight; ++y) {
      for (int32_t x = 0; x < kWidth; ++x) {
        if (at(x, y) == background) continue;
        if (found.pixels++ == 0) found = {x, y, x, y, 1};
        found.left = std::min(found.left, x), found.right = std::max(found.right, x);
        found.top = std::min(found.top, y), found.bottom = std::max(found.bottom, y);
      }
    }
    return found;
  }
  std::vector<uint32_t> pixels() const {
    std::vector<uint32_t> all;
    for (int32_t y = 0; y < kHeight; ++y) {
      for (int32_t x = 0; x < kWidth; ++x) all.push_back(at(x, y));
    }
    return all;
  }
  static Ink moved(Ink ink, int32_t dx, int32_t dy) {
    ink.left += dx, ink.right += dx, ink.top += dy, ink.bottom += dy;
    return ink;
  }

  int32_t surface_ = 0;
  FONTHANDLE sans_ = 0;
};

TEST_F(TextRaster, TextDrawnInItsMeasuredRectangleKeepsItsLines) {
  // Wrapping to the measured width breaks no line: the width is the advance
  // of the laid-out lines, kerning, joining and fallback faces included.
  for (const std::u16string s :
       {u"Hello", u"AVA To", u"Ωμέγα Привет", u"two\nlines", u"רמת המיכל 87 %", u"مستوى الخزان",
        u"储罐液位 タンク", u"अधिक कि", u"ระดับน้ำ"}) {
    const auto [width, height, ascent] = measure(s);
    EXPECT_EQ(ascent, 15);
    EXPECT_EQ(height, s.find(u'\n') == s.npos ? 19 : 2 * 19);
    text(s, {10, 5, 10 + width - 1, 5 + height - 1}, kTopLeft, true);
    const Ink inMeasured = ink();
    clear();
    text(s, {10, 5, 239, 79}, kTopLeft, false);
    EXPECT_EQ(inMeasured, ink()) << "width " << width;
    // ... and the measure is tight: the ink nearly fills it.
    EXPECT_GE(ink().right, 10 + width - 4);
    EXPECT_LE(ink().right, 10 + width);
    clear();
  }
  // Slanted glyphs lean past their advance, which the width leaves out.
  const FONTHANDLE oblique = load(u"DejaVu Sans", 16, 0, 2);
  EXPECT_EQ(measure(u"Hf", oblique)[0], measure(u"Hf")[0]);
  EXPECT_EQ(measure(u"")[0], 0);
  EXPECT_EQ(measure(u"")[1], 19);
}

TEST_F(TextRaster, AlignmentPlacesTheLineBoxInTheRectangle) {
  const std::u16string s = u"Hello";     // 40 by 19
  const POINTRECT box{20, 10, 219, 49};  // 200 by 40
  text(s, box, kTopLeft);
  const Ink topLeft = ink();
  const std::vector<std::pair<int32_t, Ink>> cases = {
      {1 | 4, moved(topLeft, 200 - 40, 0)},         // right, top
      {2 | 4, moved(topLeft, (200 - 40) / 2, 0)},   // centre, top
      {0, moved(topLeft, 0, (40 - 19) / 2)},        // left, middle
      {2 | 8, moved(topLeft, (200 - 40) / 2, 21)},  // centre, bottom
      {3 | 12, moved(topLeft, 0, (40 - 19) / 2)},   // 3 and 3 read as left and middle
      {1 | 4 | 16, moved(topLeft, 200 - 40, 0)},    // higher bits change nothing
  };
  for (const auto& [layout, expected] : cases) {
    clear();
    text(s, box, layout);
    EXPECT_EQ(ink(), expected) << "layout " << layout;
  }
}

TEST_F(TextRaster, TextIsClippedToItsRectangleAndToTheSurfacesClipArea) {
  const POINTRECT box{30, 20, 69, 29};
  text(u"A long line that does not fit", box, 2);
  const Ink drawn = ink();
  EXPECT_GT(drawn.pixels, 20);
  EXPECT_GE(drawn.left, 30);
  EXPECT_LE(drawn.right, 69);
  EXPECT_GE(drawn.top, 20);
  EXPECT_LE(drawn.bottom, 29);

  // A rectangle one pixel high or wide still shows its slice of the text.
  clear();
  text(u"Sliced", {0, 10, 99, 10}, 0);
  EXPECT_EQ(ink().top, 10);
  EXPECT_EQ(ink().bottom, 10);
  clear();
  text(u"Sliced", {3, 0, 3, 79}, 2);
  EXPECT_EQ(ink().left, 3);
  EXPECT_EQ(ink().right, 3);

  clear();
  osGXsetClipArea(0, 0, 49, 79, surface_);
  text(u"Clipped", {40, 10, 139, 40}, kTopLeft);
  EXPECT_LE(ink().right, 49);
}

TEST_F(TextRaster, TheFlagWrapsAtSpacesAndOnlyWholeLinesAreKept) {
  const std::u16string s = u"one two three";
  text(s, {0, 0, 49, 79}, kTopLeft, false);
  EXPECT_LT(ink().bottom, 19);
  clear();
  text(s, {0, 0, 49, 79}, kTopLeft, true);
  EXPECT_GT(ink().bottom, 2 * 19);  // three lines
  EXPECT_LE(ink().right, 49);
  clear();
  // Room for two lines: the third is left out rather than cut.
  text(s, {0, 0, 49, 19 * 2 + 10}, 8, true);  // bottom
  const Ink two = ink();
  EXPECT_GE(two.top, 10);
  EXPECT_LT(two.top, 19);

  // A line as wide as the rectangle stays whole; one pixel less breaks it,
  // and the spaces at the break are dropped.
  const int32_t width = measure(u"one two")[0];
  clear();
  text(u"one two", {0, 0, width - 1, 79}, kTopLeft, true);
  EXPECT_LT(ink().bottom, 19);
  clear();
  text(u"one two", {0, 0, width - 2, 79}, kTopLeft, true);
  const Ink broken = ink();
  EXPECT_GT(broken.bottom, 19);
  for (const std::u16string same : {u"one  two", u"one\ntwo"}) {
    clear();
    text(same, {0, 0, width - 2, 79}, kTopLeft, true);
    EXPECT_EQ(ink(), broken);
  }

  // A wrap width that differs from another only above 16 bits is laid out
  // on its own: the whole line fits.
  erase();
  text(s, {0, 0, 49, 79}, kTopLeft, true);
  erase();
  text(s, {-65536, 0, 49, 79}, 1 | kTopLeft, true);
  EXPECT_LT(ink().bottom, 19);

  // Lines break by Unicode's rules: between ideographs, between Thai words,
  // and inside a word wider than the line, with no hyphen added.
  const FONTHANDLE mono = load(u"DejaVu Sans Mono", 16);
  const struct {
    FONTHANDLE font;
    std::u16string text, firstLine, lines;
  } breaks[] = {
      {sans_, u"储罐液位过高请立即检", u"储罐液位过", u"储罐液位过\n高请立即检"},
      {mono, u"Supercalifragilistic", u"Supercal", u"Supercal\nifragili\nstic"},
      {sans_, u"ระดับน้ำในถังสูง", u"ระดับน้ำ", u"ระดับน้ำ\nในถังสูง"},
  };
  for (const auto& [font, s, firstLine, lines] : breaks) {
    erase();
    text(s, {0, 0, measure(firstLine, font)[0] - 1, 79}, kTopLeft, true, {0, 0, 1, 1, 1, 0, 1},
         font);
    const std::vector<uint32_t> wrapped = pixels();
    EXPECT_TRUE(wrapped == drawn(lines, font)) << measure(firstLine, font)[0];
  }
}

TEST_F(TextRaster, BidirectionalTextIsDrawnInVisualOrder) {
  // Each text against its pieces drawn one after the other from the left: a
  // paragraph takes its direction from its first strong character, and a
  // run of the other direction is turned within it, digits keeping theirs.
  const std::vector<std::pair<std::u16string, std::vector<std::u16string>>> cases = {
      {u"אב 12", {u"12", u" ", u"ב", u"א"}},
      {u"12 אב", {u"ב", u"א", u" ", u"12"}},
      {u"ab אב 12", {u"ab", u" ", u"12", u" ", u"ב", u"א"}},
      {u"ار 3", {u"3", u" ", u"ر", u"ا"}},  // letters that do not join
  };
  for (size_t k = 0; k < cases.size(); ++k) {
    const auto& [s, pieces] = cases[k];
    const std::vector<uint32_t> whole = drawn(s, sans_);
    erase();
    // Each piece aligned right where it ends: ink reaching left of its
    // advance (the tail of reh) is not cut.
    int32_t right = -1;
    for (const std::u16string& piece : pieces) {
      right += measure(piece)[0];
      text(piece, {0, 0, right, kHeight - 1}, 1 | kTopLeft);
    }
    EXPECT_TRUE(pixels() == whole) << "case " << k;
  }
}

TEST_F(TextRaster, CharactersTheFontLacksComeFromInstalledFontsThatHaveThem) {
  // DejaVu Sans has no ideographs, kana, Hangul, Devanagari or Thai; each
  // character is drawn from a pinned font that has it, so no two look alike
  // and none is the box of a character that no font has.
  std::vector<std::vector<uint32_t>> seen = {drawn(u"\u0378", sans_)};
  // That box: an outline inside its advance, from the baseline (row 15) up
  // to three quarters of the ascent.
  const int32_t boxWidth = measure(u"\u0378")[0];
  EXPECT_EQ(ink(), (Ink{1, 4, boxWidth - 2, 14, 2 * (boxWidth - 2) + 2 * 9}));
  for (const std::u16string s : {u"储", u"罐", u"タ", u"탱", u"क", u"ก"}) {
    const std::vector<uint32_t> ink = drawn(s, sans_);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), ink), 0);
    seen.push_back(ink);
  }
  EXPECT_EQ(gdihost::fontInfo(sans_)->file, tamri_test::testFontFile("dejavu/DejaVuSans.ttf"));

  // Devanagari reorders: in "कि" the vowel sign I comes first, so below the
  // headline KA is drawn as alone, moved right by the sign's advance.
  const FONTHANDLE big = load(u"DejaVu Sans", 40);
  const int32_t sign = measure(u"कि", big)[0] - measure(u"क", big)[0];
  ASSERT_GT(sign, 0);
  const std::vector<uint32_t> cluster = drawn(u"कि", big);
  const std::vector<uint32_t> consonant = drawn(u"क", big, sign);
  const int32_t ascent = measure(u"क", big)[2];
  for (int32_t y = ascent / 2; y < kHeight; ++y) {
    for (int32_t x = sign; x < kWidth; ++x)
      ASSERT_EQ(cluster[y * kWidth + x], consonant[y * kWidth + x]) << x << ", " << y;
  }
}

TEST_F(TextRaster, BackgroundFillsTheRectangleAndNoColourDrawsNoText) {
  const POINTRECT box{10, 10, 49, 29};
  const std::u16string s = u"Hi";
  const TEXTCOL onBlue{kNoColour, 0x0000FF, 0};
  const TEXTATTRIB attributes{0, {}};
  osGXtext(surface_, &box, &onBlue, &attributes, sans_, s.data(), 2, true);
  EXPECT_EQ(ink(), (Ink{10, 10, 49, 29, 40 * 20}));
  EXPECT_EQ(at(30, 20), 0x0000FFu);
}

TEST_F(TextRaster, SmoothEdgesUnderlineAndShadowFollowTheAttributeBytes) {
  const POINTRECT box{0, 0, 239, 79};
  auto colours = [&] {
    std::set<uint32_t> seen;
    for (int32_t y = 0; y < kHeight; ++y) {
      for (int32_t x = 0; x < kWidth; ++x) seen.insert(at(x, y));
    }
    return seen;
  };
  text(u"Smooth", box, kTopLeft, false, {0, 0, 1, 1, 1, 0, 1});
  EXPECT_EQ(colours(), (std::set<uint32_t>{kWhite, kBlack}));
  clear();
  text(u"Smooth", box, kTopLeft, false, {0, 0, 1, 1, 1, 1, 1});
  EXPECT_GT(colours().size(), 4u);

  clear();
  const auto [width, height, ascent] = measure(u"Under");
  text(u"Under", box, kTopLeft, false, {1, 0, 1, 1, 1, 0, 1});
  for (int32_t x = 0; x < width; ++x) EXPECT_EQ(at(x, ascent + 1), 0u) << x;
  clear();
  text(u"Shadow", box, kTopLeft, false, {0, 1, 1, 1, 1, 0, 1});
  EXPECT_TRUE(colours().count(0x00FF00));
}

TEST_F(TextRaster, TheMarqueeScrollsByItsOffsetRoundALoop) {
  const std::u16string s = u"News";
  const POINTRECT box{40, 20, 139, 49};  // 100 wide
  const TEXTCOL colours{kBlack, kNoColour, 0};
  const TEXTATTRIB centred{2, {0, 0, 1, 1, 1, 0, 1}};
  auto marquee = [&](bool forwards, int32_t offset, const std::u16string& line = u"News") {
    clear();
    osGXscrollMarquee(surface_, &box, &colours, &centred, sans_, line.data(),
                      static_cast<int32_t>(line.size()), forwards, offset);
    return ink();
  };
  const Ink home = marquee(true, 0);
  text(s, box, 2);
  EXPECT_EQ(ink(), home);
  const int32_t loop = measure(s)[0] + 100;
  EXPECT_EQ(marquee(true, 10), moved(home, -10, 0));
  EXPECT_EQ(marquee(false, 10), moved(home, 10, 0));
  EXPECT_EQ(marquee(true, -10), moved(home, 10, 0));
  EXPECT_EQ(marquee(true, loop), home);
  EXPECT_EQ(marquee(true, 3 * loop + 10), moved(home, -10, 0));
  EXPECT_EQ(marquee(false, loop - 10), moved(home, -10, 0));
  // A marquee is one line: line breaks of every kind are spaces.
  EXPECT_EQ(marquee(true, 0, u"N\ne\u2028w\u2029s"), marquee(true, 0, u"N e w s"));
  // Forwards, a right-to-left line runs rightwards: its beginning comes in first.
  const std::u16string news = u"חדשות";
  EXPECT_EQ(marquee(true, 10, news), moved(marquee(true, 0, news), 10, 0));
  EXPECT_EQ(marquee(false, 10, news), moved(marquee(true, 0, news), -10, 0));
}

TEST_F(TextRaster, SimpleTextOnSurface0DrawsOnTheTarget) {
  const std::u16string s = u"12.5";
  const POINTRECT box{0, 0, 99, 39};
  osGXsimpleText(0, &box, sans_, s.data(), TEXTCOL{kBlack, kNoColour, 0}, kTopLeft | 1, 0, 4);
  const Ink right = ink();
  EXPECT_GT(right.pixels, 0);
  EXPECT_LE(right.right, 99);
  EXPECT_GE(right.right, 96);
  // Second code: 1 smooth, 2 underline, 4 shadow in the second colour.
  clear();
  osGXsimpleText(surface_, &box, sans_, s.data(), TEXTCOL{kBlack, kNoColour, 0xFF0000}, kTopLeft,
                 2 | 4, 4);
  // The underline one row under the baseline, its shadow one pixel right and down.
  const int32_t width = measure(s)[0];
  EXPECT_EQ(at(0, 16), 0u);
  EXPECT_EQ(at(width - 1, 16), 0u);
  EXPECT_EQ(at(0, 17), kWhite);
  EXPECT_EQ(at(width, 17), 0xFF0000u);
}

TEST_F(TextRaster, ControlCharactersTakeNoRoomButSpacesDo) {
  EXPECT_EQ(measure(u"a\tb"), measure(u"a b"));
  EXPECT_EQ(measure(u"a\rb\u007F\u0085\u009F"), measure(u"ab"));
  EXPECT_GT(measure(u"a ")[0], measure(u"a")[0]);
  EXPECT_GT(measure(u"a\u00A0~")[0], measure(u"a ")[0]);
  EXPECT_EQ(measure(u"a\u2028b\u2029c"), measure(u"a\nb\nc"));  // line and paragraph separators
}

TEST_F(TextRaster, SurrogatePairsAreOneCharacterAndLoneOnesShowTheReplacement) {
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
  const POINTRECT reversed{100, 10, 10, 40};
  osGXtext(surface_, &reversed, &colours, &attributes, font, s.data(), 7, true);
  osGXtext(surface_, nullptr, &colours, &attributes, font, s.data(), 7, true);
  osGXtext(surface_, &box, &colours, &attributes, font, nullptr, 7, true);  // background only
  EXPECT_EQ(ink(), (Ink{10, 10, 100, 40, 91 * 31}));
  osGXtext(surface_, &box, nullptr, nullptr, font, s.data(), -5, false);
  osGXtext(surface_ + 1, &box, &colours, &attributes, font, s.data(), 7, true);
  EXPECT_EQ(ink(), (Ink{10, 10, 100, 40, 91 * 31}));
}

TEST_F(TextRaster, HugeTextsAndCoordinatesStayCheap) {
  const std::u16string huge(100000, u'W');
  const POINTRECT far{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  text(huge, far, 1, true);
  text(huge, {0, 0, 239, 79}, 1, false);
  EXPECT_GT(ink().pixels, 0);
  EXPECT_EQ(measure(huge)[1], 19);
  const TEXTCOL colours{kBlack, kNoColour, 0};
  const TEXTATTRIB attributes{0, {}};
  osGXscrollMarquee(surface_, &far, &colours, &attributes, sans_, huge.data(), 100000, false,
                    INT32_MAX);
}

TEST_F(TextRaster, NamesResolveToFacesAndUnknownNamesFallBack) {
  const auto face = [](FONTHANDLE font) {
    const std::optional<gdihost::FontInfo> info = gdihost::fontInfo(font);
    return info ? info->file.substr(info->file.rfind('/') + 1) : std::string("none");
  };
  const FONTHANDLE bold = load(u"DejaVu Sans", 20, 7);
  EXPECT_EQ(face(bold), "DejaVuSans-Bold.ttf");
  EXPECT_FALSE(gdihost::fontInfo(bold)->syntheticBold);
  EXPECT_EQ(gdihost::fontInfo(bold)->pixelSize, 20);
  EXPECT_EQ(face(load(u"dejavusansmono", 16)), "DejaVuSansMono.ttf");
  const FONTHANDLE monoBold = load(u"DejaVu Sans Mono", 16, 6);
  EXPECT_EQ(face(monoBold), "DejaVuSansMono.ttf");
  EXPECT_TRUE(gdihost::fontInfo(monoBold)->syntheticBold);
  EXPECT_FALSE(gdihost::fontInfo(load(u"DejaVu Sans Mono", 16, 5))->syntheticBold);
  EXPECT_TRUE(gdihost::fontInfo(load(u"DejaVu Sans", 16, 0, 1))->syntheticOblique);
  EXPECT_FALSE(gdihost::fontInfo(load(u"DejaVu Sans", 16, 0, 3))->syntheticOblique);
  EXPECT_EQ(gdihost::fontInfo(load(u"DejaVu Sans", 0))->pixelSize, 16);

  const FONTHANDLE missing = load(u"No Such Font", 16);
  EXPECT_EQ(face(missing), "DejaVuSans.ttf");
  EXPECT_TRUE(gdihost::fontInfo(missing)->fallback);
  EXPECT_FALSE(gdihost::fontInfo(sans_)->fallback);

  const std::string path = tamri_test::testFontFile("dejavu/DejaVuSansMono.ttf");
  const std::u16string wide(path.begin(), path.end());
  EXPECT_EQ(gdihost::fontInfo(load(wide, 16))->file, path);
  EXPECT_TRUE(gdihost::fontInfo(load(u"/no/such/file.ttf", 16))->fallback);
}

TEST_F(TextRaster, AgfaFontsAreThoseWhoseVendorIsAgfa) {
  std::ifstream in(tamri_test::testFontFile("dejavu/DejaVuSans.ttf"), std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
  auto word = [&](size_t at, int size) {
    uint32_t value = 0;
    for (int i = 0; i < size; ++i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
  };
  // The OS/2 table's vendor tag lies 58 bytes into it.
  for (uint32_t table = 0; table < word(4, 2); ++table) {
    const size_t record = 12 + 16 * table;
    if (std::string(&bytes[record], 4) == "OS/2")
      std::memcpy(&bytes[word(record + 8, 4) + 58], "AGFA", 4);
  }
  const std::string path = testing::TempDir() + "agfa-dejavu.ttf";
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  const std::u16string agfa(path.begin(), path.end());
  const std::string plainPath = tamri_test::testFontFile("dejavu/DejaVuSans.ttf");
  const std::u16string plain(plainPath.begin(), plainPath.end());

  EXPECT_TRUE(osGXisAgfaFont(agfa.c_str()));
  EXPECT_FALSE(osGXisAgfaFont(plain.c_str()));
  EXPECT_FALSE(osGXisAgfaFont(u"DejaVu Sans"));
  EXPECT_FALSE(osGXisAgfaFont(u"No Such Font"));
  EXPECT_FALSE(osGXisAgfaFont(nullptr));
}

}  // namespace
