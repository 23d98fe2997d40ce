// Host side of the drawing-layer stand-in: surfaces, the drawing target and
// PNG output. Every osGX call is also recorded as one trace line.
#pragma once

#include "osgx.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

// Fonts come only from these files from now on (reset keeps the choice); an
// empty list goes back to the system's fonts. Without the raster: nothing.
GDI_API void useFontFiles(const std::vector<std::string>& files);

// What a loaded font handle stands for (raster only; none for other handles).
struct FontInfo {
  std::string file;
  int32_t pixelSize = 0;
  int32_t ascent = 0;
  int32_t descent = 0;
  bool fallback = false;  // the name matched no face
  bool syntheticBold = false;
  bool syntheticOblique = false;
};
GDI_API std::optional<FontInfo> fontInfo(FONTHANDLE font);

}  // namespace gdihost
