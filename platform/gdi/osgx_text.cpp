// Text and fonts, recorded only for now. Fonts are numbered 1, 2, 3, ...;
// every text measures 8 pixels wide per character, 16 high, with a third
// metric (the baseline) of 12.
#include "entry_guard.h"
#include "gdi_state.h"
#include "host_trace.h"
#include "osgx.h"
#include "trace_call.h"

#include <algorithm>
#include <string>

using gdi::TraceCall;

namespace {

constexpr int32_t kCharacterWidth = 8;
constexpr int32_t kTextHeight = 16;
constexpr int32_t kBaseline = 12;

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
  });
}

void osGXgetTextMetrics(FONTHANDLE font, const unichar* text, int32_t count, int32_t* width,
                        int32_t* height, int32_t* third) {
  host::PlatformScope scope;
  gdi::guarded([&] {
    const int32_t measured = kCharacterWidth * std::clamp(count, 0, INT32_MAX / kCharacterWidth);
    if (width) *width = measured;
    if (height) *height = kTextHeight;
    if (third) *third = kBaseline;
    if (host::traceRecording()) {
      TraceCall("osGXgetTextMetrics")
          .number(font)
          .text(text, count)
          .number(count)
          .record("{" + std::to_string(measured) + ", " + std::to_string(kTextHeight) + ", " +
                  std::to_string(kBaseline) + "}");
    }
  });
}

FONTHANDLE osGXloadFont(const unichar* name, uint8_t param1, uint8_t param2, uint8_t param3) {
  host::PlatformScope scope;
  return gdi::guarded(FONTHANDLE{0}, [&] {
    const FONTHANDLE font = gdi::nextFontHandle();
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
  });
}

bool osGXisAgfaFont(const unichar* name) {
  host::PlatformScope scope;
  return gdi::guarded(false, [&] {
    if (host::traceRecording()) TraceCall("osGXisAgfaFont").name(name).record("false");
    return false;
  });
}
