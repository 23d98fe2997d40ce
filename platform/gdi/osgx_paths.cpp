// Paths: SVG path data (path_data.h), placed by a translation and a scale in
// 1/256. A text that does not parse to its end is drawn as far as it was
// read, and its trace line notes where it stopped.
#include "entry_guard.h"
#include "host_trace.h"
#include "osgx.h"
#include "path_data.h"
#include "trace_call.h"

#if GDI_WITH_RASTER
#include "raster/raster_backend.h"
#endif

using gdi::TraceCall;

namespace {

#if !GDI_WITH_RASTER
// Without a raster the text is only read, for the trace's note.
class NoPathSink : public gdi::PathSink {
 public:
  void moveTo(double, double) override {}
  void lineTo(double, double) override {}
  void curveTo(double, double, double, double, double, double) override {}
  void closePath() override {}
};

gdi::PathParse readOnly(const unichar* path, int32_t count) {
  NoPathSink sink;
  return gdi::parsePathData(path, count, sink);
}
#endif

}  // namespace

void osGXdrawPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                  const unichar* path, int32_t count, int32_t lineColor, int16_t lineWidth) {
  host::PlatformScope scope;
  gdi::guarded([&] {
#if GDI_WITH_RASTER
    const gdi::PathParse parse = gdi::raster::strokePathData(
        {translateX, translateY, scaleX, scaleY}, path, count, {lineWidth, 1, lineColor});
#else
    const gdi::PathParse parse = readOnly(path, count);
#endif
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
          .record(gdi::pathParseNote(parse));
    }
  });
}

void osGXfillPath(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY,
                  const unichar* path, int32_t count, int32_t fillColor) {
  host::PlatformScope scope;
  gdi::guarded([&] {
#if GDI_WITH_RASTER
    const gdi::PathParse parse =
        gdi::raster::fillPathData({translateX, translateY, scaleX, scaleY}, path, count, fillColor);
#else
    const gdi::PathParse parse = readOnly(path, count);
#endif
    if (host::traceRecording()) {
      TraceCall("osGXfillPath")
          .number(translateX)
          .number(translateY)
          .number(scaleX)
          .number(scaleY)
          .text(path, count)
          .number(count)
          .colour(fillColor)
          .record(gdi::pathParseNote(parse));
    }
  });
}
