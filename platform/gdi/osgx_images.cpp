// Images: loaded from PNG, BMP and JPEG files or copied from a surface region
// into the layer's own table, drawn by handle, freed by handle. Without the
// raster there are no surfaces: files still load, captures find no surface
// and drawing is recorded only.
#include "entry_guard.h"
#include "host_trace.h"
#include "image_file.h"
#include "image_table.h"
#include "osgx.h"
#include "trace_call.h"

#if GDI_WITH_RASTER
#include "raster/raster_images.h"
#endif

#include <string>

using gdi::TraceCall;

namespace {

// Files the image into the table and gives the handle; 0 when `status` is
// not a success.
stImageHandle keep(gdi::Image&& image, int32_t& status) {
  return status == OS_GX_IMAGE_OK ? gdi::addImage(std::move(image), status) : 0;
}

std::string resultText(stImageHandle handle, int32_t status, bool statusWanted) {
  std::string text = std::to_string(handle);
  if (statusWanted) text += " {" + std::to_string(status) + "}";
  return text;
}

}  // namespace

stImageHandle osGXloadImage(const unichar* path, int32_t* status) {
  host::PlatformScope scope;
  int32_t outcome = OS_GX_IMAGE_NO_ROOM;  // what running out of memory leaves
  const stImageHandle handle = gdi::guarded(stImageHandle{0}, [&] {
    gdi::Image image;
    outcome = gdi::loadImageFile(path, image);
    return keep(std::move(image), outcome);
  });
  if (handle == 0 && outcome == OS_GX_IMAGE_OK) outcome = OS_GX_IMAGE_NO_ROOM;
  if (status) *status = outcome;
  gdi::guarded([&] {
    if (host::traceRecording())
      TraceCall("osGXloadImage").name(path).record(resultText(handle, outcome, status));
  });
  return handle;
}

stImageHandle osGXcreateImage(int32_t source, const POINTRECT* region, int32_t* status) {
  host::PlatformScope scope;
  int32_t outcome = OS_GX_IMAGE_NO_ROOM;
  const stImageHandle handle = gdi::guarded(stImageHandle{0}, [&] {
    gdi::Image image;
#if GDI_WITH_RASTER
    outcome = gdi::raster::captureRegion(source, region, image);
#else
    outcome = OS_GX_IMAGE_NO_SURFACE;
#endif
    return keep(std::move(image), outcome);
  });
  if (handle == 0 && outcome == OS_GX_IMAGE_OK) outcome = OS_GX_IMAGE_NO_ROOM;
  if (status) *status = outcome;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXcreateImage")
          .number(source)
          .rect(region)
          .record(resultText(handle, outcome, status));
    }
  });
  return handle;
}

void osGXimage(int32_t surface, APOINT position, int16_t width, int16_t height, stImageHandle image,
               int32_t option, uint8_t flag) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXimage")
          .number(surface)
          .point(position)
          .number(width)
          .number(height)
          .number(image)
          .number(option)
          .number(flag)
          .record();
    }
#if GDI_WITH_RASTER
    if (const gdi::Image* found = gdi::findImage(image))
      gdi::raster::drawImage(surface, position, width, height, *found, option);
#else
    static_cast<void>(option);
#endif
  });
}

void osGXunloadImage(stImageHandle image) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) TraceCall("osGXunloadImage").number(image).record();
    gdi::removeImage(image);
  });
}
