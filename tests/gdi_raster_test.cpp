// Exact pixels of the Cairo raster behind the drawing layer.
#include "gdi_host.h"
#include "host_trace.h"
#include "osgx.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int32_t kRed = 0xFF0000;
constexpr int32_t kBlue = 0x0000FF;
constexpr int32_t kNoColour = INT32_MIN;
constexpr int32_t kSize = 40;

class GdiRaster : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!gdihost::rasterAvailable()) GTEST_SKIP() << "built without the raster backend";
    restart();
  }
  // A fresh white surface as the target.
  void restart() {
    gdihost::reset();
    surface_ = gdihost::createSurface(kSize, kSize, kWhite);
    gdihost::selectTarget(surface_);
  }
  void TearDown() override { gdihost::reset(); }

  uint32_t at(int32_t x, int32_t y) const { return gdihost::pixel(surface_, x, y); }

  // Inclusive bounds of every pixel that is not white; all -1 when none.
  std::vector<int32_t> paintedBounds() const {
    std::vector<int32_t> bounds{-1, -1, -1, -1};
    for (int32_t y = 0; y < kSize; ++y) {
      for (int32_t x = 0; x < kSize; ++x) {
        if (at(x, y) == kWhite) continue;
        if (bounds[0] < 0) bounds = {x, y, x, y};
        bounds = {std::min(bounds[0], x), std::min(bounds[1], y), std::max(bounds[2], x),
                  std::max(bounds[3], y)};
      }
    }
    return bounds;
  }

  int paintedCount() const {
    int count = 0;
    for (int32_t y = 0; y < kSize; ++y) {
      for (int32_t x = 0; x < kSize; ++x) count += at(x, y) != kWhite;
    }
    return count;
  }

  int32_t surface_ = 0;
};

using Bounds = std::vector<int32_t>;

TEST_F(GdiRaster, SurfacesAreNumberedAndBounded) {
  EXPECT_EQ(surface_, 1);
  EXPECT_EQ(gdihost::createSurface(2, 2, 0), 2);
  EXPECT_EQ(gdihost::createSurface(0, 5, 0), 0);
  EXPECT_EQ(at(-1, 0), 0u);
  EXPECT_EQ(at(0, kSize), 0u);
  EXPECT_EQ(gdihost::pixel(99, 0, 0), 0u);
}

TEST_F(GdiRaster, ThinLineLightsBothEndpointsAndEveryColumn) {
  osGXdrawLine(2, 3, 15, 9, 1, 1, kRed, 0, 0);
  EXPECT_EQ(at(2, 3), static_cast<uint32_t>(kRed));
  EXPECT_EQ(at(15, 9), static_cast<uint32_t>(kRed));
  EXPECT_EQ(paintedBounds(), Bounds({2, 3, 15, 9}));
  EXPECT_EQ(paintedCount(), 14);  // one pixel per column
}

TEST_F(GdiRaster, ThinLinePatternsCountPixels) {
  osGXdrawLine(0, 5, 9, 5, 1, 3, kRed, 0, 0);   // dotted: 1 lit, 1 unlit
  osGXdrawLine(0, 7, 17, 7, 1, 2, kRed, 0, 0);  // dashed: 6 lit, 3 unlit
  std::string dotted, dashed;
  for (int32_t x = 0; x < 18; ++x) {
    dotted += at(x, 5) == kWhite ? '.' : '#';
    dashed += at(x, 7) == kWhite ? '.' : '#';
  }
  EXPECT_EQ(dotted, "#.#.#.#.#.........");
  EXPECT_EQ(dashed, "######...######...");
}

TEST_F(GdiRaster, ThickLinesFillTheirBoundingRule) {
  osGXdrawLine(5, 10, 15, 10, 3, 1, kRed, 0, 0);
  EXPECT_EQ(paintedBounds(), Bounds({4, 9, 16, 11}));
  restart();
  osGXdrawLine(5, 10, 15, 10, 2, 1, kRed, 0, 0);
  EXPECT_EQ(paintedBounds(), Bounds({5, 10, 16, 11}));
  EXPECT_EQ(paintedCount(), 24);
}

TEST_F(GdiRaster, ArrowMarkStaysInsideItsBoundingRect) {
  osGXdrawLine(2, 10, 30, 10, 1, 1, kRed, 0, 1);
  POINTRECT end{};
  osGXgetLineBoundingRect({2, 10}, {30, 10}, 1, &end);
  EXPECT_EQ(paintedBounds(), Bounds({end.left, end.top, end.right, end.bottom}));
  EXPECT_EQ(at(23, 7), static_cast<uint32_t>(kRed));   // a wing corner
  EXPECT_EQ(at(26, 10), static_cast<uint32_t>(kRed));  // inside the head
}

