// Integer geometry of point sets: exact results for the rules the panel's
// positions depend on.
#include "transform/point_transforms.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

namespace {

using namespace tamri;
using Points = std::vector<int32_t>;

Points rotated(int32_t angle, Points points, int32_t cx, int32_t cy, int32_t ncx, int32_t ncy) {
  Points out(points.size());
  int32_t ax = 0, ay = 0;
  rotatePointSet(angle, static_cast<uint8_t>(points.size() / 2), cx, cy, ncx, ncy, points.data(),
                 out.data(), &ax, &ay);
  return out;
}

TEST(SpanMidpoint, EvenSpansTakeTheLowerMiddlePixel) {
  EXPECT_EQ((Points{spanMidpoint(10, 13), spanMidpoint(10, 14), spanMidpoint(13, 10),
                    spanMidpoint(-3, 0)}),
            (Points{11, 12, 11, -2}));
}

TEST(PointSetCentre, CentreOfTheBoundingBox) {
  const int32_t points[] = {0, 0, 10, 5, 3, -7};
  int32_t x = 99, y = 99;
  pointSetCentre(points, 3, &x, &y);
  EXPECT_EQ((Points{x, y}), (Points{5, -1}));
  pointSetCentre(nullptr, 3, &x, &y);  // no points: outputs stay
  EXPECT_EQ(x, 5);
}

// Far from the centre, on both sides of it, so that every coordinate differs
// and half pixels fall on negative results too.
const Points kFarPoints{1100, 60, 100, 460, -900, -340};

TEST(RotatePointSet, ExactAnglesAddAHalfPixelThatTruncatesTowardsZero) {
  const Points quarter{100, 1060, -299, 60, 500, -939};
  const Points threeQuarters{100, -939, 500, 60, -299, 1060};
  const Points half{-899, 60, 100, -339, 1100, 460};
  // -900.5 and -340.5 truncate to -900 and -340: no turn keeps the half pixel.
  const Points none{1100, 60, 100, 460, -899, -339};
  // clang-format off
  const std::pair<int32_t, const Points&> rows[] = {{1570, quarter}, {-4711, quarter},
      {4711, threeQuarters}, {-1570, threeQuarters}, {3141, half}, {-3141, half}, {0, none},
      {6282, none}, {-6282, none}};
  // clang-format on
  for (const auto& [angle, expected] : rows)
    EXPECT_EQ(rotated(angle, kFarPoints, 100, 60, 100, 60), expected) << angle;
  EXPECT_EQ(rotated(1570, {110, 100, 100, 110}, 100, 100, 100, 100), (Points{100, 110, 90, 100}));
  // -9.5 truncates towards zero.
  EXPECT_EQ(rotated(1570, {0, 10}, 0, 0, 0, 0), (Points{-9, 0}));
}

TEST(RotatePointSet, OtherAnglesUseThePlatformTablesAndTruncate) {
  // Angle, points, old and new centre, expected points.
  using Row = std::tuple<int32_t, Points, std::array<int32_t, 4>, Points>;

  const Row rows[] = {
      // 1571 is 900 tenths of a degree, but adds no half pixel: -10 instead of -9.
      {1571, {0, 10}, {0, 0, 0, 0}, {-10, 0}},
      // 1 is 0 tenths: the sine and cosine of no turn, truncated.
      {1, kFarPoints, {100, 60, 100, 60}, {1100, 60, 100, 460, -900, -340}},
      // 785 is 449 tenths (44.977 degrees); 448 would give (809, 764) and 450
      // (807, 767) at this radius of 1000.
      {785, {1100, 60}, {100, 60, 100, 60}, {808, 765}},
      {786, {1100, 60}, {100, 60, 100, 60}, {807, 767}},
      // -785 is 3150 tenths (315 degrees); 3149 would give x 805.
      {-785, {1100, 60}, {100, 60, 100, 60}, {807, -647}},
      // Doubles are rounded at every step on every build: with x87 extended
      // precision this point came out at x 1 on the 32-bit panel build.
      {1, {1, 7}, {0, 0, 0, 0}, {0, 7}},
      // 72,111 pixels away the squares leave the int range; at 449 tenths
      // y 50685 is cut to 16 bits.
      {785,
       {30000, 20000, 100, 60},
       {-30000, -20000, -30000, -20000},
       {-15734, 50685 - 65536, -22838, 15456}},
      // No turn only moves the centre; stored coordinates are cut to 16 bits.
      {0, {110, 100, 95, 104}, {100, 100, 120, 105}, {130, 105, 115, 109}},
      {6282, {110, 100, 95, 104}, {100, 100, 120, 105}, {130, 105, 115, 109}},
      {0, {0, 0}, {0, 0, 70000, 5}, {70000 - 65536, 5}},
      // A point on the centre lands on the new centre.
      {785, {50, 60, 50, 50}, {50, 50, 70, 80}, {62, 87, 70, 80}},
  };
  for (const auto& [angle, points, c, expected] : rows)
    EXPECT_EQ(rotated(angle, points, c[0], c[1], c[2], c[3]), expected) << angle;
}

TEST(RotatePointSet, ACountOf256PassedAsAByteTransformsNothing) {
  Points points(512, 7), out(512, -1);
  int32_t ax = 0, ay = 0;
  rotatePointSet(1570, static_cast<uint8_t>(256), 0, 0, 0, 0, points.data(), out.data(), &ax, &ay);
  EXPECT_EQ(out, Points(512, -1));
}

// The resized points followed by the new centre.
Points resized(Points src, uint8_t ax, uint8_t ay, int16_t sx, int16_t sy, ResizeExtent newExtent,
               ResizeExtent oldExtent, int32_t oldCx, int32_t oldCy, int32_t newCx, int32_t newCy) {
  Points target(src.size(), -999);
  resizePointSet(static_cast<uint8_t>(src.size() / 2), src.data(), target.data(), oldCx, oldCy,
                 &newCx, &newCy, ax, ay, sx, sy, newExtent, oldExtent);
  target.insert(target.end(), {newCx, newCy});
  return target;
}

TEST(ResizePointSet, AnchorsScaleFromTheirEdgeOrCentre) {
  // No anchor changes nothing.
  EXPECT_EQ(
      resized({10, 10, 20, 20}, 0, 0, 200, 200, {10, 40, 10, 40}, {10, 20, 10, 20}, 15, 15, 25, 25),
      (Points{-999, -999, -999, -999, 25, 25}));
  // Right edge stays: the span 10..20 doubles to 0..20. An axis without an
  // anchor is not written.
  EXPECT_EQ(resized({10, 0, 20, 0}, 2, 0, 200, 100, {0, 20, 0, 0}, {10, 20, 0, 0}, 15, 0, 0, 0),
            (Points{-1, -999, 20, -999, 10, 0}));
  // Top edge stays: the span 10..20 doubles downwards.
  EXPECT_EQ(resized({0, 10, 0, 20}, 0, 5, 100, 200, {0, 0, 10, 30}, {0, 0, 10, 20}, 0, 15, 0, 0),
            (Points{-999, 10, -999, 31, 0, 20}));
  // Even extent 10..20 (centre 15), doubled about the new centre 50.
  EXPECT_EQ(
      resized({10, 0, 15, 0, 20, 0}, 1, 0, 200, 100, {40, 60, 0, 0}, {10, 20, 0, 0}, 15, 0, 50, 0),
      (Points{50 - 11 + 1, -999, 50, -999, 61, -999, 50, 0}));
  // Odd extent 10..21, centre 15: points on both sides scale by 100ths.
  EXPECT_EQ(resized({10, 0, 21, 0}, 1, 0, 200, 100, {40, 60, 0, 0}, {10, 21, 0, 0}, 15, 0, 50, 0),
            (Points{39, -999, 62, -999, 50, 0}));
}

TEST(MovePointSet, MovesRightAndUpAndCutsThePointsTo16Bits) {
  const int32_t source[] = {1, 2, 3, 4, 32760, -32760};
  Points target(6);
  int32_t rx, ry, r2x, r2y;
  movePointSet(3, 10, 9, 32767, 7, &rx, &ry, source, target.data(), 20, 30, &r2x, &r2y);
  EXPECT_EQ(target, (Points{11, -7, 13, -5, 32770 - 65536, -32769 + 65536}));
  // The reference points come out whole: the coordinate fields cut them.
  EXPECT_EQ((Points{rx, ry, r2x, r2y}), (Points{32777, -2, 30, 21}));
}

// The current rectangle (100, 200, 139, 259) resized to `scale` hundredths of
// the design rectangle (10, 20, 29, 49), 20 by 30 pixels.
TEST(ResizeRectByScale, AnchorsKeepTheirEdgeOrCentre) {
  using Row = std::tuple<int32_t, uint8_t, Points>;

  // At half size: 10 by 15 pixels, half sizes 5 and 7, centre (119, 229).
  // At 155 %: 31 by 46.5 pixels; the half sizes truncate to 15 and 23.
  // At 198 %: half width 3960 / 2 / 100 = 19.
  const Row rows[] = {{50, 1, {114, 200, 124, 259}},  {50, 2, {129, 200, 139, 259}},
                      {50, 3, {100, 244, 139, 259}},  {50, 4, {100, 222, 139, 236}},
                      {50, 5, {100, 200, 139, 215}},  {50, 6, {100, 200, 110, 259}},
                      {50, 0, {100, 200, 139, 259}},  {155, 1, {104, 200, 134, 259}},
                      {155, 4, {100, 206, 139, 252}}, {155, 5, {100, 200, 139, 246}},
                      {198, 1, {100, 200, 138, 259}}};

  for (const auto& [scale, anchor, expected] : rows) {
    Points rect{100, 200, 139, 259};
    resizeRectByScale(&rect[0], &rect[1], &rect[2], &rect[3], 10, 20, 29, 49, scale, anchor);
    EXPECT_EQ(rect, expected) << scale << " " << int{anchor};
  }
}

TEST(MapPointBetweenRects, ScalesIntoTheTargetAndIgnoresNulls) {
  const double from[] = {10, 20, 30, 60};
  const double to[] = {100, 200, 140, 220};
  const auto mapped = [](const double* f, const double* t, bool noX, bool noY) {
    double x = 15, y = 30;
    mapPointBetweenRects(noX ? nullptr : &x, noY ? nullptr : &y, f, t);
    return std::vector<double>{x, y};
  };
  // Twice as wide, half as high.
  EXPECT_EQ(mapped(from, to, false, false), (std::vector<double>{110, 205}));
  const std::vector<double> unchanged{15, 30};
  EXPECT_EQ(mapped(nullptr, to, false, false), unchanged);
  EXPECT_EQ(mapped(from, nullptr, false, false), unchanged);
  EXPECT_EQ(mapped(from, to, true, false), unchanged);
  EXPECT_EQ(mapped(from, to, false, true), unchanged);
  // An empty span counts as one pixel.
  const double flat[] = {10, 5, 30, 5};
  const double target[] = {100, 100, 120, 110};
  double x = 15, y = 7;
  mapPointBetweenRects(&x, &y, flat, target);
  EXPECT_EQ((std::vector<double>{x, y}), (std::vector<double>{105, 120}));
}

TEST(RoundHalfUpToShort, RoundsUpFromOneHalfAndTruncatesNegatives) {
  // Beyond 16 bits the cut value is compared with the whole value, so it rounds up.
  EXPECT_EQ((Points{roundHalfUpToShort(2.5), roundHalfUpToShort(2.49), roundHalfUpToShort(-2.7),
                    roundHalfUpToShort(70000.0)}),
            (Points{3, 2, -2, 70000 - 65536 + 1}));
}

}  // namespace
