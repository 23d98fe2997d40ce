// The VM methods of the panel's graphic classes that natives call back,
// doing what the VM-side classes do: place, move, scale and set the rotation
// centre. Objects whose geometry lies in fields no native keeps (an arc's
// ellipse, a polygon's points) have it moved and scaled here; point sets
// with natives of their own (the polyline) are left to those natives, and a
// group moves through its own setPosition native.
#include "host_methods.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vmhost {
namespace host_methods {

bool hasOwnNative(jword self, std::string_view nameSig) {
  for (const ClassDef* c = classOf(self); c;
       c = c->superPath ? classByPath(c->superPath) : nullptr) {
    if (findNative(c->path, nameSig)) return true;
  }
  return false;
}

}  // namespace host_methods

namespace {

using host_methods::field;
using host_methods::hasOwnNative;

constexpr const char* kGraphics = "gpclasses/baseclasses/CgpGraphics";
constexpr const char* kComplexObj = "gpclasses/graphics/CgpComplexObj";

struct Span {
  int32_t low, high;
};

// Maps a coordinate from one span onto another, keeping its share of it.
// A span of one pixel only moves.
int32_t mapped(int32_t value, Span from, Span to) {
  const int64_t fromSize = int64_t{from.high} - from.low;
  const int64_t offset = int64_t{value} - from.low;
  if (fromSize == 0) return static_cast<int32_t>(to.low + offset);
  return static_cast<int32_t>(to.low + offset * (int64_t{to.high} - to.low) / fromSize);
}

bool hasField(jword self, const char* name) {
  const ClassDef* cls = classOf(self);
  return cls && findField(*cls, name);
}

// The points of a polygon or Bezier curve: point sets without natives of
// their own to move them. Calls `change(x, y)` on every whole point.
template <typename Change>
void changeLoosePoints(jword self, Change&& change) {
  if (!hasField(self, "points") || hasOwnNative(self, "movePoints(II)V")) return;
  const auto array = static_cast<jword>(getField(self, "points"));
  uint8_t* block = fieldBlock(array);
  if (kindOf(array) != "[I" || !block) return;
  std::vector<int32_t> points = intArray(array);
  for (size_t i = 0; i + 1 < points.size(); i += 2) change(points[i], points[i + 1]);
  if (!points.empty()) std::memcpy(block + 4, points.data(), points.size() * 4);
}

constexpr const char* kXFields[] = {"x1", "x2", "anchorX", "rotCenterX"};
constexpr const char* kYFields[] = {"y1", "y2", "anchorY", "rotCenterY"};
constexpr const char* kArcXFields[] = {"arcX1", "arcX2", "startX", "endX"};
constexpr const char* kArcYFields[] = {"arcY1", "arcY2", "startY", "endY"};

template <typename Change>
void changeFields(jword self, std::span<const char* const> names, Change&& change) {
  for (const char* name : names) setField(self, name, change(field(self, name)));
}

// Applies one change of x and one of y to every coordinate the object keeps.
template <typename ChangeX, typename ChangeY>
void changeGeometry(jword self, ChangeX&& changeX, ChangeY&& changeY) {
  changeFields(self, kXFields, changeX);
  changeFields(self, kYFields, changeY);
  if (hasField(self, "arcX1")) {
    changeFields(self, kArcXFields, changeX);
    changeFields(self, kArcYFields, changeY);
  }
  changeLoosePoints(self, [&](int32_t& x, int32_t& y) {
    x = changeX(x);
    y = changeY(y);
  });
}

void moveGeometry(jword self, int32_t dx, int32_t dy) {
  changeGeometry(
      self, [dx](int32_t x) { return x + dx; }, [dy](int32_t y) { return y + dy; });
}

// setPosition(II)V: the bounding rectangle's top-left corner goes to (x, y).
jword setPosition(jword self, std::span<const uint32_t> scalars) {
  const auto x = static_cast<int32_t>(scalars[0]);
  const auto y = static_cast<int32_t>(scalars[1]);
  moveGeometry(self, x - field(self, "x1"), y - field(self, "y1"));
  return 0;
}

// shift(II)V: places the object (dx, dy) away from its design position, dy
// upwards, keeping its current size; then lets a point-based object derive
// its points from the design position. A group places its members.
jword shift(jword self, std::span<const uint32_t> scalars) {
  const auto dx = static_cast<int32_t>(scalars[0]);
  const auto dy = static_cast<int32_t>(scalars[1]);
  const int32_t x = field(self, "baseX1") + dx, y = field(self, "baseY1") - dy;
  const ClassDef* cls = classOf(self);
  if (cls && isSubclassOf(*cls, kComplexObj)) {
    const std::array<uint32_t, 2> position{static_cast<uint32_t>(x), static_cast<uint32_t>(y)};
    callOwnNative(self, "setPosition(II)V", position);
    return 0;
  }
  moveGeometry(self, x - field(self, "x1"), y - field(self, "y1"));
  const std::array<uint32_t, 2> fromDesign{static_cast<uint32_t>(dx), static_cast<uint32_t>(dy)};
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

// The span `size` pixels long that keeps the anchor's edge or centre of `now`.
Span resizedSpan(Span now, int64_t size, bool keepLow, bool keepCentre) {
  const int32_t pixels = static_cast<int32_t>(std::max<int64_t>(size, 1));
  if (keepLow) return {now.low, now.low + pixels - 1};
  if (keepCentre) {
    const int32_t middle = now.low + (now.high - now.low) / 2;
    return {middle - (pixels - 1) / 2, middle - (pixels - 1) / 2 + pixels - 1};
  }
  return {now.high - pixels + 1, now.high};
}

// resize(IB)V: scales the design rectangle by a factor in hundredths about
// the anchor's edge or centre of the current rectangle (at least one pixel
// each way), carries the object's geometry along, then lets the object
// rebuild its own with its resize native, the factor and anchor for both axes.
jword resize(jword self, std::span<const uint32_t> scalars) {
  const auto scale = static_cast<int32_t>(scalars[0]);
  const auto anchor = static_cast<uint8_t>(scalars[1]);
  const Span oldX{field(self, "x1"), field(self, "x2")};
  const Span oldY{field(self, "y1"), field(self, "y2")};
  const int64_t w = int64_t{field(self, "baseX2") - field(self, "baseX1") + 1} * scale / 100;
  const int64_t h = int64_t{field(self, "baseY2") - field(self, "baseY1") + 1} * scale / 100;
  Span newX = oldX, newY = oldY;
  switch (anchor) {
    case 1:
    case 2:
    case 6:
      newX = resizedSpan(oldX, w, anchor == 6, anchor == 1);
      break;
    case 3:
    case 4:
    case 5:
      newY = resizedSpan(oldY, h, anchor == 5, anchor == 4);
      break;
    default:
      return 0;
  }
  changeGeometry(
      self, [&](int32_t x) { return mapped(x, oldX, newX); },
      [&](int32_t y) { return mapped(y, oldY, newY); });
  const std::array<uint32_t, 4> both{static_cast<uint32_t>(scale), anchor,
                                     static_cast<uint32_t>(scale), anchor};
  if (!callOwnNative(self, "resizePoints(IBIB)V", both))
    callOwnNative(self, "resizeRectangle(IBIB)V", both);
  return 0;
}

jword noEffect(jword, std::span<const uint32_t>) { return 0; }

}  // namespace

void installDefaultHostMethods() {
  host_methods::installDisplayMethods();
  setHostMethod(kGraphics, "setPosition(II)V", setPosition);
  setHostMethod(kGraphics, "shift(II)V", shift);
  setHostMethod(kGraphics, "setRotationPoint(II)V", setRotationPoint);
  setHostMethod(kGraphics, "resize(IB)V", resize);
  setHostMethod("gpclasses/baseclasses/CgpLanguageMgr", "addSystemLanguageFromNative(I)V",
                noEffect);
}

}  // namespace vmhost
