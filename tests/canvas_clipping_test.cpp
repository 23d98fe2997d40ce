// The canvas clip bounds as a new CgpArea, which a trace cannot look into:
// made only when there is a clip area to hold, its coordinates cut to 16
// bits. The other clip natives are the canvas_clipping test scene.
#include "canvas_test_support.h"

namespace tamri_test::canvas_clipping {

constexpr const char* kArea = "gpclasses/graphics/CgpArea";
constexpr const char* kBounds = "getClipBounds()Lgpclasses/graphics/CgpArea;";

class CanvasClippingTest : public CanvasTest {};

TEST_F(CanvasClippingTest, ClipBoundsMakeAnAreaOnlyForAClipArea) {
  setPen("surface", 7);
  // Without a clip area no area is made: the next object lies as far after
  // the one before the call as a second object does after a first.
  const jword first = makeObject(kArea);
  const jword second = makeObject(kArea);
  EXPECT_EQ(call(kBounds, {}).reference, 0u);
  EXPECT_EQ(makeObject(kArea) - second, second - first);

  osGXsetClipArea(-5, 6, 70000, 8, 7);
  const jword area = call(kBounds, {}).reference;
  ASSERT_EQ(vmhost::kindOf(area), kArea);
  // Stored coordinates are cut to 16 bits: 70000 becomes 4464.
  EXPECT_EQ(readFields(area, {"x1", "y1", "x2", "y2"}), (std::vector<int64_t>{-5, 6, 4464, 8}));
}

}  // namespace tamri_test::canvas_clipping