TEST_F(GdiRaster, FilledRectangleCoversItsInclusivePixels) {
  osGXfillRectangle(3, 4, 10, 12, 0, kBlue, 1, 0, 0, 0, 0);
  EXPECT_EQ(paintedBounds(), Bounds({3, 4, 10, 12}));
  EXPECT_EQ(paintedCount(), 8 * 9);
  EXPECT_EQ(at(3, 4), static_cast<uint32_t>(kBlue));
}

TEST_F(GdiRaster, OutlineOfWidthOneLiesOnTheBorderPixels) {
  osGXdrawRectangle(3, 4, 10, 12, 1, 1, kRed, 0, 0, 0, 0);
  EXPECT_EQ(paintedBounds(), Bounds({3, 4, 10, 12}));
  EXPECT_EQ(paintedCount(), 2 * 8 + 2 * 7);
  EXPECT_EQ(at(3, 12), static_cast<uint32_t>(kRed));
  EXPECT_EQ(at(10, 4), static_cast<uint32_t>(kRed));
}

TEST_F(GdiRaster, ClipAreaRestrictsDrawing) {
  osGXsetClipArea(5, 6, 9, 8, surface_);
  osGXfillRectangle(0, 0, 39, 39, 0, kBlue, 1, 0, 0, 0, 0);
  EXPECT_EQ(paintedBounds(), Bounds({5, 6, 9, 8}));
  EXPECT_EQ(paintedCount(), 15);

  osGXsetClipArea(9, 9, 5, 5, surface_);  // reversed: nothing shows through
  osGXfillRectangle(0, 0, 39, 39, 0, kRed, 1, 0, 0, 0, 0);
  osGXsetClipArea(5, 6, 9, 8, surface_ + 1);  // another surface's clip
  osGXremoveClipArea(surface_);
  osGXdrawLine(0, 30, 39, 30, 1, 1, kRed, 0, 0);
  EXPECT_EQ(at(5, 6), static_cast<uint32_t>(kBlue));
  EXPECT_EQ(at(0, 30), static_cast<uint32_t>(kRed));
  EXPECT_EQ(at(39, 30), static_cast<uint32_t>(kRed));
}

TEST_F(GdiRaster, NoColourNoStyleOrNoWidthDrawsNothing) {
  osGXfillRectangle(0, 0, 39, 39, 0, kNoColour | kRed, 1, 0, 0, 0, 0);
  osGXdrawLine(0, 0, 39, 39, 1, 1, kNoColour, 0, 3);
  osGXdrawLine(0, 0, 39, 39, 1, 0, kRed, 0, 3);
  osGXdrawLine(0, 0, 39, 39, 0, 1, kRed, 0, 3);
  osGXdrawRectangle(0, 0, 39, 39, 1, 0, kRed, 0, 0, 0, 0);
  osGXfillEllipse(0, 0, 39, 39, kRed, 0, 0);
  osGXfillPolygon(3, std::vector<APOINT>{{0, 0}, {30, 0}, {0, 30}}.data(), kRed, 0, -1, true);
  EXPECT_EQ(paintedCount(), 0);

  osGXdrawLine(0, 0, 0, 0, 1, 1, 0x7F00FF00, 0, 0);  // bits 24 to 30 are ignored
  EXPECT_EQ(at(0, 0), 0x00FF00u);
}

TEST_F(GdiRaster, HatchPaintsLinesOverTheBackground) {
  osGXfillRectangle(0, 0, 15, 15, 0, kRed, 2, kBlue, 0, 0, 0);
  EXPECT_EQ(at(3, 0), static_cast<uint32_t>(kRed));
  EXPECT_EQ(at(3, 8), static_cast<uint32_t>(kRed));
  EXPECT_EQ(at(3, 1), static_cast<uint32_t>(kBlue));
  osGXfillRectangle(20, 0, 35, 15, 0, kRed, 5, kNoColour, 0, 0, 0);
  EXPECT_EQ(at(21, 5), static_cast<uint32_t>(kRed));  // x == y on the 8-pixel grid
  EXPECT_EQ(at(22, 5), kWhite);
}

