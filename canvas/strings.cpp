#include "canvas/strings.h"

#include "canvas/canvas_record.h"
#include "canvas/canvas_text.h"
#include "canvas/canvas_transform.h"
#include "module/call_frame.h"
#include "text/font_record.h"

namespace tamri {
namespace {

// Layout codes: centred in a box; left and vertically centred where the box
// is the measured string's own.
constexpr int32_t kDefaultLayout = 2;
constexpr int32_t kMeasuredLayout = 0;

// Attribute bytes 1, 2, 6 and 7 unless an overload says otherwise; byte 6
// from the canvas state.
TextAttributeBytes defaultBytes(const uint8_t* canvas) {
  return {0, 0, readUnsigned(canvas, canvas::textAttribute), 1};
}

void drawText(const CanvasString& s, const POINTRECT& rect, const TEXTCOL& colours,
              const TEXTATTRIB& attributes, FONTHANDLE font, bool flag) {
  osGXtext(canvasSurface(s.canvas), &rect, &colours, &attributes, font, s.text.chars, s.text.count,
           flag);
}

}  // namespace

CanvasString canvasStringArguments() {
  return {thisCanvasRecord(), textOf(kFirstArgumentHandle + 1)};
}

FONTHANDLE fontArgument() { return font::handleOf(kFirstArgumentHandle + 2); }

TextAttributeBytes attributeByteArguments(int32_t first) {
  return {unsignedByteArg(first), unsignedByteArg(first + 1), unsignedByteArg(first + 2),
          unsignedByteArg(first + 3)};
}

void drawMeasuredString(const CanvasString& s, int32_t x, int32_t y) {
  const FONTHANDLE font = canvasFont(s.canvas);
  int32_t width = 0, height = 0, third = 0;
  osGXgetTextMetrics(font, s.text.chars, s.text.count, &width, &height, &third);
  // The right edge is x + width, one column beyond the measured width.
  const POINTRECT rect{x, y - height, x + width, y};
  const TEXTCOL colours{read(s.canvas, canvas::color), kNoColour, 0};
  drawText(s, rect, colours, textAttributes(kMeasuredLayout, defaultBytes(s.canvas)), font, false);
}

void drawStringInBox(const CanvasString& s, const PlacedSize& box, bool flag) {
  drawText(s, rectOf(box), canvasColours(s.canvas),
           textAttributes(kDefaultLayout, defaultBytes(s.canvas)), canvasFont(s.canvas), flag);
}

void drawStringInColour(const CanvasString& s, const PlacedSize& box, int32_t colour,
                        FONTHANDLE font) {
  TextAttributeBytes bytes = defaultBytes(s.canvas);
  bytes.sixth = 1;
  drawText(s, rectOf(box), {colour, kNoColour, 0}, textAttributes(kDefaultLayout, bytes), font,
           true);
}

void drawSimpleString(const CanvasString& s, const PlacedSize& box, int32_t colour, FONTHANDLE font,
                      int32_t code) {
  const POINTRECT rect = rectOf(box);
  const TEXTCOL colours{colour, kNoColour, read(s.canvas, canvas::secondColor)};
  osGXsimpleText(canvasSurface(s.canvas), &rect, font, s.text.chars, colours, code, 1,
                 s.text.count);
}

void drawMarqueeString(const CanvasString& s, const PlacedSize& box, bool flag, int32_t offset) {
  const POINTRECT rect = rectOf(box);
  const TEXTCOL colours = canvasColours(s.canvas);
  const TEXTATTRIB attributes = textAttributes(kDefaultLayout, defaultBytes(s.canvas));
  osGXscrollMarquee(canvasSurface(s.canvas), &rect, &colours, &attributes, canvasFont(s.canvas),
                    s.text.chars, s.text.count, flag, offset);
}

void drawStyledString(const CanvasString& s, const PlacedSize& box, int32_t colour,
                      TextAttributeBytes bytes, FONTHANDLE font, bool flag) {
  drawText(s, rectOf(box), {colour, kNoColour, 0}, textAttributes(kMeasuredLayout, bytes), font,
           flag);
}

void drawStringWithBorder(const CanvasString& s, int32_t borderColor, int32_t fillColor,
                          int32_t borderWidth, const PlacedSize& box) {
  if (hasArea(box)) {
    const POINTRECT r = rectOf(box);
    const int32_t back = read(s.canvas, canvas::backColor);
    const int16_t width = lowWord(borderWidth);
    osGXfillRectangle(r.left, r.top, r.right, r.bottom, width, fillColor, 1, back, 0, 0, 0);
    osGXdrawRectangle(r.left, r.top, r.right, r.bottom, width, 1, borderColor, back, 0, 0, 0);
  }
  drawStringInBox(s, box, true);
}

void drawStringWithTranslatedBorder(const CanvasString& s, const BorderedString& b) {
  const PlacedSize moved{translatedX(b.box.x), translatedY(b.box.y), b.box.w, b.box.h};
  const POINTRECT r = rectOf(moved);
  drawText(s, r, {b.textColor, b.textBackColor, b.secondColor},
           textAttributes(b.layoutCode, b.bytes), b.font, true);
  if (!hasArea(moved)) return;
  osGXdrawRectangle(r.left, r.top, r.right, r.bottom, lowWord(b.lineWidth), lowWord(b.lineStyle),
                    b.borderColor, b.textBackColor, 0, 0, 0);
}

void drawStringWithBackground(const CanvasString& s, int32_t textBackColor, const PlacedSize& box) {
  drawText(s, rectOf(box),
           {read(s.canvas, canvas::color), textBackColor, read(s.canvas, canvas::secondColor)},
           textAttributes(kDefaultLayout, defaultBytes(s.canvas)), canvasFont(s.canvas), true);
}

}  // namespace tamri
