// The regression's picture comparison: which pixels count as different, and
// what the picture of the differences shows.
#include "image_compare.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <tuple>

namespace {

using regression::compareImages;
using regression::Image;

// 8 x 6 pixels of one grey, opaque.
Image grey(int height = 6) { return {8, height, std::vector<unsigned char>(8 * height * 4, 200)}; }

using Quad = std::array<int, 4>;

// A pixel counts when any channel, alpha too, moves beyond the tolerance; the
// box holds the pixels beyond it.
TEST(ImageCompare, PixelsBeyondTheToleranceAreCountedBoxedAndShown) {
  // x, y, channel, delta, tolerance; then pixels beyond and within.
  const std::array<std::array<int, 7>, 6> cases{{{3, 2, 0, 0, 3, 0, 0},
                                                 {3, 2, 0, 3, 3, 0, 1},
                                                 {3, 2, 1, 4, 3, 1, 0},
                                                 {0, 5, 2, -4, 3, 1, 0},
                                                 {7, 0, 3, -10, 3, 1, 0},
                                                 {7, 5, 0, 1, 0, 1, 0}}};
  for (const auto& [x, y, channel, delta, tolerance, beyond, within] : cases) {
    Image result = grey();
    result.rgba[(y * 8 + x) * 4 + channel] += delta;
    const regression::Comparison out = compareImages(grey(), result, tolerance);
    EXPECT_EQ((std::tuple{out.sameSize, out.beyond, out.within, out.largestDelta}),
              (std::tuple{true, long(beyond), long(within), std::abs(delta)}))
        << x << "," << y << " by " << delta;
    const Quad box{out.left, out.top, out.right, out.bottom};
    EXPECT_EQ((beyond ? box : Quad{x, y, x, y}), (Quad{x, y, x, y}));
  }
  Image result = grey();
  for (const auto [at, value] : {std::pair{9 * 4, 0}, {38 * 4 + 2, 255}, {4 * 4 + 1, 198}})
    result.rgba[at] = static_cast<unsigned char>(value);
  const regression::Comparison out = compareImages(grey(), result, 3);
  EXPECT_EQ((std::vector<long>{out.beyond, out.within, out.left, out.top, out.right, out.bottom}),
            (std::vector<long>{2, 1, 1, 1, 6, 4}));
  // Beyond, in its ring, the ring reaching the corner, within, the reference
  // faded: pixels (1, 1), (3, 3), (7, 5), (4, 0) and (7, 0).
  std::vector<int> shown;
  for (const int i : {9, 27, 47, 4, 7})
    shown.insert(shown.end(), &out.picture.rgba[i * 4], &out.picture.rgba[i * 4 + 4]);
  EXPECT_EQ(shown, (std::vector<int>{220, 0,   0,   255, 255, 140, 160, 255, 255, 140,
                                     160, 255, 255, 150, 0,   255, 242, 242, 242, 255}));
  EXPECT_FALSE(compareImages(grey(), grey(5), 3).sameSize);
}

}  // namespace
