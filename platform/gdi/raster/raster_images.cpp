#include "raster_images.h"

#include "raster_canvas.h"
#include "raster_surfaces.h"

#include <memory>

namespace gdi::raster {
namespace {

enum class Placement { Scaled, Cropped, Centred };

Placement placementOf(int32_t option) {
  if (option == 1) return Placement::Cropped;
  if (option == 2) return Placement::Centred;
  return Placement::Scaled;
}

struct SurfaceRelease {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};

}  // namespace

int32_t captureRegion(int32_t surface, const POINTRECT* region, Image& out) {
  cairo_surface_t* source = findSurface(surface);
  if (!source) return OS_GX_IMAGE_NO_SURFACE;
  const int32_t surfaceWidth = cairo_image_surface_get_width(source);
  const int32_t surfaceHeight = cairo_image_surface_get_height(source);
  const POINTRECT whole{0, 0, surfaceWidth - 1, surfaceHeight - 1};
  const POINTRECT area = region ? *region : whole;
  if (area.right < area.left || area.bottom < area.top) return OS_GX_IMAGE_REGION_EMPTY;
  if (area.left < 0 || area.top < 0 || area.right >= surfaceWidth || area.bottom >= surfaceHeight)
    return OS_GX_IMAGE_REGION_OUTSIDE;
  const int32_t width = area.right - area.left + 1;
  const int32_t height = area.bottom - area.top + 1;
  if (!imageSizeAllowed(width, height)) return OS_GX_IMAGE_TOO_LARGE;

  cairo_surface_flush(source);
  const unsigned char* data = cairo_image_surface_get_data(source);
  const int32_t stride = cairo_image_surface_get_stride(source);
  out.width = width;
  out.height = height;
  out.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (int32_t row = 0; row < height; ++row) {
    const auto* from =
        reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(area.top + row) * stride) +
        area.left;
    uint32_t* to = out.pixels.data() + static_cast<size_t>(row) * width;
    // The surface has no alpha: its pixels become opaque image pixels.
    for (int32_t column = 0; column < width; ++column) to[column] = 0xFF000000u | from[column];
  }
  return OS_GX_IMAGE_OK;
}

void drawImage(int32_t surface, APOINT position, int32_t width, int32_t height, const Image& image,
               int32_t option) {
  if (width <= 0 || height <= 0 || image.width <= 0 || image.height <= 0) return;
  RasterCanvas canvas(surface);
  if (!canvas) return;
  const std::unique_ptr<cairo_surface_t, SurfaceRelease> source(cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(const_cast<uint32_t*>(image.pixels.data())),
      CAIRO_FORMAT_ARGB32, image.width, image.height, image.width * 4));
  if (cairo_surface_status(source.get()) != CAIRO_STATUS_SUCCESS) return;

  cairo_t* cr = canvas.cr();
  const double left = clampCoordinate(position.x);
  const double top = clampCoordinate(position.y);
  cairo_rectangle(cr, left, top, width, height);
  cairo_clip(cr);
  switch (placementOf(option)) {
    case Placement::Scaled:
      cairo_translate(cr, left, top);
      cairo_scale(cr, double(width) / image.width, double(height) / image.height);
      break;
    case Placement::Cropped:
      cairo_translate(cr, left, top);
      break;
    case Placement::Centred:
      // Half the difference, truncated: an odd pixel goes to the right and bottom.
      cairo_translate(cr, left + (width - image.width) / 2, top + (height - image.height) / 2);
      break;
  }
  cairo_set_source_surface(cr, source.get(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_rectangle(cr, 0, 0, image.width, image.height);
  cairo_fill(cr);
}

}  // namespace gdi::raster
