// The current colours and styles of a canvas, as the short overloads draw
// with them.
#pragma once

#include "module/local_ref.h"

#include <cstdint>

namespace tamri {

struct CanvasPen {
  int32_t color = 0;
  int32_t backColor = 0;
  int32_t fillStyle = 0;
  int32_t lineWidth = 0;
  int32_t lineStyle = 0;
};

// The pen of the canvas a native was called on (`this`); a canvas that is
// not there gives the empty pen, which draws no line and no fill.
CanvasPen thisCanvasPen();

}  // namespace tamri
