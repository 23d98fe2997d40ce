// Calling VM methods back from a native. Each method is bound once, lazily:
// its 16-bit identifier starts at -1 and is filled by RegisterMethod on first
// use, then kept for the life of the module.
#pragma once

#include "module/local_ref.h"

#include <initializer_list>

namespace tamri {

struct VmMethod {
  const char* classPath;
  const char* nameAndSignature;
  int16_t identifier = -1;
};

enum class Dispatch { Virtual, Direct };

// Pushes the receiver and the int arguments, then runs the method; the
// method consumes what was pushed.
void callVoidMethod(VmMethod& method, Dispatch dispatch, const LocalRef& receiver,
                    std::initializer_list<int32_t> arguments = {});
// As above for a method with an object result; returns the result's word.
jword callObjectMethod(VmMethod& method, Dispatch dispatch, const LocalRef& receiver,
                       std::initializer_list<int32_t> arguments = {});

// The VM methods the module calls back.
namespace vm_methods {
extern VmMethod draw;
extern VmMethod drawBackground;
extern VmMethod drawReverse;
extern VmMethod drawSecured;
extern VmMethod drawDisabled;
extern VmMethod drawBadQuality;
extern VmMethod resize;
extern VmMethod shift;
extern VmMethod setPosition;
extern VmMethod setRotationPoint;
extern VmMethod updateBoundingRectangle;
extern VmMethod updateCorePts;
extern VmMethod addSystemLanguageFromNative;
}  // namespace vm_methods

}  // namespace tamri
