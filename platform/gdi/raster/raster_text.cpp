#include "raster_text.h"

#include "raster_canvas.h"
#include "raster_fonts.h"
#include "raster_text_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gdi::raster {
namespace {

int64_t floorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
int64_t floorMod(int64_t a, int64_t b) { return a - floorDiv(a, b) * b; }

int32_t toInt32(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, 0, std::numeric_limits<int32_t>::max()));
}

// Pixel edges of what may be painted: [left, right) x [top, bottom).
struct Area {
  int64_t left, top, right, bottom;
};

// Clips the canvas to the rectangle; false when nothing of it is visible.
bool clipToRectangle(cairo_t* cr, const POINTRECT& rect, Area& visible) {
  if (rect.right < rect.left || rect.bottom < rect.top) return false;
  const double left = clampCoordinate(rect.left), top = clampCoordinate(rect.top);
  cairo_rectangle(cr, left, top, clampCoordinate(rect.right + 1.0) - left,
                  clampCoordinate(rect.bottom + 1.0) - top);
  cairo_clip(cr);
  double x1, y1, x2, y2;
  cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
  if (!(x2 > x1 && y2 > y1)) return false;
  visible = {static_cast<int64_t>(std::floor(x1)), static_cast<int64_t>(std::floor(y1)),
             static_cast<int64_t>(std::ceil(x2)), static_cast<int64_t>(std::ceil(y2))};
  return true;
}

int64_t alignedLeft(HorizontalAlign align, int64_t left, int64_t width, int64_t boxWidth) {
  switch (align) {
    case HorizontalAlign::Right:
      return left + width - boxWidth;
    case HorizontalAlign::Centre:
      return left + floorDiv(width - boxWidth, 2);
    default:
      return left;
  }
}

int64_t alignedTop(VerticalAlign align, int64_t top, int64_t height, int64_t blockHeight) {
  switch (align) {
    case VerticalAlign::Top:
      return top;
    case VerticalAlign::Bottom:
      return top + height - blockHeight;
    default:
      return top + floorDiv(height - blockHeight, 2);
  }
}

// Draws laid-out lines on one clipped canvas.
class LinePainter {
 public:
  LinePainter(cairo_t* cr, const LoadedFont& font, const LaidOutText& text, const Area& visible,
              const TEXTCOL& colours, const TextStyle& style)
      : cr_(cr),
        font_(font),
        text_(text),
        visible_(visible),
        colours_(colours),
        style_(style),
        // Ink reaches at most about an em beyond a glyph's place.
        reach_(2 * int64_t{font.pixelSize} + font.lineHeight()) {}

  // The line whose left edge is at column left, its top row at lineTop.
  void draw(const LaidOutLine& line, int64_t left, int64_t lineTop) {
    const int64_t height = font_.lineHeight();
    if (lineTop > visible_.bottom || lineTop + height < visible_.top - 1) return;
    if (style_.shadow && hasColour(colours_.secondColor))
      paint(line, left + 1, lineTop + 1, colours_.secondColor);
    if (hasColour(colours_.textColor)) paint(line, left, lineTop, colours_.textColor);
  }

 private:
  void paint(const LaidOutLine& line, int64_t left, int64_t lineTop, int32_t colour) {
    const int64_t baseline = lineTop + font_.ascent;
    setSourceColour(cr_, colour);
    // Only glyphs whose ink can reach the visible part go to Cairo.
    const double from = static_cast<double>(visible_.left - reach_ - left);
    const double to = static_cast<double>(visible_.right + reach_ - left);
    for (uint32_t r = line.runBegin; r < line.runEnd; ++r) {
      const GlyphRun& run = text_.runs[r];
      positioned_.clear();
      for (uint32_t k = run.begin; k < run.end; ++k) {
        const cairo_glyph_t& g = text_.glyphs[k];
        if (g.x >= from && g.x <= to)
          positioned_.push_back(
              {g.index, static_cast<double>(left) + g.x, static_cast<double>(baseline) + g.y});
      }
      if (positioned_.empty()) continue;
      cairo_set_scaled_font(cr_, style_.smooth ? run.smooth : run.crisp);
      cairo_show_glyphs(cr_, positioned_.data(), static_cast<int>(positioned_.size()));
    }
    for (uint32_t m = line.missingBegin; m < line.missingEnd; ++m)
      missingBox(text_.missing[m], left, baseline);
    if (style_.underline) underline(left, line.width, baseline);
  }

  // The box of a character no font has: an outline inside its advance, from
  // the baseline up to three quarters of the ascent.
  void missingBox(const MissingGlyph& glyph, int64_t left, int64_t baseline) {
    const double x = static_cast<double>(left) + std::floor(glyph.x);
    if (x + glyph.width < visible_.left - 1 || x > visible_.right + 1 || glyph.width < 3) return;
    const double height = std::max(3, font_.ascent * 3 / 4);
    cairo_save(cr_);
    cairo_set_line_width(cr_, 1);
    cairo_rectangle(cr_, x + 1.5, static_cast<double>(baseline) - height + 0.5,
                    std::floor(glyph.width) - 3, height - 1);
    cairo_stroke(cr_);
    cairo_restore(cr_);
  }

