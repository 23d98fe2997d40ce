// The current colours and styles of a canvas, as the short overloads draw
// with them, and the surface it draws pies on.
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
  int32_t surface = 0;
};

// A line given by a long overload's arguments, in their order.
struct LineLook {
  int32_t color, backColor, lineWidth, lineStyle;
};

// The pen of the canvas a native was called on (`this`); a canvas that is
// not there gives the empty pen, which draws no line and no fill (and
// surface 0, which is no surface).
CanvasPen thisCanvasPen();

}  // namespace tamri
