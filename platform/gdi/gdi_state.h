// What the drawing layer remembers without any raster: clip areas by surface
// handle (any int, created or not), the clip-fill animation switch, the
// drawing target and the font handle counter.
#pragma once

#include "osgx.h"

#include <optional>

namespace gdi {

std::optional<POINTRECT> clipArea(int32_t surface);
void setClipArea(int32_t surface, const POINTRECT& area);
void removeClipArea(int32_t surface);

bool clipFillAnimation();
void setClipFillAnimation(bool on);

int32_t targetSurface();
void setTargetSurface(int32_t surface);

// 1, 2, 3, ... since the last reset.
FONTHANDLE nextFontHandle();

void resetState();

}  // namespace gdi
