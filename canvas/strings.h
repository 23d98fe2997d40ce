// Canvas strings: what the ten string natives draw. Each takes the canvas
// state record, the string argument's characters in place and its own
// arguments, builds the text records and calls one text operation of the
// drawing layer.
#pragma once

#include "canvas/canvas_geometry.h"
#include "module/vm_strings.h"
#include "platform/gdi/osgx.h"
#include "text/text_records.h"

#include <cstdint>

namespace tamri {

// The canvas called on and the string argument (the first after `this`). A
// canvas that is not there reads as all zeros: no font, surface 0.
struct CanvasString {
  const uint8_t* canvas;
  TextView text;
};
CanvasString canvasStringArguments();
// The font handle of the reference argument after the string; 0 for null.
FONTHANDLE fontArgument();

// Attribute bytes 1, 2, 6 and 7: the low bytes of four int arguments.
TextAttributeBytes attributeByteArguments(int32_t first);

// (x, y) is the lower left corner of the measured string.
void drawMeasuredString(const CanvasString& s, int32_t x, int32_t y);
// Canvas colours, font and attributes; the flag goes to the text operation.
void drawStringInBox(const CanvasString& s, const PlacedSize& box, bool flag);
void drawStringInColour(const CanvasString& s, const PlacedSize& box, int32_t colour,
                        FONTHANDLE font);
// The simple text operation with the caller's code and second code 1.
void drawSimpleString(const CanvasString& s, const PlacedSize& box, int32_t colour, FONTHANDLE font,
                      int32_t code);
void drawMarqueeString(const CanvasString& s, const PlacedSize& box, bool flag, int32_t offset);
void drawStyledString(const CanvasString& s, const PlacedSize& box, int32_t colour,
                      TextAttributeBytes bytes, FONTHANDLE font, bool flag);
// Fill, border, then the text, all in the box as given; a box without width
// or height gets no fill and no border.
void drawStringWithBorder(const CanvasString& s, int32_t borderColor, int32_t fillColor,
                          int32_t borderWidth, const PlacedSize& box);

struct BorderedString {
  int32_t borderColor, textColor, textBackColor, secondColor, lineWidth, lineStyle;
  PlacedSize box;
  TextAttributeBytes bytes;
  int32_t layoutCode;
  FONTHANDLE font;
};
// The text, then its border (none without width or height), in the box moved
// by the canvas translation.
void drawStringWithTranslatedBorder(const CanvasString& s, const BorderedString& b);
void drawStringWithBackground(const CanvasString& s, int32_t textBackColor, const PlacedSize& box);

}  // namespace tamri
