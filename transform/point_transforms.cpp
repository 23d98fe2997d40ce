#include "transform/point_transforms.h"

#include "module/int_math.h"
#include "platform/core/morvcore.h"

#include <algorithm>

namespace tamri {
namespace {

struct SineCosine {
  double sine;
  double cosine;
};

// Exact values for the quarter turns, the platform's tables otherwise.
SineCosine sineCosineOf(int32_t angle) {
  const int32_t a = osUTabs(angle);
  if (a == 0 || a == 6282) return {0.0, 1.0};
  if (angle == 1570 || angle == -4711) return {1.0, 0.0};
  if (a == 3141) return {0.0, -1.0};
  if (angle == 4711 || angle == -1570) return {-1.0, 0.0};
  float degrees = static_cast<float>(angle / 1000.0 * 180.0 / 3.1415927410125732);
  if (degrees < 0) degrees = static_cast<float>(degrees + 360.0);
  const int16_t tenths = truncateToShort(degrees * 10.0);
  return {osUTfastsin(tenths), osUTfastcos(tenths)};
}

// One axis of the edge anchors: the old edge maps onto the new edge.
int32_t resizeFromRightEdge(int32_t p, int32_t oldEdge, int32_t newEdge, int32_t scale) {
  const int32_t d = p - oldEdge;
  const int32_t moved = d == 0 ? newEdge + 1 : newEdge + ((d - 1) * scale) / 100 + 1;
  return std::min(moved, newEdge);
}

int32_t resizeFromLeftEdge(int32_t p, int32_t oldEdge, int32_t newEdge, int32_t scale) {
  const int32_t d = p - oldEdge;
  const int32_t moved = d == 0 ? newEdge - 1 : newEdge + ((d + 1) * scale) / 100 - 1;
  return std::max(moved, newEdge);
}

int32_t resizeAboutCentre(int32_t p, int32_t oldCentre, int32_t newCentre, int32_t scale,
                          bool evenExtent) {
  if (p > oldCentre) {
    const int32_t moved = evenExtent ? newCentre + (((p - oldCentre) * 2 + 1) * scale) / 200
                                     : newCentre + ((p - oldCentre) * scale) / 100;
    return std::max(moved, newCentre);
  }
  if (p < oldCentre) {
    int32_t moved;
    if (evenExtent) {
      moved = newCentre - (((oldCentre - p) * 2 + 1) * scale) / 200;
      if ((scale / 100) % 2 == 0) moved += 1;
    } else {
      moved = newCentre + ((p - oldCentre - 1) * scale) / 100 + 1;
    }
    return std::min(moved, newCentre);
  }
  return newCentre;
}

// One pass of the resize over one coordinate (0 for x, 1 for y).
void resizeAxis(uint8_t count, const int32_t* source, int32_t* target, int axis, uint8_t code,
                int32_t oldCentre, int32_t* newCentre, int32_t scale, int32_t oldLow,
                int32_t oldHigh, int32_t newLow, int32_t newHigh) {
  const bool horizontal = axis == 0;
  const uint8_t highEdge = horizontal ? 2 : 3;
  const uint8_t lowEdge = horizontal ? 6 : 5;
  const uint8_t centre = horizontal ? 1 : 4;
  if (code != highEdge && code != lowEdge && code != centre) return;
  const bool evenExtent = (oldHigh - oldLow) % 2 == 0;
  for (int i = 0; i < count; ++i) {
    const int32_t p = source[2 * i + axis];
    int32_t moved;
    if (code == highEdge) {
      moved = resizeFromRightEdge(p, oldHigh, newHigh, scale);
    } else if (code == lowEdge) {
      moved = resizeFromLeftEdge(p, oldLow, newLow, scale);
    } else {
      moved = resizeAboutCentre(p, oldCentre, *newCentre, scale, evenExtent);
    }
    target[2 * i + axis] = cutTo16Bits(moved);
  }
  if (code == highEdge) *newCentre = ((oldCentre - oldHigh) * scale) / 100 + newHigh;
  if (code == lowEdge) *newCentre = ((oldCentre - oldLow) * scale) / 100 + newLow;
}

}  // namespace

int32_t spanMidpoint(int32_t a, int32_t b) {
  int32_t d = b - a;
  if (d % 2 != 0) {
    --b;
    d = b - a;
  }
  return a + d / 2;
}

PointBounds pointSetBounds(const int32_t* points, int32_t count) {
  PointBounds b{points[0], points[1], points[0], points[1]};
  for (int32_t i = 0; i < count; ++i) {
    const int32_t x = points[2 * i];
    const int32_t y = points[2 * i + 1];
    if (x < b.left) {
      b.left = x;
    } else if (x > b.right) {
      b.right = x;
    }
    if (y < b.top) {
      b.top = y;
    } else if (y > b.bottom) {
      b.bottom = y;
    }
  }
  return b;
}

void pointSetCentre(const int32_t* points, uint8_t count, int32_t* outX, int32_t* outY) {
  if (!points) return;
  const PointBounds b = pointSetBounds(points, count);
  *outX = spanMidpoint(b.left, b.right);
  *outY = spanMidpoint(b.top, b.bottom);
}

void rotatePointSet(int32_t angle, uint8_t count, int32_t centreX, int32_t centreY,
                    int32_t newCentreX, int32_t newCentreY, const int32_t* source, int32_t* target,
                    int32_t* outCentreX, int32_t* outCentreY) {
  const SineCosine sc = sineCosineOf(angle);
  const int32_t a = osUTabs(angle);
  // Exact quarter turns round to the nearest pixel; other angles truncate.
  const double rounding = (a == 0 || a == 1570 || a == 3141 || a == 4711 || a == 6282) ? 0.5 : 0.0;
  double u = 0.0, v = 0.0;
  for (int i = 0; i < count; ++i) {
    const int32_t x = source[2 * i];
    const int32_t y = source[2 * i + 1];
    const int32_t dx = centreX - x;
    const int32_t dy = centreY - y;
    // The squares stay in double: beyond 46,340 pixels from the centre they
    // leave the int range, and the point must still turn about the centre.
    const double squares = osUTpow(dx, 2.0) + osUTpow(dy, 2.0);
    const double r = static_cast<float>(osUTsqrt(squares));
    // A point on the centre keeps the previous direction; r = 0 lands it on the centre.
    if (r != 0) {
      u = (x - centreX) / r;
      v = (centreY - y) / r;
    }
    const double newX = newCentreX + rounding + (sc.sine * v + sc.cosine * u) * r;
    const double newY = newCentreY + rounding - (sc.cosine * v - sc.sine * u) * r;
    target[2 * i] = cutTo16Bits(truncateToInt(newX));
    target[2 * i + 1] = cutTo16Bits(truncateToInt(newY));
  }
  pointSetCentre(target, count, outCentreX, outCentreY);
}

void resizePointSet(uint8_t count, const int32_t* source, int32_t* target, int32_t oldCentreX,
                    int32_t oldCentreY, int32_t* newCentreX, int32_t* newCentreY, uint8_t anchorX,
                    uint8_t anchorY, int16_t scaleX, int16_t scaleY, const ResizeExtent& newExtent,
                    const ResizeExtent& oldExtent) {
  resizeAxis(count, source, target, 0, anchorX, oldCentreX, newCentreX, scaleX, oldExtent.left,
             oldExtent.right, newExtent.left, newExtent.right);
  resizeAxis(count, source, target, 1, anchorY, oldCentreY, newCentreY, scaleY, oldExtent.top,
             oldExtent.bottom, newExtent.top, newExtent.bottom);
}

void translatePointSet(int32_t count, int32_t dx, int32_t dy, const int32_t* source,
                       int32_t* target) {
  for (int32_t i = 0; i < count; ++i) {
    target[2 * i] = cutTo16Bits(source[2 * i] + dx);
    target[2 * i + 1] = cutTo16Bits(source[2 * i + 1] + dy);
  }
}

void movePointSet(uint8_t count, int32_t dx, int32_t dy, int32_t refX, int32_t refY,
                  int32_t* outRefX, int32_t* outRefY, const int32_t* source, int32_t* target,
                  int32_t ref2X, int32_t ref2Y, int32_t* outRef2X, int32_t* outRef2Y) {
  translatePointSet(count, dx, -dy, source, target);
  *outRefX = refX + dx;
  *outRefY = refY - dy;
  *outRef2X = ref2X + dx;
  *outRef2Y = ref2Y - dy;
}

void resizeRectByScale(int32_t* left, int32_t* top, int32_t* right, int32_t* bottom,
                       int32_t oldLeft, int32_t oldTop, int32_t oldRight, int32_t oldBottom,
                       int32_t scale, uint8_t anchor) {
  const int32_t cx = spanMidpoint(*left, *right);
  const int32_t cy = spanMidpoint(*top, *bottom);
  const int32_t w = (oldRight - oldLeft + 1) * scale;
  const int32_t h = (oldBottom - oldTop + 1) * scale;
  const int32_t halfWidth = (w / 2) / 100;
  const int32_t halfHeight = (h / 2) / 100;
  switch (anchor) {
    case 1:
      *left = cx - halfWidth;
      *right = cx + halfWidth;
      break;
    case 2:
      *left = *right - w / 100;
      break;
    case 3:
      *top = *bottom - h / 100;
      break;
    case 4:
      *top = cy - halfHeight;
      *bottom = cy + halfHeight;
      break;
    case 5:
      *bottom = *top + h / 100;
      break;
    case 6:
      *right = *left + w / 100;
      break;
    default:
      break;
  }
}

void mapPointBetweenRects(double* x, double* y, const double* fromRect, const double* toRect) {
  if (!x || !y || !fromRect || !toRect) return;
  double w = fromRect[2] - fromRect[0];
  double h = fromRect[3] - fromRect[1];
  if (w == 0.0) w = 1.0;
  if (h == 0.0) h = 1.0;
  *x = (toRect[2] - toRect[0]) / w * (*x - fromRect[0]) + toRect[0];
  *y = (toRect[3] - toRect[1]) / h * (*y - fromRect[1]) + toRect[1];
}

int16_t roundHalfUpToShort(double value) {
  const int16_t t = truncateToShort(value);
  return value >= t + 0.5 ? static_cast<int16_t>(t + 1) : t;
}

}  // namespace tamri
