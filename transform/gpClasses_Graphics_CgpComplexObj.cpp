// CgpComplexObj: a group of graphic objects drawn, placed, resized and given
// a rotation point as one. The natives draw nothing themselves: they call
// each member's own VM methods, then let the group recompute its bounding
// rectangle from its members.
#include "module/call_frame.h"
#include "module/int_math.h"
#include "module/module_export.h"
#include "module/native_registration.h"
#include "module/vm_callback.h"
#include "transform/complex_obj_record.h"
#include "transform/group_walk.h"
#include "transform/point_transforms.h"

#include <algorithm>

namespace tamri {
namespace {

namespace g = graphic;
namespace co = complex_obj;

// Bits of stateFlags.
constexpr int32_t kReversed = 1;  // the group's: members drawn reversed
constexpr int32_t kVisible = 2 | 4;
constexpr int32_t kVisited = 8;
constexpr int32_t kDisabled = 16;
constexpr int32_t kBadQuality = 32;
constexpr int32_t kSecured = 64;

void updateBounds(const LocalRef& group) {
  callObjectMethod(vm_methods::updateBoundingRectangle, Dispatch::Virtual, group);
}

// Secured over disabled over reversed over plain.
VmMethod& displayVariant(int32_t memberFlags, int32_t groupFlags) {
  if (memberFlags & kSecured) return vm_methods::drawSecured;
  if (memberFlags & kDisabled) return vm_methods::drawDisabled;
  if (groupFlags & kReversed) return vm_methods::drawReverse;
  return vm_methods::draw;
}

void drawMember(const LocalRef& group, const LocalRef& member, int32_t surface) {
  const int32_t flags = read(member.resolve(), g::stateFlags);
  if ((flags & kVisible) == kVisible) {
    if (read(member.resolve(), g::hasBackground) != 0)
      callVoidMethod(vm_methods::drawBackground, Dispatch::Virtual, member, {surface});
    const int32_t groupFlags = read(group.resolve(), g::stateFlags);
    callVoidMethod(displayVariant(flags, groupFlags), Dispatch::Virtual, member, {surface});
    if (flags & kBadQuality)
      callVoidMethod(vm_methods::drawBadQuality, Dispatch::Virtual, member, {surface});
  }
  // Visited whether drawn or not; the callbacks may have changed the other bits.
  uint8_t* block = member.resolve();
  write(block, g::stateFlags, read(block, g::stateFlags) | kVisited);
}

void draw() {
  const LocalRef self = LocalRef::argument(0);
  const int32_t surface = intArg(0);
  const GroupWalk walk(self, draw);
  // The member is kept reachable in a slot while its methods run.
  LocalRef member = LocalRef::empty();
  walk.forEach([&](int32_t i) {
    member = walk.child(i);
    if (!member.isNull()) drawMember(self, member, surface);
  });
}

// Where a member's anchor point lies in its design rectangle: the top-left
// corner, or for anchors 1 to 4 the point on the edge or centre line that
// the anchor keeps. Returns that point's offset from the top-left corner.
struct AnchorOffset {
  int32_t dx, dy;
};
AnchorOffset anchorOffset(int8_t anchor, const PointBounds& design) {
  switch (anchor) {
    case 1:
      return {spanMidpoint(design.left, design.right) - design.left, 0};
    case 2:
      return {design.right - design.left, 0};
    case 3:
      return {0, design.bottom - design.top};
    case 4:
      return {0, spanMidpoint(design.top, design.bottom) - design.top};
    default:
      return {0, 0};
  }
}

// Moves a member so that its anchor point lands where the group's mapping
// from its design rectangle to `resized` takes it, then resizes the member.
void placeAndResizeMember(const GroupWalk& walk, int32_t index, const double* groupDesign,
                          const double* resized, int32_t scale, int8_t anchor) {
  const uint8_t* block = fieldBlockOf(walk.child(index));
  if (!block) return;
  const PointBounds design{read(block, g::baseX1), read(block, g::baseY1), read(block, g::baseX2),
                           read(block, g::baseY2)};
  const AnchorOffset offset = anchorOffset(anchor, design);
  double x = design.left + offset.dx;
  double y = design.top + offset.dy;
  mapPointBetweenRects(&x, &y, groupDesign, resized);
  const int32_t left = roundHalfUpToShort(x - offset.dx);
  const int32_t top = roundHalfUpToShort(y - offset.dy);
  // shift moves from the design position; a positive dy moves up.
  callVoidMethod(vm_methods::shift, Dispatch::Virtual, LocalRef(walk.child(index), false),
                 {cutTo16Bits(left - design.left), cutTo16Bits(design.top - top)});
  const LocalRef member(walk.child(index), false);
  if (!member.isNull())
    callVoidMethod(vm_methods::resize, Dispatch::Virtual, member, {scale, anchor});
}

void resize() {
  const LocalRef self = LocalRef::argument(0);
  const int32_t scale = intArg(0);
  const int8_t anchor = byteArg(1);
  const GroupWalk walk(self, resize);
  if (!walk.entered()) return;
  const uint8_t* block = self.resolve();
  const PointBounds design{read(block, g::baseX1), read(block, g::baseY1), read(block, g::baseX2),
                           read(block, g::baseY2)};
  PointBounds r{read(block, g::x1), read(block, g::y1), read(block, g::x2), read(block, g::y2)};
  resizeRectByScale(&r.left, &r.top, &r.right, &r.bottom, design.left, design.top, design.right,
                    design.bottom, scale, static_cast<uint8_t>(anchor));
  const double groupDesign[] = {double(design.left), double(design.top), double(design.right),
                                double(design.bottom)};
  const double resized[] = {double(r.left), double(r.top), double(r.right), double(r.bottom)};
  walk.forEach(
      [&](int32_t i) { placeAndResizeMember(walk, i, groupDesign, resized, scale, anchor); });
  updateBounds(self);
}

// Every member keeps its offset from the group's top-left corner.
void setPosition() {
  const LocalRef self = LocalRef::argument(0);
  const int32_t x = intArg(0);
  const int32_t y = intArg(1);
  const GroupWalk walk(self, setPosition);
  if (!walk.entered()) return;
  walk.forEach([&](int32_t i) {
    const LocalRef member(walk.child(i), false);
    const uint8_t* m = member.resolve();
    if (!m) return;
    const uint8_t* group = self.resolve();
    callVoidMethod(vm_methods::setPosition, Dispatch::Virtual, member,
                   {cutTo16Bits(x - read(group, g::x1) + read(m, g::x1)),
                    cutTo16Bits(y - read(group, g::y1) + read(m, g::y1))});
  });
  updateBounds(self);
}

int32_t centreX(const uint8_t* block) {
  return spanMidpoint(read(block, g::x1), read(block, g::x2));
}
int32_t centreY(const uint8_t* block) {
  return spanMidpoint(read(block, g::y1), read(block, g::y2));
}

// The point is given relative to the group's centre; each member gets the
// same point relative to its own centre.
void setRotationPoint() {
  const LocalRef self = LocalRef::argument(0);
  const int32_t x = intArg(0);
  const int32_t y = intArg(1);
  uint8_t* block = self.resolve();
  if (!block) return;
  write(block, co::rotationPointX, x);
  write(block, co::rotationPointY, y);
  const int32_t groupX = centreX(block), groupY = centreY(block);
  const GroupWalk walk(self, setRotationPoint);
  walk.forEach([&](int32_t i) {
    const LocalRef member(walk.child(i), false);
    if (const uint8_t* m = member.resolve())
      callVoidMethod(vm_methods::setRotationPoint, Dispatch::Virtual, member,
                     {groupX - centreX(m) + x, groupY - centreY(m) + y});
  });
}

// The members turn by their own methods; the group only takes their new extent.
void rotatePoints() {
  const LocalRef self = LocalRef::argument(0);
  if (childrenOf(self.resolve()).elements) updateBounds(self);
}

// The union of the members' rectangles and the widest member line, taken
// over every member in full width and stored once, so that a member beyond
// the 16-bit range gives the same rectangle wherever it stands in the group.
void updateBoundingRectangle() {
  const LocalRef self = LocalRef::argument(0);
  uint8_t* block = self.resolve();
  if (childrenOf(block).elements) {
    int32_t x1 = INT16_MAX, y1 = INT16_MAX, x2 = -1, y2 = -1;
    int8_t lineWidth = 0;
    for (int32_t i = 0; i < childrenOf(block).length; ++i) {
      const uint8_t* m = fieldBlockOf(childrenOf(block).at(i));
      // A group held by itself adds nothing of its own old rectangle.
      if (!m || m == block) continue;
      x1 = std::min(x1, read(m, g::x1));
      y1 = std::min(y1, read(m, g::y1));
      x2 = std::max(x2, read(m, g::x2));
      y2 = std::max(y2, read(m, g::y2));
      lineWidth = std::max(lineWidth, read(m, g::lineWidth));
    }
    write(block, g::x1, x1);
    write(block, g::y1, y1);
    write(block, g::x2, x2);
    write(block, g::y2, y2);
    write(block, g::lineWidth, lineWidth);
  }
  returnObject(self);
}

constexpr NativeMethod kNatives[] = {
    {"draw(I)V", draw},
    {"resize(IB)V", resize},
    {"setPosition(II)V", setPosition},
    {"setRotationPoint(II)V", setRotationPoint},
    {"rotatePoints(I)V", rotatePoints},
    {"updateBoundingRectangle()Lgpclasses/baseclasses/CgpGraphics;", updateBoundingRectangle},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_graphics_CgpComplexObj_init(void) {
  static constexpr tamri::NativeClass kClass{"gpclasses/graphics/CgpComplexObj",
                                             "gpclasses.graphics.CgpComplexObj",
                                             "gpClasses_Graphics_CgpComplexObj", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
