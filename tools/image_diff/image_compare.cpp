#include "image_compare.h"

#include <algorithm>
#include <cstdlib>

namespace regression {
namespace {

int channelDelta(const unsigned char* a, const unsigned char* b) {
  int largest = 0;
  for (int c = 0; c < 4; ++c) largest = std::max(largest, std::abs(int(a[c]) - int(b[c])));
  return largest;
}

void paint(unsigned char* pixel, unsigned char red, unsigned char green, unsigned char blue) {
  pixel[0] = red, pixel[1] = green, pixel[2] = blue, pixel[3] = 255;
}

void ringPixel(Image& picture, int x, int y) {
  for (int py = std::max(y - 2, 0); py <= std::min(y + 2, picture.height - 1); ++py) {
    for (int px = std::max(x - 2, 0); px <= std::min(x + 2, picture.width - 1); ++px)
      paint(&picture.rgba[(size_t(py) * picture.width + px) * 4], 255, 140, 160);
  }
}

}  // namespace

Comparison compareImages(const Image& reference, const Image& result, int tolerance) {
  Comparison out;
  if (reference.width != result.width || reference.height != result.height) {
    out.sameSize = false;
    return out;
  }
  out.picture = reference;
  out.left = reference.width;
  out.top = reference.height;
  std::vector<int> deltas(size_t(reference.width) * reference.height);
  for (size_t i = 0; i < deltas.size(); ++i) {
    deltas[i] = channelDelta(&reference.rgba[i * 4], &result.rgba[i * 4]);
    unsigned char* shown = &out.picture.rgba[i * 4];
    const int grey = (shown[0] * 3 + shown[1] * 6 + shown[2]) / 10;
    const auto faded = static_cast<unsigned char>(192 + grey / 4);
    paint(shown, faded, faded, faded);
  }
  for (int y = 0; y < reference.height; ++y) {
    for (int x = 0; x < reference.width; ++x) {
      const int delta = deltas[size_t(y) * reference.width + x];
      out.largestDelta = std::max(out.largestDelta, delta);
      if (delta == 0) continue;
      if (delta <= tolerance) {
        ++out.within;
        continue;
      }
      ++out.beyond;
      ringPixel(out.picture, x, y);
      out.left = std::min(out.left, x), out.right = std::max(out.right, x);
      out.top = std::min(out.top, y), out.bottom = std::max(out.bottom, y);
    }
  }
  // The differing pixels themselves over the rings.
  for (size_t i = 0; i < deltas.size(); ++i) {
    if (deltas[i] > tolerance) {
      paint(&out.picture.rgba[i * 4], 220, 0, 0);
    } else if (deltas[i] > 0) {
      paint(&out.picture.rgba[i * 4], 255, 150, 0);
    }
  }
  return out;
}

}  // namespace regression
