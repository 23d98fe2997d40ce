// What the drawing layer remembers without any raster: clip areas by surface
// handle (any int, created or not), the clip-fill animation switch, the
// drawing target and which font handles are loaded.
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

// At most this many fonts are loaded at once; further loads get no handle.
inline constexpr int32_t kMaxLoadedFonts = 1024;

// A fresh font handle: 1, 2, 3, ... since the last reset, never given twice,
// so a handle kept after its font was unloaded stays unknown. 0 when
// kMaxLoadedFonts fonts are loaded.
FONTHANDLE addFontHandle();
bool fontLoaded(FONTHANDLE font);
// False when the handle was not loaded (never made, or unloaded before).
bool removeFontHandle(FONTHANDLE font);

void resetState();

}  // namespace gdi
