// Line operations: straight lines, polylines, Bezier lines, arcs and the
// bounding rectangle of a marked line end.
#include "entry_guard.h"
#include "host_trace.h"
#include "line_geometry.h"
#include "osgx.h"
#include "trace_call.h"

#if GDI_WITH_RASTER
#include "raster/raster_backend.h"
#endif

using gdi::TraceCall;

void osGXdrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int16_t lineWidth,
                  int16_t lineStyle, int32_t lineColor, int32_t backColor, uint8_t lineEnds) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXdrawLine")
          .number(x1)
          .number(y1)
          .number(x2)
          .number(y2)
          .number(lineWidth)
          .number(lineStyle)
          .colour(lineColor)
          .colour(backColor)
          .number(lineEnds)
          .record();
    }
#if GDI_WITH_RASTER
    const APOINT ends[] = {{x1, y1}, {x2, y2}};
    gdi::raster::drawPolyline(ends, 2, {lineWidth, lineStyle, lineColor}, lineEnds);
#endif
  });
}

void osGXdrawPolyline(int32_t count, const APOINT* points, int16_t lineWidth, int16_t lineStyle,
                      int32_t lineColor, int32_t backColor, uint8_t lineEnds) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXdrawPolyline")
          .number(count)
          .points(count, points)
          .number(lineWidth)
          .number(lineStyle)
          .colour(lineColor)
          .colour(backColor)
          .number(lineEnds)
          .record();
    }
#if GDI_WITH_RASTER
    gdi::raster::drawPolyline(points, count, {lineWidth, lineStyle, lineColor}, lineEnds);
#endif
  });
}

void osGXdrawBezierLine(int32_t count, const APOINT* points, int16_t lineWidth, int16_t lineStyle,
                        int32_t lineColor, int32_t backColor, uint8_t lineEnds) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXdrawBezierLine")
          .number(count)
          .points(count, points)
          .number(lineWidth)
          .number(lineStyle)
          .colour(lineColor)
          .colour(backColor)
          .number(lineEnds)
          .record();
    }
#if GDI_WITH_RASTER
    gdi::raster::drawBezier(points, count, {lineWidth, lineStyle, lineColor}, lineEnds);
#endif
  });
}

void osGXdrawArc(const POINTRECT* ellipse, const POINTLINE* startEnd, int32_t lineColor,
                 int32_t backColor, int8_t lineStyle, int16_t lineWidth, const POINTRECT* bounds,
                 bool flag) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXdrawArc")
          .rect(ellipse)
          .line(startEnd)
          .colour(lineColor)
          .colour(backColor)
          .number(lineStyle)
          .number(lineWidth)
          .rect(bounds)
          .flag(flag)
          .record();
    }
#if GDI_WITH_RASTER
    if (ellipse && startEnd) {
      const std::optional<POINTRECT> limit = gdi::drawingLimit(bounds, flag, lineWidth);
      gdi::raster::drawArc(*ellipse, *startEnd, {lineWidth, lineStyle, lineColor},
                           limit ? &*limit : nullptr);
    }
#endif
  });
}

void osGXgetLineBoundingRect(APOINT first, APOINT second, int8_t lineWidth, POINTRECT* out) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    const POINTRECT bounds = gdi::markedSegmentBounds(first, second, lineWidth);
    if (out) *out = bounds;
    if (host::traceRecording()) {
      TraceCall("osGXgetLineBoundingRect")
          .point(first)
          .point(second)
          .number(lineWidth)
          .record(gdi::rectText(bounds));
    }
  });
}
