// Paths: SVG path data (M L H V C Q Z, absolute and relative), placed by a
// translation and a scale in 1/256. Recorded only for now.
#include "entry_guard.h"
#include "host_trace.h"
#include "osgx.h"
#include "trace_call.h"

using gdi::TraceCall;

void osGXdrawPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                  const unichar* path, int32_t count, int32_t lineColor, int16_t lineWidth) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXdrawPath")
          .number(translateX)
          .number(translateY)
          .number(scaleX)
          .number(scaleY)
          .text(path, count)
          .number(count)
          .colour(lineColor)
          .number(lineWidth)
          .record();
    }
  });
}

void osGXfillPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                  const unichar* path, int32_t count, int32_t fillColor) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXfillPath")
          .number(translateX)
          .number(translateY)
          .number(scaleX)
          .number(scaleY)
          .text(path, count)
          .number(count)
          .colour(fillColor)
          .record();
    }
  });
}
