// CgpFont: a named font that the drawing layer loads and unloads, measures
// strings with, and answers two questions about by its name.
#include "module/call_frame.h"
#include "module/module_export.h"
#include "module/native_registration.h"
#include "module/vm_strings.h"
#include "platform/core/morvcore.h"
#include "platform/gdi/osgx.h"
#include "text/font_record.h"

namespace tamri {
namespace {

constexpr char kSourceFile[] = "gpClasses_Graphics_CgpFont";

FONTHANDLE handleField(const uint8_t* self) {
  return static_cast<FONTHANDLE>(read(self, font::fontHandle));
}

// The font's name, cut to the buffer, held in a slot while it is copied.
void copyName(const uint8_t* self, unichar (&name)[font::kNameCapacity]) {
  const LocalRef held(read(self, font::fontName), true);
  copyText(held.value(), name, font::kNameCapacity);
}

void calcTextMetrics() {
  const LocalRef self = LocalRef::argument(0);
  const LocalRef string = LocalRef::argument(1);
  if (string.isNull()) {
    osERfatalError(kModuleName, kSourceFile, __LINE__, u"CgpFont :: Unexpected null character");
    return;
  }
  const TextView text = textOf(string.value());
  int32_t width = 0, height = 0, third = 0;
  osGXgetTextMetrics(handleField(self.resolve()), text.chars, text.count, &width, &height, &third);
  uint8_t* block = self.resolve();
  write(block, font::textWidth, width);
  write(block, font::textHeight, height);
  write(block, font::thirdMetric, third);
}

void createFont() {
  const LocalRef self = LocalRef::argument(0);
  unichar name[font::kNameCapacity];
  copyName(self.resolve(), name);
  const uint8_t* block = self.resolve();
  const FONTHANDLE handle =
      osGXloadFont(name, readUnsigned(block, font::fontParam1),
                   readUnsigned(block, font::fontParam2), readUnsigned(block, font::fontParam3));
  returnInt(static_cast<int32_t>(handle));
}

void deleteFont() { osGXunloadFont(handleField(LocalRef::argument(0).resolve())); }

void isAgfaFont() {
  unichar name[font::kNameCapacity];
  copyName(LocalRef::argument(0).resolve(), name);
  returnBool(osGXisAgfaFont(name));
}

void isTcpFont() {
  unichar name[font::kNameCapacity];
  copyName(LocalRef::argument(0).resolve(), name);
  returnBool(osUTustrncmp(name, u"TCP", 3) == 0);
}

constexpr NativeMethod kNatives[] = {
    {"calcTextMetrics(Ljava/lang/String;)V", calcTextMetrics},
    {"createFont()I", createFont},
    {"deleteFont()V", deleteFont},
    {"isAgfaFont()Z", isAgfaFont},
    {"isTcpFont()Z", isTcpFont},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_graphics_CgpFont_init(void) {
  static constexpr tamri::NativeClass kClass{"gpclasses/graphics/CgpFont",
                                             "gpclasses.graphics.CgpFont",
                                             "gpClasses_Graphics_CgpFont", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
