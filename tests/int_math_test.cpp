// The panel's conversions of doubles to ints, at the edges where a slip in
// the bit arithmetic would show.
#include "module/int_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using tamri::truncateToLow32;

TEST(TruncateToLow32, TruncatesTowardsZeroAndKeepsTheLowWord) {
  EXPECT_EQ(truncateToLow32(-0.999), 0);
  EXPECT_EQ(truncateToLow32(1.0), 1);
  EXPECT_EQ(truncateToLow32(7.9), 7);
  EXPECT_EQ(truncateToLow32(-7.9), -7);
  EXPECT_EQ(truncateToLow32(2147483647.75), 2147483647);
  EXPECT_EQ(truncateToLow32(2147483648.0), INT32_MIN);
  EXPECT_EQ(truncateToLow32(-2147483649.5), 2147483647);
  EXPECT_EQ(truncateToLow32(4294967296.0 + 5.5), 5);
  EXPECT_EQ(truncateToLow32(-4294967296.0 - 3.0), -3);
  // 2^52 + 1 and 2^60 + 2^31 hold their low bits exactly.
  EXPECT_EQ(truncateToLow32(4503599627370497.0), 1);
  EXPECT_EQ(truncateToLow32(1152921506754330624.0), INT32_MIN);
  EXPECT_EQ(truncateToLow32(std::numeric_limits<double>::denorm_min()), 0);
}

TEST(TruncateToLow32, ValuesBeyondSixtyFourBitsGiveZero) {
  // Just inside: 2^63 - 1024 and -2^63 + 5120 keep their low words.
  EXPECT_EQ(truncateToLow32(9223372036854774784.0), -1024);
  EXPECT_EQ(truncateToLow32(-9223372036854775808.0 + 5120.0), 5120);
  EXPECT_EQ(truncateToLow32(9223372036854775808.0), 0);
  // Just outside, where the whole number would still have low bits set:
  // 2^63 + 2048 and -2^63 - 2048.
  EXPECT_EQ(truncateToLow32(9223372036854777856.0), 0);
  EXPECT_EQ(truncateToLow32(-9223372036854777856.0), 0);
  EXPECT_EQ(truncateToLow32(std::nan("")), 0);
}

}  // namespace
