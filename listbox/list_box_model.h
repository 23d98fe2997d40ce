// A list box's native state: a fixed grid of row slots and columns inside a
// rectangle, with an optional title row, frame, rules and one cursor row.
// Rows are not kept in display order: each slot carries its display index,
// and inserting at the top or the bottom renumbers the others, so the list
// scrolls as a list of fixed length and the row pushed past its end drops out.
// Every byte is allocated at construction; nothing after it allocates.
#pragma once

#include "listbox/list_box_row.h"

#include <memory>

namespace tamri {

// Limits of one list box: a construction beyond them makes no model.
inline constexpr int32_t kMaxListRows = 4096;
inline constexpr int32_t kMaxListColumns = 64;
// Characters of all column buffers of all rows, terminators included (2 MiB).
inline constexpr int64_t kMaxListCharacters = int64_t{1} << 20;

struct ListBoxSetup {
  int32_t firstColor = 0;
  int32_t columnCount = 0;
  int32_t rowCount = 0;  // row slots, the title's included
  int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  FONTHANDLE font = 0;
  int32_t textColor = 0, backColor = 0;
  // Per column, as far as given: a missing entry is 0, a negative maximum
  // length counts as 0.
  std::span<const int32_t> columnWidths, maxLengths;
};

// Colours, width and style of the frame or the rules; width 0: none.
struct ListLine {
  int32_t color = 0, backColor = 0;
  int8_t width = 0, style = 0;
};

struct ListBoxModel {
  int32_t firstColor = 0;  // kept from the VM object, never drawn
  std::unique_ptr<ListBoxRow[]> rows;
  FONTHANDLE font = 0;  // the data rows' font; the title row has its own
  // Column widths, maximum lengths and buffer offsets, columnCount each.
  std::unique_ptr<int32_t[]> columnData;
  const int32_t* columnWidths = nullptr;
  ColumnLayout columns;
  std::unique_ptr<unichar[]> textStore;
  int32_t textColor = 0;
  int32_t backColor = 0;  // the list's background and each row's
  int32_t rowHeight = 0;  // 16-bit
  // The title height the row positions are measured with (getRowPos), and
  // the band the rows are drawn below: the band starts equal to it and grows
  // by half of each frame or rule width set after the title.
  int32_t titleHeight = 0;
  int32_t bandHeight = 0;
  int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int32_t columnCount = 0;
  int32_t rowCount = 0;
  int32_t cursor = -1;  // the cursor row's slot; -1 none. Never a free slot.
  ListLine frame;
  ListLine rules;
  bool hasTitle = false;
};

// Null when the setup is beyond the limits or memory runs out.
std::unique_ptr<ListBoxModel> makeListBoxModel(const ListBoxSetup& setup);

// Title, frame and rules, with the row heights they leave.
void setListTitle(ListBoxModel& model, ColumnTexts texts, FONTHANDLE font, int32_t textColor,
                  int32_t backColor, int32_t textHeight);
void setListFrame(ListBoxModel& model, const ListLine& frame);
void setListRules(ListBoxModel& model, const ListLine& rules);

// Inserts a row at the top or the bottom, scrolling the others; nothing is
// inserted when no slot is free.
void insertListRow(ListBoxModel& model, ColumnTexts texts, bool atTop);
// Fills the first free slot as the row at `index` (a display position).
void setListContents(ListBoxModel& model, ColumnTexts texts, int32_t index);
void setListRowContent(ListBoxModel& model, int32_t index, ColumnTexts texts);
void setListRowColor(ListBoxModel& model, int32_t index, int32_t textColor, int32_t backColor);
// Frees every row but the title; the cursor goes.
void wipeOutList(ListBoxModel& model);
// Frees the data row at `index`; the other rows keep their places.
void removeListRow(ListBoxModel& model, int32_t index);
void moveList(ListBoxModel& model, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// The row position of a point `offset` pixels below the list's top: 0 in the
// title band or above the list, then 1, 2, ... (0 first without a title),
// never beyond `rowLimit` once past the title.
int32_t rowPositionAt(const ListBoxModel& model, int64_t offset, bool titled, int32_t rowLimit);

// Helpers shared by the model's files.
bool isTitleRow(const ListBoxModel& model, const ListBoxRow& row);
// The first used row with `index` in storage order, or -1.
int32_t slotWithIndex(const ListBoxModel& model, int32_t index);
int32_t firstFreeSlot(const ListBoxModel& model);

}  // namespace tamri
