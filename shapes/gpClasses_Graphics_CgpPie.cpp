// CgpPie: a sector of an ellipse, filled and outlined by the drawing layer
// in one call, optionally with a fill level.
#include "module/call_frame.h"
#include "module/module_export.h"
#include "module/native_registration.h"
#include "shapes/pie_record.h"
#include "shapes/shape_attributes.h"

namespace tamri {
namespace {

// The pie's fourth attribute byte: the drawing layer outlines the sector
// with its two radius lines.
constexpr int8_t kWithRadiusLines = 1;

struct PieGeometry {
  POINTRECT ellipse;
  POINTLINE startEnd;
  bool boundsFlag;
};

// The sector in the given fill; a flat bounding rectangle is outlined
// instead, with square corners.
void drawPie(int32_t surface, const ShapeAttributes& a, const PieGeometry& pie, int32_t fillColour,
             int8_t fillStyle) {
  if (a.isFlat()) {
    const POINTRECT& r = a.bounds;
    osGXdrawRectangle(r.left, r.top, r.right, r.bottom, a.lineWidth, a.lineStyle, a.lineColor,
                      a.backColor, 0, 0, 0);
    return;
  }
  const PLANECOL colours{a.lineColor, a.backColor, fillColour};
  const PLANEATTRIB attributes{a.lineWidth, a.lineStyle, fillStyle, kWithRadiusLines};
  osGXpie(surface, &pie.ellipse, &pie.startEnd, &colours, &attributes, &a.bounds, pie.boundsFlag);
}

void draw() {
  const LocalRef self = LocalRef::argument(0);
  const int32_t surface = intArg(0);
  const uint8_t* block = self.resolve();
  if (!block) return;
  const ShapeAttributes a = readShapeAttributes(block);
  const PieGeometry pie{{read(block, arc::ellipseLeft), read(block, arc::ellipseTop),
                         read(block, arc::ellipseRight), read(block, arc::ellipseBottom)},
                        {read(block, arc::startX), read(block, arc::startY), read(block, arc::endX),
                         read(block, arc::endY)},
                        read(block, arc::boundsFlag) != 0};
  const FillLevel level = readFillLevel(block, pie::fillLevel);
  if (!level.isOn()) return drawPie(surface, a, pie, a.fillColor, a.fillStyle);
  // The background sector is drawn whatever its style: it carries the outline.
  drawWithFillLevel(
      surface, a.bounds, level,
      [&] { drawPie(surface, a, pie, level.backColor, static_cast<int8_t>(level.backStyle)); },
      [&] { drawPie(surface, a, pie, a.fillColor, a.fillStyle); });
}

constexpr NativeMethod kNatives[] = {
    {"draw(I)V", draw},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_graphics_CgpPie_init(void) {
  static constexpr tamri::NativeClass kClass{"gpclasses/graphics/CgpPie",
                                             "gpclasses.graphics.CgpPie",
                                             "gpClasses_Graphics_CgpPie", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
