// CgpRectangle: a filled and outlined rectangle, optionally with rounded
// corners and a fill level, resized by scale factors in hundredths.
#include "module/call_frame.h"
#include "module/module_export.h"
#include "module/native_registration.h"
#include "shapes/rectangle_record.h"
#include "shapes/rectangle_resize.h"
#include "shapes/shape_attributes.h"

namespace tamri {
namespace {

namespace g = graphic;

struct RoundedCorners {
  uint8_t rounded;
  int32_t width, height;
};

void fill(const ShapeAttributes& a, const RoundedCorners& c, int32_t colour, int8_t style) {
  const POINTRECT& r = a.bounds;
  osGXfillRectangle(r.left, r.top, r.right, r.bottom, a.lineWidth, colour, style, a.backColor,
                    c.rounded, c.width, c.height);
}

void outline(const ShapeAttributes& a, const RoundedCorners& c) {
  const POINTRECT& r = a.bounds;
  osGXdrawRectangle(r.left, r.top, r.right, r.bottom, a.lineWidth, a.lineStyle, a.lineColor,
                    a.backColor, c.rounded, c.width, c.height);
}

void draw() {
  const LocalRef self = LocalRef::argument(0);
  const int32_t surface = intArg(0);
  const uint8_t* block = self.resolve();
  if (!block) return;
  if (read(block, rectangle::width) == 0 || read(block, rectangle::height) == 0) return;
  const ShapeAttributes a = readShapeAttributes(block);
  const RoundedCorners c{readUnsigned(block, rectangle::rounded),
                         read(block, rectangle::cornerWidth), read(block, rectangle::cornerHeight)};
  const FillLevel level = readFillLevel(block, rectangle::fillLevel);
  if (!level.isOn()) {
    if (a.fillStyle > 0) fill(a, c, a.fillColor, a.fillStyle);
    if (a.lineWidth >= 1 && a.lineStyle >= 1) outline(a, c);
    return;
  }
  // With a level the outline is drawn whatever its width and style: the
  // drawing layer leaves out what it cannot draw.
  drawLevelledShape(
      surface, a.bounds, level, a.fillColor, a.fillStyle,
      [&](int32_t colour, int8_t style) { fill(a, c, colour, style); }, [&] { outline(a, c); });
}

// Where one axis of the rectangle keeps its span, anchor and size.
struct AxisFields {
  CoordField low, high, anchor, baseLow, baseHigh, baseAnchor;
  IntField size;
};
constexpr AxisFields kHorizontal{g::x1,     g::x2,          g::anchorX,      g::baseX1,
                                 g::baseX2, g::baseAnchorX, rectangle::width};
constexpr AxisFields kVertical{g::y1,     g::y2,          g::anchorY,       g::baseY1,
                               g::baseY2, g::baseAnchorY, rectangle::height};

void resizeRecordAxis(uint8_t* block, const AxisFields& f, int32_t scale, AxisAnchor anchor) {
  const AxisResize r =
      resizeAxis({read(block, f.low), read(block, f.high), read(block, f.anchor),
                  read(block, f.baseLow), read(block, f.baseHigh), read(block, f.baseAnchor)},
                 scale, anchor);
  write(block, f.size, r.size);
  if (r.spanChanged) {
    write(block, f.low, r.low);
    write(block, f.high, r.high);
  }
  if (r.anchorChanged) write(block, f.anchor, r.anchor);
}

// Scales in hundredths of the design size; anchor codes 6, 1, 2 keep the
// left edge, the centre, the right edge; 5, 4, 3 the top, centre, bottom.
// An anchor of 0 leaves its axis alone; any other code sets only the size.
void resizeRectangle() {
  const LocalRef self = LocalRef::argument(0);
  const int32_t scaleX = intArg(0);
  const int8_t anchorX = byteArg(1);
  const int32_t scaleY = intArg(2);
  const int8_t anchorY = byteArg(3);
  uint8_t* block = self.resolve();
  if (!block) return;
  if (anchorX != 0) resizeRecordAxis(block, kHorizontal, scaleX, toAxisAnchor(anchorX, 6, 1, 2));
  if (anchorY != 0) resizeRecordAxis(block, kVertical, scaleY, toAxisAnchor(anchorY, 5, 4, 3));
}

constexpr NativeMethod kNatives[] = {
    {"draw(I)V", draw},
    {"resizeRectangle(IBIB)V", resizeRectangle},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_graphics_CgpRectangle_init(void) {
  static constexpr tamri::NativeClass kClass{"gpclasses/graphics/CgpRectangle",
                                             "gpclasses.graphics.CgpRectangle",
                                             "gpClasses_Graphics_CgpRectangle", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
