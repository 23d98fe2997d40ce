// Host side of the drawing layer: state reset, surfaces and pixel access.
// Without the raster backend there are no surfaces, only the recorder.
#include "gdi_host.h"

#include "entry_guard.h"
#include "gdi_state.h"
#include "host_trace.h"
#include "image_table.h"

#if GDI_WITH_RASTER
#include "raster/raster_backend.h"
#include "raster/raster_fonts.h"
#endif

namespace gdihost {

void reset() {
  host::PlatformScope scope;
  gdi::resetState();
  gdi::resetImages();
#if GDI_WITH_RASTER
  gdi::raster::reset();
  gdi::raster::resetFonts();
#endif
}

bool rasterAvailable() {
#if GDI_WITH_RASTER
  return true;
#else
  return false;
#endif
}

int32_t createSurface(int32_t width, int32_t height, uint32_t background) {
  host::PlatformScope scope;
#if GDI_WITH_RASTER
  return gdi::guarded(0, [&] { return gdi::raster::createSurface(width, height, background); });
#else
  (void)width, (void)height, (void)background;
  return 0;
#endif
}

void selectTarget(int32_t surface) { gdi::setTargetSurface(surface); }

int32_t targetSurface() { return gdi::targetSurface(); }

bool writePng(int32_t surface, const std::string& path) {
  host::PlatformScope scope;
#if GDI_WITH_RASTER
  return gdi::guarded(false, [&] { return gdi::raster::writePng(surface, path); });
#else
  (void)surface, (void)path;
  return false;
#endif
}

uint32_t pixel(int32_t surface, int32_t x, int32_t y) {
#if GDI_WITH_RASTER
  return gdi::raster::pixel(surface, x, y);
#else
  (void)surface, (void)x, (void)y;
  return 0;
#endif
}

bool clipFillAnimation() { return gdi::clipFillAnimation(); }

void useFontFiles(const std::vector<std::string>& files) {
  host::PlatformScope scope;
#if GDI_WITH_RASTER
  gdi::guarded([&] { gdi::raster::useFontFiles(files); });
#else
  (void)files;
#endif
}

std::optional<FontInfo> fontInfo(FONTHANDLE font) {
#if GDI_WITH_RASTER
  const gdi::raster::LoadedFont* loaded = gdi::raster::findFont(font);
  if (!loaded) return std::nullopt;
  return FontInfo{loaded->file,     loaded->pixelSize,     loaded->ascent,          loaded->descent,
                  loaded->fallback, loaded->syntheticBold, loaded->syntheticOblique};
#else
  (void)font;
  return std::nullopt;
#endif
}

int32_t imageCount() { return gdi::liveImageCount(); }

void setImagePixelLimit(int64_t pixels) { gdi::setImagePixelLimit(pixels); }

}  // namespace gdihost
