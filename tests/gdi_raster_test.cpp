// Exact pixels of the Cairo raster behind the drawing layer.
#include "support/gdi_surface.h"

#include <array>
#include <climits>
#include <tuple>

namespace {

using tamri_test::Ink;
using tamri_test::kWhite;
constexpr int32_t kRed = 0xFF0000;
constexpr int32_t kBlue = 0x0000FF;
constexpr int32_t kNoColour = INT32_MIN;
constexpr POINTRECT kCircle{0, 0, 20, 20};

class GdiRaster : public tamri_test::GdiSurfaceTest {
 protected:
  GdiRaster() : GdiSurfaceTest(40, 40) {}
  void arc(POINTLINE ends, int8_t width = 1, const POINTRECT* bounds = nullptr, bool flag = true,
           const POINTRECT& ellipse = kCircle) {
    osGXdrawArc(&ellipse, &ends, kRed, 0, 1, width, bounds, flag);
  }
  void pie(POINTLINE ends, int8_t radii = 1, const POINTRECT* bounds = nullptr,
           const POINTRECT& ellipse = kCircle, int32_t surface = 0) {
    const PLANECOL colours{kRed, kWhite, kBlue};
    const PLANEATTRIB attributes{1, 1, 1, radii};
    osGXpie(surface ? surface : surface_, &ellipse, &ends, &colours, &attributes, bounds,
            bounds != nullptr);
  }
};

TEST_F(GdiRaster, SurfacesAreNumberedAndBounded) {
  EXPECT_EQ(surface_, 1);
  EXPECT_EQ(gdihost::createSurface(2, 2, 0), 2);
  EXPECT_EQ(gdihost::createSurface(0, 5, 0), 0);
  EXPECT_EQ((std::vector<uint32_t>{at(-1, 0), at(0, 40), gdihost::pixel(99, 0, 0)}),
            (std::vector<uint32_t>{0, 0, 0}));
  // Written pictures are the regression's; a surface never made writes none.
  EXPECT_FALSE(gdihost::writePng(99, ::testing::TempDir() + "gdi_raster_test.png"));
}

// Each drawing on a fresh surface: the extent (and count, where worked out
// by hand) of its pixels. The plain shapes are pinned by the example scenes'
// pictures; these are the corner cases.
TEST_F(GdiRaster, CornerCasesPaintExactlyTheirPixels) {
  static constexpr POINTRECT kFlagBounds{14, 0, 0, 15};  // corners in either order
  static constexpr POINTRECT kWide{0, 0, 30, 30};
  const auto inkOf = [&](auto draw) {
    restart();
    draw();
    return ink();
  };
  const auto boxOf = [&](auto draw) { return inkOf(draw).moved(0, 0, true); };
  // A thin line: one pixel a column.
  EXPECT_EQ(inkOf([] { osGXdrawLine(2, 3, 15, 9, 1, 1, kRed, 0, 0); }), (Ink{2, 3, 15, 9, 14}));
  const Ink ellipse = inkOf([] { osGXdrawEllipse(0, 0, 20, 20, kRed, 1, 1, 0); });
  EXPECT_EQ(ellipse.moved(0, 0, true), (Ink{0, 0, 20, 20}));
  // An arc of equal points is a full turn.
  EXPECT_EQ(inkOf([&] { arc({3, 3, 3, 3}, 1, &kCircle); }), ellipse);
  // An end on the centre pixel counts as the radial to the right.
  EXPECT_EQ(inkOf([&] { arc({10, 10, 10, 0}, 1, nullptr, false); }), (Ink{10, 0, 20, 10, 15}));
  // With the flag the bounds clip, grown by the line's reach: 14 + 3 / 2.
  for (const auto& [width, flag, box] : {std::tuple{1, true, Ink{0, 0, 14, 15}},
                                         {3, true, Ink{0, 0, 15, 16}},
                                         {3, false, Ink{0, 0, 31, 16}}})
    EXPECT_EQ(boxOf([&] { arc({30, 15, 0, 15}, int8_t(width), &kFlagBounds, flag, kWide); }), box);
  // A pie of equal points is the whole disc.
  EXPECT_EQ(boxOf([&] { pie({10, 0, 10, 0}); }), (Ink{0, 0, 20, 20}));
  EXPECT_EQ((std::vector{at(3, 10), at(17, 10), at(10, 17)}),
            (std::vector<uint32_t>{kBlue, kBlue, kBlue}));
  const POINTRECT pieBounds{10, 0, 14, 10};
  EXPECT_EQ(boxOf([&] { pie({20, 10, 10, 0}, 1, &pieBounds); }), (Ink{10, 0, 14, 10}));
  // A flat pie: the line between its corners.
  const POINTRECT flat{2, 5, 12, 5};
  EXPECT_EQ(inkOf([&] { pie({20, 10, 10, 0}, 1, nullptr, flat); }), (Ink{2, 5, 12, 5, 11}));
  // A line's arrow fills the bounding rectangle the layer gives for it.
  POINTRECT end{};
  osGXgetLineBoundingRect({2, 10}, {30, 10}, 1, &end);
  EXPECT_EQ(boxOf([] { osGXdrawLine(2, 10, 30, 10, 1, 1, kRed, 0, 1); }),
            (Ink{end.left, end.top, end.right, end.bottom}));
}

TEST_F(GdiRaster, ClipAreasRestrictDrawingOnTheirOwnSurface) {
  osGXsetClipArea(5, 6, 9, 8, surface_);
  osGXfillRectangle(0, 0, 39, 39, 0, kBlue, 1, 0, 0, 0, 0);
  EXPECT_EQ(ink(), (Ink{5, 6, 9, 8, 15}));
  osGXsetClipArea(9, 9, 5, 5, surface_);  // reversed: nothing shows through
  osGXfillRectangle(0, 0, 39, 39, 0, kRed, 1, 0, 0, 0, 0);
  osGXsetClipArea(5, 6, 9, 8, surface_ + 1);  // another surface's clip
  osGXremoveClipArea(surface_);
  osGXdrawLine(0, 30, 39, 30, 1, 1, kRed, 0, 0);
  EXPECT_EQ(ink(), (Ink{0, 6, 39, 30, 15 + 40}));
  EXPECT_EQ(at(5, 6), uint32_t(kBlue));
}

// No colour, style 0, width 0 or no colours at all draw nothing, and a pie
// on another surface leaves this one alone.
TEST_F(GdiRaster, NoColourNoStyleNoWidthOrAnotherSurfaceDrawsNothingHere) {
  const PLANEATTRIB attributes{1, 1, 1, 1};
  const POINTLINE ends{20, 10, 10, 0};
  osGXfillRectangle(0, 0, 39, 39, 0, kNoColour | kRed, 1, 0, 0, 0, 0);
  for (const auto& [width, style, colour] :
       {std::array{1, 1, kNoColour}, {1, 0, kRed}, {0, 1, kRed}})
    osGXdrawLine(0, 0, 39, 39, int16_t(width), int16_t(style), colour, 0, 3);
  osGXpie(surface_, &kCircle, &ends, nullptr, &attributes, nullptr, false);
  const int32_t other = gdihost::createSurface(40, 40, kWhite);
  pie({0, 10, 20, 10}, 1, nullptr, kCircle, other);  // left to right: the lower half
  EXPECT_EQ(ink(), Ink{});
  EXPECT_EQ(gdihost::pixel(other, 10, 15), uint32_t(kBlue));
  osGXdrawLine(0, 0, 0, 0, 1, 1, 0x7F00FF00, 0, 0);  // bits 24 to 30 are ignored
  EXPECT_EQ(at(0, 0), 0x00FF00u);
}

}  // namespace
