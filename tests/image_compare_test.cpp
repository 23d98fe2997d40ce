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

TEST(ImageCompare, APixelCountsWhenAnyChannelMovesBeyondTheTolerance) {
  const struct {
    int x, y, channel, delta, tolerance;
    long beyond, within;
  } cases[] = {
      {3, 2, 0, 0, 3, 0, 0},    // the same picture
      {3, 2, 0, 3, 3, 0, 1},    // red up by the tolerance
      {3, 2, 1, 4, 3, 1, 0},    // green up by one more
      {0, 5, 2, -4, 3, 1, 0},   // blue down, in a corner
      {7, 0, 3, -10, 3, 1, 0},  // alpha counts too
      {7, 5, 0, 1, 0, 1, 0},    // no tolerance: any difference
  };
  for (const auto& c : cases) {
    Image result = grey();
    result.rgba[(c.y * 8 + c.x) * 4 + c.channel] += c.delta;
    const regression::Comparison out = compareImages(grey(), result, c.tolerance);
    EXPECT_EQ((std::tuple{out.sameSize, out.beyond, out.within, out.largestDelta}),
              (std::tuple{true, c.beyond, c.within, std::abs(c.delta)}))
        << c.x << "," << c.y << " by " << c.delta;
    if (c.beyond) {
      EXPECT_EQ((Quad{out.left, out.top, out.right, out.bottom}), (Quad{c.x, c.y, c.x, c.y}));
    }
  }
}

TEST(ImageCompare, ThePictureShowsWhereAndHowMuch) {
  Image result = grey();
  result.rgba[(1 * 8 + 1) * 4 + 0] = 0;
  result.rgba[(4 * 8 + 6) * 4 + 2] = 255;
  result.rgba[(0 * 8 + 4) * 4 + 1] = 198;
  const regression::Comparison out = compareImages(grey(), result, 3);
  EXPECT_EQ((std::vector<long>{out.beyond, out.within, out.left, out.top, out.right, out.bottom}),
            (std::vector<long>{2, 1, 1, 1, 6, 4}));
  const auto shown = [&](int x, int y) {
    const unsigned char* p = &out.picture.rgba[(y * out.picture.width + x) * 4];
    return Quad{p[0], p[1], p[2], p[3]};
  };
  // Beyond, in its ring, the ring reaching the corner, within, the reference faded.
  EXPECT_EQ((std::vector{shown(1, 1), shown(3, 3), shown(7, 5), shown(4, 0), shown(7, 0)}),
            std::vector<Quad>({{220, 0, 0, 255},
                               {255, 140, 160, 255},
                               {255, 140, 160, 255},
                               {255, 150, 0, 255},
                               {242, 242, 242, 255}}));
  EXPECT_FALSE(compareImages(grey(), grey(5), 3).sameSize);
}

}  // namespace
