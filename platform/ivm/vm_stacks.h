// Internal: the two argument stacks of the stand-in VM.
#pragma once

#include "vm_host.h"

namespace vmhost {

struct StackPointers {
  jword* pfp;
  jword* psp;
  jword* npfp;
  jword* npsp;
};

StackPointers& stacks();
void resetStacks();
// Words still free on each stack.
size_t pointerStackRoom();
size_t valueStackRoom();

}  // namespace vmhost
