// The column texts of a VM string array, read in place for the length of one
// native call: element c is column c's text, as far as the array goes; null
// elements and columns beyond the array are empty. Nothing is copied or
// allocated here: the model copies what it keeps into its own buffers.
#pragma once

#include "listbox/list_box_model.h"
#include "module/vm_arrays.h"

#include <array>

namespace tamri {

struct ColumnTextList {
  std::array<TextView, kMaxListColumns> views{};
  int32_t count = 0;

  ColumnTexts texts() const { return {views.data(), static_cast<size_t>(count)}; }
};

inline ColumnTextList columnTextsOf(jword stringArray, int32_t columnCount) {
  const RefArrayView array = refArrayOf(stringArray);
  ColumnTextList list;
  list.count = std::clamp(std::min(columnCount, array.length), 0, kMaxListColumns);
  for (int32_t c = 0; c < list.count; ++c) list.views[c] = textOf(array.at(c));
  return list;
}

}  // namespace tamri
