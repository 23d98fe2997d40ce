// Scales: rows or rings of evenly spaced tick lines, one drawLine each with
// no end marks. Shared by the CgpScale object and the canvas scale natives.
#pragma once

#include <cstdint>

namespace tamri {

// How every tick of one scale is drawn.
struct TickPen {
  int16_t width = 0, style = 0;
  int32_t colour = 0, backColour = 0;
};

// The tick counter of the panel is 16 bits: a scale of more divisions has no
// defined ticks (and no screen has room for them), so it draws nothing.
inline constexpr int32_t kMaxScaleDivisions = 32767;

// Ticks 0, step, 2 × step, ... up to `divisions` across the rectangle's
// sides. Vertical (the byte equals 1): horizontal ticks counting upwards
// from y2; otherwise vertical ticks counting rightwards from x1. A step
// below 1 draws every tick. Nothing for divisions below 1 or above the
// maximum.
void linearScaleTicks(int32_t x1, int32_t y1, int32_t x2, int32_t y2, const TickPen& pen,
                      int32_t divisions, int32_t step, uint8_t vertical);

// Ticks 0 to `divisions` from startAngle to endAngle (whole degrees, 0 to the
// right, counter-clockwise on screen; an end not above the start goes one
// turn further), each a radial line from startRadius to endRadius about the
// centre. Nothing for divisions below 1 or above the maximum.
void arcScaleTicks(int32_t startAngle, int32_t endAngle, int32_t endRadius, int32_t startRadius,
                   int32_t centreX, int32_t centreY, const TickPen& pen, int32_t divisions);

}  // namespace tamri
