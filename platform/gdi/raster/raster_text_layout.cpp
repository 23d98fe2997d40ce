#include "raster_text_layout.h"

#include <cairo-ft.h>

#include <algorithm>
#include <cmath>

namespace gdi::raster {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(unichar c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(unichar c) { return c >= 0xDC00 && c <= 0xDFFF; }

GlyphKind kindOf(char32_t c, bool singleLine) {
  if (c == u'\n') return singleLine ? GlyphKind::Space : GlyphKind::LineBreak;
  if (c == u' ' || c == u'\t') return GlyphKind::Space;
  if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return GlyphKind::Skip;
  return GlyphKind::Ink;
}

// Line breaks and tabs draw as spaces.
char32_t drawnAs(char32_t c) { return c == u'\n' || c == u'\t' ? U' ' : c; }

// Builds lines one at a time; says when the last wanted line is made.
class LineMaker {
 public:
  LineMaker(const std::vector<PlacedGlyph>& glyphs, size_t maxLines)
      : glyphs_(glyphs), maxLines_(std::max<size_t>(maxLines, 1)) {}

  // Adds the line of glyphs [begin, end); true when no more lines are wanted.
  bool add(size_t begin, size_t end) {
    TextLine line{begin, end, 0, 0};
    int64_t pen = 0, right = 0;
    for (size_t k = begin; k < end; ++k) {
      const PlacedGlyph& g = glyphs_[k];
      if (g.inkRight > g.inkLeft) {
        line.boxLeft = std::min(line.boxLeft, pen + g.inkLeft);
        right = std::max(right, pen + g.inkRight);
      }
      pen += g.advance;
    }
    line.boxWidth = std::max(right, pen) - line.boxLeft;
    lines_.push_back(line);
    return lines_.size() >= maxLines_;
  }

  // Breaks glyphs [begin, end), which hold no line break, to `width`.
  bool wrap(size_t begin, size_t end, int64_t width) {
    size_t lineStart = begin;
    while (true) {
      int64_t pen = 0, left = 0, right = 0;
      size_t lastSpace = end;
      bool seenInk = false;
      size_t k = lineStart;
      for (; k < end; ++k) {
        const PlacedGlyph& g = glyphs_[k];
        if (g.kind == GlyphKind::Space) {
          if (seenInk) lastSpace = k;
          pen += g.advance;
          continue;
        }
        int64_t newLeft = left, newRight = std::max(right, pen + g.advance);
        if (g.inkRight > g.inkLeft) {
          newLeft = std::min(left, pen + g.inkLeft);
          newRight = std::max(newRight, pen + g.inkRight);
        }
        if (newRight - newLeft > width && lastSpace != end) break;
        left = newLeft;
        right = newRight;
        pen += g.advance;
        seenInk = true;
      }
      if (k == end) return add(lineStart, end);
      size_t lineEnd = lastSpace;
      while (lineEnd > lineStart && glyphs_[lineEnd - 1].kind == GlyphKind::Space) --lineEnd;
      if (add(lineStart, lineEnd)) return true;
      lineStart = lastSpace + 1;
      while (lineStart < end && glyphs_[lineStart].kind == GlyphKind::Space) ++lineStart;
    }
  }

  std::vector<TextLine> take() { return std::move(lines_); }

 private:
  const std::vector<PlacedGlyph>& glyphs_;
  size_t maxLines_;
  std::vector<TextLine> lines_;
};

}  // namespace

std::vector<PlacedGlyph> placeGlyphs(const LoadedFont& font, const unichar* text, int32_t count,
                                     bool singleLine) {
  std::vector<PlacedGlyph> glyphs;
  if (!text || count <= 0) return glyphs;
  glyphs.reserve(static_cast<size_t>(count));
  FT_Face face = cairo_ft_scaled_font_lock_face(font.crisp);
  if (!face) return glyphs;
  for (int32_t i = 0; i < count; ++i) {
    char32_t c = text[i];
    if (isHighSurrogate(text[i]) && i + 1 < count && isLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((static_cast<char32_t>(text[i]) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (isHighSurrogate(text[i]) || isLowSurrogate(text[i])) {
      c = kReplacement;
    }
    PlacedGlyph glyph;
    glyph.kind = kindOf(c, singleLine);
    if (glyph.kind != GlyphKind::LineBreak && glyph.kind != GlyphKind::Skip)
      glyph.index = FT_Get_Char_Index(face, drawnAs(c));
    glyphs.push_back(glyph);
  }
  cairo_ft_scaled_font_unlock_face(font.crisp);

  // Extents outside the face lock: Cairo takes it again for each glyph.
  for (PlacedGlyph& glyph : glyphs) {
    if (glyph.kind == GlyphKind::LineBreak || glyph.kind == GlyphKind::Skip) continue;
    cairo_glyph_t one{glyph.index, 0, 0};
    cairo_text_extents_t extents;
    cairo_scaled_font_glyph_extents(font.crisp, &one, 1, &extents);
    glyph.advance = static_cast<int32_t>(std::lround(extents.x_advance));
    if (extents.width > 0 && extents.height > 0) {
      glyph.inkLeft = static_cast<int32_t>(std::floor(extents.x_bearing));
      glyph.inkRight = static_cast<int32_t>(std::ceil(extents.x_bearing + extents.width));
    }
  }
  return glyphs;
}

std::vector<TextLine> breakLines(const std::vector<PlacedGlyph>& glyphs, int64_t wrapWidth,
                                 size_t maxLines) {
  LineMaker lines(glyphs, maxLines);
  size_t start = 0;
  while (true) {
    size_t end = start;
    while (end < glyphs.size() && glyphs[end].kind != GlyphKind::LineBreak) ++end;
    const bool done = wrapWidth > 0 ? lines.wrap(start, end, wrapWidth) : lines.add(start, end);
    if (done || end >= glyphs.size()) break;
    start = end + 1;
  }
  return lines.take();
}

TextExtent extentOf(const LoadedFont& font, const std::vector<TextLine>& lines) {
  TextExtent extent;
  for (const TextLine& line : lines) extent.width = std::max(extent.width, line.boxWidth);
  extent.height = static_cast<int64_t>(lines.size()) * font.lineHeight();
  return extent;
}

}  // namespace gdi::raster
