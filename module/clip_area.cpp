#include "module/clip_area.h"

namespace tamri {

SavedClipArea saveClipArea(int32_t surface) {
  SavedClipArea saved;
  POINTRECT& r = saved.rect;
  saved.present = osGXgetClipArea(&r.left, &r.top, &r.right, &r.bottom, surface);
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
