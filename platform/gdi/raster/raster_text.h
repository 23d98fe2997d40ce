// Text on raster surfaces, laid out by Pango (raster_text_layout.h): measured
// by its advance width, each line placed in a rectangle by the alignment and
// clipped to it; a marquee scrolls one line through its rectangle.
#pragma once

#include "osgx.h"

#include <cstdint>

namespace gdi::raster {

enum class HorizontalAlign : uint8_t { Left, Right, Centre };
enum class VerticalAlign : uint8_t { Centre, Top, Bottom };

struct TextStyle {
  HorizontalAlign horizontal = HorizontalAlign::Left;
  VerticalAlign vertical = VerticalAlign::Centre;
  bool wrap = false;       // break lines to the rectangle's width
  bool underline = false;  // a rule under each line in the text colour
  bool shadow = false;     // the text once more, one pixel right and down, in the second colour
  bool smooth = false;     // grey-level glyph edges instead of whole pixels
};

// Alignment from the low four bits of a layout code: bits 0-1 horizontal
// (0 left, 1 right, 2 centre, 3 left), bits 2-3 vertical (0 centre, 1 top,
// 2 bottom, 3 centre).
TextStyle alignmentOf(int32_t code);

struct TextMetrics {
  int32_t width = 0, height = 0, ascent = 0;
};
// False for a handle that is not loaded.
bool measureText(FONTHANDLE font, const unichar* text, int32_t count, TextMetrics& out);

void drawText(int32_t surface, const POINTRECT& rect, const TEXTCOL& colours,
              const TextStyle& style, FONTHANDLE font, const unichar* text, int32_t count);

// One line (line breaks as spaces) placed by the style, then moved by
// `offset` pixels round a loop one line and one rectangle width long, so
// that the text leaves on one side as it comes in on the other. Forwards is
// the way the line is read: leftwards for a left-to-right line, rightwards
// for a right-to-left one, so that its beginning comes in first.
void drawMarquee(int32_t surface, const POINTRECT& rect, const TEXTCOL& colours,
                 const TextStyle& style, FONTHANDLE font, const unichar* text, int32_t count,
                 bool forwards, int32_t offset);

}  // namespace gdi::raster
