// CgpScreenCapture: copies a region of a surface into a new image, as the
// graphic file's createImage does, without reporting the layer's out-value.
#include "images/image_natives.h"
#include "module/call_frame.h"
#include "module/module_export.h"
#include "module/native_registration.h"

namespace tamri {
namespace {

void createImage() {
  int32_t dropped = 0;
  returnInt(static_cast<int32_t>(
      createImageOf(intArg(0), intArg(1), intArg(2), intArg(3), intArg(4), &dropped)));
}

constexpr NativeMethod kNatives[] = {
    {"createImage(IIIII)I", createImage},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_graphics_CgpScreenCapture_init(void) {
  static constexpr tamri::NativeClass kClass{
      "gpclasses/graphics/CgpScreenCapture", "gpclasses.graphics.CgpScreenCapture",
      "gpClasses_Graphics_CgpScreenCapture", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
