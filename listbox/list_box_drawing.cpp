#include "listbox/list_box_drawing.h"

#include "module/int_math.h"
#include "text/text_records.h"

namespace tamri {
namespace {

// Columns end this far inside the list's right edge and start this far
// right of the previous column's end (or of the list's left edge).
constexpr int32_t kRightMargin = 10;
constexpr int32_t kColumnGap = 11;

int32_t drawn(int64_t coordinate) { return cutTo16Bits(static_cast<int32_t>(coordinate)); }

// Low 24 bits inverted, the top byte kept: the cursor row's colours.
int32_t inverted(int32_t colour) { return colour ^ 0x00FFFFFF; }

// The list's background, the title band and the cursor bar: rectangles one
// pixel wide in one colour, the background in line style 1, the two bands
// in line style 0.
constexpr int16_t kBackgroundStyle = 1;
constexpr int16_t kBandStyle = 0;

void drawArea(int32_t left, int32_t top, int32_t right, int32_t bottom, int16_t style,
              int32_t colour) {
  osGXdrawRectangle(left, top, right, bottom, 1, style, colour, colour, 0, 0, 0);
}

struct RowBox {
  int64_t top, bottom;
};

void drawColumns(const ListBoxModel& model, const ListBoxRow& row, int32_t surface,
                 const RowBox& box, int32_t textColor) {
  const TEXTCOL colours{textColor, kNoColour, 0};
  const TEXTATTRIB attributes = textAttributes(0, {0, 0, row.attribute, 0});
  const int64_t limit = int64_t{model.x2} - kRightMargin;
  int64_t right = model.x1;
  for (int32_t c = 0; c < model.columnCount; ++c) {
    const int64_t left = right + kColumnGap;
    right = left + model.columnWidths[c];
    if (right > limit) {
      right = limit;
      if (left >= right) return;
    }
    const POINTRECT rect{drawn(left), drawn(box.top), drawn(right), drawn(box.bottom)};
    const TextView text = rowText(row, model.columns, c);
    osGXtext(surface, &rect, &colours, &attributes, row.font, text.chars, text.count, false);
  }
}

void drawRow(const ListBoxModel& model, const ListBoxRow& row, int32_t surface) {
  if (isFree(row)) return;
  const int32_t frameHalf = (model.frame.width + 1) / 2;
  const int32_t ruleHalf = (model.rules.width + 1) / 2;
  const int64_t band = model.bandHeight;
  if (row.isTitle) {
    drawArea(model.x1, drawn(model.y1 + frameHalf), model.x2, drawn(model.y1 + band + frameHalf),
             kBandStyle, row.backColor);
    const int64_t top = int64_t{model.y1} + frameHalf + 1;
    drawColumns(model, row, surface, {top, top + band - 1 - ruleHalf}, row.textColor);
    return;
  }
  const int64_t slot = band != 0 ? row.index - 1 : row.index;
  const int64_t rowTop = model.y1 + band + slot * model.rowHeight;
  int32_t textColor = row.textColor;
  if (row.isCursor) {
    textColor = inverted(textColor);
    const int64_t barTop = rowTop + frameHalf;
    drawArea(model.x1, drawn(barTop), model.x2, drawn(barTop + model.rowHeight), kBandStyle,
             inverted(row.backColor));
  }
  const int64_t top = rowTop + ruleHalf + frameHalf + 1;
  drawColumns(model, row, surface, {top, top + model.rowHeight - ruleHalf}, textColor);
}

void drawRules(const ListBoxModel& model) {
  const ListLine& rules = model.rules;
  int64_t y = 0;
  bool pastTitle = false;
  for (int32_t i = 1; i < model.rowCount; ++i) {
    if (model.hasTitle && !pastTitle) {
      y = (model.frame.width + 1) / 2 + model.bandHeight;
      pastTitle = true;
    } else {
      y += model.rowHeight;
    }
    const int32_t at = drawn(model.y1 + y);
    osGXdrawLine(model.x1, at, model.x2, at, rules.width, rules.style, rules.color, rules.backColor,
                 0);
  }
}

}  // namespace

void drawListBox(const ListBoxModel& model, int32_t surface) {
  drawArea(model.x1, model.y1, model.x2, model.y2, kBackgroundStyle, model.backColor);
  for (int32_t s = 0; s < model.rowCount; ++s) drawRow(model, model.rows[s], surface);
  if (model.rules.width != 0) drawRules(model);
  const ListLine& frame = model.frame;
  if (frame.width != 0) {
    osGXdrawRectangle(model.x1, model.y1, model.x2, model.y2, frame.width, frame.style, frame.color,
                      frame.backColor, 0, 0, 0);
  }
}

}  // namespace tamri
