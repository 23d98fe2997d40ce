// What the value natives of the canvas draw: each formats its value into a
// fixed buffer and hands the text to the drawing layer's simple text
// operation in the box (x, y, w, h).
#pragma once

#include "canvas/canvas_geometry.h"
#include "platform/gdi/osgx.h"
#include "valuedisplay/fixed_point_field.h"
#include "valuedisplay/float_field.h"
#include "valuedisplay/number_field.h"

namespace tamri {

// Colours and codes given as arguments: the text colour, the second colour
// (the shadow's) and the two codes of the simple text operation.
struct ValueLook {
  int32_t colour = 0;
  int32_t secondColour = 0;
  int32_t firstCode = 1;
  int32_t secondCode = 1;
};

// In the canvas's colours and font, on its surface, codes 1 and 1.
void drawPlainNumber(int32_t value, int32_t radix, const PlacedSize& box);
// In the given colour (no second colour) and font, on the canvas's surface.
void drawPlainNumberInColour(int32_t value, int32_t radix, const PlacedSize& box, int32_t colour,
                             FONTHANDLE font);
// In the canvas's colours and font, on its surface, codes `code` and 1.
void drawWindowedNumber(int32_t value, int32_t radix, int32_t digits, int32_t code, bool zeros,
                        const PlacedSize& box);
// In the canvas's font, on its surface.
void drawFixedPointNumber(const FixedPointField& field, const ValueLook& look,
                          const PlacedSize& box);

// Number and float fields are drawn on surface 0, which the drawing layer
// takes as the current target. `unit` is a string reference; 0 for none.
void drawNumberField(const NumberField& field, const ValueLook& look, const PlacedSize& box,
                     FONTHANDLE font, jword unit = 0);
void drawFloatField(const FloatField& field, const ValueLook& look, const PlacedSize& box,
                    FONTHANDLE font, jword unit = 0);

// In the given colour (no second colour) and font, on the canvas's surface,
// codes 1 and 1, in the time zone of the platform.
void drawDateTime(int32_t code, int32_t time, const PlacedSize& box, int32_t colour,
                  FONTHANDLE font);
// The platform's time zone is asked again before the next date or time.
void forgetTimeZone();

}  // namespace tamri
