#include "listbox/list_box_row.h"

#include <algorithm>

namespace tamri {
namespace {

// Characters of `text` before its first zero character (a VM string may hold
// one; the copy ends there, as a zero-terminated copy would).
int32_t lengthToTerminator(const TextView& text) {
  if (!text.chars) return 0;
  const unichar* end = std::find(text.chars, text.chars + text.count, unichar{0});
  return static_cast<int32_t>(end - text.chars);
}

void copyIntoColumn(const ListBoxRow& row, const ColumnLayout& columns, int32_t column,
                    const TextView& text) {
  unichar* buffer = row.texts + columns.offsets[column];
  const int32_t count = std::min(lengthToTerminator(text), columns.maxLengths[column]);
  std::copy_n(text.chars, count, buffer);
  buffer[count] = 0;
}

}  // namespace

void setRowContent(ListBoxRow& row, const ColumnLayout& columns, int32_t index, ColumnTexts texts) {
  row.index = index;
  for (int32_t c = 0; c < columns.count; ++c) {
    const auto given = static_cast<size_t>(c) < texts.size() ? texts[c] : TextView{};
    copyIntoColumn(row, columns, c, given);
  }
}

void clearRow(ListBoxRow& row, const ColumnLayout& columns) {
  static constexpr unichar kSpace[] = {u' '};
  row.index = kFreeIndex;
  for (int32_t c = 0; c < columns.count; ++c) copyIntoColumn(row, columns, c, {kSpace, 1});
}

TextView rowText(const ListBoxRow& row, const ColumnLayout& columns, int32_t column) {
  const unichar* buffer = row.texts + columns.offsets[column];
  return {buffer, lengthToTerminator({buffer, columns.maxLengths[column]})};
}

}  // namespace tamri
