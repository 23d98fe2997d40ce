#include "listbox/list_box_table.h"

namespace tamri {
namespace {

constexpr int32_t kSlotBits = 10;
static_assert(kMaxLiveListBoxes == 1 << kSlotBits);
constexpr int32_t kSlotMask = kMaxLiveListBoxes - 1;
// Serials 1 to 2^21 - 1 keep handles positive.
constexpr int32_t kLastSerial = (1 << (31 - kSlotBits)) - 1;

struct TableSlot {
  ListBoxModel* model = nullptr;
  int32_t serial = 0;  // of the handle now or last given out
};

TableSlot table[kMaxLiveListBoxes];
int32_t live = 0;
// Where the search for a free slot starts: slots are used in turn, so that a
// freed slot is not given out again at once.
int32_t nextSlot = 0;

TableSlot* slotOf(int32_t handle) {
  if (handle <= 0) return nullptr;
  TableSlot& slot = table[handle & kSlotMask];
  const bool held = slot.model && slot.serial == (handle >> kSlotBits);
  return held ? &slot : nullptr;
}

}  // namespace

int32_t keepListBoxModel(std::unique_ptr<ListBoxModel> model) {
  if (!model) return 0;
  for (int32_t tried = 0; tried < kMaxLiveListBoxes; ++tried) {
    const int32_t index = (nextSlot + tried) & kSlotMask;
    TableSlot& slot = table[index];
    if (slot.model) continue;
    slot.model = model.release();
    slot.serial = slot.serial == kLastSerial ? 1 : slot.serial + 1;
    nextSlot = (index + 1) & kSlotMask;
    ++live;
    return (slot.serial << kSlotBits) | index;
  }
  return 0;
}

ListBoxModel* listBoxModel(int32_t handle) {
  const TableSlot* slot = slotOf(handle);
  return slot ? slot->model : nullptr;
}

void freeListBoxModel(int32_t handle) {
  TableSlot* slot = slotOf(handle);
  if (!slot) return;
  delete slot->model;
  slot->model = nullptr;
  --live;
}

int32_t liveListBoxModels() { return live; }

}  // namespace tamri
