// A canvas native called without a canvas (a null `this`) draws with the
// empty pen: no line width, no style, no colours, surface 0.
#include "canvas_test_support.h"

namespace tamri_test::canvas_pen {

TEST_F(CanvasTest, ANullThisDrawsWithTheEmptyPen) {
  host::traceClear();
  const uint32_t corners[] = {1, 2, 3, 4};
  for (const char* nameSig : {"drawRect(IIII)V", "fillOval(IIII)V"})
    vmhost::callNative(*vmhost::findNative(kCanvas, nameSig), 0, {}, corners);
  EXPECT_EQ(drawn(), (Lines{"osGXdrawRectangle(1, 2, 3, 5, 0, 0, 0x00000000, 0x00000000, 0, 0, 0)",
                            "osGXfillEllipse(1, 2, 3, 5, 0x00000000, 0, 0x00000000)"}));
}

}  // namespace tamri_test::canvas_pen
