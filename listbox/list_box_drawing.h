// Drawing a list box: background, rows in storage order (title band, cursor
// bar, column texts), rules, frame. Coordinates the drawing computes are cut
// to 16 bits, as the panel keeps them.
#pragma once

#include "listbox/list_box_model.h"

namespace tamri {

void drawListBox(const ListBoxModel& model, int32_t surface);

}  // namespace tamri
