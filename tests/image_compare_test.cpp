// The regression's picture comparison: which pixels count as different, and
// what the picture of the differences shows.
#include "image_compare.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace {

using regression::compareImages;
using regression::Image;

// 8 x 6 pixels of one grey, opaque.
Image grey() { return {8, 6, std::vector<unsigned char>(8 * 6 * 4, 200)}; }

unsigned char* pixel(Image& image, int x, int y) { return &image.rgba[(y * image.width + x) * 4]; }

using Box = std::array<int, 4>;
Box boxOf(const regression::Comparison& c) { return {c.left, c.top, c.right, c.bottom}; }

std::array<unsigned char, 4> shown(const regression::Comparison& c, int x, int y) {
  const unsigned char* p = &c.picture.rgba[(y * c.picture.width + x) * 4];
  return {p[0], p[1], p[2], p[3]};
}

TEST(ImageCompare, APixelCountsWhenAnyChannelMovesBeyondTheTolerance) {
  struct Case {
    int x, y, channel, delta, tolerance;
    long beyond, within;
  };
  const Case cases[] = {
      {3, 2, 0, 0, 3, 0, 0},    // the same picture
      {3, 2, 0, 3, 3, 0, 1},    // red up by the tolerance
      {3, 2, 1, 4, 3, 1, 0},    // green up by one more
      {0, 5, 2, -4, 3, 1, 0},   // blue down, in a corner
      {7, 0, 3, -10, 3, 1, 0},  // alpha counts too
      {7, 5, 0, 1, 0, 1, 0},    // no tolerance: any difference
  };
  for (const Case& c : cases) {
    const Image reference = grey();
    Image result = grey();
    pixel(result, c.x, c.y)[c.channel] += c.delta;
    const regression::Comparison out = compareImages(reference, result, c.tolerance);
    EXPECT_TRUE(out.sameSize);
    EXPECT_EQ(out.beyond, c.beyond) << c.x << "," << c.y << " by " << c.delta;
    EXPECT_EQ(out.within, c.within) << c.x << "," << c.y << " by " << c.delta;
    EXPECT_EQ(out.largestDelta, std::abs(c.delta));
    if (c.beyond) {
      EXPECT_EQ(boxOf(out), (Box{c.x, c.y, c.x, c.y}));
    }
  }
}

TEST(ImageCompare, ThePictureShowsWhereAndHowMuch) {
  const Image reference = grey();
  Image result = grey();
  pixel(result, 1, 1)[0] = 0;
  pixel(result, 6, 4)[2] = 255;
  pixel(result, 4, 0)[1] = 198;
  const regression::Comparison out = compareImages(reference, result, 3);
  EXPECT_EQ(out.beyond, 2);
  EXPECT_EQ(out.within, 1);
  EXPECT_EQ(boxOf(out), (Box{1, 1, 6, 4}));
  using Colour = std::array<unsigned char, 4>;
  EXPECT_EQ(shown(out, 1, 1), (Colour{220, 0, 0, 255}));      // beyond
  EXPECT_EQ(shown(out, 3, 3), (Colour{255, 140, 160, 255}));  // in its ring
  EXPECT_EQ(shown(out, 7, 5), (Colour{255, 140, 160, 255}));  // a ring reaches the corner
  EXPECT_EQ(shown(out, 4, 0), (Colour{255, 150, 0, 255}));    // within
  EXPECT_EQ(shown(out, 7, 0), (Colour{242, 242, 242, 255}));  // the reference, faded
  EXPECT_FALSE(compareImages(reference, Image{8, 5, std::vector<unsigned char>(8 * 5 * 4, 200)}, 3)
                   .sameSize);
}

}  // namespace
