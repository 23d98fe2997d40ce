#include "transform/group_walk.h"

#include "transform/complex_obj_record.h"

#include <algorithm>

namespace tamri {
namespace {

// The groups whose walks are running, outermost first. Natives run on the
// VM's thread one at a time, so no lock is needed.
jword activeGroups[kMaxGroupNesting];
int32_t activeCount = 0;

bool isActive(jword group) {
  return std::find(activeGroups, activeGroups + activeCount, group) != activeGroups + activeCount;
}

}  // namespace

RefArrayView childrenOf(const uint8_t* group) {
  return group ? refArrayOf(read(group, complex_obj::children)) : RefArrayView{};
}

GroupWalk::GroupWalk(const LocalRef& group) : group_(group) {
  const uint8_t* block = group.resolve();
  if (!block) return;
  children_ = read(block, complex_obj::children);
  if (!fieldBlockOf(children_)) return;
  const jword identity = resolveWord(group.value());
  if (activeCount >= kMaxGroupNesting || isActive(identity)) return;
  activeGroups[activeCount++] = identity;
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
