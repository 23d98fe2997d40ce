// Path texts in the drawing layer: what the SVG path data reader hands on,
// where it stops on a malformed text, the trace's note, and the raster's
// pixels for filled and stroked paths.
#include "path_data.h"
#include "support/gdi_surface.h"

#include <cmath>
#include <initializer_list>
#include <sstream>
#include <tuple>

namespace {

// Every piece as text, numbers rounded to 3 decimals.
class RecordingSink : public gdi::PathSink {
 public:
  void moveTo(double x, double y) override { add("M", {x, y}); }
  void lineTo(double x, double y) override { add("L", {x, y}); }
  void curveTo(double x1, double y1, double x2, double y2, double x, double y) override {
    add("C", {x1, y1, x2, y2, x, y});
  }
  void closePath() override { add("Z", {}); }
  void add(const char* kind, std::initializer_list<double> values) {
    std::ostringstream piece;  // numbers as %g would print them
    piece << kind;
    for (const double v : values) piece << ' ' << std::round(v * 1000) / 1000 + 0.0;
    pieces.push_back(piece.str());
  }
  std::vector<std::string> pieces;
};

using Pieces = std::vector<std::string>;

// Whether the text is whole, where it stopped, and the pieces handed on.
std::tuple<bool, int32_t, Pieces> parse(const std::u16string& text) {
  RecordingSink sink;
  const gdi::PathParse p = gdi::parsePathData(text.data(), static_cast<int32_t>(text.size()), sink);
  return {p.complete, p.complete ? 0 : p.stoppedAt, sink.pieces};
}

std::string narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

const std::u16string kZeros(400, u'0');

TEST(PathData, WellFormedTextsHandOnTheirPieces) {
  const struct {
    std::u16string text;
    Pieces pieces;
  } cases[] = {
      // One comma, blanks either side, between any two numbers of a command.
      {u"M10,20, 30 ,40 l5-5 H1 v2 h.5 V-1.5e1 m1 1 2 2 z l1 1 Z",
       {"M 10 20", "L 30 40", "L 35 35", "L 1 35", "L 1 37", "L 1.5 37", "L 1.5 -15", "M 2.5 -14",
        "L 4.5 -12", "Z", "L 3.5 -13", "Z"}},
      {u"M1.5.5-2-3L+4e+1 1E-1", {"M 1.5 0.5", "L -2 -3", "L 40 0.1"}},
      // Any number of digits: 1.000...0005 with 400 fraction digits; 5 after
      // 400 zeros, times 10^402; 1 and 25 zeros, times 10^-20; 400 leading zeros.
      {u"M1." + kZeros + u"5 0." + kZeros + u"5e402 L1" + kZeros.substr(0, 25) + u"e-20," + kZeros +
           u"7",
       {"M 1 50", "L 100000 7"}},
      // T mirrors the quadratic control (30, 0) to (30, 60); s mirrors (10, 20)
      // about (20, 20) to (30, 20).
      {u"M0 0 Q30 0 30 30 T30 90 M0 0 C0 10 10 20 20 20 s20 0 20 -20",
       {"M 0 0", "C 20 0 30 10 30 30", "C 30 50 30 70 30 90", "M 0 0", "C 0 10 10 20 20 20",
        "C 30 20 40 20 40 0"}},
      {u"M5 5 S10 10 20 5", {"M 5 5", "C 5 5 10 10 20 5"}},  // no curve before: no mirror
      // A quarter circle is one piece with its controls 4/3 tan(22.5 degrees)
      // of the radius along the tangents.
      {u"M10 0 A10 10 0 0 1 0 10", {"M 10 0", "C 10 5.523 5.523 10 0 10"}},
      // Half a circle of radius 10 clockwise on screen (sweep 1) over the top.
      {u"M0 0 A10 10 0 0 1 20 0",
       {"M 0 0", "C 0 -5.523 4.477 -10 10 -10", "C 15.523 -10 20 -5.523 20 0"}},
      // The other sweep goes under; radii too small are grown; a zero radius
      // is a line and equal ends are nothing.
      {u"M0 0 a1 1 0 0 0 20 0 L0 0 A0 5 0 1 1 7 7 A3 3 0 0 0 7 7",
       {"M 0 0", "C 0 5.523 4.477 10 10 10", "C 15.523 10 20 5.523 20 0", "L 0 0", "L 7 7"}},
      // After an arc, relative commands go on from its end.
      {u"M0 0 a5 5 0 0 1 10 0 l0 7",
       {"M 0 0", "C 0 -2.761 2.239 -5 5 -5", "C 7.761 -5 10 -2.761 10 0", "L 10 7"}},
      // Turned a quarter, the long axis runs down: half way is 10 to the right.
      {u"M0 0 A20 10 90 0 1 0 40",
       {"M 0 0", "C 5.523 0 10 8.954 10 20", "C 10 31.046 5.523 40 0 40"}},
      // Flags may run into the next number.
      {u"M0 0 a5 5 0 1020 0", {"M 0 0", "C 0 5.523 4.477 10 10 10", "C 15.523 10 20 5.523 20 0"}},
      {u"", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parse(c.text), (std::tuple{true, 0, c.pieces})) << narrow(c.text);
  }
  RecordingSink sink;
  EXPECT_TRUE(gdi::parsePathData(nullptr, 5, sink).complete);
}

TEST(PathData, MalformedTextsStopWhereTheyGoWrongAfterHandingOnWholeSets) {
  const struct {
    std::u16string text;
    int32_t stoppedAt;
    Pieces pieces;
  } cases[] = {
      {u"L0 0", 0, {}},                          // must start with a move
      {u"M0 0 Z 5", 7, {"M 0 0", "Z"}},          // Z takes no numbers
      {u"M0 0 A5 5 0 2 0 9 9", 12, {"M 0 0"}},   // flags are 0 or 1
      {u"M0 0 L1e10 0", 6, {"M 0 0"}},           // beyond any panel
      {u"M0 0 L1 1 K", 10, {"M 0 0", "L 1 1"}},  // no such command
      {u"M0 0 L-. 1", 8, {"M 0 0"}},             // a number without digits
      {u"M0 0 L1e 2", 7, {"M 0 0"}},             // an "e" without digits ends the number
      // A comma stands only between two numbers of a command.
      {u"M20 20 L180 20,,180 180 Z", 14, {"M 20 20", "L 180 20"}},
      {u"M20 20 L,180 20", 8, {"M 20 20"}},
      {u"M20 20 L180 20, L180 180", 14, {"M 20 20", "L 180 20"}},
      {u",M20 20", 0, {}},
      {u"M,20 20", 1, {}},
      {u"M20 20 Z, M20 180", 8, {"M 20 20", "Z"}},
      {u"M20,,120", 3, {}},
      {u"M0 0 1 1,", 8, {"M 0 0", "L 1 1"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parse(c.text), (std::tuple{false, c.stoppedAt, c.pieces})) << narrow(c.text);
  }
}

// Whole texts and drawPath's note are pinned by the examples and the canvas
// tests; here fillPath's note and a text cut by its count.
TEST(PathTrace, AMalformedTextIsNotedOnItsLine) {
  gdihost::reset();
  host::setTraceRecording(true);
  host::traceClear();
  osGXfillPath(1, 2, 0, 0, u"M0 0 L3", 7, 0x11);
  osGXdrawPath(1, 2, 0, 0, u"M0 0 L3", 4, 0x11, 1);  // only "M0 0" of it
  EXPECT_EQ(host::traceLines(),
            (std::vector<std::string>{
                R"(osGXfillPath(1, 2, 0, 0, "M0 0 L3", 7, 0x00000011) -> malformed at 7)",
                R"(osGXdrawPath(1, 2, 0, 0, "M0 0", 4, 0x00000011, 1))"}));
}

class PathRaster : public tamri_test::GdiSurfaceTest {
 protected:
  PathRaster(int32_t size = 24) : GdiSurfaceTest(size, size) {}
  void fill(const std::u16string& text, int32_t tx = 0, int32_t ty = 0, int32_t sx = 256,
            int32_t sy = 256) {
    osGXfillPath(tx, ty, sx, sy, text.data(), static_cast<int32_t>(text.size()), 0xFF0000);
  }
  void stroke(const std::u16string& text, int16_t width, int32_t colour = 0x0000FF) {
    osGXdrawPath(0, 0, 256, 256, text.data(), static_cast<int32_t>(text.size()), colour, width);
  }
};

using Rows = std::vector<std::string>;

// Fills and strokes as such are pinned by the example scenes' pictures.
TEST_F(PathRaster, ScalesMalformedTextsColoursAndClipAreas) {
  fill(u"M0 0 H2 V2 H0 Z", 3, 4, 0, 0);  // scale 0 is 1
  fill(u"M0 0 H2 V2 H0 Z", 10, 4, -256, 512);
  EXPECT_EQ(picture(12, 9),
            (Rows{"............", "............", "............", "............", "...##...##..",
                  "...##...##..", "........##..", "........##..", "............"}));
  restart();
  stroke(u"M1 1 H4 V3 L9", 1);  // drawn as far as it was read
  EXPECT_EQ(picture(6, 5), (Rows{"......", ".####.", "....#.", "....#.", "......"}));
  restart();
  osGXfillPath(0, 0, 256, 256, u"M0 0 H9 V9 H0 Z", 15, INT32_MIN);
  stroke(u"M0 0 H9 V9", 0);
  stroke(u"M0 0 H9 V9", 1, -1);
  EXPECT_EQ(ink(), tamri_test::Ink{});
  osGXsetClipArea(2, 2, 3, 3, surface_);
  fill(u"M0 0 H9 V9 H0 Z");
  EXPECT_EQ(ink(), (tamri_test::Ink{2, 2, 3, 3, 4}));
}

// The pixels of a fill (width 0) or an outline on a fresh 200 x 200 surface.
class FarPathRaster : public PathRaster {
 protected:
  static constexpr int32_t kLarge = 200;
  FarPathRaster() : PathRaster(kLarge) {}
  Rows drawn(const char16_t* text, int16_t width) {
    restart();
    width == 0 ? fill(text) : stroke(text, width);
    return picture(kLarge, kLarge);
  }
  int32_t painted(const char16_t* text, int16_t width) {
    drawn(text, width);
    return ink().pixels;
  }
};

// Points far beyond the surface (and beyond what Cairo holds) keep the
// slopes and shapes of their edges on it.
TEST_F(FarPathRaster, LinesKeepTheirSlopesAndCurvesTheirShape) {
  // Between y = x / 2 and y = 200 + x / 2 (nearly): 200 - x / 2 pixels a
  // column; the same with that edge as a curve, the path left open, and
  // after a flat subpath whose end lies far down, from where it started.
  EXPECT_EQ(painted(u"M0 0 L1e8 5e7 L0 200 Z", 0), 30000);
  EXPECT_EQ(painted(u"M0 200 L0 0 C5e7 2.5e7 1e8 5e7 1e8 5e7", 0), 30000);
  EXPECT_EQ(painted(u"M0 0 L0 4e6 Z L1e8 5e7 L0 200 Z", 0), 30000);
  // A wide line, and a thin one that comes back and closes.
  EXPECT_EQ(drawn(u"M0 0 L1e8 5e7", 5), drawn(u"M0 0 L400 200", 5));
  EXPECT_EQ(drawn(u"M20 20 L20 1e8 L30 1e8 L30 20 L60 20 Z", 1),
            drawn(u"M20 20 L20 400 L30 400 L30 20 L60 20 Z", 1));
  // Width 1 steps from end pixel to end pixel: row (37x + 50) / 100 in
  // column x, the tie at column 50 rounding away from the start.
  const Rows thin = drawn(u"M0 0 L1e8 3.7e7", 1);
  EXPECT_EQ(ink().pixels, kLarge);
  for (int32_t x = 0; x < kLarge; ++x) EXPECT_EQ(thin[(37 * x + 50) / 100][x], '#') << x;
  // A cubic whose controls lie 1e8 away, with a cusp at (100, 10): around its
  // middle (u = t - 1/2) it runs x = 100 + 8e8 u^3, y = 10 + 3.84e6 u^2;
  // filled below its arms (pixel centres more than a pixel from them).
  const Rows cusp =
      drawn(u"M-99999900 960010 C100000100 -319990 -99999900 -319990 100000100 960010 Z", 0);
  const auto curveY = [](double x) {
    return 10 + 3.84e6 * std::pow(std::cbrt((x - 100) / 8e8), 2);
  };
  const auto armX = [](double y) { return y < 10 ? 1e9 : 8e8 * std::pow((y - 10) / 3.84e6, 1.5); };
  for (int32_t i = 0; i < kLarge * kLarge; ++i) {
    const double x = i % kLarge + 0.5, y = i / kLarge + 0.5;
    if (std::fabs(y - curveY(x)) > 1 && std::fabs(std::fabs(x - 100) - armX(y)) > 1)
      EXPECT_EQ(cusp[i / kLarge][i % kLarge], y > curveY(x) ? '#' : '.') << x << ", " << y;
  }
}

}  // namespace
