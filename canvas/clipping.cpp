#include "canvas/clipping.h"

#include "canvas/area_record.h"
#include "canvas/canvas_record.h"
#include "module/clip_area.h"

#include <optional>

namespace tamri {
namespace {

std::optional<int32_t> thisCanvasSurface() {
  const uint8_t* block = LocalRef::argument(0).resolve();
  if (!block) return std::nullopt;
  return read(block, canvas::surface);
}

// Only an edge strictly inside the old span moves.
void narrowSpan(int32_t& low, int32_t& high, int32_t newLow, int32_t newHigh) {
  const int32_t oldLow = low, oldHigh = high;
  if (oldLow < newLow && newLow < oldHigh) low = newLow;
  if (oldLow < newHigh && newHigh < oldHigh) high = newHigh;
}

void storeInto(uint8_t* areaBlock, const POINTRECT& r) {
  write(areaBlock, area::x1, r.left);
  write(areaBlock, area::y1, r.top);
  write(areaBlock, area::x2, r.right);
  write(areaBlock, area::y2, r.bottom);
}

}  // namespace

void setCanvasClip(const PlacedSize& rect) {
  const std::optional<int32_t> surface = thisCanvasSurface();
  if (!surface) return;
  const BoxCorners c = cornersOf(rect);
  osGXsetClipArea(c.left, c.top, c.right, c.bottom, *surface);
}

void narrowCanvasClip(const PlacedSize& rect) {
  const std::optional<int32_t> surface = thisCanvasSurface();
  if (!surface) return;
  const BoxCorners c = cornersOf(rect);
  const SavedClipArea clip = saveClipArea(*surface);
  if (!clip.present) {
    osGXsetClipArea(c.left, c.top, c.right, c.bottom, *surface);
    return;
  }
  BoxCorners r{clip.rect.left, clip.rect.top, clip.rect.right, clip.rect.bottom};
  const bool overlap =
      r.right >= c.left && r.left <= c.right && r.bottom >= c.top && r.top <= c.bottom;
  if (!overlap) {
    osGXsetClipArea(0, 0, 0, 0, *surface);
    return;
  }
  narrowSpan(r.left, r.right, c.left, c.right);
  narrowSpan(r.top, r.bottom, c.top, c.bottom);
  osGXsetClipArea(r.left, r.top, r.right, r.bottom, *surface);
}

void returnCanvasClipBounds() {
  const std::optional<int32_t> surface = thisCanvasSurface();
  const SavedClipArea clip = surface ? saveClipArea(*surface) : SavedClipArea{};
  // The area is only made when there is a clip area to hold: a panel asking
  // every frame without one leaves the VM no garbage.
  IvmClass* areaClass = clip.present ? findClass(c2jString(area::kClassPath)) : nullptr;
  const LocalRef area(areaClass ? newObject(areaClass) : 0, true);
  uint8_t* block = area.resolve();
  if (!block) {
    returnReference(0);
    return;
  }
  storeInto(block, clip.rect);
  returnObject(area);
}

void returnCanvasClipBoundsInto() {
  const std::optional<int32_t> surface = thisCanvasSurface();
  uint8_t* block = LocalRef::argument(1).resolve();
  const SavedClipArea clip = surface && block ? saveClipArea(*surface) : SavedClipArea{};
  if (clip.present) storeInto(block, clip.rect);
  returnBool(clip.present);
}

void removeCanvasClip() {
  if (const std::optional<int32_t> surface = thisCanvasSurface()) osGXremoveClipArea(*surface);
}

}  // namespace tamri
