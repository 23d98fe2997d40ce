// Text and fonts. Font handles are 1, 2, 3, ... into the layer's own table;
// a handle never made or already unloaded is known as such: it measures
// 0, 0, 0 and draws nothing. With the raster, fonts are real faces (see
// raster/raster_fonts.h); without it every loaded font measures as a cell of
// 8 by 16 pixels per UTF-16 unit with its baseline 12 pixels down.
#include "entry_guard.h"
#include "gdi_state.h"
#include "host_trace.h"
#include "osgx.h"
#include "trace_call.h"

#if GDI_WITH_RASTER
#include "raster/raster_fonts.h"
#include "raster/raster_text.h"
#endif

#include <algorithm>
#include <string>

using gdi::TraceCall;

namespace {

#if GDI_WITH_RASTER
// Bytes of the TEXTATTRIB attributes (byte 1 is attributes[0]).
constexpr int kUnderlineByte = 0;
constexpr int kShadowByte = 1;
constexpr int kSmoothByte = 5;

// Bits of the second code of osGXsimpleText.
constexpr int32_t kSimpleSmooth = 1;
constexpr int32_t kSimpleUnderline = 2;
constexpr int32_t kSimpleShadow = 4;

gdi::raster::TextStyle styleOf(const TEXTATTRIB* attributes, bool wrap) {
  gdi::raster::TextStyle style = gdi::raster::alignmentOf(attributes ? attributes->layout : 0);
  style.wrap = wrap;
  if (attributes) {
    style.underline = attributes->attributes[kUnderlineByte] != 0;
    style.shadow = attributes->attributes[kShadowByte] != 0;
    style.smooth = attributes->attributes[kSmoothByte] != 0;
  }
  return style;
}

// A missing colour record paints nothing.
TEXTCOL coloursOf(const TEXTCOL* colours) {
  return colours ? *colours : TEXTCOL{INT32_MIN, INT32_MIN, INT32_MIN};
}
#else
constexpr int32_t kCellWidth = 8;
constexpr int32_t kCellHeight = 16;
constexpr int32_t kCellBaseline = 12;
#endif

// The three outputs as the trace shows them: {width, height, third}.
std::string metricsText(const int32_t (&measured)[3]) {
  std::string text = "{";
  for (int i = 0; i < 3; ++i) {
    if (i > 0) text += ", ";
    text += std::to_string(measured[i]);
  }
  return text + "}";
}

}  // namespace

void osGXtext(int32_t surface, const POINTRECT* rect, const TEXTCOL* colours,
              const TEXTATTRIB* attributes, FONTHANDLE font, const unichar* text, int32_t count,
              bool flag) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXtext")
          .number(surface)
          .rect(rect)
          .textColours(colours)
          .textAttributes(attributes)
          .number(font)
          .text(text, count)
          .number(count)
          .flag(flag)
          .record();
    }
#if GDI_WITH_RASTER
    // The flag wraps lines to the rectangle's width.
    if (rect) {
      gdi::raster::drawText(surface, *rect, coloursOf(colours), styleOf(attributes, flag), font,
                            text, count);
    }
#endif
  });
}

void osGXsimpleText(int32_t surface, const POINTRECT* rect, FONTHANDLE font, const unichar* text,
                    TEXTCOL colours, int32_t code1, int32_t code2, int32_t count) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXsimpleText")
          .number(surface)
          .rect(rect)
          .number(font)
          .text(text, count)
          .textColours(&colours)
          .number(code1)
          .number(code2)
          .number(count)
          .record();
    }
#if GDI_WITH_RASTER
    // Surface 0 is the surface being drawn on (the value display passes 0).
    if (rect) {
      gdi::raster::TextStyle style = gdi::raster::alignmentOf(code1);
      style.smooth = (code2 & kSimpleSmooth) != 0;
      style.underline = (code2 & kSimpleUnderline) != 0;
      style.shadow = (code2 & kSimpleShadow) != 0;
      gdi::raster::drawText(surface == 0 ? gdi::targetSurface() : surface, *rect, colours, style,
                            font, text, count);
    }
#endif
  });
}

void osGXscrollMarquee(int32_t surface, const POINTRECT* rect, const TEXTCOL* colours,
                       const TEXTATTRIB* attributes, FONTHANDLE font, const unichar* text,
                       int32_t count, bool flag, int32_t step) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) {
      TraceCall("osGXscrollMarquee")
          .number(surface)
          .rect(rect)
          .textColours(colours)
          .textAttributes(attributes)
          .number(font)
          .text(text, count)
          .number(count)
          .flag(flag)
          .number(step)
          .record();
    }
#if GDI_WITH_RASTER
    // The flag scrolls forwards, the way the text reads (true), or backwards;
    // the step is the offset.
    if (rect) {
      gdi::raster::drawMarquee(surface, *rect, coloursOf(colours), styleOf(attributes, false), font,
                               text, count, flag, step);
    }
#endif
  });
}

void osGXgetTextMetrics(FONTHANDLE font, const unichar* text, int32_t count, int32_t* width,
                        int32_t* height, int32_t* third) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    int32_t measured[3] = {0, 0, 0};
#if GDI_WITH_RASTER
    gdi::raster::TextMetrics metrics;
    if (gdi::raster::measureText(font, text, count, metrics))
      measured[0] = metrics.width, measured[1] = metrics.height, measured[2] = metrics.ascent;
#else
    if (gdi::fontLoaded(font)) {
      measured[0] = kCellWidth * std::clamp(text ? count : 0, 0, INT32_MAX / kCellWidth);
      measured[1] = kCellHeight;
      measured[2] = kCellBaseline;
    }
#endif
    if (width) *width = measured[0];
    if (height) *height = measured[1];
    if (third) *third = measured[2];
    if (host::traceRecording()) {
      TraceCall("osGXgetTextMetrics")
          .number(font)
          .text(text, count)
          .number(count)
          .record(metricsText(measured));
    }
  });
}

FONTHANDLE osGXloadFont(const unichar* name, uint8_t param1, uint8_t param2, uint8_t param3) {
  host::PlatformScope scope;
  return gdi::guarded(FONTHANDLE{0}, [&] {
    FONTHANDLE font = gdi::addFontHandle();
#if GDI_WITH_RASTER
    if (font != 0 &&
        !gdi::raster::loadFont(font, name, gdi::raster::fontRequestOf(param1, param2, param3))) {
      gdi::removeFontHandle(font);
      font = 0;
    }
#endif
    if (host::traceRecording()) {
      TraceCall("osGXloadFont")
          .name(name)
          .number(param1)
          .number(param2)
          .number(param3)
          .record(std::to_string(font));
    }
    return font;
  });
}

void osGXunloadFont(FONTHANDLE font) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    if (host::traceRecording()) TraceCall("osGXunloadFont").number(font).record();
    gdi::removeFontHandle(font);
#if GDI_WITH_RASTER
    gdi::raster::unloadFont(font);
#endif
  });
}

bool osGXisAgfaFont(const unichar* name) {
  host::PlatformScope scope;
  return gdi::guarded(false, [&] {
#if GDI_WITH_RASTER
    const bool agfa = gdi::raster::isAgfaFont(name);
#else
    const bool agfa = false;
#endif
    if (host::traceRecording())
      TraceCall("osGXisAgfaFont").name(name).record(agfa ? "true" : "false");
    return agfa;
  });
}
