// Bevel buttons: a face with light top and left edges and shadowed bottom
// and right edges, so the button looks raised (or pressed, with the colours
// swapped).
#pragma once

#include <cstdint>

namespace tamri {

struct BevelButton {
  int32_t left, top, right, bottom;  // inclusive corners
  int32_t fillColor, backColor, fillStyle;
  int32_t lightColor, shadowColor;
  int32_t bevel;  // edge width in pixels
};

// Bevels of 1 and 2 are drawn as lines, shadow first, so the light edges own
// the corners they share; any other bevel as solid bands with the corners
// where light meets shadow mitred by shadow triangles.
void paintBevelButton(const BevelButton& button);

}  // namespace tamri
