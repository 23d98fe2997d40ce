// Laying out UTF-16 text in a loaded font: characters to glyphs with whole-
// pixel advances, glyphs to lines (at line breaks and, when asked, wrapped
// at spaces), and each line's box: from its pen start or the leftmost ink,
// whichever lies further left, to its advance or the rightmost ink, whichever
// lies further right. Left to right, no kerning or shaping.
#pragma once

#include "raster_fonts.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gdi::raster {

enum class GlyphKind : uint8_t {
  Ink,        // a glyph that is drawn
  Space,      // drawn too (it may carry a shape), and a place to wrap
  LineBreak,  // U+000A; a space in single-line text
  Skip,       // other control characters: nothing, no advance
};

struct PlacedGlyph {
  unsigned long index = 0;  // glyph of the face; 0 is the face's "missing" glyph
  GlyphKind kind = GlyphKind::Ink;
  int32_t advance = 0;
  int32_t inkLeft = 0;   // ink columns from the pen: [inkLeft, inkRight)
  int32_t inkRight = 0;  // equal to inkLeft when the glyph has no ink
};

struct TextLine {
  size_t begin = 0, end = 0;  // glyphs [begin, end)
  int64_t boxLeft = 0;        // box start from the pen start, 0 or less
  int64_t boxWidth = 0;
};

// Surrogate pairs make one character; unpaired surrogates show U+FFFD. A
// null text or a count of 0 or less is empty. `singleLine` turns line
// breaks into spaces.
std::vector<PlacedGlyph> placeGlyphs(const LoadedFont& font, const unichar* text, int32_t count,
                                     bool singleLine);

// Lines at every line break; with `wrapWidth` above 0, lines longer than it
// are also broken at their last space that keeps them within it (a word
// longer than the width keeps a line of its own). Stops after `maxLines`
// lines. An empty text gives one empty line.
std::vector<TextLine> breakLines(const std::vector<PlacedGlyph>& glyphs, int64_t wrapWidth,
                                 size_t maxLines);

struct TextExtent {
  int64_t width = 0;   // the widest line's box
  int64_t height = 0;  // lines times the line height
};
TextExtent extentOf(const LoadedFont& font, const std::vector<TextLine>& lines);

}  // namespace gdi::raster
