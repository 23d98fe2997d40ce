// Walking a group's members while calling back into the VM. Each callback
// may run application code that changes the group, so the walk looks at
// `children` again after every member and stops when the array was replaced
// or its length changed. A native's walk of a group never nests inside the
// same native's walk of that group: a group held by itself, directly or
// through a member group, would otherwise recurse without end. Another
// native may walk the group meanwhile: a member's draw may place its group.
#pragma once

#include "module/local_ref.h"
#include "module/vm_arrays.h"

namespace tamri {

// Walks of different groups nest at most this deep; a walk started deeper
// visits no member. Panels nest groups a few levels; the limit bounds the
// native stack a chain of nested groups can take.
inline constexpr int32_t kMaxGroupNesting = 16;

// The members array of a group's record; empty when there is none.
RefArrayView childrenOf(const uint8_t* group);

// The native that walks, as its entry point.
using WalkingNative = void (*)();

class GroupWalk {
 public:
  // Takes the group's members as they are now. The walk has no members when
  // `children` holds no array, when `native` is already walking this group,
  // or when kMaxGroupNesting walks are running.
  GroupWalk(const LocalRef& group, WalkingNative native);
  ~GroupWalk();
  GroupWalk(const GroupWalk&) = delete;
  GroupWalk& operator=(const GroupWalk&) = delete;

  // Whether the walk runs at all (it may still have no members).
  bool entered() const { return entered_; }
  int32_t count() const { return count_; }
  // Member `index` as the group's array holds it now; 0 for null or gone.
  jword child(int32_t index) const;
  // Whether `children` still holds the array the walk started with, at the
  // same length.
  bool unchanged() const;

  // Calls visit(index) for each member in turn; stops after a member whose
  // callbacks changed the members.
  template <typename Visit>
  void forEach(Visit&& visit) const {
    for (int32_t i = 0; i < count_; ++i) {
      visit(i);
      if (!unchanged()) return;
    }
  }

 private:
  const LocalRef& group_;
  jword children_ = 0;
  int32_t count_ = 0;
  bool entered_ = false;
};

}  // namespace tamri
