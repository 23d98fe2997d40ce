// CgpGraphicFile: an image in a bounding rectangle. The drawing layer owns
// the images; the VM side keeps their handles. Loading and creating are
// class natives that report the layer's out-value in element 0 of a status
// array.
#include "images/graphic_file_record.h"
#include "images/image_natives.h"
#include "module/call_frame.h"
#include "module/module_export.h"
#include "module/native_registration.h"
#include "module/vm_arrays.h"
#include "module/vm_strings.h"

#include <algorithm>

namespace tamri {
namespace {

// Paths are handed on in a buffer of 260 characters and the terminator.
constexpr int32_t kPathCapacity = 261;

// Element 0 of the status array, or null when the array has none.
int32_t* statusSlot(int32_t referenceSlot) {
  const IntArrayView status = intArrayOf(LocalRef::argument(referenceSlot).value());
  return status.length >= 1 ? status.elements : nullptr;
}

// A path that would not reach the layer whole: longer than the buffer, or
// cut short by a zero character. Cut, it could name another file.
bool fitsPathBuffer(const TextView& path) {
  return path.count < kPathCapacity &&
         std::find(path.chars, path.chars + path.count, 0) == path.chars + path.count;
}

void draw() {
  const LocalRef self = LocalRef::argument(0);
  const uint8_t* block = self.resolve();
  drawGraphicFileAt(intArg(0), block, read(block, graphic::x1), read(block, graphic::y1));
}

void createImage() {
  int32_t* status = statusSlot(0);
  if (!status) {
    returnInt(0);
    return;
  }
  returnInt(static_cast<int32_t>(
      createImageOf(intArg(0), intArg(1), intArg(2), intArg(3), intArg(4), status)));
}

void loadImage() {
  const LocalRef path = LocalRef::argument(0);
  int32_t* status = statusSlot(1);
  if (!status || !fitsPathBuffer(textOf(path.value()))) {
    if (status) *status = OS_GX_IMAGE_BAD_PATH;
    returnInt(0);
    return;
  }
  unichar buffer[kPathCapacity];
  copyText(path.value(), buffer, kPathCapacity);
  returnInt(static_cast<int32_t>(osGXloadImage(buffer, status)));
}

void unloadImage() { osGXunloadImage(static_cast<stImageHandle>(intArg(0))); }

constexpr NativeMethod kNatives[] = {
    {"draw(I)V", draw},
    {"createImage(IIIII[I)I", createImage},
    {"loadImage(Ljava/lang/String;[I)I", loadImage},
    {"unloadImage(I)V", unloadImage},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_graphics_CgpGraphicFile_init(void) {
  static constexpr tamri::NativeClass kClass{"gpclasses/graphics/CgpGraphicFile",
                                             "gpclasses.graphics.CgpGraphicFile",
                                             "gpClasses_Graphics_CgpGraphicFile", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
