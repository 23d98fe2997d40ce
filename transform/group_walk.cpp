#include "transform/group_walk.h"

#include "transform/complex_obj_record.h"

#include <algorithm>

namespace tamri {
namespace {

struct ActiveWalk {
  jword group;
  WalkingNative native;
  bool operator==(const ActiveWalk&) const = default;
};

// The walks running, outermost first. Natives run on the VM's thread one at
// a time, so no lock is needed.
ActiveWalk activeWalks[kMaxGroupNesting];
int32_t activeCount = 0;

bool isActive(const ActiveWalk& walk) {
  return std::find(activeWalks, activeWalks + activeCount, walk) != activeWalks + activeCount;
}

}  // namespace

RefArrayView childrenOf(const uint8_t* group) {
  return group ? refArrayOf(read(group, complex_obj::children)) : RefArrayView{};
}

GroupWalk::GroupWalk(const LocalRef& group, WalkingNative native) : group_(group) {
  const uint8_t* block = group.resolve();
  if (!block) return;
  children_ = read(block, complex_obj::children);
  if (!fieldBlockOf(children_)) return;
  const ActiveWalk walk{resolveWord(group.value()), native};
  if (activeCount >= kMaxGroupNesting || isActive(walk)) return;
  activeWalks[activeCount++] = walk;
  entered_ = true;
  count_ = refArrayOf(children_).length;
}

GroupWalk::~GroupWalk() {
  if (entered_) --activeCount;
}

jword GroupWalk::child(int32_t index) const { return childrenOf(group_.resolve()).at(index); }

bool GroupWalk::unchanged() const {
  const uint8_t* block = group_.resolve();
  if (!block || read(block, complex_obj::children) != children_) return false;
  return refArrayOf(children_).length == count_;
}

}  // namespace tamri