TEST_F(GdiRaster, PolygonFillLeavesRightAndBottomToTheOutline) {
  const APOINT square[] = {{2, 2}, {12, 2}, {12, 12}, {2, 12}};
  osGXfillPolygon(4, square, kBlue, 0, 1, true);
  EXPECT_EQ(paintedBounds(), Bounds({2, 2, 11, 11}));
  osGXdrawPolygon(4, square, 1, kRed, 0, 1);
  EXPECT_EQ(paintedBounds(), Bounds({2, 2, 12, 12}));
  EXPECT_EQ(at(11, 11), static_cast<uint32_t>(kBlue));
}

TEST_F(GdiRaster, TriangleFillCoversItsEdgePixels) {
  // A bevel mitre: the lower right half of the square 16..19 x 0..3.
  osGXfillTriangle(16, 3, 19, 3, 19, 0, kRed, 0, 1);
  std::string rows;
  for (int32_t y = 0; y <= 4; ++y) {
    for (int32_t x = 15; x <= 20; ++x) rows += at(x, y) == kWhite ? '.' : '#';
    rows += '/';
  }
  EXPECT_EQ(rows, "....#./...##./..###./.####./....../");

  // Hatched triangles keep the hatch on their edges too.
  osGXfillTriangle(0, 8, 15, 8, 0, 23, kRed, kBlue, 2);
  EXPECT_EQ(at(15, 8), static_cast<uint32_t>(kRed));   // hatch line on row 8
  EXPECT_EQ(at(14, 9), static_cast<uint32_t>(kBlue));  // the sloping edge
  EXPECT_EQ(at(0, 23), static_cast<uint32_t>(kBlue));
  EXPECT_EQ(at(1, 23), kWhite);
}

TEST_F(GdiRaster, EllipseFillReachesTheRectangleEdges) {
  osGXfillEllipse(0, 0, 10, 6, kRed, 1, 0);
  EXPECT_EQ(paintedBounds(), Bounds({0, 0, 10, 6}));
  EXPECT_EQ(at(0, 0), kWhite);
}

TEST_F(GdiRaster, ArcRunsCounterClockwiseFromStartToEnd) {
  const POINTRECT ellipse{0, 0, 20, 20};
  const POINTLINE rightToTop{20, 10, 10, 0};
  osGXdrawArc(&ellipse, &rightToTop, kRed, 0, 1, 1, &ellipse, true);
  EXPECT_EQ(paintedBounds(), Bounds({10, 0, 20, 10}));
}

TEST_F(GdiRaster, ArcTheOtherWayRoundEqualPointsAndThePointOnTheCentre) {
  const POINTRECT ellipse{0, 0, 20, 20};
  const POINTLINE topToRight{10, 0, 20, 10};
  osGXdrawArc(&ellipse, &topToRight, kRed, 0, 1, 1, nullptr, false);
  EXPECT_EQ(paintedBounds(), Bounds({0, 0, 20, 20}));
  EXPECT_EQ(at(17, 3), kWhite);  // the quarter it leaves out
  EXPECT_EQ(at(3, 17), static_cast<uint32_t>(kRed));
  restart();
  osGXdrawEllipse(0, 0, 20, 20, kRed, 1, 1, 0);
  const int ellipsePixels = paintedCount();
  restart();
  const POINTLINE twice{3, 3, 3, 3};
  osGXdrawArc(&ellipse, &twice, kRed, 0, 1, 1, &ellipse, true);
  EXPECT_EQ(paintedCount(), ellipsePixels);
  // An end on the centre pixel has no radial of its own: it counts as the
  // radial to the right.
  restart();
  const POINTLINE centreToTop{10, 10, 10, 0};
  osGXdrawArc(&ellipse, &centreToTop, kRed, 0, 1, 1, nullptr, false);
  EXPECT_EQ(paintedBounds(), Bounds({10, 0, 20, 10}));
}

TEST_F(GdiRaster, ArcWithItsFlagStaysInsideItsBoundsGrownByTheLineReach) {
  const POINTRECT ellipse{0, 0, 30, 30};
  const POINTLINE rightToLeft{30, 15, 0, 15};
  const POINTRECT bounds{14, 0, 0, 15};  // corners in either order
  osGXdrawArc(&ellipse, &rightToLeft, kRed, 0, 1, 1, &bounds, true);
  EXPECT_EQ(paintedBounds(), Bounds({0, 0, 14, 15}));
  osGXdrawArc(&ellipse, &rightToLeft, kRed, 0, 1, 3, &bounds, false);
  EXPECT_EQ(paintedBounds()[2], 31);
  restart();
  osGXdrawArc(&ellipse, &rightToLeft, kRed, 0, 1, 3, &bounds, true);
  EXPECT_EQ(paintedBounds()[2], 15);  // 14 + 3 / 2
}

