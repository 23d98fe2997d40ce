// UTF-16 text laid out by Pango in a loaded font: shaped by HarfBuzz, put in
// visual order by the Unicode bidirectional algorithm (each paragraph takes
// its base direction from its first strong character), its characters drawn
// from the font or from an installed font that has them, and broken into
// lines at line breaks and, when asked, by Unicode line breaking to a width.
// What comes out is each line's glyphs, with their Cairo fonts and places,
// and its advance width.
#pragma once

#include "raster_fonts.h"

#include <cairo.h>

#include <cstdint>
#include <vector>

namespace gdi::raster {

// Glyphs [begin, end) of one font, with crisp or with smooth edges.
struct GlyphRun {
  cairo_scaled_font_t* crisp = nullptr;
  cairo_scaled_font_t* smooth = nullptr;
  uint32_t begin = 0, end = 0;
};

// A character that no installed font has: a box of the advance Pango gave it.
struct MissingGlyph {
  double x = 0, width = 0;
};

struct LaidOutLine {
  int64_t width = 0;  // advance width in whole pixels, kerning included
  uint32_t runBegin = 0, runEnd = 0;
  uint32_t missingBegin = 0, missingEnd = 0;
};

struct LaidOutText {
  LaidOutText() = default;
  LaidOutText(const LaidOutText&) = delete;
  LaidOutText& operator=(const LaidOutText&) = delete;
  ~LaidOutText();  // lets go of the runs' fonts

  std::vector<cairo_glyph_t> glyphs;  // x from the line's left edge, y from its baseline
  std::vector<GlyphRun> runs;
  std::vector<MissingGlyph> missing;
  std::vector<LaidOutLine> lines;  // one at least, in order from the top
  bool rightToLeft = false;        // the first paragraph's base direction
};

// Line feeds and Unicode's line and paragraph separators break lines, or are
// spaces when `singleLine`; tabs are spaces; other control characters are
// left out. Surrogate pairs make one character, unpaired surrogates show
// U+FFFD. With `wrapWidth` above 0 lines are also broken to that many
// pixels: between words, between ideographs, and inside a word wider than
// the line. Only the first kMaxLaidOutUnits UTF-16 units are laid out.
//
// Layouts of short texts are remembered, so a label drawn again costs a
// look-up. The result stays valid until the next call.
const LaidOutText& layOutText(FONTHANDLE handle, const LoadedFont& font, const unichar* text,
                              int32_t count, int64_t wrapWidth, bool singleLine);

inline constexpr int32_t kMaxLaidOutUnits = 1 << 17;

}  // namespace gdi::raster
