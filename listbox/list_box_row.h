// One row slot of a list box: its display position, colours, font and marks.
// Its column texts live in a block of the model's text store, one buffer per
// column of the column's maximum length plus the terminator.
#pragma once

#include "module/vm_strings.h"
#include "platform/gdi/osgx.h"

#include <cstdint>
#include <span>

namespace tamri {

// The display index of a free slot.
inline constexpr int32_t kFreeIndex = -1;

// Column texts as the natives hand them over, column 0 first; columns beyond
// the span, and null texts, are empty.
using ColumnTexts = std::span<const TextView>;

// Where each column's buffer lies in a row's block of characters.
struct ColumnLayout {
  int32_t count = 0;
  const int32_t* maxLengths = nullptr;  // characters per column, never negative
  const int32_t* offsets = nullptr;     // first character of each buffer in the block
};

struct ListBoxRow {
  int32_t textColor = 0;
  int32_t backColor = 0;  // the title band's colour; inverted, the cursor bar's
  FONTHANDLE font = 0;
  unichar* texts = nullptr;  // this row's block in the model's text store
  int32_t index = kFreeIndex;
  bool isCursor = false;
  bool isTitle = false;
  uint8_t attribute = 0;  // the sixth text-attribute byte; always 0
};

inline bool isFree(const ListBoxRow& row) { return row.index == kFreeIndex; }

// Gives the row its display index and texts: each column's text up to its
// first zero character, cut to the column's maximum.
void setRowContent(ListBoxRow& row, const ColumnLayout& columns, int32_t index, ColumnTexts texts);
// Frees the row; every column shows one space (as far as the column holds it).
void clearRow(ListBoxRow& row, const ColumnLayout& columns);
// The text of one column, without its terminator.
TextView rowText(const ListBoxRow& row, const ColumnLayout& columns, int32_t column);

}  // namespace tamri
