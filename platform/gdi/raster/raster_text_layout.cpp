#include "raster_text_layout.h"

#include "utf_text.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <unordered_map>

namespace gdi::raster {
namespace {

// Layouts remembered before the memory is cleared and started again, and
// the longest text that is remembered.
constexpr size_t kRememberedLayouts = 1024;
constexpr int32_t kRememberedUnits = 1024;
// Pango measures in 1/1024 pixel in an int.
constexpr int64_t kMaxWrapWidth = INT32_MAX / PANGO_SCALE;

bool isHighSurrogate(unichar c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(unichar c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool isLineBreak(char32_t c) { return c == U'\n' || c == 0x2028 || c == 0x2029; }
bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

// The text as Pango takes it.
std::string pangoText(const unichar* text, int32_t count, bool singleLine) {
  std::string out;
  out.reserve(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    char32_t c = text[i];
    if (isHighSurrogate(text[i]) && i + 1 < count && isLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (isHighSurrogate(text[i]) || isLowSurrogate(text[i])) {
      c = 0xFFFD;
    }
    if (isLineBreak(c)) {
      out += singleLine ? ' ' : '\n';
    } else if (c == U'\t') {
      out += ' ';
    } else if (!isControl(c)) {
      morv::appendUtf8(out, c);
    }
  }
  return out;
}

void takeLine(PangoLayoutLine* line, LaidOutText& out) {
  LaidOutLine laid;
  laid.runBegin = static_cast<uint32_t>(out.runs.size());
  laid.missingBegin = static_cast<uint32_t>(out.missing.size());
  int64_t pen = 0;  // in Pango units from the line's left edge
  for (GSList* item = line->runs; item; item = item->next) {
    const auto* run = static_cast<const PangoGlyphItem*>(item->data);
    PangoFont* pangoFont = run->item->analysis.font;
    cairo_scaled_font_t* font =
        pangoFont ? pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(pangoFont)) : nullptr;
    const auto begin = static_cast<uint32_t>(out.glyphs.size());
    for (int i = 0; i < run->glyphs->num_glyphs; ++i) {
      const PangoGlyphInfo& glyph = run->glyphs->glyphs[i];
      const double x = static_cast<double>(pen + glyph.geometry.x_offset) / PANGO_SCALE;
      const double width = static_cast<double>(glyph.geometry.width) / PANGO_SCALE;
      if (glyph.glyph == PANGO_GLYPH_EMPTY) {
        // takes its room and draws nothing
      } else if (glyph.glyph & PANGO_GLYPH_UNKNOWN_FLAG) {
        out.missing.push_back({static_cast<double>(pen) / PANGO_SCALE, width});
      } else if (font) {
        out.glyphs.push_back(
            {glyph.glyph, x, static_cast<double>(glyph.geometry.y_offset) / PANGO_SCALE});
      }
      pen += glyph.geometry.width;
    }
    const auto end = static_cast<uint32_t>(out.glyphs.size());
    if (end > begin) {
      cairo_scaled_font_t* smooth = smoothTwin(pangoFont);
      out.runs.push_back({cairo_scaled_font_reference(font),
                          cairo_scaled_font_reference(smooth ? smooth : font), begin, end});
    }
  }
  laid.runEnd = static_cast<uint32_t>(out.runs.size());
  laid.missingEnd = static_cast<uint32_t>(out.missing.size());
  laid.width = std::max<int64_t>(0, (pen + PANGO_SCALE - 1) / PANGO_SCALE);
  out.lines.push_back(laid);
}

struct LayoutMemory {
  uint64_t generation = 0;
  PangoLayout* layout = nullptr;
  std::unordered_map<std::u16string, std::unique_ptr<LaidOutText>> remembered;
  std::unique_ptr<LaidOutText> latest;  // a text too long to remember

  ~LayoutMemory() {
    if (layout) g_object_unref(layout);
  }

  // The reused layout; what was laid out in older fonts is forgotten.
  PangoLayout* freshLayout() {
    if (layout && generation == fontGeneration()) return layout;
    remembered.clear();
    if (layout) g_object_unref(layout);
    layout = pango_layout_new(textContext());
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    // A word broken inside shows no hyphen that the text does not have.
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes, pango_attr_insert_hyphens_new(FALSE));
    pango_layout_set_attributes(layout, attributes);
    pango_attr_list_unref(attributes);
    generation = fontGeneration();
    return layout;
  }
};

LayoutMemory& memory() {
  static LayoutMemory instance;
  return instance;
}

std::unique_ptr<LaidOutText> layOut(PangoLayout* layout, const LoadedFont& font,
                                    const unichar* text, int32_t count, int64_t wrapWidth,
                                    bool singleLine) {
  const std::string utf8 = pangoText(text, count, singleLine);
  pango_layout_set_font_description(layout, font.description);
  pango_layout_set_width(
      layout,
      wrapWidth > 0 ? static_cast<int>(std::min(wrapWidth, kMaxWrapWidth) * PANGO_SCALE) : -1);
  pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
  auto laid = std::make_unique<LaidOutText>();
  for (GSList* line = pango_layout_get_lines_readonly(layout); line; line = line->next)
    takeLine(static_cast<PangoLayoutLine*>(line->data), *laid);
  if (laid->lines.empty()) laid->lines.emplace_back();
  const PangoLayoutLine* first = pango_layout_get_line_readonly(layout, 0);
  laid->rightToLeft = first && first->resolved_dir == PANGO_DIRECTION_RTL;
  return laid;
}

// What tells one layout from another: the handle, the mode and the text.
std::u16string keyOf(FONTHANDLE handle, int64_t wrapWidth, bool singleLine, const unichar* text,
                     int32_t count) {
  const auto width = static_cast<uint32_t>(std::clamp<int64_t>(wrapWidth, 0, kMaxWrapWidth));
  std::u16string key;
  key.reserve(static_cast<size_t>(count) + 5);
  key += static_cast<char16_t>(handle & 0xFFFF);
  key += static_cast<char16_t>(handle >> 16);
  key += static_cast<char16_t>(singleLine);
  key += static_cast<char16_t>(width & 0xFFFF);
  key += static_cast<char16_t>(width >> 16);
  key.append(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(count));
  return key;
}

}  // namespace

LaidOutText::~LaidOutText() {
  for (const GlyphRun& run : runs) {
    cairo_scaled_font_destroy(run.crisp);
    cairo_scaled_font_destroy(run.smooth);
  }
}

const LaidOutText& layOutText(FONTHANDLE handle, const LoadedFont& font, const unichar* text,
                              int32_t count, int64_t wrapWidth, bool singleLine) {
  LayoutMemory& mem = memory();
  PangoLayout* layout = mem.freshLayout();
  count = text ? std::clamp(count, 0, kMaxLaidOutUnits) : 0;
  if (count > kRememberedUnits) {
    mem.latest = layOut(layout, font, text, count, wrapWidth, singleLine);
    return *mem.latest;
  }
  std::u16string key = keyOf(handle, wrapWidth, singleLine, text, count);
  if (const auto known = mem.remembered.find(key); known != mem.remembered.end())
    return *known->second;
  if (mem.remembered.size() >= kRememberedLayouts) mem.remembered.clear();
  auto laid = layOut(layout, font, text, count, wrapWidth, singleLine);
  return *mem.remembered.emplace(std::move(key), std::move(laid)).first->second;
}

}  // namespace gdi::raster
