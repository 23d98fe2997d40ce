#include "canvas/bevel_button.h"

#include "platform/gdi/osgx.h"

namespace tamri {
namespace {

void edgeLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour) {
  osGXdrawLine(x1, y1, x2, y2, 1, 1, colour, 0, 0);
}

void band(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t colour) {
  osGXfillRectangle(left, top, right, bottom, 0, colour, 1, 0, 0, 0, 0);
}

void oneOrTwoPixelEdges(const BevelButton& b) {
  const int32_t L = b.left, T = b.top, R = b.right, B = b.bottom;
  edgeLine(R, T + 1, R, B, b.shadowColor);
  edgeLine(L, B, R, B, b.shadowColor);
  if (b.bevel == 2) {
    edgeLine(R - 1, T + 2, R - 1, B, b.shadowColor);
    edgeLine(L + 1, B - 1, R, B - 1, b.shadowColor);
  }
  edgeLine(L, T, R, T, b.lightColor);
  edgeLine(L, T, L, B, b.lightColor);
  if (b.bevel == 2) {
    edgeLine(L, T + 1, R - 1, T + 1, b.lightColor);
    edgeLine(L + 1, T, L + 1, B - 1, b.lightColor);
  }
}

void bandEdges(const BevelButton& b) {
  const int32_t L = b.left, T = b.top, R = b.right, B = b.bottom, w = b.bevel;
  band(R - w + 1, T + w, R, B, b.shadowColor);
  band(L + w, B - w + 1, R, B, b.shadowColor);
  band(L, T, R, T + w - 1, b.lightColor);
  band(L, T, L + w - 1, B, b.lightColor);
  osGXfillTriangle(R + 1 - w, T + w - 1, R, T + w - 1, R, T, b.shadowColor, 0, 1);
  osGXfillTriangle(L, B, L + w - 1, B, L + w - 1, B - w + 1, b.shadowColor, 0, 1);
}

}  // namespace

void paintBevelButton(const BevelButton& b) {
  osGXfillRectangle(b.left, b.top, b.right, b.bottom, 0, b.fillColor,
                    static_cast<int8_t>(b.fillStyle), b.backColor, 1, 0, 0);
  if (b.bevel == 1 || b.bevel == 2) {
    oneOrTwoPixelEdges(b);
  } else {
    bandEdges(b);
  }
}

}  // namespace tamri
