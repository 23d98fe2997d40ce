#include "listbox/list_box_model.h"

#include "listbox/list_box_cursor.h"
#include "module/int_math.h"

#include <algorithm>
#include <new>

namespace tamri {
namespace {

int32_t entryOr0(std::span<const int32_t> values, int32_t index) {
  return static_cast<size_t>(index) < values.size() ? values[index] : 0;
}

// The list's height, wide: a rectangle from far above to far below is not
// a negative height.
int64_t listHeight(const ListBoxModel& model) { return int64_t{model.y2} - model.y1 + 1; }

// Heights are kept as 16-bit values.
int32_t height16(int64_t value) { return cutTo16Bits(static_cast<int32_t>(value)); }

bool allocateStorage(ListBoxModel& model, const ListBoxSetup& setup) {
  const int32_t columns = setup.columnCount;
  model.columnData.reset(new (std::nothrow) int32_t[3 * columns]);
  if (!model.columnData) return false;
  int32_t* widths = model.columnData.get();
  int32_t* maxLengths = widths + columns;
  int32_t* offsets = maxLengths + columns;
  int64_t rowCharacters = 0;
  for (int32_t c = 0; c < columns; ++c) {
    widths[c] = entryOr0(setup.columnWidths, c);
    // Clamped so that the sum below cannot overflow; the total decides.
    maxLengths[c] = static_cast<int32_t>(
        std::clamp<int64_t>(entryOr0(setup.maxLengths, c), 0, kMaxListCharacters));
    offsets[c] = static_cast<int32_t>(rowCharacters);  // at most 64 columns of 2^20 + 1
    rowCharacters += maxLengths[c] + 1;
  }
  if (rowCharacters * setup.rowCount > kMaxListCharacters) return false;

  const auto storeSize = static_cast<size_t>(rowCharacters * setup.rowCount);
  model.textStore.reset(new (std::nothrow) unichar[storeSize]());
  model.rows.reset(new (std::nothrow) ListBoxRow[setup.rowCount]());
  if (!model.textStore || !model.rows) return false;
  model.columnWidths = widths;
  model.columns = {columns, maxLengths, offsets};
  for (int32_t s = 0; s < setup.rowCount; ++s) {
    ListBoxRow& row = model.rows[s];
    row.textColor = setup.textColor;
    row.backColor = setup.backColor;
    row.font = setup.font;
    row.texts = model.textStore.get() + rowCharacters * s;
  }
  return true;
}

// Scrolls every data row one place down (atTop) or up; a row pushed past
// the end, or onto the title's place, drops out. Answers whether the cursor
// row dropped out.
bool scrollRows(ListBoxModel& model, bool atTop) {
  const int32_t firstIndex = model.hasTitle ? 1 : 0;
  bool cursorDropped = false;
  for (int32_t s = 0; s < model.rowCount; ++s) {
    ListBoxRow& row = model.rows[s];
    if (isFree(row) || isTitleRow(model, row)) continue;
    row.index += atTop ? 1 : -1;
    if (row.index >= model.rowCount || row.index < firstIndex) {
      row.index = kFreeIndex;
      cursorDropped = cursorDropped || s == model.cursor;
    }
  }
  return cursorDropped;
}

// The title row made by an earlier setTitle; title rows are never freed.
int32_t titleSlot(const ListBoxModel& model) {
  for (int32_t s = 0; s < model.rowCount; ++s) {
    if (model.rows[s].isTitle && !isFree(model.rows[s])) return s;
  }
  return -1;
}

}  // namespace

bool isTitleRow(const ListBoxModel& model, const ListBoxRow& row) {
  return model.hasTitle && row.index == 0;
}

int32_t slotWithIndex(const ListBoxModel& model, int32_t index) {
  if (index == kFreeIndex) return -1;
  for (int32_t s = 0; s < model.rowCount; ++s) {
    if (model.rows[s].index == index) return s;
  }
  return -1;
}

int32_t firstFreeSlot(const ListBoxModel& model) {
  for (int32_t s = 0; s < model.rowCount; ++s) {
    if (isFree(model.rows[s])) return s;
  }
  return -1;
}

std::unique_ptr<ListBoxModel> makeListBoxModel(const ListBoxSetup& setup) {
  if (setup.columnCount < 1 || setup.columnCount > kMaxListColumns) return nullptr;
  if (setup.rowCount < 1 || setup.rowCount > kMaxListRows) return nullptr;
  std::unique_ptr<ListBoxModel> model(new (std::nothrow) ListBoxModel);
  if (!model || !allocateStorage(*model, setup)) return nullptr;
  model->firstColor = setup.firstColor;
  model->font = setup.font;
  model->textColor = setup.textColor;
  model->backColor = setup.backColor;
  model->columnCount = setup.columnCount;
  model->rowCount = setup.rowCount;
  moveList(*model, setup.x1, setup.y1, setup.x2, setup.y2);
  model->rowHeight = height16(listHeight(*model) / model->rowCount);
  return model;
}

void setListTitle(ListBoxModel& model, ColumnTexts texts, FONTHANDLE font, int32_t textColor,
                  int32_t backColor, int32_t textHeight) {
  model.hasTitle = true;
  // A title set again replaces the first one rather than adding a second.
  int32_t slot = titleSlot(model);
  if (slot < 0) slot = firstFreeSlot(model);
  if (slot >= 0) {
    ListBoxRow& row = model.rows[slot];
    setRowContent(row, model.columns, 0, texts);
    row.textColor = textColor;
    row.backColor = backColor;
    row.font = font;
    row.isTitle = true;
  }
  model.titleHeight =
      height16((model.frame.width + 1) / 2 + int64_t{textHeight} + (model.rules.width + 1) / 2);
  model.bandHeight = model.titleHeight;
  model.rowHeight = model.rowCount >= 2
                        ? height16((listHeight(model) - model.titleHeight) / (model.rowCount - 1))
                        : 0;
}

void setListFrame(ListBoxModel& model, const ListLine& frame) {
  model.frame = frame;
  // The title height is not taken off here: a frame set after the title
  // only widens the band.
  model.rowHeight = height16((listHeight(model) - frame.width) / model.rowCount);
  if (model.hasTitle) model.bandHeight = height16(model.bandHeight + frame.width / 2);
}

void setListRules(ListBoxModel& model, const ListLine& rules) {
  model.rules = rules;
  if (model.hasTitle) model.bandHeight = height16(model.bandHeight + rules.width / 2);
}

void insertListRow(ListBoxModel& model, ColumnTexts texts, bool atTop) {
  const bool cursorDropped = scrollRows(model, atTop);
  const int32_t slot = firstFreeSlot(model);
  if (slot < 0) return;
  const int32_t index = atTop ? (model.hasTitle ? 1 : 0) : model.rowCount - 1;
  setRowContent(model.rows[slot], model.columns, index, texts);
  if (cursorDropped) followDroppedCursor(model, atTop);
}

void setListContents(ListBoxModel& model, ColumnTexts texts, int32_t index) {
  // Only a display position of a data row: -1 would leave the slot free,
  // and 0 under a title would make a second title.
  const int32_t firstIndex = model.hasTitle ? 1 : 0;
  if (index < firstIndex || index >= model.rowCount) return;
  const int32_t slot = firstFreeSlot(model);
  if (slot >= 0) setRowContent(model.rows[slot], model.columns, index, texts);
}

void setListRowContent(ListBoxModel& model, int32_t index, ColumnTexts texts) {
  if (index == kFreeIndex) return;
  for (int32_t s = 0; s < model.rowCount; ++s) {
    if (model.rows[s].index == index) setRowContent(model.rows[s], model.columns, index, texts);
  }
}

void setListRowColor(ListBoxModel& model, int32_t index, int32_t textColor, int32_t backColor) {
  const int32_t slot = slotWithIndex(model, index);
  if (slot < 0) return;
  model.rows[slot].textColor = textColor;
  model.rows[slot].backColor = backColor;
}

void wipeOutList(ListBoxModel& model) {
  resetListCursor(model);
  for (int32_t s = 0; s < model.rowCount; ++s) {
    if (!isTitleRow(model, model.rows[s])) model.rows[s].index = kFreeIndex;
  }
}

void removeListRow(ListBoxModel& model, int32_t index) {
  if (model.hasTitle && index == 0) return;
  const int32_t slot = slotWithIndex(model, index);
  if (slot < 0) return;
  if (slot == model.cursor) resetListCursor(model);
  clearRow(model.rows[slot], model.columns);
}

void moveList(ListBoxModel& model, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  model.x1 = x1;
  model.y1 = y1;
  model.x2 = x2;
  model.y2 = y2;
}

int32_t rowPositionAt(const ListBoxModel& model, int64_t offset, bool titled, int32_t rowLimit) {
  // Steps down the rows one height at a time while at least one pixel is
  // left, as far as the limit: counted, not walked, so that a zero or
  // negative row height cannot keep it going.
  int64_t left = offset;
  int64_t position = 0;
  if (titled) {
    left -= model.titleHeight;
    if (left <= 0) return 0;
    position = 1;
  }
  if (position >= rowLimit) return static_cast<int32_t>(position);
  const int64_t height = model.rowHeight;
  int64_t steps;
  if (height > 0) {
    steps = left >= 1 ? (left - 1) / height : 0;
  } else {
    steps = left - height >= 1 ? rowLimit : 0;
  }
  return static_cast<int32_t>(std::min<int64_t>(position + steps, rowLimit));
}

}  // namespace tamri
