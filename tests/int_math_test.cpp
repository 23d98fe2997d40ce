// The panel's conversions of doubles to ints, at the edges where a slip in
// the bit arithmetic would show.
#include "module/int_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

// 2^52 + 1 and 2^60 + 2^31 hold their low bits exactly; just inside 64 bits,
// 2^63 - 1024 and -2^63 + 5120 keep their low words; just outside, 2^63 + 2048
// gives zero although the whole number has low bits set.
TEST(TruncateToLow32, TruncatesTowardsZeroKeepsTheLowWordAndGivesZeroBeyond64Bits) {
  using R = std::pair<double, int32_t>;
  const std::vector<R> rows(
      {R(-0.999, 0), R(1.0, 1), R(7.9, 7), R(-7.9, -7), R(2147483647.75, 2147483647),
       R(2147483648.0, INT32_MIN), R(-2147483649.5, 2147483647), R(4294967296.0 + 5.5, 5),
       R(-4294967296.0 - 3.0, -3), R(std::numeric_limits<double>::denorm_min(), 0),
       R(4503599627370497.0, 1), R(1152921506754330624.0, INT32_MIN),
       R(9223372036854774784.0, -1024), R(-9223372036854775808.0 + 5120.0, 5120),
       R(9223372036854775808.0, 0), R(9223372036854777856.0, 0), R(-9223372036854777856.0, 0),
       R(std::nan(""), 0)});
  for (const auto& [value, expected] : rows)
    EXPECT_EQ(tamri::truncateToLow32(value), expected) << value;
}

}  // namespace
