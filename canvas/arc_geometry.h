// Points and bounds of elliptical arcs: angles turned into points on the
// ellipse inscribed in a box, and the rectangle an arc between two points
// covers. Angle 0 is the ellipse's rightmost point, 90 degrees its topmost;
// angles grow counter-clockwise on the screen.
#pragma once

#include "canvas/canvas_geometry.h"
#include "platform/gdi/osgx.h"

#include <cstdint>

namespace tamri {

// The finest and the coarsest step of a thick arc's edge, in whole degrees.
inline constexpr int32_t kFinestArcStep = 3, kCoarsestArcStep = 30;

// The angle step, in whole degrees, between the points of a thick arc's edge
// of radius r: 32544 / (71 r), held to 3 ... 30. A radius of 0 gets 30, as
// its endless quotient would, a negative one 3.
int32_t arcStepAngle(int32_t radius);

// The point at `tenths` on the circle of radius r whose bounding square has
// its top-left corner at (left, top).
APOINT circlePoint(int32_t left, int32_t top, int32_t radius, int32_t tenths);

// The point at `tenths` on the ellipse inscribed in the box; the quarter
// angles land exactly on the box's sides (the right and bottom ones at
// x + w and y + h), a box of no width or height on its middle.
APOINT ellipsePoint(const PlacedSize& box, int32_t tenths);
// The same for an angle in whole degrees.
APOINT ellipsePointDegrees(const PlacedSize& box, int32_t degrees);

// The middle of the box, as pies and their triangles turn about it.
APOINT centreOf(const PlacedSize& box);

// The rectangle (left, top, right, bottom) covered by the counter-clockwise
// arc from `start` to `end` about `centre`: the two points' rectangle, with
// each side of `box` the arc passes through taken over; with `withCentre`
// the centre too, as a pie covers it.
POINTRECT arcBounds(APOINT centre, const POINTRECT& box, APOINT start, APOINT end, bool withCentre);

// Whether a rectangle has both width and height.
inline bool hasWidthAndHeight(const POINTRECT& r) { return r.left != r.right && r.top != r.bottom; }

}  // namespace tamri
