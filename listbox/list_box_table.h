// The list-box models the module has handed out. A VM object keeps only an
// int handle, which anything may have written; the table says whether a
// handle is one the module gave out and has not taken back, so a forged,
// stale or freed handle never reaches memory.
//
// A handle is the slot number in its low 10 bits and the slot's serial above
// them: never 0, never negative, and a slot used again gets a new serial, so
// an old handle of it stays unknown (until the serial comes round again,
// after two million uses of one slot).
#pragma once

#include "listbox/list_box_model.h"

namespace tamri {

// List boxes alive at once; a construction beyond that makes no model.
inline constexpr int32_t kMaxLiveListBoxes = 1024;

// Takes the model and answers its handle; 0 (and the model is freed) when
// the table is full or there is no model.
int32_t keepListBoxModel(std::unique_ptr<ListBoxModel> model);
// The model of a handle the table holds, or null.
ListBoxModel* listBoxModel(int32_t handle);
// Frees the model of a handle the table holds; any other handle is ignored.
void freeListBoxModel(int32_t handle);
// Models alive now.
int32_t liveListBoxModels();

}  // namespace tamri
