// The canvas clip natives through the VM frame: set, narrow (no clip area,
// inside, overlapping, touching, disjoint), read back into a new or a given
// CgpArea, and removed, always on the canvas's own surface.
#include "canvas_test_support.h"

namespace tamri_test::canvas_clipping {

constexpr const char* kArea = "gpclasses/graphics/CgpArea";

constexpr int32_t kSurface = 7;

std::vector<int32_t> clip() {
  int32_t l = 0, t = 0, r = 0, b = 0;
  if (!osGXgetClipArea(&l, &t, &r, &b, kSurface)) return {};
  return {l, t, r, b};
}

std::vector<int64_t> fieldsOf(jword area) {
  return {vmhost::getField(area, "x1"), vmhost::getField(area, "y1"), vmhost::getField(area, "x2"),
          vmhost::getField(area, "y2")};
}

class CanvasClippingTest : public CanvasTest {};

TEST_F(CanvasClippingTest, SetClipCoversTheSizeWithoutTheTranslationClipRectNarrowsIt) {
  setPen("surface", kSurface);
  call("setTransform(II)V", {1000, 1000});
  call("setClip(IIII)V", {10, 20, 5, 6});
  EXPECT_EQ(drawn(), (Lines{"osGXsetClipArea(10, 20, 14, 25, 7)"}));
  EXPECT_EQ(clip(), (std::vector<int32_t>{10, 20, 14, 25}));
  call("removeClipArea()V", {});
  EXPECT_EQ(clip(), std::vector<int32_t>{});
  // Without a clip area clipRect sets it; narrowing twice keeps narrowing it.
  call("clipRect(IIII)V", {3, 4, 5, 6});
  EXPECT_EQ(clip(), (std::vector<int32_t>{3, 4, 7, 9}));
  call("clipRect(IIII)V", {5, 0, 100, 8});
  EXPECT_EQ(clip(), (std::vector<int32_t>{5, 4, 7, 7}));
  // On a clip area it moves only the edges strictly inside it.
  const struct {
    std::vector<int32_t> rect;  // x, y, w, h
    std::vector<int32_t> expected;
  } rows[] = {
      {{-10, 90, 30, 30}, {0, 90, 19, 100}},  // over the bottom-left corner
      {{100, 0, 10, 10}, {0, 0, 100, 9}},     // touching the right edge: it stays
      {{-9, 50, 10, 10}, {0, 50, 100, 59}},   // touching the left edge: the right stays
      {{0, 0, 101, 101}, {0, 0, 100, 100}},   // the same edges: nothing moves
      {{200, 200, 10, 10}, {0, 0, 0, 0}},     // disjoint
      {{101, 50, 10, 10}, {0, 0, 0, 0}},      // one column off
  };
  for (const auto& r : rows) {
    osGXsetClipArea(0, 0, 100, 100, kSurface);
    call("clipRect(IIII)V", r.rect);
    EXPECT_EQ(clip(), r.expected) << r.rect[0] << ", " << r.rect[1];
  }
  // Clip bounds come as a new area, or go into a given one, only with a clip area.
  call("removeClipArea()V", {});
  const jword area = makeObject(kArea, {{"x1", 1}, {"y1", 2}, {"x2", 3}, {"y2", 4}});
  const char* into = "getClipBounds(Lgpclasses/graphics/CgpArea;)Z";
  EXPECT_EQ(call(into, {}, {area}).value, 0u);
  EXPECT_EQ(fieldsOf(area), (std::vector<int64_t>{1, 2, 3, 4}));
  // Without a clip area no area is made: the next object lies as far after
  // the one before the call as a second object does after a first.
  const jword first = makeObject(kArea);
  const jword second = makeObject(kArea);
  vmhost::CallResult result = call("getClipBounds()Lgpclasses/graphics/CgpArea;", {});
  EXPECT_EQ(result.reference, 0u);
  EXPECT_EQ(makeObject(kArea) - second, second - first);

  osGXsetClipArea(-5, 6, 70000, 8, kSurface);
  result = call("getClipBounds()Lgpclasses/graphics/CgpArea;", {});
  ASSERT_EQ(vmhost::kindOf(result.reference), kArea);
  // Stored coordinates are cut to 16 bits: 70000 becomes 4464.
  EXPECT_EQ(fieldsOf(result.reference), (std::vector<int64_t>{-5, 6, 4464, 8}));

  osGXsetClipArea(11, 12, 13, 14, kSurface);
  osGXsetClipArea(91, 92, 93, 94, kSurface + 1);  // another surface's clip area
  EXPECT_EQ(call(into, {}, {area}).value, 1u);
  EXPECT_EQ(fieldsOf(area), (std::vector<int64_t>{11, 12, 13, 14}));

  // No area: false, and the clip area is not even asked for.
  host::traceClear();
  EXPECT_EQ(call(into, {}, {0}).value, 0u);
  EXPECT_TRUE(drawn().empty());
}

}  // namespace tamri_test::canvas_clipping
