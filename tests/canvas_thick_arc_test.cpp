// Thick arcs through the VM frame: the ring polygon (its point count, its
// first point and the last points of each edge), the steps that the radii
// choose, the pie without a hole (and its ends on one pixel), and sweeps
// outside a single turn.
#include "canvas_test_support.h"

#include <array>
#include <cstdio>

namespace tamri_test::canvas_thick_arc {

using Point = std::pair<int32_t, int32_t>;

class CanvasThickArcTest : public CanvasTest {
 protected:
  Lines thickArc(int32_t cx, int32_t cy, int32_t inner, int32_t outer, int32_t start,
                 int32_t sweep) {
    return drawnBy("drawThickArc(IIIIIII)V", {cx, cy, inner, outer, start, sweep, 0xABC});
  }
  // The points of the one filled polygon the ring is drawn as; the call is
  // checked whole.
  std::vector<Point> ring(int32_t cx, int32_t cy, int32_t inner, int32_t outer, int32_t start,
                          int32_t sweep) {
    const Lines lines = thickArc(cx, cy, inner, outer, start, sweep);
    const std::string l = lines.size() == 1 ? lines[0] : "drew " + std::to_string(lines.size());
    std::vector<Point> points;
    std::string listed;
    for (size_t at = l.find('{'); at != std::string::npos; at = l.find('{', at + 1)) {
      int x = 0, y = 0;
      if (std::sscanf(l.c_str() + at, "{%d, %d}", &x, &y) != 2) continue;
      listed += (points.empty() ? "{" : ", {") + std::to_string(x) + ", " + std::to_string(y) + "}";
      points.emplace_back(x, y);
    }
    EXPECT_EQ(l, "osGXfillPolygon(" + std::to_string(points.size()) + ", [" + listed +
                     "], 0x00000ABC, 0x00000000, 1, true)");
    return points;
  }
};

Lines flatTriangle(const std::string& corners) {
  return {"osGXfillPolygon(3, " + corners + ", 0x00000ABC, 0x00000ABC, 1, true)",
          "osGXdrawPolygon(3, " + corners + ", 1, 0x00000000, 0x00000ABC, 0)"};
}

Lines disc(const std::string& corners, const std::string& radiusEnd) {
  return {"osGXfillEllipse(" + corners + ", 0x00000ABC, 1, 0x00000ABC)",
          "osGXdrawEllipse(" + corners + ", 0x00000000, 0, 1, 0x00000ABC)",
          "osGXdrawLine(100, 100, " + radiusEnd + ", 1, 0, 0x00000000, 0x00000ABC, 0)"};
}

TEST_F(CanvasThickArcTest, TheRadiiChooseTheStepsSweepsAreHeldToOneTurnNoHoleIsAPieOrTriangle) {
  std::vector<size_t> sizes;
  for (const auto& [inner, outer, sweep] :
       {std::array{10, 12, 900}, {50, 200, 900}, {10, 50, 1000}, {50, 40, 900}, {-40, -50, 900}})
    sizes.push_back(ring(100, 100, inner, outer, 0, sweep).size());
  sizes.push_back(ring(0, 0, 1, INT32_MAX, 0, 3600).size());
  sizes.push_back(ring(INT32_MAX, INT32_MIN, INT32_MIN, INT32_MAX, -1, 3600).size());
  // Radius 10: 45 degrees, held at 30; radius 200: 2, held at 3. A
  // remainder adds the end point: 1000 tenths in steps of 90 and 300. An
  // inner radius beyond the outer one is a ring all the same; negative
  // radii take the finest step. Radii beyond the int range of their
  // squares and sums stay in the buffer.
  EXPECT_EQ(sizes, (std::vector<size_t>{4 + 4, 31 + 11, 13 + 5, 10 + 11, 62, 121 + 13, 242}));
  // Negative radii: the circle seen through its centre.
  EXPECT_EQ(ring(100, 100, -40, -50, 0, 900)[0], Point(50, 100));
  // A whole ring in the finest step: 121 outer points, the last on the first.
  const std::vector<Point> whole = ring(300, 300, 250, 260, 450, 3600);
  ASSERT_EQ(whole.size(), 242u);
  EXPECT_EQ(whole[120], whole[0]);
  EXPECT_EQ(whole[121], whole[241]);
  EXPECT_EQ(thickArc(100, 100, 40, 0, 0, 900), Lines{});
  // The points of each edge are pinned by the arcs scene trace; no sweep
  // leaves one point on each edge.
  EXPECT_EQ(ring(100, 100, 40, 50, 900, 0), (std::vector<Point>{{100, 50}, {100, 60}}));
  // The angles are taken from their low 16 bits.
  EXPECT_EQ(ring(100, 100, 40, 50, 0x10000 + 300, 0x10000 + 900), ring(100, 100, 40, 50, 300, 900));
  // A negative sweep is the same segment measured from its other end.
  EXPECT_EQ(ring(100, 100, 40, 50, 1200, -900), ring(100, 100, 40, 50, 300, 900));
  // Beyond a turn, either way: the whole ring, in at most 242 points.
  const std::vector<Point> big = ring(100, 100, 150, 300, 0, 3600);
  EXPECT_EQ(ring(100, 100, 150, 300, 0, 3601), big);
  EXPECT_EQ(ring(100, 100, 150, 300, 0, INT16_MAX), big);
  EXPECT_EQ(ring(100, 100, 150, 300, 368 + 0x10000 * 7, INT16_MIN), big);
  EXPECT_EQ(big.size(), 242u);
  // Without a hole it is a pie slice, the disc or a flat triangle.
  setPen("surface", 6);
  const std::string look =
      "{0x00000000, 0x00000ABC, 0x00000ABC}, {1, 0, 1, 1}, {65, 50, 135, 100}, true)";
  const struct {
    int32_t outer, start, sweep;
    Lines drawn;
  } rows[] = {
      // 45 to 135 degrees: the ends share their row, which is no full turn.
      {50, 450, 900, {"osGXpie(6, {50, 50, 149, 149}, {135, 65, 65, 65}, " + look}},
      // Beyond a whole turn backwards: the filled circle with its outline and
      // radius in no line.
      {50, 900, -7200, disc("50, 50, 149, 149", "100, 50")},
      // One tenth of a degree on a radius of 5 ends on the pixel it starts on.
      {5, 10, 1, flatTriangle("[{100, 100}, {104, 100}, {104, 100}]")},
      // On a radius of 1 every angle off the axes lands on the centre pixel.
      {1, 10, 1799, flatTriangle("[{100, 100}, {100, 100}, {100, 100}]")},
      {1, 10, 1800, disc("99, 99, 100, 100", "100, 100")},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(thickArc(100, 100, 0, row.outer, row.start, row.sweep), row.drawn)
        << row.outer << " " << row.start << " " << row.sweep;
  }
}

}  // namespace tamri_test::canvas_thick_arc
