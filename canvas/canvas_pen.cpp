#include "canvas/canvas_pen.h"

#include "canvas/canvas_record.h"

namespace tamri {

CanvasPen thisCanvasPen() {
  const uint8_t* block = LocalRef::argument(0).resolve();
  if (!block) return {};
  return {read(block, canvas::color),     read(block, canvas::backColor),
          read(block, canvas::fillStyle), read(block, canvas::lineWidth),
          read(block, canvas::lineStyle), read(block, canvas::surface)};
}

}  // namespace tamri
