// Internal: the host-side VM methods of CgpGraphics and what they share.
#pragma once

#include "vm_host.h"

#include <initializer_list>

namespace vmhost::host_methods {

inline int32_t field(jword self, const char* name) {
  return static_cast<int32_t>(getField(self, name));
}

// Whether a native of the object's class or a superclass has this name.
bool hasOwnNative(jword self, std::string_view nameSig);

// The display variants: draw(I)V, drawReverse(I)V, drawSecured(I)V,
// drawDisabled(I)V, drawBadQuality(I)V and drawBackground(I)V.
void installDisplayMethods();

}  // namespace vmhost::host_methods
