// Narrowing drawing to a rectangle for a while: the surface's clip area is
// saved first and put back afterwards, or removed when it had none.
#pragma once

#include "platform/gdi/osgx.h"

namespace tamri {

struct SavedClipArea {
  bool present = false;
  POINTRECT rect{};
};

SavedClipArea saveClipArea(int32_t surface);
// Puts the saved clip area back, or removes the clip area when there was none.
void restoreClipArea(const SavedClipArea& saved, int32_t surface);

}  // namespace tamri
