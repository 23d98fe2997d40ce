// CgpCanvas: immediate drawing. Each native here only takes its arguments
// and hands them to the drawing work, which lives in files by subject; the
// table registers them in the VM class's order.
#include "canvas/canvas_transform.h"
#include "module/call_frame.h"
#include "module/module_export.h"
#include "module/native_registration.h"

namespace tamri {
namespace {

// ---- state and transform ---------------------------------------------------

void setTransformScaled() {
  setCanvasTransform(intArg(0), intArg(1), canvasScaleOf(floatArg(2)), canvasScaleOf(floatArg(3)));
}
void setTransform() { setCanvasTransform(intArg(0), intArg(1), 256, 256); }
void resetTransform() { resetCanvasTransform(); }

constexpr NativeMethod kNatives[] = {
    {"setTransform(IIFF)V", setTransformScaled},
    {"setTransform(II)V", setTransform},
    {"resetTransform()V", resetTransform},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_graphics_CgpCanvas_init(void) {
  static constexpr tamri::NativeClass kClass{"gpclasses/graphics/CgpCanvas",
                                             "gpclasses.graphics.CgpCanvas",
                                             "gpClasses_Graphics_CgpCanvas", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