  void underline(int64_t left, int64_t width, int64_t baseline) {
    const int64_t top = baseline + std::max(1, font_.descent / 3);
    const int64_t thickness = std::max(1, (font_.pixelSize + 8) / 16);
    const int64_t from = std::max(left, visible_.left - 1);
    const int64_t to = std::min(left + width, visible_.right + 1);
    if (to <= from) return;
    cairo_rectangle(cr_, clampCoordinate(from), clampCoordinate(top),
                    static_cast<double>(to - from), static_cast<double>(thickness));
    cairo_fill(cr_);
  }

  cairo_t* cr_;
  const LoadedFont& font_;
  const LaidOutText& text_;
  Area visible_;
  const TEXTCOL& colours_;
  const TextStyle& style_;
  int64_t reach_;
  std::vector<cairo_glyph_t> positioned_;
};

// The rectangle as pixel edges and sizes, wide enough for any corners.
struct TextBox {
  int64_t left, top, width, height;
};

// What every text drawing starts from: its font, and the surface clipped to
// the rectangle with the background painted. False when nothing can show:
// an unknown font, no such surface, or no part of the rectangle visible.
struct TextTarget {
  TextTarget(int32_t surface, const POINTRECT& rect, int32_t background, FONTHANDLE handle)
      : font(findFont(handle)), canvas(surface) {
    if (!font || !canvas || !clipToRectangle(canvas.cr(), rect, visible)) return;
    if (hasColour(background)) {
      setSourceColour(canvas.cr(), background);
      cairo_paint(canvas.cr());
    }
    box = {rect.left, rect.top, int64_t{rect.right} - rect.left + 1,
           int64_t{rect.bottom} - rect.top + 1};
    ready = true;
  }
  explicit operator bool() const { return ready; }

  const LoadedFont* font;
  RasterCanvas canvas;
  Area visible{};
  TextBox box{};
  bool ready = false;
};

}  // namespace

TextStyle alignmentOf(int32_t code) {
  constexpr HorizontalAlign kHorizontal[] = {HorizontalAlign::Left, HorizontalAlign::Right,
                                             HorizontalAlign::Centre, HorizontalAlign::Left};
  constexpr VerticalAlign kVertical[] = {VerticalAlign::Centre, VerticalAlign::Top,
                                         VerticalAlign::Bottom, VerticalAlign::Centre};
  TextStyle style;
  style.horizontal = kHorizontal[code & 3];
  style.vertical = kVertical[(code >> 2) & 3];
  return style;
}

bool measureText(FONTHANDLE handle, const unichar* text, int32_t count, TextMetrics& out) {
  const LoadedFont* font = findFont(handle);
  if (!font) return false;
  const LaidOutText& laid = layOutText(handle, *font, text, count, 0, false);
  int64_t width = 0;
  for (const LaidOutLine& line : laid.lines) width = std::max(width, line.width);
  out = {toInt32(width), toInt32(static_cast<int64_t>(laid.lines.size()) * font->lineHeight()),
         font->ascent};
  return true;
}

void drawText(int32_t surface, const POINTRECT& rect, const TEXTCOL& colours,
              const TextStyle& style, FONTHANDLE handle, const unichar* text, int32_t count) {
  const TextTarget target(surface, rect, colours.backColor, handle);
  if (!target) return;
  const LoadedFont& font = *target.font;
  const TextBox& box = target.box;

  const int64_t lineHeight = font.lineHeight();
  const LaidOutText& laid =
      layOutText(handle, font, text, count, style.wrap ? box.width : 0, false);
  // Only lines that fit whole are kept, the first one always.
  const auto shown = static_cast<size_t>(
      std::clamp<int64_t>(box.height / lineHeight, 1, static_cast<int64_t>(laid.lines.size())));

  LinePainter painter(target.canvas.cr(), font, laid, target.visible, colours, style);
  int64_t lineTop =
      alignedTop(style.vertical, box.top, box.height, static_cast<int64_t>(shown) * lineHeight);
  for (size_t k = 0; k < shown; ++k) {
    const LaidOutLine& line = laid.lines[k];
    painter.draw(line, alignedLeft(style.horizontal, box.left, box.width, line.width), lineTop);
    lineTop += lineHeight;
  }
}

void drawMarquee(int32_t surface, const POINTRECT& rect, const TEXTCOL& colours,
                 const TextStyle& style, FONTHANDLE handle, const unichar* text, int32_t count,
                 bool forwards, int32_t offset) {
  const TextTarget target(surface, rect, colours.backColor, handle);
  if (!target) return;
  const LoadedFont& font = *target.font;
  const TextBox& box = target.box;

  const LaidOutText& laid = layOutText(handle, font, text, count, 0, true);
  const LaidOutLine& line = laid.lines.front();
  const int64_t loop = line.width + box.width;
  const int64_t shift = floorMod(offset, loop);
  const int64_t home = alignedLeft(style.horizontal, box.left, box.width, line.width);
  // Forwards is the way the text is read: its beginning comes in first.
  const bool leftwards = forwards != laid.rightToLeft;
  const int64_t first = leftwards ? home - shift : home + shift;
  const int64_t top = alignedTop(style.vertical, box.top, box.height, font.lineHeight());

  LinePainter painter(target.canvas.cr(), font, laid, target.visible, colours, style);
  painter.draw(line, first, top);
  painter.draw(line, leftwards ? first + loop : first - loop, top);
}

}  // namespace gdi::raster
