// CgpPolygon: a closed shape through its corner points, filled and outlined,
// optionally with a fill level.
#include "module/call_frame.h"
#include "module/module_export.h"
#include "module/native_registration.h"
#include "module/vm_arrays.h"
#include "shapes/polygon_record.h"
#include "shapes/shape_attributes.h"

namespace tamri {
namespace {

constexpr int32_t kMinimumCorners = 3;
constexpr int8_t kSolidFill = 1;

struct Corners {
  int32_t count;
  const APOINT* points;
  bool winding;  // the fill flag
};

void fill(const Corners& p, const ShapeAttributes& a, int32_t colour, int8_t style) {
  osGXfillPolygon(p.count, p.points, colour, a.backColor, style, p.winding);
}

// A solid fill without a visible outline gets its edges drawn once in the
// fill colour, so that the right and bottom edges the fill leaves out are
// painted too.
bool edgesInFillColour(const ShapeAttributes& a) {
  return a.fillStyle == kSolidFill && (a.lineStyle == 0 || a.lineColor < 0);
}

void outline(const Corners& p, const ShapeAttributes& a) {
  if (edgesInFillColour(a)) {
    osGXdrawPolygon(p.count, p.points, 1, a.fillColor, 0, 1);
  } else {
    osGXdrawPolygon(p.count, p.points, a.lineWidth, a.lineColor, a.backColor, a.lineStyle);
  }
}

void drawPolygon() {
  const LocalRef self = LocalRef::argument(0);
  const int32_t surface = intArg(0);
  const uint8_t* block = self.resolve();
  if (!block) return;
  const IntArrayView array = intArrayOf(read(block, polygon::points));
  const Corners p{array.clampPoints(read(block, polygon::pointCount)),
                  reinterpret_cast<const APOINT*>(array.elements),
                  read(block, polygon::fillFlag) != 0};
  if (p.count < kMinimumCorners) return;
  const ShapeAttributes a = readShapeAttributes(block);
  const FillLevel level = readFillLevel(block, polygon::fillLevel);
  if (!level.isOn()) {
    if (a.fillStyle > 0) fill(p, a, a.fillColor, a.fillStyle);
    if (edgesInFillColour(a) || (a.lineStyle >= 1 && a.lineWidth >= 1)) outline(p, a);
    return;
  }
  // The bounding rectangle stands for the polygon's extent.
  drawLevelledShape(
      surface, a.bounds, level, a.fillColor, a.fillStyle,
      [&](int32_t colour, int8_t style) { fill(p, a, colour, style); }, [&] { outline(p, a); });
}

constexpr NativeMethod kNatives[] = {
    {"drawPolygon(I)V", drawPolygon},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_graphics_CgpPolygon_init(void) {
  static constexpr tamri::NativeClass kClass{"gpclasses/graphics/CgpPolygon",
                                             "gpclasses.graphics.CgpPolygon",
                                             "gpClasses_Graphics_CgpPolygon", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
