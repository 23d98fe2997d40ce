// The arc geometry the canvas natives share: the points the angles land on
// and the step of a thick arc's edge. The natives' calls on arcs, fills and
// pies are in the canvas_arcs scene.
#include "canvas/arc_geometry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace tamri_test::canvas_arcs {

TEST(ArcGeometryTest, EllipsePointsAndTheStep) {
  std::vector<int32_t> got;
  auto put = [&](const APOINT& p) { got.insert(got.end(), {p.x, p.y}); };
  auto at = [&](const tamri::PlacedSize& box, std::initializer_list<int32_t> degrees) {
    for (const int32_t d : degrees) put(tamri::ellipsePointDegrees(box, d));
  };
  // The quarter angles land on the sides, the right and bottom ones at x + w
  // and y + h; whole turns either way are reduced first; 225 degrees is on a
  // true ellipse below the centre.
  at({0, 0, 100, 50}, {0, 90, 180, 270, -90, 450, 225});
  // A circle away from the origin; halves of an odd size truncate; 270 is on
  // the bottom side, not 50 + 50 down.
  at({10, 20, 100, 100}, {45});
  at({10, 20, 101, 101}, {90, 0, 270});
  // No width or no height: the middle of the line, whatever the angle.
  at({5, 5, 0, 40}, {45});
  at({5, 5, 40, 0}, {45});
  // Tenths: the same points; ten turns back, then 135 degrees.
  put(tamri::ellipsePoint({0, 0, 100, 50}, -34650));
  put(tamri::circlePoint(50, 50, 50, 450));
  put(tamri::circlePoint(50, 50, 50, -900));
  // The step angle is held between 3 and 30 degrees.
  for (const int32_t radius : {15, 16, 0, -50, INT32_MAX, INT32_MIN})
    got.push_back(tamri::arcStepAngle(radius));
  EXPECT_EQ(got, std::vector<int32_t>({100, 25, 50,  0,  0,   25,  50, 50, 50,  50, 50, 0,  27,
                                       47,  95, 35,  60, 20,  111, 70, 60, 121, 5,  25, 25, 5,
                                       27,  2,  135, 65, 100, 150, 30, 28, 30,  3,  3,  3}));
}

}  // namespace tamri_test::canvas_arcs
