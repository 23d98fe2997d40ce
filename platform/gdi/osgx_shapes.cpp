// Area operations: pies, ellipses, rectangles, polygons and triangles.
#include "entry_guard.h"
#include "host_trace.h"
#include "line_geometry.h"
#include "osgx.h"
#include "trace_call.h"

#if GDI_WITH_RASTER
#include "raster/raster_backend.h"
#endif

using gdi::TraceCall;

// The fourth attribute byte asks for the radius lines of the outline.
void osGXpie(int32_t surface, const POINTRECT* ellipse, const POINTLINE* startEnd,
             const PLANECOL* colours, const PLANEATTRIB* attributes, const POINTRECT* bounds,
             bool flag) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXpie")
          .number(surface)
          .rect(ellipse)
          .line(startEnd)
          .planeColours(colours)
          .planeAttributes(attributes)
          .rect(bounds)
          .flag(flag)
          .record();
    }
#if GDI_WITH_RASTER
    if (ellipse && startEnd && colours && attributes) {
      const std::optional<POINTRECT> limit = gdi::drawingLimit(bounds, flag, attributes->lineWidth);
      gdi::raster::drawPie(surface, *ellipse, *startEnd,
                           {attributes->fillStyle, colours->fillColor, colours->backColor},
                           {attributes->lineWidth, attributes->lineStyle, colours->lineColor},
                           attributes->extra != 0, limit ? &*limit : nullptr);
    }
#endif
  });
}

void osGXdrawEllipse(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t lineColor,
                     int16_t lineStyle, int16_t lineWidth, int32_t backColor) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXdrawEllipse")
          .number(left)
          .number(top)
          .number(right)
          .number(bottom)
          .colour(lineColor)
          .number(lineStyle)
          .number(lineWidth)
          .colour(backColor)
          .record();
    }
#if GDI_WITH_RASTER
    gdi::raster::drawEllipse({left, top, right, bottom}, {lineWidth, lineStyle, lineColor});
#endif
  });
}

void osGXfillEllipse(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t fillColor,
                     int16_t fillStyle, int32_t backColor) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXfillEllipse")
          .number(left)
          .number(top)
          .number(right)
          .number(bottom)
          .colour(fillColor)
          .number(fillStyle)
          .colour(backColor)
          .record();
    }
#if GDI_WITH_RASTER
    gdi::raster::fillEllipse({left, top, right, bottom}, {fillStyle, fillColor, backColor});
#endif
  });
}

void osGXdrawRectangle(int32_t left, int32_t top, int32_t right, int32_t bottom, int16_t lineWidth,
                       int16_t lineStyle, int32_t lineColor, int32_t backColor, uint8_t rounded,
                       int32_t cornerWidth, int32_t cornerHeight) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXdrawRectangle")
          .number(left)
          .number(top)
          .number(right)
          .number(bottom)
          .number(lineWidth)
          .number(lineStyle)
          .colour(lineColor)
          .colour(backColor)
          .number(rounded)
          .number(cornerWidth)
          .number(cornerHeight)
          .record();
    }
#if GDI_WITH_RASTER
    gdi::raster::drawRectangle({left, top, right, bottom}, {lineWidth, lineStyle, lineColor},
                               {rounded != 0, cornerWidth, cornerHeight});
#endif
  });
}

// The line width is recorded only: the fill covers the whole rectangle.
void osGXfillRectangle(int32_t left, int32_t top, int32_t right, int32_t bottom, int16_t lineWidth,
                       int32_t fillColor, int8_t fillStyle, int32_t backColor, uint8_t rounded,
                       int32_t cornerWidth, int32_t cornerHeight) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXfillRectangle")
          .number(left)
          .number(top)
          .number(right)
          .number(bottom)
          .number(lineWidth)
          .colour(fillColor)
          .number(fillStyle)
          .colour(backColor)
          .number(rounded)
          .number(cornerWidth)
          .number(cornerHeight)
          .record();
    }
#if GDI_WITH_RASTER
    gdi::raster::fillRectangle({left, top, right, bottom}, {fillStyle, fillColor, backColor},
                               {rounded != 0, cornerWidth, cornerHeight});
#endif
  });
}

void osGXdrawPolygon(int32_t count, const APOINT* points, int16_t lineWidth, int32_t lineColor,
                     int32_t backColor, int16_t lineStyle) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXdrawPolygon")
          .number(count)
          .points(count, points)
          .number(lineWidth)
          .colour(lineColor)
          .colour(backColor)
          .number(lineStyle)
          .record();
    }
#if GDI_WITH_RASTER
    gdi::raster::drawPolygon(points, count, {lineWidth, lineStyle, lineColor});
#endif
  });
}

// flag: true fills by the non-zero winding rule, false by even-odd.
void osGXfillPolygon(int32_t count, const APOINT* points, int32_t fillColor, int32_t backColor,
                     int8_t fillStyle, bool flag) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXfillPolygon")
          .number(count)
          .points(count, points)
          .colour(fillColor)
          .colour(backColor)
          .number(fillStyle)
          .flag(flag)
          .record();
    }
#if GDI_WITH_RASTER
    gdi::raster::fillPolygon(points, count, {fillStyle, fillColor, backColor}, flag);
#endif
  });
}

void osGXdrawTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                      int32_t lineColor, int32_t backColor, int16_t lineStyle, int16_t lineWidth) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXdrawTriangle")
          .number(x1)
          .number(y1)
          .number(x2)
          .number(y2)
          .number(x3)
          .number(y3)
          .colour(lineColor)
          .colour(backColor)
          .number(lineStyle)
          .number(lineWidth)
          .record();
    }
#if GDI_WITH_RASTER
    const APOINT corners[] = {{x1, y1}, {x2, y2}, {x3, y3}};
    gdi::raster::drawPolygon(corners, 3, {lineWidth, lineStyle, lineColor});
#endif
  });
}

void osGXfillTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                      int32_t fillColor, int32_t backColor, int8_t fillStyle) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXfillTriangle")
          .number(x1)
          .number(y1)
          .number(x2)
          .number(y2)
          .number(x3)
          .number(y3)
          .colour(fillColor)
          .colour(backColor)
          .number(fillStyle)
          .record();
    }
#if GDI_WITH_RASTER
    const APOINT corners[] = {{x1, y1}, {x2, y2}, {x3, y3}};
    gdi::raster::fillTriangle(corners, {fillStyle, fillColor, backColor});
#endif
  });
}
