// The cursor row: one row at most, marked, never a free slot.
#pragma once

#include "listbox/list_box_model.h"

namespace tamri {

// Puts the cursor on the row with `index`. Without such a row a list that
// has a cursor keeps it, and one without gets it on the used row with the
// smallest index, scanning the slots from the first one.
void setListCursor(ListBoxModel& model, int32_t index);
void resetListCursor(ListBoxModel& model);
// Moves the cursor to `slot` (-1: none), moving the mark with it.
void placeCursor(ListBoxModel& model, int32_t slot);
// After an insert pushed the cursor row off one end: the cursor goes to the
// data row now at that end (the last row after an insert at the top, the
// first after one at the bottom), or away when there is none.
void followDroppedCursor(ListBoxModel& model, bool atTop);

}  // namespace tamri
