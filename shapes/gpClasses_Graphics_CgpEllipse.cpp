// CgpEllipse: the ellipse inscribed in the bounding rectangle, filled and
// outlined, optionally with a fill level.
#include "module/call_frame.h"
#include "module/module_export.h"
#include "module/native_registration.h"
#include "shapes/ellipse_record.h"
#include "shapes/shape_attributes.h"

namespace tamri {
namespace {

void fill(const ShapeAttributes& a, int32_t colour, int16_t style) {
  const POINTRECT& r = a.bounds;
  osGXfillEllipse(r.left, r.top, r.right, r.bottom, colour, style, a.backColor);
}

void outline(const ShapeAttributes& a) {
  const POINTRECT& r = a.bounds;
  osGXdrawEllipse(r.left, r.top, r.right, r.bottom, a.lineColor, a.lineStyle, a.lineWidth,
                  a.backColor);
}

void draw() {
  const LocalRef self = LocalRef::argument(0);
  const int32_t surface = intArg(0);
  const uint8_t* block = self.resolve();
  if (!block) return;
  const ShapeAttributes a = readShapeAttributes(block);
  const FillLevel level = readFillLevel(block, ellipse::fillLevel);
  if (!level.isOn()) {
    if (a.isFlat()) return drawCornerLine(a);
    if (a.fillStyle > 0) fill(a, a.fillColor, a.fillStyle);
    outline(a);
    return;
  }
  // A flat ellipse has no area to show a level in.
  if (a.isFlat()) return;
  drawLevelledShape(
      surface, a.bounds, level, a.fillColor, a.fillStyle,
      [&](int32_t colour, int8_t style) { fill(a, colour, style); }, [&] { outline(a); });
}

constexpr NativeMethod kNatives[] = {
    {"draw(I)V", draw},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_graphics_CgpEllipse_init(void) {
  static constexpr tamri::NativeClass kClass{"gpclasses/graphics/CgpEllipse",
                                             "gpclasses.graphics.CgpEllipse",
                                             "gpClasses_Graphics_CgpEllipse", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
