// Host side of the drawing-layer stand-in: surfaces, the drawing target and
// PNG output. Every osGX call is also recorded as one trace line.
#pragma once

#include "osgx.h"

#include <cstdint>
#include <string>

namespace gdihost {

// Drops every surface, clip area, font and image (image handles start again
// at 1); clip-fill animation off.
GDI_API void reset();
// True when the Cairo raster backend is built in.
GDI_API bool rasterAvailable();
// A new RGB surface filled with `background` (0x00RRGGBB); returns its
// handle (1, 2, ...), or 0 when sizes are not positive or no raster exists.
GDI_API int32_t createSurface(int32_t width, int32_t height, uint32_t background);
// Drawing calls that take no surface argument draw on this surface (0: none).
GDI_API void selectTarget(int32_t surface);
GDI_API int32_t targetSurface();
GDI_API bool writePng(int32_t surface, const std::string& path);
// 0x00RRGGBB of one pixel; 0 outside the surface.
GDI_API uint32_t pixel(int32_t surface, int32_t x, int32_t y);
GDI_API bool clipFillAnimation();
// Images the layer holds: loaded or created and not yet unloaded.
GDI_API int32_t imageCount();
// Lowers the most pixels an image may have (1 to OS_GX_IMAGE_MAX_PIXELS),
// until the next reset; for hosts that want refusals or decoding cheap.
GDI_API void setImagePixelLimit(int64_t pixels);

}  // namespace gdihost
