// Integer geometry on point sets and rectangles. A point set is x0, y0, x1,
// y1, ... in 32-bit ints; its count is a byte, so a set has at most 255
// points. Angles are in thousandths of a radian (1570 a quarter turn,
// positive clockwise on screen); scales are in hundredths (100 keeps the
// size). Anchor codes, one per axis: 1 horizontal centre, 2 right edge,
// 3 bottom edge, 4 vertical centre, 5 top edge, 6 left edge; any other code
// leaves the axis alone. Every coordinate written into a target point set is
// cut to 16 bits and sign-extended, as the panel stores coordinates.
#pragma once

#include <cstdint>

namespace tamri {

// Midpoint of a span: the left (or upper) middle pixel of an even-sized span.
int32_t spanMidpoint(int32_t a, int32_t b);

struct PointBounds {
  int32_t left, top, right, bottom;
};

// Bounding box of the first `count` points, seeded with the first point, so
// `points` must hold at least one point.
PointBounds pointSetBounds(const int32_t* points, int32_t count);

// Centre of the bounding box of the first `count` points, seeded with the
// first point. A null set leaves the outputs unchanged.
void pointSetCentre(const int32_t* points, uint8_t count, int32_t* outX, int32_t* outY);

void rotatePointSet(int32_t angle, uint8_t count, int32_t centreX, int32_t centreY,
                    int32_t newCentreX, int32_t newCentreY, const int32_t* source, int32_t* target,
                    int32_t* outCentreX, int32_t* outCentreY);

struct ResizeExtent {
  int32_t left, right, top, bottom;
};

// `newCentreX` and `newCentreY` are read for the centre anchors and written
// for the edge anchors.
void resizePointSet(uint8_t count, const int32_t* source, int32_t* target, int32_t oldCentreX,
                    int32_t oldCentreY, int32_t* newCentreX, int32_t* newCentreY, uint8_t anchorX,
                    uint8_t anchorY, int16_t scaleX, int16_t scaleY, const ResizeExtent& newExtent,
                    const ResizeExtent& oldExtent);

// Moves `count` points by (dx, dy) in screen directions (y grows down).
void translatePointSet(int32_t count, int32_t dx, int32_t dy, const int32_t* source,
                       int32_t* target);

// Moves the points by (dx, -dy) and two reference points with them; the
// reference points come out uncut, for the coordinate fields to cut.
void movePointSet(uint8_t count, int32_t dx, int32_t dy, int32_t refX, int32_t refY,
                  int32_t* outRefX, int32_t* outRefY, const int32_t* source, int32_t* target,
                  int32_t ref2X, int32_t ref2Y, int32_t* outRef2X, int32_t* outRef2Y);

// Resizes a rectangle (in/out) to `scale` hundredths of the old rectangle's
// size, keeping the anchor's edge or centre.
void resizeRectByScale(int32_t* left, int32_t* top, int32_t* right, int32_t* bottom,
                       int32_t oldLeft, int32_t oldTop, int32_t oldRight, int32_t oldBottom,
                       int32_t scale, uint8_t anchor);

// Maps (x, y) from one rectangle (left, top, right, bottom) into another.
void mapPointBetweenRects(double* x, double* y, const double* fromRect, const double* toRect);

int16_t roundHalfUpToShort(double value);

}  // namespace tamri
