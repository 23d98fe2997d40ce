// Integer geometry of point sets: exact results for the rules the panel's
// positions depend on.
#include "transform/point_transforms.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace tamri;

std::vector<int32_t> rotated(int32_t angle, std::vector<int32_t> points, int32_t cx, int32_t cy,
                             int32_t ncx, int32_t ncy) {
  std::vector<int32_t> out(points.size());
  int32_t ax = 0, ay = 0;
  rotatePointSet(angle, static_cast<uint8_t>(points.size() / 2), cx, cy, ncx, ncy, points.data(),
                 out.data(), &ax, &ay);
  return out;
}

TEST(SpanMidpoint, EvenSpansTakeTheLowerMiddlePixel) {
  EXPECT_EQ(spanMidpoint(10, 13), 11);
  EXPECT_EQ(spanMidpoint(10, 14), 12);
  EXPECT_EQ(spanMidpoint(13, 10), 11);
  EXPECT_EQ(spanMidpoint(-3, 0), -2);
}

TEST(PointSetCentre, CentreOfTheBoundingBox) {
  const int32_t points[] = {0, 0, 10, 5, 3, -7};
  int32_t x = 99, y = 99;
  pointSetCentre(points, 3, &x, &y);
  EXPECT_EQ(x, 5);
  EXPECT_EQ(y, -1);
  pointSetCentre(nullptr, 3, &x, &y);  // no points: outputs stay
  EXPECT_EQ(x, 5);
}

TEST(RotatePointSet, QuarterTurnsAreExactAndRounded) {
  EXPECT_EQ(rotated(1570, {110, 100, 100, 110}, 100, 100, 100, 100),
            (std::vector<int32_t>{100, 110, 90, 100}));
  // -9.5 truncates towards zero.
  EXPECT_EQ(rotated(1570, {0, 10}, 0, 0, 0, 0), (std::vector<int32_t>{-9, 0}));
}

TEST(RotatePointSet, EquivalentAnglesGiveTheSameResult) {
  const std::vector<int32_t> pts{110, 100, 120, 130, 95, 104};
  EXPECT_EQ(rotated(3141, pts, 100, 100, 100, 100), rotated(-3141, pts, 100, 100, 100, 100));
  EXPECT_EQ(rotated(1570, pts, 100, 100, 100, 100), rotated(-4711, pts, 100, 100, 100, 100));
  EXPECT_EQ(rotated(4711, pts, 100, 100, 100, 100), rotated(-1570, pts, 100, 100, 100, 100));
}

TEST(RotatePointSet, NoTurnOnlyMovesTheCentre) {
  const std::vector<int32_t> pts{110, 100, 120, 130, 95, 104};
  const std::vector<int32_t> moved{130, 105, 140, 135, 115, 109};
  EXPECT_EQ(rotated(0, pts, 100, 100, 120, 105), moved);
  EXPECT_EQ(rotated(6282, pts, 100, 100, 120, 105), moved);
}

TEST(RotatePointSet, OtherAnglesUseThePlatformTablesAndTruncate) {
  // 1571 is 900 tenths of a degree, but adds no half pixel: -10 instead of -9.
  EXPECT_EQ(rotated(1571, {0, 10}, 0, 0, 0, 0), (std::vector<int32_t>{-10, 0}));
  // 785 is 449 tenths: cos and sin of 44.9 degrees, truncated.
  EXPECT_EQ(rotated(785, {110, 100}, 100, 100, 100, 100), (std::vector<int32_t>{107, 107}));
  // -785 is 3150 tenths (315 degrees).
  EXPECT_EQ(rotated(-785, {110, 100}, 100, 100, 100, 100), (std::vector<int32_t>{107, 92}));
}

TEST(RotatePointSet, PointOnTheCentreLandsOnTheNewCentre) {
  EXPECT_EQ(rotated(785, {50, 60, 50, 50}, 50, 50, 70, 80), (std::vector<int32_t>{62, 87, 70, 80}));
}

TEST(RotatePointSet, StoresCoordinatesCutTo16Bits) {
  EXPECT_EQ(rotated(0, {0, 0}, 0, 0, 70000, 5), (std::vector<int32_t>{70000 - 65536, 5}));
}

TEST(RotatePointSet, ACountOf256PassedAsAByteTransformsNothing) {
  std::vector<int32_t> points(512, 7);
  std::vector<int32_t> out(512, -1);
  int32_t ax = 0, ay = 0;
  rotatePointSet(1570, static_cast<uint8_t>(256), 0, 0, 0, 0, points.data(), out.data(), &ax, &ay);
  EXPECT_EQ(out, std::vector<int32_t>(512, -1));
}

struct ResizeCase {
  std::vector<int32_t> target;
  int32_t centreX, centreY;
};

ResizeCase resize(std::vector<int32_t> src, uint8_t ax, uint8_t ay, int16_t sx, int16_t sy,
                  ResizeExtent newExtent, ResizeExtent oldExtent, int32_t oldCx, int32_t oldCy,
                  int32_t newCx, int32_t newCy) {
  ResizeCase r{std::vector<int32_t>(src.size(), -999), newCx, newCy};
  resizePointSet(static_cast<uint8_t>(src.size() / 2), src.data(), r.target.data(), oldCx, oldCy,
                 &r.centreX, &r.centreY, ax, ay, sx, sy, newExtent, oldExtent);
  return r;
}

