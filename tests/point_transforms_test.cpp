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

// Far from the centre, on both sides of it, so that every coordinate differs
// and half pixels fall on negative results too.
const std::vector<int32_t> kFarPoints{1100, 60, 100, 460, -900, -340};

TEST(RotatePointSet, ExactAnglesAddAHalfPixelThatTruncatesTowardsZero) {
  const std::vector<int32_t> quarter{100, 1060, -299, 60, 500, -939};
  EXPECT_EQ(rotated(1570, kFarPoints, 100, 60, 100, 60), quarter);
  EXPECT_EQ(rotated(-4711, kFarPoints, 100, 60, 100, 60), quarter);
  const std::vector<int32_t> threeQuarters{100, -939, 500, 60, -299, 1060};
  EXPECT_EQ(rotated(4711, kFarPoints, 100, 60, 100, 60), threeQuarters);
  EXPECT_EQ(rotated(-1570, kFarPoints, 100, 60, 100, 60), threeQuarters);
  const std::vector<int32_t> half{-899, 60, 100, -339, 1100, 460};
  EXPECT_EQ(rotated(3141, kFarPoints, 100, 60, 100, 60), half);
  EXPECT_EQ(rotated(-3141, kFarPoints, 100, 60, 100, 60), half);
  // -900.5 and -340.5 truncate to -900 and -340: no turn keeps the half pixel.
  const std::vector<int32_t> none{1100, 60, 100, 460, -899, -339};
  EXPECT_EQ(rotated(0, kFarPoints, 100, 60, 100, 60), none);
  EXPECT_EQ(rotated(6282, kFarPoints, 100, 60, 100, 60), none);
  EXPECT_EQ(rotated(-6282, kFarPoints, 100, 60, 100, 60), none);
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
  // 1 is 0 tenths: the sine and cosine of no turn, truncated.
  EXPECT_EQ(rotated(1, kFarPoints, 100, 60, 100, 60),
            (std::vector<int32_t>{1100, 60, 100, 460, -900, -340}));
  // 785 is 449 tenths (44.977 degrees); 448 would give (809, 764) and 450
  // (807, 767) at this radius of 1000.
  EXPECT_EQ(rotated(785, {1100, 60}, 100, 60, 100, 60), (std::vector<int32_t>{808, 765}));
  EXPECT_EQ(rotated(786, {1100, 60}, 100, 60, 100, 60), (std::vector<int32_t>{807, 767}));
  // -785 is 3150 tenths (315 degrees); 3149 would give x 805.
  EXPECT_EQ(rotated(-785, {1100, 60}, 100, 60, 100, 60), (std::vector<int32_t>{807, -647}));
  // Doubles are rounded at every step on every build: with x87 extended
  // precision this point came out at x 1 on the 32-bit panel build.
  EXPECT_EQ(rotated(1, {1, 7}, 0, 0, 0, 0), (std::vector<int32_t>{0, 7}));
}

TEST(RotatePointSet, PointsFarFromTheCentreStillTurnAboutIt) {
  // 72,111 pixels away the squares leave the int range; at 449 tenths
  // y 50685 is cut to 16 bits.
  EXPECT_EQ(rotated(785, {30000, 20000, 100, 60}, -30000, -20000, -30000, -20000),
            (std::vector<int32_t>{-15734, 50685 - 65536, -22838, 15456}));
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
  EXPECT_EQ(odd.target[0], 39);
  EXPECT_EQ(odd.target[2], 62);
}

TEST(MovePointSet, MovesRightAndUpAndCutsThePointsTo16Bits) {
  const int32_t source[] = {1, 2, 3, 4, 32760, -32760};
  int32_t target[6];
  int32_t rx, ry, r2x, r2y;
  movePointSet(3, 10, 9, 32767, 7, &rx, &ry, source, target, 20, 30, &r2x, &r2y);
  EXPECT_EQ(std::vector<int32_t>(target, target + 6),
            (std::vector<int32_t>{11, -7, 13, -5, 32770 - 65536, -32769 + 65536}));
  // The reference points come out whole: the coordinate fields cut them.
  EXPECT_EQ(rx, 32777);
  EXPECT_EQ(ry, -2);
  EXPECT_EQ(r2x, 30);
  EXPECT_EQ(r2y, 21);
}

