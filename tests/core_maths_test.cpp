#include <gtest/gtest.h>

#include <cmath>

#include "morvcore.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Angles in tenths of a degree: exact on the axes and at 30 and 60 degrees,
// any angle reduced to a turn, within 2e-15 of the library elsewhere.
TEST(CoreMaths, FastSineAndCosine) {
  const struct {
    int16_t angle;
    double sine, cosine;
  } exact[] = {{0, 0, 1},     {900, 1, 0},  {1800, 0, -1}, {2700, -1, 0},
               {-900, -1, 0}, {3600, 0, 1}, {4500, 1, 0}};
  for (const auto& row : exact) {
    EXPECT_EQ(osUTfastsin(row.angle), row.sine) << row.angle;
    EXPECT_EQ(osUTfastcos(row.angle), row.cosine) << row.angle;
  }
  EXPECT_EQ(osUTfastsin(300), 0.5);
  EXPECT_EQ(osUTfastcos(600), 0.5);
  EXPECT_FALSE(std::signbit(osUTfastsin(1800)));
  EXPECT_EQ(osUTfastcos(32767), osUTfastcos(32767 % 3600));
  EXPECT_EQ(osUTfastsin(-32768), osUTfastsin(-32768 % 3600 + 3600));
  for (int t = -3600; t <= 7200; t += 7) {
    const auto angle = static_cast<int16_t>(t);
    const double radians = ((t % 3600 + 3600) % 3600) * kPi / 1800.0;
    EXPECT_NEAR(osUTfastsin(angle), std::sin(radians), 2e-15) << t;
    EXPECT_NEAR(osUTfastcos(angle), std::cos(radians), 2e-15) << t;
    EXPECT_EQ(osUTfastsin(angle), -osUTfastsin(static_cast<int16_t>(-t))) << t;
    EXPECT_EQ(osUTfastcos(angle), osUTfastsin(static_cast<int16_t>(t + 900))) << t;
  }
}

TEST(CoreMaths, LibraryFunctionsAndTheMostNegativeAbsoluteValue) {
  EXPECT_EQ(osUTabs(-7), 7);
  EXPECT_EQ(osUTabs(INT32_MIN), INT32_MIN);
  EXPECT_EQ(osUTsqrt(2.0), std::sqrt(2.0));
  EXPECT_EQ(osUTpow(-3.0, 2.0), 9.0);
  EXPECT_EQ(osUTatan(1.0), std::atan(1.0));
  EXPECT_EQ(osUTfabs(-2.5), 2.5);
  EXPECT_EQ(osUTlog10(1000.0), 3.0);
}

}  // namespace
