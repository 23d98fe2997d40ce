// Comparing a rendered picture with its reference, pixel by pixel: two
// pixels match when no channel (alpha included) differs by more than the
// tolerance.
#pragma once

#include <vector>

namespace regression {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgba;  // 4 bytes a pixel, rows top down
};

struct Comparison {
  bool sameSize = true;  // nothing else is compared when the sizes differ
  long beyond = 0;       // pixels that differ by more than the tolerance
  long within = 0;       // pixels that differ, but within it
  int largestDelta = 0;
  int left = 0, top = 0, right = -1, bottom = -1;  // where the pixels beyond lie
  // The reference faded to grey, the pixels beyond the tolerance red in a
  // pink ring two pixels wide (so that a single one shows on a whole
  // screen), the pixels that differ within it orange.
  Image picture;
};

Comparison compareImages(const Image& reference, const Image& result, int tolerance);

}  // namespace regression