TEST(ResizePointSet, NoAnchorChangesNothing) {
  const ResizeCase r =
      resize({10, 10, 20, 20}, 0, 0, 200, 200, {10, 40, 10, 40}, {10, 20, 10, 20}, 15, 15, 25, 25);
  EXPECT_EQ(r.target, (std::vector<int32_t>{-999, -999, -999, -999}));
  EXPECT_EQ(r.centreX, 25);
  EXPECT_EQ(r.centreY, 25);
}

TEST(ResizePointSet, LeftEdgeStaysAtFullScale) {
  const ResizeCase r =
      resize({10, 0, 15, 0}, 6, 0, 100, 100, {30, 40, 0, 0}, {10, 20, 0, 0}, 15, 0, 0, 0);
  EXPECT_EQ(r.target[0], 30);
  EXPECT_EQ(r.target[2], 35);
  EXPECT_EQ(r.centreX, 35);
}

TEST(ResizePointSet, EdgeAnchorsDoubleTowardsTheFarSide) {
  // Right edge stays: the span 10..20 doubles to 0..20.
  const ResizeCase right =
      resize({10, 0, 20, 0}, 2, 0, 200, 100, {0, 20, 0, 0}, {10, 20, 0, 0}, 15, 0, 0, 0);
  EXPECT_EQ(right.target[0], -1);
  EXPECT_EQ(right.target[2], 20);
  EXPECT_EQ(right.centreX, 10);
  // Top edge stays: the span 10..20 doubles downwards.
  const ResizeCase top =
      resize({0, 10, 0, 20}, 0, 5, 100, 200, {0, 0, 10, 30}, {0, 0, 10, 20}, 0, 15, 0, 0);
  EXPECT_EQ(top.target[1], 10);
  EXPECT_EQ(top.target[3], 31);
  EXPECT_EQ(top.centreY, 20);
}

TEST(ResizePointSet, CentreAnchorKeepsTheCentreOnOddAndEvenExtents) {
  // Even extent 10..20 (centre 15), doubled about the new centre 50.
  const ResizeCase even =
      resize({10, 0, 15, 0, 20, 0}, 1, 0, 200, 100, {40, 60, 0, 0}, {10, 20, 0, 0}, 15, 0, 50, 0);
  EXPECT_EQ(even.target[0], 50 - 11 + 1);
  EXPECT_EQ(even.target[2], 50);
  EXPECT_EQ(even.target[4], 61);
  EXPECT_EQ(even.centreX, 50);
  // Odd extent 10..21, centre 15: points on both sides scale by 100ths.
  const ResizeCase odd =
      resize({10, 0, 21, 0}, 1, 0, 200, 100, {40, 60, 0, 0}, {10, 21, 0, 0}, 15, 0, 50, 0);
  EXPECT_EQ(odd.target[0], 50 + ((10 - 15 - 1) * 200) / 100 + 1);
  EXPECT_EQ(odd.target[2], 62);
}

TEST(MovePointSet, MovesRightAndUp) {
  const int32_t source[] = {1, 2, 3, 4};
  int32_t target[4];
  int32_t rx, ry, r2x, r2y;
  movePointSet(2, 5, 5, 10, 10, &rx, &ry, source, target, 0, 0, &r2x, &r2y);
  EXPECT_EQ(std::vector<int32_t>(target, target + 4), (std::vector<int32_t>{6, -3, 8, -1}));
  EXPECT_EQ(rx, 15);
  EXPECT_EQ(ry, 5);
  EXPECT_EQ(r2x, 5);
  EXPECT_EQ(r2y, -5);
}

TEST(ResizeRectByScale, AnchorsKeepTheirEdgeOrCentre) {
  int32_t l = 10, t = 10, r = 29, b = 19;
  resizeRectByScale(&l, &t, &r, &b, 10, 10, 29, 19, 50, 6);  // left edge stays: 20 wide -> 10
  EXPECT_EQ(r, 20);
  resizeRectByScale(&l, &t, &r, &b, 10, 10, 29, 19, 50, 3);  // bottom stays: 10 high -> 5
  EXPECT_EQ(t, 14);
  l = 10, r = 29;
  resizeRectByScale(&l, &t, &r, &b, 10, 10, 29, 19, 150, 1);  // centre 19, half width 15
  EXPECT_EQ(l, 4);
  EXPECT_EQ(r, 34);
  resizeRectByScale(&l, &t, &r, &b, 10, 10, 29, 19, 150, 0);
  EXPECT_EQ(l, 4);
}

TEST(MapPointBetweenRects, ScalesIntoTheTargetAndIgnoresNulls) {
  const double from[] = {0, 0, 10, 0};  // zero height counts as one
  const double to[] = {100, 100, 120, 110};
  double x = 5, y = 2;
  mapPointBetweenRects(&x, &y, from, to);
  EXPECT_DOUBLE_EQ(x, 110);
  EXPECT_DOUBLE_EQ(y, 120);
  mapPointBetweenRects(&x, &y, nullptr, to);
  EXPECT_DOUBLE_EQ(x, 110);
}

TEST(RoundHalfUpToShort, RoundsUpFromOneHalfAndTruncatesNegatives) {
  EXPECT_EQ(roundHalfUpToShort(2.5), 3);
  EXPECT_EQ(roundHalfUpToShort(2.49), 2);
  EXPECT_EQ(roundHalfUpToShort(-2.7), -2);
  // Beyond 16 bits the cut value is compared with the whole value, so it rounds up.
  EXPECT_EQ(roundHalfUpToShort(70000.0), 70000 - 65536 + 1);
}

}  // namespace
