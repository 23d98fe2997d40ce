// Rotation on the canvas: turning a length into its x and y parts at an
// angle, converting a shape's points to polar form once, and filling that
// shape turned by any angle. Angles grow counter-clockwise on screen (a
// positive sine moves a point up); the precise forms and the polar arrays
// take tenths of a degree.
#pragma once

#include "module/local_ref.h"

#include <cstdint>

namespace tamri {

// cos(angle) × length and -sin(angle) × length, truncated; angles in whole
// degrees are first brought into 0..360 (360 stays 360), tenths into 0..3599.
int32_t rotatedX(int32_t length, int32_t degrees);
int32_t rotatedY(int32_t length, int32_t degrees);
int32_t preciseRotatedX(int32_t length, int32_t tenths);
int32_t preciseRotatedY(int32_t length, int32_t tenths);

// A shape's points about its centre of rotation (xs, ys) and the same points
// in polar form (radii, angles in tenths), four int arrays of equal length.
struct PolarArrays {
  jword xs = 0, ys = 0, radii = 0, angles = 0;
};

// Fills radii and angles from xs and ys for the first `count` points that
// all four arrays hold; nothing when an array is missing.
void computePolarForm(int32_t count, const PolarArrays& arrays);

// At most this many points of a rotating polygon are drawn.
inline constexpr int32_t kRotatingPolygonCapacity = 100;

struct RotatingPolygon {
  int32_t count = 0;
  int32_t centreX = 0, centreY = 0;
  int32_t rotation = 0;  // tenths of a degree
  int32_t fillColor = 0, lineColor = 0;
  bool fill = false, outline = false;
};

// The shape turned by the rotation about (centreX, centreY), filled and/or
// outlined one pixel wide. Unturned (rotation 0) it is placed from xs and
// ys, otherwise from radii and angles; the count is limited to what those
// two arrays hold, and a missing one draws nothing.
void fillTurnedPolygon(const RotatingPolygon& polygon, const PolarArrays& arrays);

}  // namespace tamri
