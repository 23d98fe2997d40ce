#include "valuedisplay/value_display.h"

#include "canvas/canvas_text.h"
#include "platform/core/morvcore.h"
#include "text/text_records.h"
#include "valuedisplay/date_time.h"
#include "valuedisplay/number_text.h"

namespace tamri {
namespace {

constexpr int32_t kTargetSurface = 0;

void drawText(int32_t surface, const PlacedSize& box, FONTHANDLE font, const ValueText& text,
              const TEXTCOL& colours, int32_t firstCode, int32_t secondCode) {
  const POINTRECT rect = rectOf(box);
  osGXsimpleText(surface, &rect, font, text.chars, colours, firstCode, secondCode, text.length);
}

void drawInCanvasLook(const ValueText& text, const PlacedSize& box, int32_t firstCode) {
  const uint8_t* canvas = thisCanvasRecord();
  drawText(canvasSurface(canvas), box, canvasFont(canvas), text, canvasColours(canvas), firstCode,
           1);
}

// Colours and codes as the arguments give them.
void drawInLook(int32_t surface, const ValueText& text, const ValueLook& look,
                const PlacedSize& box, FONTHANDLE font) {
  drawText(surface, box, font, text, {look.colour, kNoColour, look.secondColour}, look.firstCode,
           look.secondCode);
}

// The unit string copied, up to its first zero character; empty for none.
// It follows the value's text, so no more of it than the buffer holds can show.
struct UnitText {
  explicit UnitText(jword unit) {
    if (unit == 0) return;
    copyText(unit, chars, kValueTextCapacity);
    view = {chars, osUTustrlen(chars)};
  }
  unichar chars[kValueTextCapacity];
  TextView view;
};

}  // namespace

void drawPlainNumber(int32_t value, int32_t radix, const PlacedSize& box) {
  drawInCanvasLook(plainNumberText(value, radix), box, 1);
}

void drawPlainNumberInColour(int32_t value, int32_t radix, const PlacedSize& box, int32_t colour,
                             FONTHANDLE font) {
  drawText(canvasSurface(thisCanvasRecord()), box, font, plainNumberText(value, radix),
           {colour, kNoColour, 0}, 1, 1);
}

void drawWindowedNumber(int32_t value, int32_t radix, int32_t digits, int32_t code, bool zeros,
                        const PlacedSize& box) {
  drawInCanvasLook(windowedNumberText(value, radix, digits, zeros), box, code);
}

void drawFixedPointNumber(const FixedPointField& field, const ValueLook& look,
                          const PlacedSize& box) {
  const uint8_t* canvas = thisCanvasRecord();
  drawInLook(canvasSurface(canvas), fixedPointText(field, canvasSeparators()), look, box,
             canvasFont(canvas));
}

void drawNumberField(const NumberField& field, const ValueLook& look, const PlacedSize& box,
                     FONTHANDLE font, jword unit) {
  const UnitText unitText(unit);
  drawInLook(kTargetSurface, numberFieldText(field, canvasSeparators(), unitText.view), look, box,
             font);
}

void drawFloatField(const FloatField& field, const ValueLook& look, const PlacedSize& box,
                    FONTHANDLE font, jword unit) {
  const UnitText unitText(unit);
  drawInLook(kTargetSurface, floatFieldText(field, canvasSeparators(), unitText.view), look, box,
             font);
}

void drawDateTime(int32_t code, int32_t time, const PlacedSize& box, int32_t colour,
                  FONTHANDLE font) {
  const int64_t local = localTimeOf(time, currentTimeZoneOffset());
  drawText(canvasSurface(thisCanvasRecord()), box, font, dateTimeText(code, local),
           {colour, kNoColour, 0}, 1, 1);
}

void forgetTimeZone() { cachedTimeZoneOffset() = kUnknownTimeZoneOffset; }

}  // namespace tamri
