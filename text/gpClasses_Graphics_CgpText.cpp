// CgpText: a string drawn in its bounding rectangle with its font, colours
// and text attributes, then an optional border. The surface's clip area is
// left as it was found, whatever the text operation did to it.
#include "module/call_frame.h"
#include "module/clip_area.h"
#include "module/module_export.h"
#include "module/native_registration.h"
#include "module/vm_strings.h"
#include "platform/gdi/osgx.h"
#include "text/font_record.h"
#include "text/text_record.h"
#include "text/text_records.h"

namespace tamri {
namespace {

namespace g = graphic;

void draw() {
  const LocalRef self = LocalRef::argument(0);
  const int32_t surface = intArg(0);
  const uint8_t* block = self.resolve();
  const LocalRef string(read(block, text::text), false);
  const POINTRECT rect{read(block, g::x1), read(block, g::y1), read(block, g::x2),
                       read(block, g::y2)};
  const TEXTCOL colours{read(block, g::fillColor), read(block, g::backColor),
                        read(block, text::textSecondColor)};
  const TEXTATTRIB attributes = textAttributes(
      read(block, text::textLayoutCode),
      {readUnsigned(block, text::textAttribute1), readUnsigned(block, text::textAttribute2),
       readUnsigned(block, text::textAttribute6), readUnsigned(block, text::textAttribute7)});
  const jword fontObject = read(block, text::textFont);
  if (!fieldBlockOf(fontObject)) return;

  const SavedClipArea saved = saveClipArea(surface);
  const TextView characters = textOf(string.value());
  osGXtext(surface, &rect, &colours, &attributes, font::handleOf(fontObject), characters.chars,
           characters.count, true);
  const int8_t width = read(block, g::lineWidth);
  const int8_t style = read(block, g::lineStyle);
  if (width > 0 && style > 0) {
    osGXdrawRectangle(rect.left, rect.top, rect.right, rect.bottom, width, style,
                      read(block, g::lineColor), read(block, g::backColor), 0, 0, 0);
  }
  restoreClipArea(saved, surface);
}

constexpr NativeMethod kNatives[] = {
    {"draw(II)V", draw},
};

}  // namespace
}  // namespace tamri

TAMRI_EXPORT int32_t gpclasses_graphics_CgpText_init(void) {
  static constexpr tamri::NativeClass kClass{"gpclasses/graphics/CgpText",
                                             "gpclasses.graphics.CgpText",
                                             "gpClasses_Graphics_CgpText", tamri::kNatives};
  return tamri::registerNativeClass(kClass, __LINE__);
}
