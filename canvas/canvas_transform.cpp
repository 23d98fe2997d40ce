#include "canvas/canvas_transform.h"

#include "module/int_math.h"

namespace tamri {

CanvasTransform& canvasTransform() {
  static CanvasTransform transform;
  return transform;
}

void setCanvasTransform(int32_t translateX, int32_t translateY, int32_t scaleX, int32_t scaleY) {
  CanvasTransform& t = canvasTransform();
  t.previousX = t.translateX;
  t.previousY = t.translateY;
  t.translateX = translateX;
  t.translateY = translateY;
  t.scaleX = scaleX;
  t.scaleY = scaleY;
}

void resetCanvasTransform() {
  CanvasTransform& t = canvasTransform();
  t.translateX = t.previousX;
  t.translateY = t.previousY;
  t.scaleX = 256;
  t.scaleY = 256;
}

int32_t canvasScaleOf(float factor) {
  return truncateToLow32(static_cast<double>(factor) * 256.0 + 0.5);
}

int32_t translatedX(int32_t x) { return x + canvasTransform().translateX; }
int32_t translatedY(int32_t y) { return y + canvasTransform().translateY; }

void translatePointsInPlace(int32_t* xy, int32_t count) {
  const CanvasTransform& t = canvasTransform();
  for (int32_t i = 0; i < count; ++i) {
    xy[2 * i] = cutTo16Bits(xy[2 * i] + t.translateX);
    xy[2 * i + 1] = cutTo16Bits(xy[2 * i + 1] + t.translateY);
  }
}

}  // namespace tamri
