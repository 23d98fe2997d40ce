// A white raster surface as the drawing layer's target, and its pixels read
// back: one pixel, a block, the extent of the ink, or rows of '#' and '.'.
#pragma once

#include "gdi_host.h"
#include "host_trace.h"
#include "osgx.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tamri_test {

constexpr uint32_t kWhite = 0xFFFFFF;

// Inclusive bounds of the pixels unlike the background and their count; -1
// and 0 when there are none.
struct Ink {
  int32_t left = -1, top = -1, right = -1, bottom = -1, pixels = 0;
  bool operator==(const Ink&) const = default;
  // Shifted, and with `boundsOnly` without the count.
  Ink moved(int32_t dx, int32_t dy, bool boundsOnly = false) const {
    return {left + dx, top + dy, right + dx, bottom + dy, boundsOnly ? 0 : pixels};
  }
};

class GdiSurfaceTest : public ::testing::Test {
 protected:
  GdiSurfaceTest(int32_t width, int32_t height) : width_(width), height_(height) {}
  void SetUp() override {
    if (!gdihost::rasterAvailable()) GTEST_SKIP() << "built without the raster backend";
    restart();
  }
  void TearDown() override { gdihost::reset(); }

  // Nothing kept from before, and a fresh white surface as the target.
  void restart() {
    gdihost::reset();
    surface_ = gdihost::createSurface(width_, height_, kWhite);
    gdihost::selectTarget(surface_);
  }
  uint32_t at(int32_t x, int32_t y) const { return gdihost::pixel(surface_, x, y); }
  std::vector<uint32_t> block(int32_t x, int32_t y, int32_t w, int32_t h) const {
    std::vector<uint32_t> out;
    for (int32_t row = y; row < y + h; ++row)
      for (int32_t column = x; column < x + w; ++column) out.push_back(at(column, row));
    return out;
  }
  std::vector<uint32_t> pixels() const { return block(0, 0, width_, height_); }
  Ink ink() const {
    Ink f;
    for (int32_t y = 0; y < height_; ++y)
      for (int32_t x = 0; x < width_; ++x)
        if (at(x, y) != kWhite)
          f = f.pixels == 0
                  ? Ink{x, y, x, y, 1}
                  : Ink{std::min(f.left, x), f.top, std::max(f.right, x), y, f.pixels + 1};
    return f;
  }
  std::vector<std::string> picture(int32_t w, int32_t h) const {
    std::vector<std::string> rows;
    for (int32_t y = 0; y < h; ++y) {
      std::string row;
      for (int32_t x = 0; x < w; ++x) row += at(x, y) == kWhite ? '.' : '#';
      rows.push_back(row);
    }
    return rows;
  }

  int32_t width_, height_;
  int32_t surface_ = 0;
};

}  // namespace tamri_test
