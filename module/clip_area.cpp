#include "module/clip_area.h"

namespace tamri {

// POINTRECT is packed: its fields may sit at any address, so the layer
// writes into aligned ints first.
SavedClipArea saveClipArea(int32_t surface) {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  SavedClipArea saved;
  saved.present = osGXgetClipArea(&left, &top, &right, &bottom, surface);
  saved.rect = {left, top, right, bottom};
  return saved;
}

void restoreClipArea(const SavedClipArea& saved, int32_t surface) {
  if (saved.present) {
    const POINTRECT& r = saved.rect;
    osGXsetClipArea(r.left, r.top, r.right, r.bottom, surface);
  } else {
    osGXremoveClipArea(surface);
  }
}

}  // namespace tamri
