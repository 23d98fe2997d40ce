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
  LinePainter(cairo_t* cr, const LoadedFont& font, const std::vector<PlacedGlyph>& glyphs,
              const Area& visible, const TEXTCOL& colours, const TextStyle& style)
      : cr_(cr),
        font_(font),
        glyphs_(glyphs),
        visible_(visible),
        colours_(colours),
        style_(style) {}

  // The line whose box starts at column boxLeft, its top row at lineTop.
  void draw(const TextLine& line, int64_t boxLeft, int64_t lineTop) {
    const int64_t height = font_.lineHeight();
    if (lineTop > visible_.bottom || lineTop + height < visible_.top - 1) return;
    if (style_.shadow && hasColour(colours_.secondColor))
      paint(line, boxLeft + 1, lineTop + 1, colours_.secondColor);
    if (hasColour(colours_.textColor)) paint(line, boxLeft, lineTop, colours_.textColor);
  }

 private:
  void paint(const TextLine& line, int64_t boxLeft, int64_t lineTop, int32_t colour) {
    const int64_t baseline = lineTop + font_.ascent;
    positioned_.clear();
    int64_t pen = boxLeft - line.boxLeft;
    // Only glyphs whose ink can reach the visible part go to Cairo.
    for (size_t k = line.begin; k < line.end; ++k) {
      const PlacedGlyph& g = glyphs_[k];
      if (g.inkRight > g.inkLeft && pen + g.inkRight >= visible_.left &&
          pen + g.inkLeft <= visible_.right) {
        positioned_.push_back({g.index, static_cast<double>(pen), static_cast<double>(baseline)});
      }
      pen += g.advance;
    }
    setSourceColour(cr_, colour);
    if (!positioned_.empty()) {
      cairo_set_scaled_font(cr_, style_.smooth ? font_.smooth : font_.crisp);
      cairo_show_glyphs(cr_, positioned_.data(), static_cast<int>(positioned_.size()));
    }
    if (style_.underline) underline(boxLeft, line.boxWidth, baseline);
  }

  void underline(int64_t boxLeft, int64_t width, int64_t baseline) {
    const int64_t top = baseline + std::max(1, font_.descent / 3);
    const int64_t thickness = std::max(1, (font_.pixelSize + 8) / 16);
    const int64_t left = std::max(boxLeft, visible_.left - 1);
    const int64_t right = std::min(boxLeft + width, visible_.right + 1);
    if (right <= left) return;
    cairo_rectangle(cr_, clampCoordinate(left), clampCoordinate(top),
                    static_cast<double>(right - left), static_cast<double>(thickness));
    cairo_fill(cr_);
  }

  cairo_t* cr_;
  const LoadedFont& font_;
  const std::vector<PlacedGlyph>& glyphs_;
  Area visible_;
  const TEXTCOL& colours_;
  const TextStyle& style_;
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
  const std::vector<PlacedGlyph> glyphs = placeGlyphs(*font, text, count, false);
  const TextExtent extent =
      extentOf(*font, breakLines(glyphs, 0, std::numeric_limits<size_t>::max()));
  out = {toInt32(extent.width), toInt32(extent.height), font->ascent};
  return true;
}

void drawText(int32_t surface, const POINTRECT& rect, const TEXTCOL& colours,
              const TextStyle& style, FONTHANDLE handle, const unichar* text, int32_t count) {
  const TextTarget target(surface, rect, colours.backColor, handle);
  if (!target) return;
  const LoadedFont& font = *target.font;
  const TextBox& box = target.box;

  const int64_t lineHeight = font.lineHeight();
  // Only lines that fit whole are kept, the first one always.
  const auto maxLines = static_cast<size_t>(std::max<int64_t>(1, box.height / lineHeight));
  const std::vector<PlacedGlyph> glyphs = placeGlyphs(font, text, count, false);
  const std::vector<TextLine> lines = breakLines(glyphs, style.wrap ? box.width : 0, maxLines);

  LinePainter painter(target.canvas.cr(), font, glyphs, target.visible, colours, style);
  const int64_t blockHeight = static_cast<int64_t>(lines.size()) * lineHeight;
  int64_t lineTop = alignedTop(style.vertical, box.top, box.height, blockHeight);
  for (const TextLine& line : lines) {
    painter.draw(line, alignedLeft(style.horizontal, box.left, box.width, line.boxWidth), lineTop);
    lineTop += lineHeight;
  }
}

void drawMarquee(int32_t surface, const POINTRECT& rect, const TEXTCOL& colours,
                 const TextStyle& style, FONTHANDLE handle, const unichar* text, int32_t count,
                 bool leftwards, int32_t offset) {
  const TextTarget target(surface, rect, colours.backColor, handle);
  if (!target) return;
  const LoadedFont& font = *target.font;
  const TextBox& box = target.box;

  const std::vector<PlacedGlyph> glyphs = placeGlyphs(font, text, count, true);
  const TextLine line = breakLines(glyphs, 0, 1).front();
  const int64_t loop = line.boxWidth + box.width;
  const int64_t shift = floorMod(offset, loop);
  const int64_t home = alignedLeft(style.horizontal, box.left, box.width, line.boxWidth);
  const int64_t first = leftwards ? home - shift : home + shift;
  const int64_t top = alignedTop(style.vertical, box.top, box.height, font.lineHeight());

  LinePainter painter(target.canvas.cr(), font, glyphs, target.visible, colours, style);
  painter.draw(line, first, top);
  painter.draw(line, leftwards ? first + loop : first - loop, top);
}

}  // namespace gdi::raster
