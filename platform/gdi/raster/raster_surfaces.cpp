#include "raster_surfaces.h"

#include "raster_backend.h"

#include <map>
#include <memory>

namespace gdi::raster {
namespace {

struct SurfaceRelease {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceRelease>;

struct SurfaceTable {
  std::map<int32_t, SurfacePtr> surfaces;
  int32_t lastHandle = 0;
};

SurfaceTable& table() {
  static SurfaceTable instance;
  return instance;
}

}  // namespace

cairo_surface_t* findSurface(int32_t handle) {
  const auto found = table().surfaces.find(handle);
  return found == table().surfaces.end() ? nullptr : found->second.get();
}

void reset() { table() = SurfaceTable{}; }

int32_t createSurface(int32_t width, int32_t height, uint32_t background) {
  if (width <= 0 || height <= 0) return 0;
  SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return 0;
  cairo_t* cr = cairo_create(surface.get());
  cairo_set_source_rgb(cr, ((background >> 16) & 0xFF) / 255.0, ((background >> 8) & 0xFF) / 255.0,
                       (background & 0xFF) / 255.0);
  cairo_paint(cr);
  cairo_destroy(cr);
  const int32_t handle = ++table().lastHandle;
  table().surfaces[handle] = std::move(surface);
  return handle;
}

bool writePng(int32_t surface, const std::string& path) {
  cairo_surface_t* found = findSurface(surface);
  return found && cairo_surface_write_to_png(found, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

uint32_t pixel(int32_t surface, int32_t x, int32_t y) {
  cairo_surface_t* found = findSurface(surface);
  if (!found) return 0;
  if (x < 0 || y < 0 || x >= cairo_image_surface_get_width(found) ||
      y >= cairo_image_surface_get_height(found)) {
    return 0;
  }
  cairo_surface_flush(found);
  const unsigned char* row = cairo_image_surface_get_data(found) +
                             static_cast<size_t>(y) * cairo_image_surface_get_stride(found);
  return reinterpret_cast<const uint32_t*>(row)[x] & 0x00FFFFFF;
}

}  // namespace gdi::raster
