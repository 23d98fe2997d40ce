// The VM methods of the panel's graphic classes that natives call back,
// doing what the VM-side classes do: place, move, scale, set the rotation
// centre, and forward drawing to the object's own draw native.
#include "vm_host.h"

#include <array>

namespace vmhost {
namespace {

constexpr const char* kGraphics = "gpclasses/baseclasses/CgpGraphics";

int32_t field(jword self, const char* name) { return static_cast<int32_t>(getField(self, name)); }

void addToFields(jword self, std::initializer_list<const char*> names, int32_t delta) {
  for (const char* name : names) setField(self, name, field(self, name) + delta);
}

// Moves the bounding rectangle, the anchor and the rotation centre.
void moveRecord(jword self, int32_t dx, int32_t dy) {
  addToFields(self, {"x1", "x2", "anchorX", "rotCenterX"}, dx);
  addToFields(self, {"y1", "y2", "anchorY", "rotCenterY"}, dy);
}

jword drawWithOwnNative(jword self, std::span<const uint32_t> scalars) {
  const uint32_t surface = scalars.empty() ? 0 : scalars[0];
  const std::array<uint32_t, 1> one{surface};
  const std::array<uint32_t, 2> two{surface, 0};
  if (!callOwnNative(self, "draw(I)V", one) && !callOwnNative(self, "drawPolygon(I)V", one))
    callOwnNative(self, "draw(II)V", two);
  return 0;
}

jword drawBackground(jword, std::span<const uint32_t>) { return 0; }

// setPosition(II)V: the bounding rectangle's top-left corner goes to (x, y).
jword setPosition(jword self, std::span<const uint32_t> scalars) {
  const auto x = static_cast<int32_t>(scalars[0]);
  const auto y = static_cast<int32_t>(scalars[1]);
  moveRecord(self, x - field(self, "x1"), y - field(self, "y1"));
  return 0;
}

// shift(II)V: moves by (dx, dy) with dy upwards, then lets a point-based
// object derive its points from the design position.
jword shift(jword self, std::span<const uint32_t> scalars) {
  const auto dx = static_cast<int32_t>(scalars[0]);
  const auto dy = static_cast<int32_t>(scalars[1]);
  moveRecord(self, dx, -dy);
  const std::array<uint32_t, 2> fromDesign{
      static_cast<uint32_t>(field(self, "x1") - field(self, "baseX1")),
      static_cast<uint32_t>(field(self, "baseY1") - field(self, "y1"))};
  callOwnNative(self, "movePoints(II)V", fromDesign);
  return 0;
}

jword setRotationPoint(jword self, std::span<const uint32_t> scalars) {
  const auto x = static_cast<int32_t>(scalars[0]);
  const auto y = static_cast<int32_t>(scalars[1]);
  setField(self, "rotCenterX", x);
  setField(self, "rotCenterY", y);
  setField(self, "baseRotCenterX", x - (field(self, "x1") - field(self, "baseX1")));
  setField(self, "baseRotCenterY", y - (field(self, "y1") - field(self, "baseY1")));
  return 0;
}

// resize(IB)V: scales the design rectangle by a factor in hundredths about
// the anchor edge or centre, then lets the object rebuild its geometry.
jword resize(jword self, std::span<const uint32_t> scalars) {
  const auto scale = static_cast<int32_t>(scalars[0]);
  const auto anchor = static_cast<uint8_t>(scalars[1]);
  const int32_t left = field(self, "x1"), top = field(self, "y1");
  const int32_t right = field(self, "x2"), bottom = field(self, "y2");
  const int64_t w = int64_t{field(self, "baseX2") - field(self, "baseX1") + 1} * scale / 100;
  const int64_t h = int64_t{field(self, "baseY2") - field(self, "baseY1") + 1} * scale / 100;
  const int32_t cx = left + (right - left) / 2, cy = top + (bottom - top) / 2;
  switch (anchor) {
    case 1:
      setField(self, "x1", cx - w / 2);
      setField(self, "x2", cx + w / 2);
      setField(self, "anchorX", cx);
      break;
    case 2:
      setField(self, "x1", right - w);
      break;
    case 3:
      setField(self, "y1", bottom - h);
      break;
    case 4:
      setField(self, "y1", cy - h / 2);
      setField(self, "y2", cy + h / 2);
      setField(self, "anchorY", cy);
      break;
    case 5:
      setField(self, "y2", top + h);
      break;
    case 6:
      setField(self, "x2", left + w);
      break;
    default:
      return 0;
  }
  const std::array<uint32_t, 4> both{static_cast<uint32_t>(scale), anchor,
                                     static_cast<uint32_t>(scale), anchor};
  if (!callOwnNative(self, "resizePoints(IBIB)V", both))
    callOwnNative(self, "resizeRectangle(IBIB)V", both);
  return 0;
}

jword noEffect(jword, std::span<const uint32_t>) { return 0; }

}  // namespace

void installDefaultHostMethods() {
  for (const char* variant :
       {"draw(I)V", "drawReverse(I)V", "drawSecured(I)V", "drawDisabled(I)V", "drawBadQuality(I)V"})
    setHostMethod(kGraphics, variant, drawWithOwnNative);
  setHostMethod(kGraphics, "drawBackground(I)V", drawBackground);
  setHostMethod(kGraphics, "setPosition(II)V", setPosition);
  setHostMethod(kGraphics, "shift(II)V", shift);
  setHostMethod(kGraphics, "setRotationPoint(II)V", setRotationPoint);
  setHostMethod(kGraphics, "resize(IB)V", resize);
  setHostMethod("gpclasses/baseclasses/CgpLanguageMgr", "addSystemLanguageFromNative(I)V",
                noEffect);
}

}  // namespace vmhost
