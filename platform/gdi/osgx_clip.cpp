// Clip areas by surface and the clip-fill animation switch. The switch is
// only kept (gdihost::clipFillAnimation reads it); it changes no drawing.
#include "entry_guard.h"
#include "gdi_state.h"
#include "host_trace.h"
#include "osgx.h"
#include "trace_call.h"

#include <optional>

using gdi::TraceCall;

bool osGXgetClipArea(int32_t* left, int32_t* top, int32_t* right, int32_t* bottom,
                     int32_t surface) {
  host::PlatformScope scope;
  return gdi::guarded(false, [&] {
    const std::optional<POINTRECT> area = gdi::clipArea(surface);
    if (area) {
      if (left) *left = area->left;
      if (top) *top = area->top;
      if (right) *right = area->right;
      if (bottom) *bottom = area->bottom;
    }
    if (host::traceRecording()) {
      TraceCall("osGXgetClipArea")
          .number(surface)
          .record(area ? "true " + gdi::rectText(*area) : "false");
    }
    return area.has_value();
  });
}

void osGXsetClipArea(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t surface) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    gdi::setClipArea(surface, {left, top, right, bottom});
    if (host::traceRecording()) {
      TraceCall("osGXsetClipArea")
          .number(left)
          .number(top)
          .number(right)
          .number(bottom)
          .number(surface)
          .record();
    }
  });
}

void osGXremoveClipArea(int32_t surface) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    gdi::removeClipArea(surface);
    if (host::traceRecording()) TraceCall("osGXremoveClipArea").number(surface).record();
  });
}

void osGXsetClipFillAnimation(uint8_t on) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    gdi::setClipFillAnimation(on != 0);
    if (host::traceRecording()) TraceCall("osGXsetClipFillAnimation").number(on).record();
  });
}