struct Rect {
  int32_t left, top, right, bottom;
  bool operator==(const Rect&) const = default;
};

// The current rectangle (100, 200, 139, 259) resized to `scale` hundredths of
// the design rectangle (10, 20, 29, 49), 20 by 30 pixels.
Rect resizedRect(int32_t scale, uint8_t anchor) {
  Rect r{100, 200, 139, 259};
  resizeRectByScale(&r.left, &r.top, &r.right, &r.bottom, 10, 20, 29, 49, scale, anchor);
  return r;
}

TEST(ResizeRectByScale, AnchorsKeepTheirEdgeOrCentre) {
  // At half size: 10 by 15 pixels, half sizes 5 and 7, centre (119, 229).
  EXPECT_EQ(resizedRect(50, 1), (Rect{114, 200, 124, 259}));
  EXPECT_EQ(resizedRect(50, 2), (Rect{129, 200, 139, 259}));
  EXPECT_EQ(resizedRect(50, 3), (Rect{100, 244, 139, 259}));
  EXPECT_EQ(resizedRect(50, 4), (Rect{100, 222, 139, 236}));
  EXPECT_EQ(resizedRect(50, 5), (Rect{100, 200, 139, 215}));
  EXPECT_EQ(resizedRect(50, 6), (Rect{100, 200, 110, 259}));
  EXPECT_EQ(resizedRect(50, 0), (Rect{100, 200, 139, 259}));
  EXPECT_EQ(resizedRect(50, 7), (Rect{100, 200, 139, 259}));
  // At 155 %: 31 by 46.5 pixels; the half sizes truncate to 15 and 23.
  EXPECT_EQ(resizedRect(155, 1), (Rect{104, 200, 134, 259}));
  EXPECT_EQ(resizedRect(155, 4), (Rect{100, 206, 139, 252}));
  EXPECT_EQ(resizedRect(155, 5), (Rect{100, 200, 139, 246}));
  // At 198 %: half width 3960 / 2 / 100 = 19.
  EXPECT_EQ(resizedRect(198, 1), (Rect{100, 200, 138, 259}));
}

TEST(MapPointBetweenRects, ScalesIntoTheTargetAndIgnoresNulls) {
  const double from[] = {10, 20, 30, 60};
  const double to[] = {100, 200, 140, 220};
  double x = 15, y = 30;
  mapPointBetweenRects(&x, &y, from, to);
  EXPECT_DOUBLE_EQ(x, 110);  // twice as wide
  EXPECT_DOUBLE_EQ(y, 205);  // half as high
  for (const double* nullRect : {from, to}) {
    x = 15;
    y = 30;
    mapPointBetweenRects(&x, &y, nullRect == from ? nullptr : from, nullRect == to ? nullptr : to);
    EXPECT_DOUBLE_EQ(x, 15);
    EXPECT_DOUBLE_EQ(y, 30);
  }
  mapPointBetweenRects(nullptr, &y, from, to);
  mapPointBetweenRects(&x, nullptr, from, to);
  EXPECT_DOUBLE_EQ(x, 15);
  EXPECT_DOUBLE_EQ(y, 30);
}

TEST(MapPointBetweenRects, AnEmptySpanCountsAsOnePixel) {
  const double from[] = {10, 5, 30, 5};
  const double to[] = {100, 100, 120, 110};
  double x = 15, y = 7;
  mapPointBetweenRects(&x, &y, from, to);
  EXPECT_DOUBLE_EQ(x, 105);
  EXPECT_DOUBLE_EQ(y, 120);
}

TEST(RoundHalfUpToShort, RoundsUpFromOneHalfAndTruncatesNegatives) {
  EXPECT_EQ(roundHalfUpToShort(2.5), 3);
  EXPECT_EQ(roundHalfUpToShort(2.49), 2);
  EXPECT_EQ(roundHalfUpToShort(-2.7), -2);
  // Beyond 16 bits the cut value is compared with the whole value, so it rounds up.
  EXPECT_EQ(roundHalfUpToShort(70000.0), 70000 - 65536 + 1);
}

}  // namespace
