// Images, recorded only for now: loading and creating give no image
// (handle 0) with status -1.
#include "entry_guard.h"
#include "host_trace.h"
#include "osgx.h"
#include "trace_call.h"

#include <string>

using gdi::TraceCall;

namespace {

constexpr stImageHandle kNoImage = 0;
constexpr int32_t kNotYet = -1;

std::string noImageResult(int32_t* status) {
  if (!status) return "0";
  *status = kNotYet;
  return "0 {" + std::to_string(kNotYet) + "}";
}

}  // namespace

stImageHandle osGXloadImage(const unichar* path, int32_t* status) {
  host::PlatformScope scope;
  return gdi::guarded(kNoImage, [&] {
    const std::string result = noImageResult(status);
    if (host::traceRecording()) TraceCall("osGXloadImage").name(path).record(result);
    return kNoImage;
  });
}

stImageHandle osGXcreateImage(int32_t source, const POINTRECT* region, int32_t* status) {
  host::PlatformScope scope;
  return gdi::guarded(kNoImage, [&] {
    const std::string result = noImageResult(status);
    if (host::traceRecording()) {
      TraceCall("osGXcreateImage").number(source).rect(region).record(result);
    }
    return kNoImage;
  });
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
  });
}

void osGXunloadImage(stImageHandle image) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) TraceCall("osGXunloadImage").number(image).record();
  });
}