class GdiPie : public GdiRaster {
 protected:
  void pie(const POINTLINE& startEnd, int8_t radiusLines = 1, const POINTRECT* bounds = nullptr,
           int32_t surface = 0, const POINTRECT& ellipse = kEllipse) {
    const PLANECOL colours{kRed, kWhite, kBlue};
    const PLANEATTRIB attributes{1, 1, 1, radiusLines};
    osGXpie(surface ? surface : surface_, &ellipse, &startEnd, &colours, &attributes, bounds,
            bounds != nullptr);
  }
  static constexpr POINTRECT kEllipse{0, 0, 20, 20};
  static constexpr POINTLINE kRightToTop{20, 10, 10, 0};
};

TEST_F(GdiPie, SectorIsFilledAndOutlinedWithTheRadiiTheFourthAttributeByteAsksFor) {
  pie(kRightToTop);
  EXPECT_EQ(paintedBounds(), Bounds({10, 0, 20, 10}));
  EXPECT_EQ(at(15, 5), static_cast<uint32_t>(kBlue));
  EXPECT_EQ(at(10, 10), static_cast<uint32_t>(kRed));  // the centre
  EXPECT_EQ(at(15, 10), static_cast<uint32_t>(kRed));  // radius to the start
  EXPECT_EQ(at(10, 5), static_cast<uint32_t>(kRed));   // radius to the end
  EXPECT_EQ(at(17, 3), static_cast<uint32_t>(kRed));   // on the arc
  restart();
  pie(kRightToTop, 0);
  EXPECT_NE(at(15, 10), static_cast<uint32_t>(kRed));
  EXPECT_NE(at(10, 5), static_cast<uint32_t>(kRed));
  EXPECT_EQ(at(17, 3), static_cast<uint32_t>(kRed));
}

TEST_F(GdiPie, EqualPointsMakeAFullTurnWithOneRadius) {
  pie({10, 0, 10, 0});
  EXPECT_EQ(paintedBounds(), Bounds({0, 0, 20, 20}));
  EXPECT_EQ(at(10, 5), static_cast<uint32_t>(kRed));
  EXPECT_EQ(at(10, 15), static_cast<uint32_t>(kBlue));
  EXPECT_EQ(at(5, 10), static_cast<uint32_t>(kBlue));
}

TEST_F(GdiPie, FlagKeepsItInsideItsBoundsOnItsOwnSurface) {
  const POINTRECT bounds{10, 0, 14, 10};
  pie(kRightToTop, 1, &bounds);
  EXPECT_EQ(paintedBounds(), Bounds({10, 0, 14, 10}));
  const int32_t other = gdihost::createSurface(kSize, kSize, kWhite);
  pie({0, 10, 20, 10}, 1, nullptr, other);  // left to right: the lower half
  EXPECT_EQ(gdihost::pixel(other, 10, 15), static_cast<uint32_t>(kBlue));
  EXPECT_EQ(at(10, 15), kWhite);
}

TEST_F(GdiPie, FlatEllipseIsTheLineBetweenItsCornersAMissingRecordNothing) {
  pie(kRightToTop, 1, nullptr, 0, {2, 5, 12, 5});
  EXPECT_EQ(paintedBounds(), Bounds({2, 5, 12, 5}));
  const PLANEATTRIB attributes{1, 1, 1, 1};
  osGXpie(surface_, &kEllipse, &kRightToTop, nullptr, &attributes, nullptr, false);
  EXPECT_EQ(paintedCount(), 11);
}

TEST_F(GdiRaster, WritesPng) {
  osGXfillRectangle(0, 0, 9, 9, 0, kRed, 1, 0, 0, 0, 0);
  const std::string path = ::testing::TempDir() + "gdi_raster_test.png";
  ASSERT_TRUE(gdihost::writePng(surface_, path));
  std::ifstream file(path, std::ios::binary);
  char signature[4] = {};
  file.read(signature, 4);
  EXPECT_EQ(std::string(signature + 1, 3), "PNG");
  std::remove(path.c_str());
  EXPECT_FALSE(gdihost::writePng(99, path));
}

}  // namespace
