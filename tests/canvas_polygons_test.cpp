// Canvas polygons through the VM frame: the two point forms, the border
// rule, the in-place translation, and counts that do not fit.
#include "canvas/point_lists.h"
#include "canvas_test_support.h"

namespace tamri_test::canvas_polygons {

class CanvasPolygonsTest : public CanvasTest {};

// A fill or draw call on the points (1, 10), (2, 20), (3, 30).
std::string line(const char* kind, const std::string& tail,
                 const std::string& points = "[{1, 10}, {2, 20}, {3, 30}]") {
  return std::string("osGX") + kind + "Polygon(3, " + points + ", " + tail;
}

TEST_F(CanvasPolygonsTest, SplitFormOutlinesUseTheCanvasLineFillsNeverTestTheStyle) {
  const jword xs = makeIntArray({1, 2, 3}), ys = makeIntArray({10, 20, 30});
  call("drawPolygon([I[II)V", {3}, {xs, ys});
  // Width and style go over as their low bytes, zero-extended.
  setPen("lineWidth", 0x103);
  setPen("lineStyle", 0x1FE);
  call("drawPolygon([I[II)V", {3}, {xs, ys});
  setPen("lineWidth", -1);
  call("drawPolygon([I[II)V", {3}, {xs, ys});
  // Fills rim in the fill colour.
  setPen("fillStyle", 0x200);
  call("fillPolygon([I[II)V", {3}, {xs, ys});
  // count, color, backColor, fillStyle (byte), lineWidth (not used)
  call("fillPolygon([I[IIIIBI)V", {3, 0x55, 0x66, 0, 9}, {xs, ys});
  // count, dx, dy, color, backColor, fillStyle (byte), lineWidth
  call("fillPolygon([I[IIIIIIBI)V", {2, 100, -5, 0x55, 0x66, 0x87, 0x10003}, {xs, ys});
  EXPECT_EQ(drawn(),
            (Lines{line("draw", "2, 0x00112233, 0x00000000, 4)"),
                   line("draw", "3, 0x00112233, 0x00000000, 254)"),
                   line("draw", "255, 0x00112233, 0x00000000, 254)"),
                   line("fill", "0x00112233, 0x00445566, 0, true)"),
                   line("draw", "1, 0x00112233, 0x00112233, 1)"),
                   line("fill", "0x00000055, 0x00000066, 0, true)"),
                   line("draw", "1, 0x00000055, 0x00000055, 1)"),
                   "osGXfillPolygon(2, [{101, 5}, {102, 15}], 0x00000055, 0x00000066, -121, true)",
                   "osGXdrawPolygon(2, [{101, 5}, {102, 15}], 3, 0x00000055, 0x00000055, 1)"}));
  EXPECT_EQ(elements(xs), (std::vector<int32_t>{1, 2, 3}));  // copied, not moved
  // Border rule of the interleaved form.
  const struct {
    int32_t fillStyle, lineColor, lineWidth, lineStyle;
    const char* fill;     // after the points; none for no fill
    const char* outline;  // after the points; none for no outline
  } rows[] = {
      // Filled without a border: a one-pixel solid outline in the fill colour.
      {3, 0x77, 4, 0, "0x00000055, 0x00000066, 3, true)", "1, 0x00000055, 0x00000066, 1)"},
      {0, 0x77, 4, 0, nullptr, nullptr},
      // The replacement needs a fill style: an outline in no colour stays so.
      {0, -1, 4, 2, nullptr, "4, 0xFFFFFFFF, 0x00000066, 2)"},
      {-1, 0x77, 4, 0, nullptr, "1, 0x00000055, 0x00000066, 1)"},
      {2, INT32_MIN, 4, 5, "0x00000055, 0x00000066, 2, true)", "1, 0x00000055, 0x00000066, 1)"},
      // Black is a colour: the border keeps it.
      {1, 0, 2, 3, "0x00000055, 0x00000066, 1, true)", "2, 0x00000000, 0x00000066, 3)"},
      // A usable border keeps its own colour, and the low bytes of width and style.
      {0x101, 0x77, 300, -2, "0x00000055, 0x00000066, 1, true)",
       "44, 0x00000077, 0x00000066, 254)"},
  };
  for (const auto& r : rows) {
    host::traceClear();
    // count, fillColor, backColor, fillStyle, lineColor, lineWidth, lineStyle
    call("fillPolygonWithBorder([IIIIIIII)V",
         {3, 0x55, 0x66, r.fillStyle, r.lineColor, r.lineWidth, r.lineStyle},
         {makeIntArray({1, 10, 2, 20, 3, 30})});
    Lines expected;
    if (r.fill) expected.push_back(line("fill", r.fill));
    if (r.outline) expected.push_back(line("draw", r.outline));
    EXPECT_EQ(drawn(), expected) << r.fillStyle << " " << r.lineStyle;
  }
  // Counts are limited to the arrays and the buffer.
  host::traceClear();
  const jword shortYs = makeIntArray({10, 20});
  call("drawPolygon([I[II)V", {5}, {xs, shortYs});  // the shorter array rules
  call("drawPolygon([I[II)V", {-4}, {xs, ys});      // none, still handed on
  // Missing arrays draw nothing.
  call("drawPolygon([I[II)V", {3}, {xs, 0});
  call("fillPolygon([I[II)V", {3}, {0, ys});
  call("fillPolygon([I[IIIIBI)V", {3, 1, 2, 1, 1}, {0, 0});
  call("fillPolygon([I[IIIIIIBI)V", {3, 0, 0, 1, 2, 1, 1}, {xs, 0});
  call("fillPolygonWithBorder([IIIIIIII)V", {3, 1, 2, 1, 3, 1, 1}, {0});
  call("fillPolygonWithBorder([IIIIIIIIB)V", {3, 1, 2, 1, 3, 1, 1, 1}, {0});
  const jword odd = makeIntArray({1, 10, 2, 20, 3});
  call("fillPolygonWithBorder([IIIIIIII)V", {9, 0x55, 0x66, 0, 0x77, 1, 1}, {odd});
  EXPECT_EQ(drawn(),
            (Lines{"osGXdrawPolygon(2, [{1, 10}, {2, 20}], 255, 0x00112233, 0x00000000, 254)",
                   "osGXdrawPolygon(0, [], 255, 0x00112233, 0x00000000, 254)",
                   "osGXdrawPolygon(2, [{1, 10}, {2, 20}], 1, 0x00000077, 0x00000066, 1)"}));

  std::vector<int32_t> many(3000);
  for (int32_t i = 0; i < 3000; ++i) many[i] = i;
  const jword bigXs = makeIntArray(many), bigYs = makeIntArray(many);
  host::traceClear();
  call("fillPolygon([I[IIIIIIBI)V", {3000, 1, 2, 0x55, 0x66, 1, 1}, {bigXs, bigYs});
  std::string points = "{1, 2}";
  for (int32_t i = 2; i <= tamri::kSplitPointCapacity; ++i)
    points += ", {" + std::to_string(i) + ", " + std::to_string(i + 1) + "}";
  const std::string head = std::to_string(tamri::kSplitPointCapacity) + ", [" + points + "], ";
  EXPECT_EQ(drawn(), (Lines{"osGXfillPolygon(" + head + "0x00000055, 0x00000066, 1, true)",
                            "osGXdrawPolygon(" + head + "1, 0x00000055, 0x00000055, 1)"}));
  // Translating form moves the caller's points each time.
  host::traceClear();
  const jword moved = makeIntArray({1, 10, 2, 20, 3, 30, 4, 40});
  call("setTransform(II)V", {10, 20});
  call("fillPolygonWithBorder([IIIIIIII)V", {3, 0x55, 0x66, 1, 0x77, 1, 1}, {moved});
  EXPECT_EQ(elements(moved), (std::vector<int32_t>{1, 10, 2, 20, 3, 30, 4, 40}));
  // ..., fillFlag: the fill is by winding for 1 or more, as a signed byte.
  call("fillPolygonWithBorder([IIIIIIIIB)V", {3, 0x55, 0x66, 1, 0x77, 1, 1, 0x81}, {moved});
  call("fillPolygonWithBorder([IIIIIIIIB)V", {3, 0x55, 0x66, 1, 0x77, 1, 1, 0x101}, {moved});
  EXPECT_EQ(elements(moved), (std::vector<int32_t>{21, 50, 22, 60, 23, 70, 4, 40}));
  const std::string once = "[{11, 30}, {12, 40}, {13, 50}]",
                    twice = "[{21, 50}, {22, 60}, {23, 70}]";
  EXPECT_EQ(drawn(), (Lines{line("fill", "0x00000055, 0x00000066, 1, true)"),
                            line("draw", "1, 0x00000077, 0x00000066, 1)"),
                            line("fill", "0x00000055, 0x00000066, 1, false)", once),
                            line("draw", "1, 0x00000077, 0x00000066, 1)", once),
                            line("fill", "0x00000055, 0x00000066, 1, true)", twice),
                            line("draw", "1, 0x00000077, 0x00000066, 1)", twice)}));
}

}  // namespace tamri_test::canvas_polygons
