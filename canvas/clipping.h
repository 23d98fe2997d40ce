// The clip area of the canvas's drawing surface: set, narrowed, read back
// and removed. Rectangles come as x, y, w, h and cover x..x + w - 1 and
// y..y + h - 1; the canvas translation does not apply. A canvas that is not
// there has no surface: nothing is clipped and nothing is read.
#pragma once

#include "canvas/canvas_geometry.h"

namespace tamri {

void setCanvasClip(const PlacedSize& rect);
// Without a clip area this is setCanvasClip. Otherwise the clip area keeps
// each of its edges unless the rectangle's edge lies strictly inside its
// span; a rectangle that does not meet it (touching counts as meeting)
// leaves the clip area (0, 0)-(0, 0).
void narrowCanvasClip(const PlacedSize& rect);
// A new CgpArea holding the clip area, or null when there is none.
void returnCanvasClipBounds();
// Stores the clip area into the CgpArea argument and returns true; false,
// with the area untouched, when there is no clip area or no area.
void returnCanvasClipBoundsInto();
void removeCanvasClip();

}  // namespace tamri
