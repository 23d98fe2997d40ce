#include "module/vm_callback.h"

#include "platform/ivm/jivo.h"

namespace tamri {
namespace {

constexpr const char* kGraphics = "gpclasses/baseclasses/CgpGraphics";

void pushAndInvoke(VmMethod& method, Dispatch dispatch, const LocalRef& receiver,
                   std::initializer_list<int32_t> arguments) {
  const FieldBlock block = receiver.resolve();
  jword*& psp = *get_psp();
  *--psp = block ? tendPtr(block) : 0;
  jword*& npsp = *get_npsp();
  for (int32_t argument : arguments) *--npsp = static_cast<jword>(argument);
  if (method.identifier < 0)
    RegisterMethod(&method.identifier, method.classPath, method.nameAndSignature);
  IvmMethod* pointer = GetMethodPtr(method.identifier);
  if (dispatch == Dispatch::Direct) {
    fastInvoke(pointer);
  } else {
    fastInvokeVirtual(pointer);
  }
}

}  // namespace

void callVoidMethod(VmMethod& method, Dispatch dispatch, const LocalRef& receiver,
                    std::initializer_list<int32_t> arguments) {
  pushAndInvoke(method, dispatch, receiver, arguments);
}

jword callObjectMethod(VmMethod& method, Dispatch dispatch, const LocalRef& receiver,
                       std::initializer_list<int32_t> arguments) {
  pushAndInvoke(method, dispatch, receiver, arguments);
  jword*& psp = *get_psp();
  return *psp++;
}

namespace vm_methods {
VmMethod draw{kGraphics, "draw(I)V"};
VmMethod drawBackground{kGraphics, "drawBackground(I)V"};
VmMethod drawReverse{kGraphics, "drawReverse(I)V"};
VmMethod drawSecured{kGraphics, "drawSecured(I)V"};
VmMethod drawDisabled{kGraphics, "drawDisabled(I)V"};
VmMethod drawBadQuality{kGraphics, "drawBadQuality(I)V"};
VmMethod resize{kGraphics, "resize(IB)V"};
VmMethod shift{kGraphics, "shift(II)V"};
VmMethod setPosition{kGraphics, "setPosition(II)V"};
VmMethod setRotationPoint{kGraphics, "setRotationPoint(II)V"};
VmMethod updateBoundingRectangle{"gpclasses/graphics/CgpComplexObj",
                                 "updateBoundingRectangle()Lgpclasses/baseclasses/CgpGraphics;"};
VmMethod updateCorePts{"gpclasses/graphics/CgpPolyLine", "updateCorePts()V"};
VmMethod addSystemLanguageFromNative{"gpclasses/baseclasses/CgpLanguageMgr",
                                     "addSystemLanguageFromNative(I)V"};
}  // namespace vm_methods

}  // namespace tamri
