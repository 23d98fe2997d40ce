// CgpBezier: a curve of cubic segments through its control points.
#include "module/module_export.h"
#include "module/native_registration.h"
#include "module/vm_arrays.h"
#include "shapes/bezier_record.h"
#include "shapes/shape_attributes.h"

namespace tamri {
namespace {

// A curve needs a whole segment: four control points.
constexpr int32_t kMinimumPoints = 4;

void draw() {
  const LocalRef self = LocalRef::argument(0);
  const uint8_t* block = self.resolve();
  if (!block) return;
  const IntArrayView points = intArrayOf(read(block, bezier::points));
  const int32_t count = points.clampPoints(read(block, bezier::pointCount));
  if (count < kMinimumPoints) return;
  const ShapeAttributes a = readShapeAttributes(block);
  osGXdrawBezierLine(count, reinterpret_cast<const APOINT*>(points.elements), a.lineWidth,
                     a.lineStyle, a.lineColor, a.backColor, readUnsigned(block, bezier::lineEnds));
}

constexpr NativeMethod kNatives[] = {
    {"draw(I)V", draw},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_graphics_CgpBezier_init(void) {
  static constexpr tamri::NativeClass kClass{"gpclasses/graphics/CgpBezier",
                                             "gpclasses.graphics.CgpBezier",
                                             "gpClasses_Graphics_CgpBezier", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
