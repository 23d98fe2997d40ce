#include "listbox/list_box_cursor.h"

namespace tamri {
namespace {

bool isDataRow(const ListBoxModel& model, const ListBoxRow& row) {
  return !isFree(row) && !isTitleRow(model, row);
}

// The data row with the largest index; the earlier slot keeps a tie.
int32_t lastDataRow(const ListBoxModel& model) {
  int32_t best = -1;
  for (int32_t s = 0; s < model.rowCount; ++s) {
    const ListBoxRow& row = model.rows[s];
    if (isDataRow(model, row) && (best < 0 || row.index > model.rows[best].index)) best = s;
  }
  return best;
}

// The last slot in storage order holding the first data position.
int32_t firstDataRow(const ListBoxModel& model) {
  const int32_t first = model.hasTitle ? 1 : 0;
  int32_t found = -1;
  for (int32_t s = 0; s < model.rowCount; ++s) {
    if (model.rows[s].index == first) found = s;
  }
  return found;
}

// The row a cursor without a row of its own lands on: from the first slot
// on, a later slot replaces a candidate at the title's place unconditionally
// and any other candidate when it is used with a smaller index. A free
// candidate at the end, or the title row itself, means no cursor; a data row
// at index 0 under a title set on a full list is a row like any other.
int32_t defaultCursorRow(const ListBoxModel& model) {
  int32_t candidate = 0;
  for (int32_t s = 1; s < model.rowCount; ++s) {
    const ListBoxRow& row = model.rows[s];
    const ListBoxRow& chosen = model.rows[candidate];
    if (isTitleRow(model, chosen) || (!isFree(row) && row.index < chosen.index)) candidate = s;
  }
  const ListBoxRow& chosen = model.rows[candidate];
  return isFree(chosen) || chosen.isTitle ? -1 : candidate;
}

}  // namespace

void placeCursor(ListBoxModel& model, int32_t slot) {
  if (model.cursor >= 0) model.rows[model.cursor].isCursor = false;
  model.cursor = slot;
  if (slot >= 0) model.rows[slot].isCursor = true;
}

void setListCursor(ListBoxModel& model, int32_t index) {
  const int32_t slot = slotWithIndex(model, index);
  if (slot >= 0) {
    placeCursor(model, slot);
  } else if (model.cursor < 0) {
    placeCursor(model, defaultCursorRow(model));
  }
}

void resetListCursor(ListBoxModel& model) { placeCursor(model, -1); }

void followDroppedCursor(ListBoxModel& model, bool atTop) {
  placeCursor(model, atTop ? lastDataRow(model) : firstDataRow(model));
}

}  // namespace tamri
