// Canvas polylines and Bezier lines. Width, style and line ends reach the
// drawing layer as bytes.
#pragma once

#include "canvas/canvas_pen.h"
#include "canvas/point_lists.h"

namespace tamri {

// From split arrays, which stay as they are; no translation.
void drawSplitPolyline(const SplitPointArgs& points, const LineLook& look, int32_t lineEnds);
// The caller's points are moved by the canvas translation in place first.
void drawTranslatedPolyline(const InterleavedPointArgs& points, const LineLook& look,
                            int32_t lineEnds);
// The caller's points are moved by the canvas translation in place first;
// the style byte is also the line-ends code.
void drawTranslatedBezier(const InterleavedPointArgs& points, const LineLook& look);

}  // namespace tamri
