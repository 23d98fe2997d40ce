// A string longer than 16 bits can count goes over whole, in place, with its
// whole length and width: kept here, as its trace lines are 100,000
// characters long (the other string cases: tests/scenes/canvas_strings.json).
#include "canvas_test_support.h"

namespace tamri_test::canvas_strings {

TEST_F(CanvasTest, ALongStringGoesOverWholeWithItsWholeLengthAndWidth) {
  const jword font =
      makeObject("gpclasses/graphics/CgpFont",
                 {{"fontName", vmhost::newString(u"DejaVu Sans")}, {"fontParam1", 16}});
  ASSERT_EQ(callOn(font, "createFont()I").value, 1u);
  for (const auto& [field, value] : {std::pair{"font", 1}, {"textAttribute", 6}, {"surface", 3}})
    setPen(field, value);
  const std::string x(100000, 'x');
  const jword text = vmhost::newStringUtf8(x.c_str());
  // 100,000 glyphs of 9 pixels each and a rectangle as wide, standing on y 30.
  EXPECT_EQ(drawnBy("drawString(Ljava/lang/String;II)V", {0, 30}, {text}),
            (Lines{"osGXgetTextMetrics(1, \"" + x + "\", 100000) -> {900000, 19, 15}",
                   "osGXtext(3, {0, 11, 900000, 30}, {0x00112233, 0x80000000, "
                   "0x00000000}, {0, [0, 0, 1, 1, 1, 6, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "
                   "0, 0, 0]}, 1, \"" +
                       x + "\", 100000, false)"}));
}

}  // namespace tamri_test::canvas_strings
