// CgpPolyLine: an open line through up to 255 points that is drawn, placed,
// moved, rotated and resized. The drawn points are derived from the core
// points (design size and position); after each change the VM side
// recomputes the bounding rectangle through updateCorePts()V.
#include "module/call_frame.h"
#include "module/module_export.h"
#include "module/native_registration.h"
#include "module/vm_arrays.h"
#include "module/vm_callback.h"
#include "platform/gdi/osgx.h"
#include "transform/point_transforms.h"
#include "transform/polyline_record.h"

#include <algorithm>

namespace tamri {
namespace {

namespace g = graphic;
namespace pl = polyline;

// Points the transforms may touch: the low byte of the count, limited to
// what both arrays hold.
uint8_t transformCount(const uint8_t* self, const IntArrayView& a, const IntArrayView& b) {
  const int32_t lowByte = read(self, pl::pointCount) & 0xFF;
  return static_cast<uint8_t>(std::min({lowByte, a.pointCapacity(), b.pointCapacity()}));
}

void updateCorePoints(const LocalRef& self) {
  callVoidMethod(vm_methods::updateCorePts, Dispatch::Virtual, self);
}

// Merges the rectangle covering one end segment into the bounding rectangle.
void widenForSegment(uint8_t* self, const int32_t* from, const int32_t* to) {
  POINTRECT cover{};
  osGXgetLineBoundingRect({from[0], from[1]}, {to[0], to[1]}, read(self, g::lineWidth), &cover);
  write(self, g::x1, std::min(read(self, g::x1), cover.left));
  write(self, g::y1, std::min(read(self, g::y1), cover.top));
  write(self, g::x2, std::max(read(self, g::x2), cover.right));
  write(self, g::y2, std::max(read(self, g::y2), cover.bottom));
}

void draw() {
  const LocalRef self = LocalRef::argument(0);
  const uint8_t* block = self.resolve();
  const int32_t colour = read(block, g::lineColor);
  const int32_t width = read(block, g::lineWidth);
  const int32_t count = read(block, pl::pointCount);
  if (count == 1) {
    const int32_t left = read(block, g::x1) - width / 2;
    const int32_t top = read(block, g::y1) - width / 2;
    osGXfillRectangle(left, top, left + width - 1, top + width - 1, 0, colour, 1, 0, 0, 0, 0);
    return;
  }
  const IntArrayView points = intArrayOf(read(block, pl::points));
  const int32_t drawable = points.clampPoints(count);
  const auto style = static_cast<int16_t>(read(block, g::lineStyle));
  const int32_t back = read(block, g::backColor);
  const uint8_t ends = readUnsigned(block, pl::lineEnds);
  if (drawable == 2) {
    const int32_t* p = points.elements;
    osGXdrawLine(p[0], p[1], p[2], p[3], static_cast<int16_t>(width), style, colour, back, ends);
  } else if (drawable >= 3) {
    osGXdrawPolyline(drawable, reinterpret_cast<const APOINT*>(points.elements),
                     static_cast<int16_t>(width), style, colour, back, ends);
  }
}

void updateCorePts() {
  const LocalRef self = LocalRef::argument(0);
  uint8_t* block = self.resolve();
  const IntArrayView points = intArrayOf(read(block, pl::points));
  if (points.pointCapacity() < 1) return;
  const int32_t* p = points.elements;
  const int32_t count = points.clampPoints(read(block, pl::pointCount));
  const PointBounds bounds = pointSetBounds(p, count);
  write(block, g::x1, bounds.left);
  write(block, g::y1, bounds.top);
  write(block, g::x2, bounds.right);
  write(block, g::y2, bounds.bottom);

  if (count >= 2) {
    const uint8_t ends = readUnsigned(block, pl::lineEnds);
    if (ends == 2 || ends == 3) widenForSegment(block, p + 2, p);
    if (ends == 1 || ends == 3) widenForSegment(block, p + 2 * (count - 2), p + 2 * (count - 1));
  }
  if (read(block, g::lineWidth) > 4) {
    write(block, g::x1, read(block, g::x1) - 1);
    write(block, g::y1, read(block, g::y1) - 1);
    write(block, g::x2, read(block, g::x2) + 1);
    write(block, g::y2, read(block, g::y2) + 1);
  }
}

void setPosition() {
  const LocalRef self = LocalRef::argument(0);
  const int32_t x = intArg(0);
  const int32_t y = intArg(1);
  callVoidMethod(vm_methods::setPosition, Dispatch::Direct, self, {x, y});

  uint8_t* block = self.resolve();
  IntArrayView points = intArrayOf(read(block, pl::points));
  IntArrayView core = intArrayOf(read(block, pl::corePoints));
  if (!points.elements || !core.elements) return;

  const int32_t dx = x - read(block, g::baseX1);
  const int32_t dy = y - read(block, g::baseY1);
  const int32_t count =
      std::min(points.clampPoints(read(block, pl::pointCount)), core.pointCapacity());
  translatePointSet(count, dx, dy, core.elements, points.elements);
  write(block, g::rotCenterX, read(block, g::baseRotCenterX) + dx);
  write(block, g::rotCenterY, read(block, g::baseRotCenterY) + dy);
  updateCorePoints(self);

  block = self.resolve();
  write(block, g::anchorX, read(block, g::baseAnchorX) + dx);
  write(block, g::anchorY, read(block, g::baseAnchorY) + dy);
  if (read(block, g::rotated) == 0) return;

  // The callback may have replaced the arrays: look them up again.
  points = intArrayOf(read(block, pl::points));
  core = intArrayOf(read(block, pl::corePoints));
  if (!points.elements || !core.elements) return;
  // The placed points turn about the placed rotation centre: turning them
  // about the design-position centre would carry the whole placement offset
  // round with them and land the line away from where it was put.
  int32_t anchorX = read(block, g::anchorX), anchorY = read(block, g::anchorY);
  const int32_t centreX = read(block, g::rotCenterX), centreY = read(block, g::rotCenterY);
  rotatePointSet(read(block, g::rotationAngle), transformCount(block, points, points), centreX,
                 centreY, centreX, centreY, points.pointData(), points.pointData(), &anchorX,
                 &anchorY);
  write(block, g::anchorX, anchorX);
  write(block, g::anchorY, anchorY);
  updateCorePoints(self);
}

void rotatePoints() {
  const LocalRef self = LocalRef::argument(0);
  const int32_t angle = intArg(0);
  uint8_t* block = self.resolve();
  const IntArrayView points = intArrayOf(read(block, pl::points));
  if (!points.elements) return;
  int32_t anchorX = read(block, g::anchorX), anchorY = read(block, g::anchorY);
  const int32_t centreX = read(block, g::rotCenterX), centreY = read(block, g::rotCenterY);
  rotatePointSet(angle, transformCount(block, points, points), centreX, centreY, centreX, centreY,
                 points.pointData(), points.pointData(), &anchorX, &anchorY);
  write(block, g::anchorX, anchorX);
  write(block, g::anchorY, anchorY);
  updateCorePoints(self);
}

void resizePoints() {
  const LocalRef self = LocalRef::argument(0);
  const auto scaleX = static_cast<int16_t>(intArg(0));
  const uint8_t anchorCodeX = unsignedByteArg(1);
  const auto scaleY = static_cast<int16_t>(intArg(2));
  const uint8_t anchorCodeY = unsignedByteArg(3);
  uint8_t* block = self.resolve();
  const IntArrayView points = intArrayOf(read(block, pl::points));
  const IntArrayView core = intArrayOf(read(block, pl::corePoints));
  if (!points.elements || !core.elements) return;
  int32_t anchorX = read(block, g::anchorX), anchorY = read(block, g::anchorY);
  const ResizeExtent newExtent{read(block, g::x1), read(block, g::x2), read(block, g::y1),
                               read(block, g::y2)};
  const ResizeExtent oldExtent{read(block, g::baseX1), read(block, g::baseX2),
                               read(block, g::baseY1), read(block, g::baseY2)};
  resizePointSet(transformCount(block, points, core), core.pointData(), points.pointData(),
                 read(block, g::baseAnchorX), read(block, g::baseAnchorY), &anchorX, &anchorY,
                 anchorCodeX, anchorCodeY, scaleX, scaleY, newExtent, oldExtent);
  write(block, g::anchorX, anchorX);
  write(block, g::anchorY, anchorY);
  updateCorePoints(self);
}

void movePoints() {
  const LocalRef self = LocalRef::argument(0);
  const int32_t dx = intArg(0);
  const int32_t dy = intArg(1);
  uint8_t* block = self.resolve();
  const IntArrayView points = intArrayOf(read(block, pl::points));
  const IntArrayView core = intArrayOf(read(block, pl::corePoints));
  if (!points.elements || !core.elements) return;
  int32_t rotCenterX, rotCenterY, anchorX, anchorY;
  movePointSet(transformCount(block, points, core), dx, dy, read(block, g::baseRotCenterX),
               read(block, g::baseRotCenterY), &rotCenterX, &rotCenterY, core.pointData(),
               points.pointData(), read(block, g::baseAnchorX), read(block, g::baseAnchorY),
               &anchorX, &anchorY);
  write(block, g::rotCenterX, rotCenterX);
  write(block, g::rotCenterY, rotCenterY);
  write(block, g::anchorX, anchorX);
  write(block, g::anchorY, anchorY);
  updateCorePoints(self);
}

constexpr NativeMethod kNatives[] = {
    {"draw(I)V", draw},
    {"updateCorePts()V", updateCorePts},
    {"setPosition(II)V", setPosition},
    {"rotatePoints(I)V", rotatePoints},
    {"resizePoints(IBIB)V", resizePoints},
    {"movePoints(II)V", movePoints},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_graphics_CgpPolyLine_init(void) {
  static constexpr tamri::NativeClass kClass{"gpclasses/graphics/CgpPolyLine",
                                             "gpclasses.graphics.CgpPolyLine",
                                             "gpClasses_Graphics_CgpPolyLine", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
