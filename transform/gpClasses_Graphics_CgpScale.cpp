// CgpScale: a row or ring of evenly spaced tick lines in the scale's line
// colour, width and style. No labels, no fill.
#include "module/call_frame.h"
#include "module/module_export.h"
#include "module/native_registration.h"
#include "transform/scale_record.h"
#include "transform/scale_ticks.h"

namespace tamri {
namespace {

namespace g = graphic;

// The surface argument is not needed: ticks are plain lines.
void draw() {
  const uint8_t* block = LocalRef::argument(0).resolve();
  if (!block) return;
  const int32_t divisions = read(block, scale::divisions);
  if (divisions <= 0) return;
  const TickPen pen{read(block, g::lineWidth), read(block, g::lineStyle), read(block, g::lineColor),
                    read(block, g::backColor)};
  const int32_t x1 = read(block, g::x1), y1 = read(block, g::y1);
  const int32_t x2 = read(block, g::x2), y2 = read(block, g::y2);
  if (read(block, scale::circular) != 0) {
    arcScaleTicks(read(block, scale::startAngle), read(block, scale::endAngle),
                  read(block, scale::innerRadius), read(block, scale::outerRadius),
                  (x2 - x1) / 2 + x1, (y2 - y1) / 2 + y1, pen, divisions);
    return;
  }
  linearScaleTicks(x1, y1, x2, y2, pen, divisions, read(block, scale::step),
                   read(block, scale::vertical) != 0 ? 1 : 0);
}

constexpr NativeMethod kNatives[] = {
    {"draw(I)V", draw},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_graphics_CgpScale_init(void) {
  static constexpr tamri::NativeClass kClass{"gpclasses/graphics/CgpScale",
                                             "gpclasses.graphics.CgpScale",
                                             "gpClasses_Graphics_CgpScale", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
