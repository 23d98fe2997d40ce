#include "valuedisplay/separators.h"

namespace tamri {

const uint8_t* canvasStaticData() {
  IvmClass* canvasClass = findClass(c2jString("gpclasses/graphics/CgpCanvas"));
  return canvasClass ? static_cast<const uint8_t*>(staticDataFromClass(canvasClass)) : nullptr;
}

Separators canvasSeparators() {
  Separators separators;
  if (const uint8_t* statics = canvasStaticData()) {
    if (const unichar decimal = read(statics, canvas_statics::decimalSeparator))
      separators.decimal = decimal;
    if (const unichar group = read(statics, canvas_statics::groupSeparator))
      separators.group = group;
  }
  return separators;
}

}  // namespace tamri
