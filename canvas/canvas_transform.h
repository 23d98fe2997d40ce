// The canvas transform: one translation, one scale and one saved translation
// for the whole module, shared by every canvas. The translation moves the
// coordinates of the natives that apply it; the scale (1/256 units, 256 is
// 1.0) goes to the drawing layer's path operations only.
#pragma once

#include <cstdint>

namespace tamri {

struct CanvasTransform {
  int32_t translateX = 0, translateY = 0;
  int32_t scaleX = 0, scaleY = 0;  // 0 until the first set or reset
  int32_t previousX = 0, previousY = 0;
};

// The module-wide transform (tests may reset it between cases).
CanvasTransform& canvasTransform();

// Saves the translation in force (one level only), then sets the new one.
void setCanvasTransform(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY);
// Back to the saved translation, at scale 1.0; the saved one stays.
void resetCanvasTransform();
// A float factor in 1/256 units: factor × 256 + 0.5, truncated (so -1.0
// gives -255).
int32_t canvasScaleOf(float factor);

// The point moved by the canvas translation (ints wrap).
int32_t translatedX(int32_t x);
int32_t translatedY(int32_t y);
// Moves the first `count` points of an interleaved x, y array in place; what
// is stored back is cut to 16 bits, as every coordinate kept in a VM object.
void translatePointsInPlace(int32_t* xy, int32_t count);

}  // namespace tamri
