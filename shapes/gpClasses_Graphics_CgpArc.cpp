// CgpArc: part of an ellipse outline, from the radial through its start
// point to the radial through its end point.
#include "module/module_export.h"
#include "module/native_registration.h"
#include "shapes/arc_record.h"
#include "shapes/shape_attributes.h"

namespace tamri {
namespace {

void draw() {
  const LocalRef self = LocalRef::argument(0);
  const uint8_t* block = self.resolve();
  if (!block) return;
  const ShapeAttributes a = readShapeAttributes(block);
  if (a.isFlat()) return drawCornerLine(a);
  const POINTRECT ellipse{read(block, arc::ellipseLeft), read(block, arc::ellipseTop),
                          read(block, arc::ellipseRight), read(block, arc::ellipseBottom)};
  const POINTLINE startEnd{read(block, arc::startX), read(block, arc::startY),
                           read(block, arc::endX), read(block, arc::endY)};
  osGXdrawArc(&ellipse, &startEnd, a.lineColor, a.backColor, a.lineStyle, a.lineWidth, &a.bounds,
              read(block, arc::boundsFlag) != 0);
}

constexpr NativeMethod kNatives[] = {
    {"draw(I)V", draw},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_graphics_CgpArc_init(void) {
  static constexpr tamri::NativeClass kClass{"gpclasses/graphics/CgpArc",
                                             "gpclasses.graphics.CgpArc",
                                             "gpClasses_Graphics_CgpArc", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
